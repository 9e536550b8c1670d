#include "main_window.h"

#include "command_icons.h"
#include "dialogs/about_dlg.h"
#include "dialogs/select_level_dlg.h"
#include "nes_canvas.h"
#include "object_pictures/embedded_object_pictures.h"
#include "render/room_geometry.h"
#include "status_texts.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

#include <exception>
#include <set>

namespace tikaroo {

namespace {

constexpr int kFirstStatusPartWidth = 75;
const QString kNesFilter = QStringLiteral("NES files (*.nes)");

struct MenuPlace {
    Menu menu;
    Menu parent;
    const char* title;
};

// Top-level menus stand as their own parent.
constexpr MenuPlace kMenuPlaces[] = {
    {Menu::File, Menu::File, "File"},
    {Menu::Edit, Menu::Edit, "Edit"},
    {Menu::EditLevelSets, Menu::Edit, "Level sets"},
    {Menu::EditPalettes, Menu::Edit, "Palettes sets"},
    {Menu::EditObjects, Menu::Edit, "Objects"},
    {Menu::View, Menu::View, "View"},
    {Menu::Help, Menu::Help, "Help"},
};

const MenuPlace& PlaceOf(Menu menu) {
    for (const MenuPlace& place : kMenuPlaces)
        if (place.menu == menu) return place;
    return kMenuPlaces[0];
}

// The commands whose work the editor has; the others stay disabled until their editors exist.
const std::set<CommandId> kWorkingRomCommands = {kCmdSave, kCmdSaveAs, kCmdSelectLevel, kCmdRunGame};

} // namespace

CMainWindow::CMainWindow(QWidget* parent)
    : QMainWindow(parent), markerSheets(BuildMarkerSheets(EmbeddedObjectPictures())) {
    setObjectName(QStringLiteral("Tikaroo"));
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    renderer.SetMarkerSheets(&markerSheets.markerSheet, &markerSheets.selectedMarkerSheet);
    canvas = new CNesCanvas(this);
    setCentralWidget(canvas);
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    ConnectCanvas();
    EnableCommands();
    resize(1024, 760);
}

void CMainWindow::CreateActions() {
    for (const CommandInfo& command : Commands()) {
        auto* action =
            new QAction(CommandIconPicture(command.icon, *style()),
                        QString::fromUtf8(command.menuText.data(), qsizetype(command.menuText.size())), this);
        if (!command.shortcut.empty())
            action->setShortcut(QKeySequence(
                QString::fromLatin1(command.shortcut.data(), qsizetype(command.shortcut.size()))));
        if (!command.toolTip.empty())
            action->setToolTip(QString::fromUtf8(command.toolTip.data(), qsizetype(command.toolTip.size())));
        action->setData(command.id);
        actions[command.id] = action;
    }
    connect(Action(kCmdOpen), &QAction::triggered, this, &CMainWindow::OnOpen);
    connect(Action(kCmdSave), &QAction::triggered, this, [this] { SaveRomAs({}); });
    connect(Action(kCmdSaveAs), &QAction::triggered, this, &CMainWindow::OnSaveAs);
    connect(Action(kCmdQuit), &QAction::triggered, this, &QWidget::close);
    connect(Action(kCmdSelectLevel), &QAction::triggered, this, &CMainWindow::OnSelectLevel);
    connect(Action(kCmdRunGame), &QAction::triggered, this, &CMainWindow::OnRunGame);
    connect(Action(kCmdAbout), &QAction::triggered, this, &CMainWindow::OnAbout);
}

void CMainWindow::CreateMenus() {
    std::map<Menu, QMenu*> menus;
    auto menuFor = [&](Menu menu, auto& self) -> QMenu* {
        if (auto found = menus.find(menu); found != menus.end()) return found->second;
        const MenuPlace& place = PlaceOf(menu);
        QMenu* created = place.parent == menu
                             ? menuBar()->addMenu(QString::fromLatin1(place.title))
                             : self(place.parent, self)->addMenu(QString::fromLatin1(place.title));
        menus[menu] = created;
        return created;
    };
    for (const CommandInfo& command : Commands()) {
        QMenu* menu = menuFor(command.menu, menuFor);
        if (command.separatorBefore) menu->addSeparator();
        menu->addAction(Action(command.id));
    }
}

void CMainWindow::CreateToolBar() {
    QToolBar* toolBar = addToolBar(QStringLiteral("Commands"));
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->setMovable(false);
    toolBar->setIconSize(QSize(20, 20));
    for (int id : ToolbarLayout()) {
        if (id == kToolbarSeparator)
            toolBar->addSeparator();
        else
            toolBar->addAction(Action(static_cast<CommandId>(id)));
    }
}

void CMainWindow::CreateStatusBar() {
    for (QLabel*& part : statusParts) part = new QLabel(this);
    statusParts[0]->setFixedWidth(kFirstStatusPartWidth);
    statusBar()->addWidget(statusParts[0]);
    statusBar()->addWidget(statusParts[1], 1);
}

void CMainWindow::ConnectCanvas() {
    connect(canvas, &CNesCanvas::ArrowPressed, this,
            [this](int dx, int /*dy*/) { SelectRoom(currentRoom + dx); });
    connect(canvas, &CNesCanvas::PointPicked, this, [this](QPoint point, bool /*drag*/) {
        if (rom.loaded == 0) return;
        clickX = point.x() / 8 * 8;
        SelectRoom(point.x() / kRoomWidth);
    });
}

QString CMainWindow::StatusText(int part) const {
    return statusParts[part]->text();
}

QString CMainWindow::RomFileName() const {
    return QFileInfo(QString::fromStdString(rom.FileName())).fileName();
}

void CMainWindow::EnableCommands() {
    const bool loaded = rom.loaded != 0;
    for (const CommandInfo& command : Commands()) {
        const bool works = !command.needsRom || kWorkingRomCommands.contains(command.id);
        const bool levelAllowed = !command.mainLevelOnly || !rom.view.bonusMode;
        Action(command.id)->setEnabled(works && (loaded || !command.needsRom) && levelAllowed);
    }
}

bool CMainWindow::RefuseSecondOpen() {
    if (rom.loaded == 0) return false;
    QMessageBox::warning(
        this, QString::fromLatin1(kProgramTitle),
        QStringLiteral("File already loaded.\nClose the editor and open again to load new file."));
    return true;
}

bool CMainWindow::OpenRom(const QString& path) {
    if (RefuseSecondOpen()) return false;
    try {
        rom.LoadRom(path.toStdString());
    } catch (const std::exception& error) {
        QMessageBox::critical(
            this, QString::fromLatin1(kProgramTitle),
            QStringLiteral("Unable to load file '%1'.\nIt is possible that read disk error or file "
                           "corrupted.\n\nLoader returned error: '%2'")
                .arg(path, QString::fromLocal8Bit(error.what())));
        return false; // the failed load has already emptied the model
    }
    ShowLevel(0, false);
    statusParts[0]->setText(QStringLiteral("Ready"));
    return true;
}

void CMainWindow::ShowLevel(std::uint8_t slotOrBonusLevel, bool bonusMode) {
    if (rom.loaded == 0) return;
    rom.view.bonusMode = bonusMode;
    if (bonusMode) {
        rom.view.currentLevel = rom.bonusArea.area;
        rom.view.currentBonusLevel = slotOrBonusLevel;
    } else {
        rom.view.currentLevel = slotOrBonusLevel;
    }
    rom.view.selectedList = -1;
    rom.view.selectedIndex = -1;
    clickX = -1;
    renderer.SetClickPoint({-1, -1});
    RenderCurrentLevel();
    EnableCommands();
    SelectRoom(0);
    canvas->setFocus();
}

void CMainWindow::RenderCurrentLevel() {
    renderer.SelectLevel(rom, rom);
    ShowCanvasPicture();
    setWindowTitle(WindowTitle(RomFileName(), rom.view));
}

bool CMainWindow::SaveRomAs(const QString& path) {
    if (rom.loaded == 0) return false;
    try {
        rom.SaveRom(path.toStdString());
    } catch (const std::exception& error) {
        QMessageBox::critical(
            this, QString::fromLatin1(kProgramTitle),
            QStringLiteral("Unable to save file '%1'.\nIt is possible that write disk error or "
                           "loader error.\n\nLoader returned error: '%2'")
                .arg(QString::fromStdString(rom.FileName()), QString::fromLocal8Bit(error.what())));
        return false;
    }
    statusParts[0]->setText(QStringLiteral("Ready"));
    // The save renumbers level sets and sorts objects lists: show the level as the model now has it.
    RenderCurrentLevel();
    SelectRoom(currentRoom);
    return true;
}

void CMainWindow::OnSaveAs() {
    if (rom.loaded == 0) return;
    const QString path =
        QFileDialog::getSaveFileName(this, QString(), QString::fromStdString(rom.FileName()), kNesFilter);
    if (!path.isEmpty()) SaveRomAs(path);
}

void CMainWindow::ShowCanvasPicture() {
    canvas->SetPicture(&renderer.Canvas());
}

void CMainWindow::SelectRoom(int room) {
    if (rom.loaded == 0) return;
    if (rom.view.bonusMode) {
        statusParts[1]->clear();
        canvas->SetFrame({}, Qt::white, false);
        return;
    }
    const LevelSet& levelSet = rom.levelSets.at(rom.levels.at(rom.view.currentLevel).levelSet);
    const int roomCount = static_cast<int>(renderer.RoomCountShown(rom));
    currentRoom = std::clamp(room, 0, std::max(0, roomCount - 1));
    const auto& offsets = levelSet.layout.pictureOffset;
    const int offset =
        currentRoom < static_cast<int>(offsets.size()) ? offsets[std::size_t(currentRoom)][1] : 0;
    canvas->SetFrame(QRect(kRoomWidth * currentRoom, offset + kRoomTopOnCanvas, kRoomWidth, kRoomHeight),
                     Qt::white, true);
    canvas->ScrollToFrame();
    statusParts[1]->setText(RoomStatusText(clickX, currentRoom, levelSet.rooms.at(std::size_t(currentRoom))));
}

void CMainWindow::OnOpen() {
    if (RefuseSecondOpen()) return;
    const QString path = QFileDialog::getOpenFileName(
        this, QString(), QStringLiteral("Bramwick's_Tikaroo_(E)_[!].nes"), kNesFilter);
    if (!path.isEmpty()) OpenRom(path);
}

void CMainWindow::OnSelectLevel() {
    if (rom.loaded == 0) return;
    const bool bonus = rom.view.bonusMode;
    CSelectLevelDlg dialog(rom.view.currentLevel,
                           bonus ? rom.view.currentBonusLevel : CSelectLevelDlg::kNoBonusLevel, bonus, this);
    if (dialog.exec() != QDialog::Accepted) return;
    ShowLevel(dialog.BonusMode() ? dialog.BonusLevel() : dialog.LevelSlot(), dialog.BonusMode());
}

void CMainWindow::OnRunGame() {
    if (rom.loaded == 0) return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(rom.FileName())));
}

void CMainWindow::OnAbout() {
    CAboutDlg dialog(this);
    dialog.exec();
}

void CMainWindow::closeEvent(QCloseEvent* event) {
    if (rom.loaded == 0) {
        event->accept();
        return;
    }
    const auto answer =
        QMessageBox::question(this, QString::fromLatin1(kProgramTitle),
                              QStringLiteral("Are you sure that you want to close '%1'?").arg(RomFileName()),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer == QMessageBox::Yes)
        event->accept();
    else
        event->ignore();
}

} // namespace tikaroo
