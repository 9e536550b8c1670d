#pragma once

#include "command_table.h"
#include "game/game_rom.h"
#include "render/level_renderer.h"
#include "render/marker_sheets.h"
#include "status_texts.h"

#include <QMainWindow>

#include <map>

class QAction;
class QLabel;

namespace tikaroo {

class CNesCanvas;

class CMainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainWindow(QWidget* parent = nullptr);

    // Loads a ROM as the Open command does after its file dialog; false (with a message) on failure.
    bool OpenRom(const QString& path);
    // Saves as the Save command does (to the current file when `path` is empty); false after a message.
    bool SaveRomAs(const QString& path);
    // Shows a level slot (0-31) or, in bonus mode, a bonus level (0-8).
    void ShowLevel(std::uint8_t slotOrBonusLevel, bool bonusMode);

    QAction* Action(CommandId id) const { return actions.at(id); }
    CNesCanvas* Canvas() const { return canvas; }
    QString StatusText(int part) const;
    const CGameRom& Rom() const { return rom; }
    int CurrentRoom() const { return currentRoom; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void EnableCommands();
    void ConnectCanvas();

    bool RefuseSecondOpen();
    void OnOpen();
    void OnSaveAs();
    void OnSelectLevel();
    void OnRunGame();
    void OnAbout();

    void RenderCurrentLevel();
    void SelectRoom(int room);
    void ShowCanvasPicture();
    QString RomFileName() const;

    CGameRom rom;
    MarkerSheetSet markerSheets;
    CLevelRenderer renderer;
    int currentRoom = 0;
    int clickX = -1;

    std::map<CommandId, QAction*> actions;
    CNesCanvas* canvas = nullptr;
    QLabel* statusParts[2] = {nullptr, nullptr};
};

} // namespace tikaroo
