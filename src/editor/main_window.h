#pragma once

#include "command_table.h"
#include "dialogs/object_images.h"
#include "dialogs/preferences.h"
#include "game/game_rom.h"
#include "game/level_selection.h"
#include "object_editing.h"
#include "render/level_renderer.h"
#include "render/marker_sheets.h"
#include "render/nes_colors.h"
#include "room_editing.h"

#include <QMainWindow>

#include <functional>
#include <map>
#include <memory>

class QAction;
class QLabel;
class QTemporaryDir;

namespace tikaroo {

class CNesCanvas;

// What a change needs redrawn on the canvas.
enum class Redraw {
    Nothing, // tables the canvas does not show
    Overlay, // objects, the selection, the click point: the markers layer
    Rooms,   // room fields: the room layout, the level picture from the block cache, both layers
    Level,   // anything else a level is drawn from: all that a level selection builds, and the title
};

// The status bar part that tells of a level drawn cut.
inline constexpr int kLayoutStatusPart = 2;

class CMainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainWindow(QWidget* parent = nullptr);
    ~CMainWindow() override;

    // Loads a ROM as the Open command does after its file dialog; false (with a message) on failure.
    bool OpenRom(const QString& path);
    // Saves as the Save command does (to the current file when `path` is empty); false after a message.
    bool SaveRomAs(const QString& path);
    // Shows the warning and gives true while a ROM is loaded: the editor opens one ROM per run.
    bool RefuseSecondOpen();
    // Shows a level or bonus level with room 0 selected and scrolled into view. Raises the model's
    // error, changing nothing, when the choice names no level.
    void ShowLevel(LevelChoice choice);

    // The one way the model changes: runs `change` on it, marks the file modified and redraws what
    // `redraw` names. An error that `change` raises passes on and marks nothing.
    void ApplyChange(Redraw redraw, const std::function<void(CGameRom&)>& change);
    // The same for a change that may refuse: only a change that returns true marks and redraws.
    bool ApplyChangeIf(Redraw redraw, const std::function<bool(CGameRom&)>& change);
    // Runs `change` on the view alone (selection, click point) and redraws the overlay.
    void ChangeView(const std::function<void(CGameRom&)>& change);
    // Redraws after a change of the view alone (selection, click point): the file stays unmodified.
    void RedrawCanvas(Redraw redraw);
    // Room selection: the frame moves onto `room` (clamped), scrolled into view when `scroll`, and the
    // status bar shows the room's fields. In bonus mode only the status text is cleared.
    void SelectRoom(int room, bool scroll);

    // Runs a command as its menu item does: only while it is enabled; an error it raises is shown.
    void RunCommand(CommandId id);
    // Enables each command by its rule; to be called when what the rules look at changes.
    void UpdateCommands();

    QAction* Action(CommandId id) const { return actions.at(id); }
    CNesCanvas* Canvas() const { return canvas; }
    // Parts 0 and 1, and kLayoutStatusPart on the right.
    QString StatusText(int part) const;
    void SetStatusText(int part, const QString& text);
    const CGameRom& Rom() const { return rom; }
    int CurrentRoom() const { return currentRoom; }
    // The absolute path of the ROM file, as the system names it.
    QString RomFilePath() const;
    bool Modified() const { return modified; }
    CRoomEditing& RoomEditing() { return roomEditing; }
    CObjectEditing& ObjectEditing() { return objectEditing; }
    const CObjectImages& ObjectImages() const { return objectImages; }

    // The preferences in force (preferences_command.cpp). Applying stores them, draws every picture in
    // `colours` and sets whether a save keeps a backup.
    const Preferences& CurrentPreferences() const { return preferences; }
    void ApplyPreferences(const Preferences& preferences, const NesColourTable& colours);
    // Writes the model, beginning at the shown level, to a file of its own for one run of the game
    // (run_commands.cpp); the path, or an empty string after a message.
    QString WriteRunCopy();

signals:
    // Another level or bonus level is shown (Open shows level 1-1).
    void LevelShown();
    // The model was changed since the file was opened or saved, or has just been saved.
    void ModifiedChanged(bool modified);

protected:
    void closeEvent(QCloseEvent* event) override;
    // A .nes file dropped on the window is opened (rom_drop.cpp).
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // With unsaved changes: asks whether to save, discard or cancel; true when the window may close.
    bool AskAboutUnsavedChanges();

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void ConnectCanvas();
    void LoadPreferences();
    void SetUpZoomAndGrid();
    // Where the rooms shown stand on the canvas, for the grid.
    std::vector<QRect> RoomFrames() const;

    CommandState CurrentCommandState() const;
    void OnCanvasPoint(QPoint point, bool drag);
    void SelectFirstRoom();
    QRect RoomFrame(int room) const;
    void UpdateTitle();
    void SetModified(bool value);
    QString RomFileName() const;

    CGameRom rom;
    MarkerSheetSet markerSheets;
    CLevelRenderer renderer;
    CObjectImages objectImages;
    CRoomEditing roomEditing;
    CObjectEditing objectEditing;
    int currentRoom = 0;
    bool modified = false;
    Preferences preferences;
    std::unique_ptr<QTemporaryDir> runCopies; // made at the first Run from this level

    std::map<CommandId, QAction*> actions;
    CNesCanvas* canvas = nullptr;
    QLabel* statusParts[3] = {nullptr, nullptr, nullptr};
};

} // namespace tikaroo
