#include "bonus_level_settings_dlg.h"

#include "dialog_buttons.h"
#include "dialog_controls.h"

#include <QComboBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tikaroo {

namespace {

constexpr int kRoomsPerBeginStep = 16;
constexpr int kBeginSteps = 4;
constexpr int kMaxRooms = static_cast<int>(kRoomsPerLevelSet);

} // namespace

CBonusLevelSettingsDlg::CBonusLevelSettingsDlg(const BonusArea& initial, MoveCheck moveCheck, QWidget* parent)
    : QDialog(parent), area(initial), check(std::move(moveCheck)) {
    setWindowTitle(QStringLiteral("Bonus level area"));
    areaList = MakeDropDown(QStringLiteral("area"), this);
    AddLevelNames(areaList);
    areaList->setCurrentIndex(area.area < areaList->count() ? area.area : -1);
    beginFrom = MakeWrappingSpinBox(1, kBeginSteps, area.beginFrom + 1, QStringLiteral("beginFrom"), this);
    length = MakeWrappingSpinBox(1, kMaxRooms, area.length, QStringLiteral("length"), this);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Area:"), areaList);
    form->addRow(QStringLiteral("Begin from:"), beginFrom);
    form->addRow(QStringLiteral("Length:"), length);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    AddOkCancel(this, layout);
}

void CBonusLevelSettingsDlg::accept() {
    // The spin boxes mend their text before OK sees it; an area stored beyond the list selects nothing.
    if (areaList->currentIndex() < 0) {
        ShowDialogError(this, QStringLiteral("Please choose a valid area"));
        return;
    }
    const int begin = beginFrom->value();
    if (kRoomsPerBeginStep * (begin - 1) + length->value() > kMaxRooms) {
        ShowDialogError(this, QStringLiteral("Level start (16 * Area) + Level length (Length) can't be more "
                                             "than %1 rooms!")
                                  .arg(kMaxRooms));
        return;
    }
    const BonusArea chosen{static_cast<std::uint8_t>(areaList->currentIndex()),
                           static_cast<std::uint8_t>(begin - 1), static_cast<std::uint8_t>(length->value())};
    if (const std::optional<ObjectLeavingLevel> leaving = check(chosen)) {
        ShowDialogError(this,
                        QStringLiteral("Bonus %1: object 0x%2 would move outside the level")
                            .arg(leaving->bonusLevel + 1)
                            .arg(QString::number(leaving->objectId, 16).toUpper().rightJustified(2, u'0')));
        return;
    }
    area = chosen;
    QDialog::accept();
}

} // namespace tikaroo
