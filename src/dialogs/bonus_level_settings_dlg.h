#pragma once

#include "game/bonus_area_move.h"
#include "game/model.h"

#include <QDialog>

#include <functional>
#include <optional>

class QComboBox;
class QSpinBox;

namespace tikaroo {

// Edits a copy of the bonus area; Area() is the edited copy after OK.
class CBonusLevelSettingsDlg : public QDialog {
    Q_OBJECT
public:
    // The object that taking a bonus area would move out of its level, if any.
    using MoveCheck = std::function<std::optional<ObjectLeavingLevel>(const BonusArea&)>;

    CBonusLevelSettingsDlg(const BonusArea& area, MoveCheck check, QWidget* parent = nullptr);

    const BonusArea& Area() const { return area; }

    void accept() override;

private:
    BonusArea area;
    MoveCheck check;
    QComboBox* areaList = nullptr;
    QSpinBox* beginFrom = nullptr;
    QSpinBox* length = nullptr;
};

} // namespace tikaroo
