#pragma once

#include <QDialog>

#include <cstdint>

class QCheckBox;
class QListWidget;

namespace tikaroo {

// Picks one of the 32 levels or one of the 9 bonus levels; changes nothing itself.
class CSelectLevelDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr std::uint8_t kNoBonusLevel = 255;

    CSelectLevelDlg(std::uint8_t levelSlot, std::uint8_t bonusLevel, bool bonusMode,
                    QWidget* parent = nullptr);

    std::uint8_t LevelSlot() const { return levelSlot; }
    std::uint8_t BonusLevel() const { return bonusLevel; }
    bool BonusMode() const { return bonusMode; }

    void accept() override;

private:
    void FillList();

    QListWidget* list = nullptr;
    QCheckBox* bonusBox = nullptr;
    std::uint8_t levelSlot;
    std::uint8_t bonusLevel;
    bool bonusMode;
};

} // namespace tikaroo
