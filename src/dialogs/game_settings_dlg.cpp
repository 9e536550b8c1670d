#include "game_settings_dlg.h"

#include "dialog_buttons.h"
#include "dialog_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QSpinBox>
#include <QVBoxLayout>

#include <span>

namespace tikaroo {

namespace {

struct NumberField {
    const char* label;
    const char* name;
    int minimum;
    int maximum;
    std::uint8_t GameSettings::*field;
};

constexpr NumberField kNumberFields[] = {
    {"Jump:", "jump", 0, 127, &GameSettings::jump},
    {"Extra jump:", "extraJump", 0, 127, &GameSettings::extraJump},
    {"Speed:", "speed", 1, kMaxSpeed, &GameSettings::speed},
    {"Extra speed:", "extraSpeed", 1, kMaxSpeed, &GameSettings::extraSpeed},
    {"SB speed:", "sbSpeed", 1, kMaxSpeed, &GameSettings::sbSpeed},
    {"Extra SB speed:", "extraSbSpeed", 1, kMaxSpeed, &GameSettings::extraSbSpeed},
    {"Drops count:", "dropsCount", 1, 10, &GameSettings::dropsCount},
    {"Lives:", "lives", 1, 9, &GameSettings::lives},
};
// The movement fields stand before the flags, the counts after the start.
constexpr std::size_t kMovementFields = 6;

struct FlagField {
    const char* label;
    const char* name;
    std::uint32_t GameSettings::*field;
};

constexpr FlagField kFlagFields[] = {
    {"Enable holes", "holes", &GameSettings::holes},
    {"Enable safe mode", "safeMode", &GameSettings::safeMode},
    {"Grab skateboards", "grabSkateboards", &GameSettings::grabSkateboards},
};

constexpr int kCheckpoints = 4;
constexpr const char* kWeapons[] = {"No", "Hammer", "Fire"};

} // namespace

CGameSettingsDlg::CGameSettingsDlg(const GameSettings& initial, QWidget* parent)
    : QDialog(parent), settings(initial) {
    setWindowTitle(QStringLiteral("Game settings"));
    // Movement and switches on the left, the start and the counts on the right.
    auto* movement = new QFormLayout;
    auto* start = new QFormLayout;
    const auto addNumbers = [&](QFormLayout* form, std::span<const NumberField> fields) {
        for (const NumberField& number : fields) {
            QSpinBox* box = MakeWrappingSpinBox(number.minimum, number.maximum, settings.*number.field,
                                                QString::fromLatin1(number.name), this);
            form->addRow(QString::fromLatin1(number.label), box);
            numberBoxes.push_back(box);
        }
    };
    addNumbers(movement, std::span(kNumberFields).first(kMovementFields));
    for (const FlagField& flag : kFlagFields) {
        auto* box = new QCheckBox(QString::fromLatin1(flag.label), this);
        box->setObjectName(QString::fromLatin1(flag.name));
        box->setChecked(settings.*flag.field != 0);
        movement->addRow(box);
        flagBoxes.push_back(box);
    }

    beginArea = MakeDropDown(QStringLiteral("beginArea"), this);
    AddLevelNames(beginArea);
    const int startEntry = settings.beginArea * kRoundsPerArea + settings.beginRound;
    beginArea->setCurrentIndex(
        settings.beginRound < kRoundsPerArea && startEntry < beginArea->count() ? startEntry : -1);
    start->addRow(QStringLiteral("Begin area:"), beginArea);
    beginFrom =
        MakeWrappingSpinBox(1, kCheckpoints, settings.beginFrom + 1, QStringLiteral("beginFrom"), this);
    start->addRow(QStringLiteral("Begin from:"), beginFrom);
    weapon = MakeDropDown(QStringLiteral("weapon"), this);
    for (const char* name : kWeapons) weapon->addItem(QString::fromLatin1(name));
    weapon->setCurrentIndex(settings.weapon < weapon->count() ? settings.weapon : -1);
    start->addRow(QStringLiteral("Weapon:"), weapon);
    addNumbers(start, std::span(kNumberFields).subspan(kMovementFields));

    auto* columns = new QHBoxLayout;
    columns->addLayout(movement);
    columns->addSpacing(16);
    columns->addLayout(start);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    AddOkCancel(this, layout);
}

void CGameSettingsDlg::accept() {
    for (std::size_t number = 0; number < numberBoxes.size(); ++number)
        settings.*kNumberFields[number].field = static_cast<std::uint8_t>(numberBoxes[number]->value());
    for (std::size_t flag = 0; flag < flagBoxes.size(); ++flag)
        settings.*kFlagFields[flag].field = flagBoxes[flag]->isChecked() ? 1 : 0;
    // The start is taken only with an area chosen: a stored area the list cannot show stays as it is.
    if (const int entry = beginArea->currentIndex(); entry >= 0) {
        settings.beginArea = static_cast<std::uint8_t>(entry / kRoundsPerArea);
        settings.beginRound = static_cast<std::uint8_t>(entry % kRoundsPerArea);
        settings.beginFrom = static_cast<std::uint8_t>(beginFrom->value() - 1);
    }
    if (weapon->currentIndex() >= 0) settings.weapon = static_cast<std::uint8_t>(weapon->currentIndex());
    QDialog::accept();
}

} // namespace tikaroo
