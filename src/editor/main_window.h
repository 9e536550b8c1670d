#pragma once

#include "command_table.h"

#include <QMainWindow>

#include <map>

class QAction;
class QLabel;
class QMenu;

namespace tikaroo {

class CNesCanvas;

inline constexpr const char* kProgramTitle = "NES Tikaroo Level Editor v1.1.1";

class CMainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainWindow(QWidget* parent = nullptr);

    QAction* Action(CommandId id) const { return actions.at(id); }
    CNesCanvas* Canvas() const { return canvas; }
    QString StatusText(int part) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void EnableCommands(bool romLoaded);

    void OnAbout();

    std::map<CommandId, QAction*> actions;
    CNesCanvas* canvas = nullptr;
    QLabel* statusParts[2] = {nullptr, nullptr};
};

} // namespace tikaroo
