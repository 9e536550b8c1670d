#include "main_window.h"

#include "command_icons.h"
#include "nes_canvas.h"
#include "object_pictures/embedded_object_pictures.h"
#include "recent_files_menu.h"
#include "status_texts.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>

#include <exception>

namespace tikaroo {

namespace {

constexpr int kFirstStatusPartWidth = 75;

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

} // namespace

CMainWindow::CMainWindow(QWidget* parent)
    : QMainWindow(parent), markerSheets(BuildMarkerSheets(EmbeddedObjectPictures())),
      objectImages(markerSheets), objectEditing(objectImages, this) {
    setObjectName(QStringLiteral("Tikaroo"));
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    renderer.SetMarkerSheets(&markerSheets.markerSheet, &markerSheets.selectedMarkerSheet);
    canvas = new CNesCanvas(this);
    canvas->SetPicture(&renderer.Canvas());
    setCentralWidget(canvas);
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    ConnectCanvas();
    // Nothing of the room and object editing of one level is kept for the next.
    connect(this, &CMainWindow::LevelShown, this, [this] {
        roomEditing.Reset();
        objectEditing.SetMode(CObjectEditing::Mode::Insert);
    });
    LoadPreferences();
    SetUpZoomAndGrid();
    UpdateCommands();
    setAcceptDrops(true);
    resize(1024, 760);
}

CMainWindow::~CMainWindow() = default;

void CMainWindow::CreateActions() {
    for (const CommandInfo& command : Commands()) {
        auto* action =
            new QAction(CommandIconPicture(command.icon),
                        QString::fromUtf8(command.menuText.data(), qsizetype(command.menuText.size())), this);
        if (!command.shortcut.empty())
            action->setShortcuts(QKeySequence::listFromString(
                QString::fromLatin1(command.shortcut.data(), qsizetype(command.shortcut.size()))));
        if (!command.toolTip.empty())
            action->setToolTip(QString::fromUtf8(command.toolTip.data(), qsizetype(command.toolTip.size())));
        action->setData(command.id);
        connect(action, &QAction::triggered, this, [this, id = command.id] { RunCommand(id); });
        actions[command.id] = action;
    }
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
    new CRecentFilesMenu(*this, menus.at(Menu::File), Action(kCmdSave));
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
    // Says, while it holds, that the shown level is drawn cut at the canvas's height limit.
    statusBar()->addPermanentWidget(statusParts[kLayoutStatusPart]);
}

QString CMainWindow::StatusText(int part) const {
    return statusParts[part]->text();
}

void CMainWindow::SetStatusText(int part, const QString& text) {
    statusParts[part]->setText(text);
}

QString CMainWindow::RomFilePath() const {
    return QFile::decodeName(QByteArray::fromStdString(rom.FileName()));
}

QString CMainWindow::RomFileName() const {
    return QFileInfo(RomFilePath()).fileName();
}

void CMainWindow::UpdateTitle() {
    // The file name is marked while there are unsaved changes.
    setWindowTitle(WindowTitle(RomFileName() + (modified ? QStringLiteral("*") : QString()), rom.view));
}

void CMainWindow::SetModified(bool value) {
    if (modified == value) return;
    modified = value;
    UpdateTitle();
    emit ModifiedChanged(modified);
}

CommandState CMainWindow::CurrentCommandState() const {
    return {.romLoaded = rom.loaded != 0,
            .bonusMode = rom.view.bonusMode,
            .undoListEmpty = !roomEditing.CanUndo(),
            .redoListEmpty = !roomEditing.CanRedo()};
}

void CMainWindow::UpdateCommands() {
    const CommandState state = CurrentCommandState();
    for (const CommandInfo& command : Commands())
        Action(command.id)->setEnabled(CommandEnabled(command, state));
}

void CMainWindow::RunCommand(CommandId id) {
    const CommandInfo& command = Command(id);
    if (!CommandEnabled(command, CurrentCommandState())) return;
    try {
        command.handler(*this);
    } catch (const std::exception& error) {
        QMessageBox::critical(this, QString::fromLatin1(kProgramTitle), QString::fromLocal8Bit(error.what()));
    }
}

} // namespace tikaroo
