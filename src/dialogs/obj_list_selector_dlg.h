#pragma once

#include <QDialog>

#include <cstdint>

class QComboBox;

namespace tikaroo {

// Picks one objects list of any level or bonus level, as the source of a copy.
class CObjListSelectorDlg : public QDialog {
    Q_OBJECT
public:
    explicit CObjListSelectorDlg(QWidget* parent = nullptr);

    // The choice after OK: a level slot (0-31) or a bonus level (0-8), and a list (0-2).
    std::uint8_t Level() const { return level; }
    bool Bonus() const { return bonus; }
    std::uint8_t List() const { return list; }

    void accept() override;

private:
    QComboBox* areaBox = nullptr;
    QComboBox* listBox = nullptr;
    std::uint8_t level = 0;
    bool bonus = false;
    std::uint8_t list = 0;
};

} // namespace tikaroo
