#include "object_settings_dlg.h"

#include "editor/nes_canvas.h"
#include "game/object_params.h"
#include "object_images.h"
#include "render/dialog_pictures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>

namespace tikaroo {

namespace {

constexpr int kFirstId = 1;
constexpr int kLastId = 63;
constexpr int kHandlers = 8;
constexpr std::uint32_t kPictureBackground = 0x303030;

QString Hex(int value) {
    return QString::asprintf("0x%02X", value);
}

} // namespace

CObjectSettingsDlg::CObjectSettingsDlg(Mode dialogMode, std::uint8_t objectList, const ObjectEntry& object,
                                       const CObjectImages& objectImages, QWidget* parent)
    : QDialog(parent), images(objectImages), mode(dialogMode), list(objectList), entry(object) {
    setWindowTitle(QStringLiteral("Object settings"));
    auto* form = new QFormLayout(this);

    listBox = new QComboBox(this);
    listBox->setObjectName(QStringLiteral("list"));
    for (int i = 1; i <= static_cast<int>(kObjectsListCount); ++i)
        listBox->addItem(QStringLiteral("List %1").arg(i));
    form->addRow(QStringLiteral("List:"), listBox);

    idBox = new QComboBox(this);
    idBox->setObjectName(QStringLiteral("objectId"));
    idBox->setIconSize(images.IconSize());
    for (int id = kFirstId; id <= kLastId; ++id) {
        idBox->addItem(images.Icon(id), Hex(id));
        idBox->setItemData(id - kFirstId, QStringLiteral("Object %1").arg(Hex(id)), Qt::AccessibleTextRole);
    }
    form->addRow(QStringLiteral("Object Id:"), idBox);

    handlerBox = new QComboBox(this);
    handlerBox->setObjectName(QStringLiteral("handler"));
    for (int i = 0; i < kHandlers; ++i) handlerBox->addItem(QStringLiteral("Handler %1").arg(i));
    form->addRow(QStringLiteral("Handler:"), handlerBox);

    topOfBridge = AddSpinBox("topOfBridge", -16, 15);
    form->addRow(QStringLiteral("Top of bridge:"), topOfBridge);
    sensitivity = AddSpinBox("sensitivity", -128, 127);
    form->addRow(QStringLiteral("Sensevity distance:"), sensitivity);
    beetleHeight = AddSpinBox("beetleHeight", 0, 7);
    form->addRow(QStringLiteral("Height:"), beetleHeight);
    climbHeight = AddSpinBox("climbHeight", 0, 7);
    form->addRow(QStringLiteral("Climb height:"), climbHeight);
    height = AddSpinBox("height", 0, 255);
    form->addRow(QStringLiteral("Height:"), height);
    sleeping = new QCheckBox(QStringLiteral("Sleeping"), this);
    sleeping->setObjectName(QStringLiteral("sleeping"));
    form->addRow(sleeping);
    textLine = new QLabel(this);
    textLine->setObjectName(QStringLiteral("textLine"));
    form->addRow(textLine);

    canvas = new CNesCanvas(this);
    canvas->setMinimumSize(136, 136);
    form->addRow(canvas);
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CObjectSettingsDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    if (mode == Mode::Modify) {
        listBox->setCurrentIndex(list);
        idBox->setCurrentIndex(entry.id - kFirstId);
        listBox->setEnabled(false);
        idBox->setEnabled(false);
        LoadParams();
    } else {
        idBox->setCurrentIndex(0);
        IdChanged();
    }
    connect(idBox, &QComboBox::currentIndexChanged, this, &CObjectSettingsDlg::IdChanged);
    connect(beetleHeight, &QSpinBox::valueChanged, this, &CObjectSettingsDlg::UpdateBeetleText);
    connect(climbHeight, &QSpinBox::valueChanged, this, &CObjectSettingsDlg::UpdateBeetleText);
    ShowControlsOfId();
}

QSpinBox* CObjectSettingsDlg::AddSpinBox(const char* name, int minimum, int maximum) {
    auto* box = new QSpinBox(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(minimum, maximum);
    box->setWrapping(true);
    return box;
}

void CObjectSettingsDlg::LoadParams() {
    const ObjectParams params = UnpackObjectParams(entry.id, entry.param1, entry.param2);
    handlerBox->setCurrentIndex(params.handler);
    topOfBridge->setValue(params.topOfBridge);
    sensitivity->setValue(params.sensitivity);
    beetleHeight->setValue(params.height & 7);
    climbHeight->setValue(params.climbHeight);
    height->setValue(entry.param1);
    sleeping->setChecked(params.sleeping);
}

void CObjectSettingsDlg::IdChanged() {
    listBox->setCurrentIndex(HomeListOf(static_cast<std::uint8_t>(idBox->currentIndex() + kFirstId)));
    ShowControlsOfId();
}

void CObjectSettingsDlg::ShowControlsOfId() {
    const int id = idBox->currentIndex() + kFirstId;
    const ObjectParamKind kind = ParamKindOf(static_cast<std::uint8_t>(id));
    using enum ObjectParamKind;
    const bool bridge = kind == Bridge || kind == SensingBridge;
    auto* form = static_cast<QFormLayout*>(layout());
    form->setRowVisible(handlerBox, bridge);
    form->setRowVisible(topOfBridge, bridge);
    form->setRowVisible(sensitivity, kind == SensingBridge);
    form->setRowVisible(beetleHeight, kind == Beetle);
    form->setRowVisible(climbHeight, kind == Beetle);
    form->setRowVisible(sleeping, kind == Beetle);
    form->setRowVisible(height, kind == Height);
    form->setRowVisible(textLine, kind == Stone || kind == Beetle);
    if (kind == Stone)
        textLine->setText(entry.x / 8 % 2 == 1 ? QStringLiteral("Backward stone")
                                               : QStringLiteral("Forward stone"));
    else
        UpdateBeetleText();
    // A stone has nothing to change.
    buttons->button(QDialogButtonBox::Ok)->setEnabled(!(kind == Stone && mode == Mode::Modify));
    picture = ObjectPicture(images.Sheet(), id, kPictureBackground);
    canvas->SetPicture(&picture);
}

void CObjectSettingsDlg::UpdateBeetleText() {
    const bool frozen = beetleHeight->value() == climbHeight->value();
    if (ParamKindOf(static_cast<std::uint8_t>(idBox->currentIndex() + kFirstId)) == ObjectParamKind::Beetle)
        textLine->setText(frozen ? QStringLiteral("This beetle is frozen") : QString());
}

void CObjectSettingsDlg::accept() {
    bool valid =
        listBox->currentIndex() >= 0 && idBox->currentIndex() >= 0 && handlerBox->currentIndex() >= 0;
    for (const QSpinBox* box : {topOfBridge, sensitivity, beetleHeight, climbHeight, height})
        valid = valid && (!box->isVisibleTo(this) || box->hasAcceptableInput());
    if (!valid) {
        QMessageBox::critical(this, windowTitle(), QStringLiteral("Invalid parameter"));
        return;
    }
    ObjectParams params;
    params.handler = handlerBox->currentIndex();
    params.topOfBridge = topOfBridge->value();
    params.sensitivity = sensitivity->value();
    params.sleeping = sleeping->isChecked();
    params.climbHeight = climbHeight->value();
    entry.id = static_cast<std::uint8_t>(idBox->currentIndex() + kFirstId);
    params.height =
        ParamKindOf(entry.id) == ObjectParamKind::Height ? height->value() : beetleHeight->value();
    const PackedParams packed = PackObjectParams(entry.id, params, {entry.param1, entry.param2});
    entry.param1 = packed.param1;
    entry.param2 = packed.param2;
    list = static_cast<std::uint8_t>(listBox->currentIndex());
    QDialog::accept();
}

} // namespace tikaroo
