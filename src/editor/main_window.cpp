#include "main_window.h"

#include "command_icons.h"
#include "dialogs/about_dlg.h"
#include "nes_canvas.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

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

CMainWindow::CMainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Tikaroo"));
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    canvas = new CNesCanvas(this);
    setCentralWidget(canvas);
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    EnableCommands(false);
    resize(1024, 720);
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
    connect(Action(kCmdQuit), &QAction::triggered, this, &QWidget::close);
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

QString CMainWindow::StatusText(int part) const {
    return statusParts[part]->text();
}

void CMainWindow::EnableCommands(bool romLoaded) {
    for (const CommandInfo& command : Commands())
        Action(command.id)->setEnabled(!command.needsRom || romLoaded);
    Action(kCmdUndoRoom)->setEnabled(false);
}

void CMainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
}

void CMainWindow::OnAbout() {
    CAboutDlg dialog(this);
    dialog.exec();
}

} // namespace tikaroo
