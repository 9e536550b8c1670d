#pragma once

#include "game/model.h"
#include "render/picture_buffer.h"

#include <QDialog>

#include <cstdint>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QSpinBox;

namespace tikaroo {

class CNesCanvas;
class CObjectImages;

// The list, id and parameters of a new object (insert) or of an object on the canvas (modify: only the
// parameters). Changes nothing itself.
class CObjectSettingsDlg : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Insert, Modify };

    CObjectSettingsDlg(Mode mode, std::uint8_t list, const ObjectEntry& entry, const CObjectImages& images,
                       QWidget* parent = nullptr);

    // The choice after OK.
    std::uint8_t List() const { return list; }
    const ObjectEntry& Entry() const { return entry; }

    void accept() override;

private:
    QSpinBox* AddSpinBox(const char* name, int minimum, int maximum);
    void LoadParams();
    void IdChanged();
    void ShowControlsOfId();
    void UpdateBeetleText();

    const CObjectImages& images;
    Mode mode;
    std::uint8_t list;
    ObjectEntry entry;
    PictureBuffer picture;

    QComboBox* listBox = nullptr;
    QComboBox* idBox = nullptr;
    QComboBox* handlerBox = nullptr;
    QSpinBox* topOfBridge = nullptr;
    QSpinBox* sensitivity = nullptr;
    QSpinBox* beetleHeight = nullptr;
    QSpinBox* climbHeight = nullptr;
    QSpinBox* height = nullptr;
    QCheckBox* sleeping = nullptr;
    QLabel* textLine = nullptr;
    CNesCanvas* canvas = nullptr;
    QDialogButtonBox* buttons = nullptr;
};

} // namespace tikaroo
