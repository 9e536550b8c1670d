// What the canvas shows: the level, the room frame, and the redraws after every change.
#include "command_handlers.h"
#include "game/level_lookup.h"
#include "main_window.h"
#include "nes_canvas.h"
#include "render/room_geometry.h"
#include "status_texts.h"

#include <algorithm>

namespace tikaroo {

namespace {

const LevelSet* ShownLevelSet(const GameTables& tables) {
    const Level* level = ShownLevel(tables);
    return level != nullptr ? LevelSetOf(tables, *level) : nullptr;
}

} // namespace

void CMainWindow::ConnectCanvas() {
    connect(canvas, &CNesCanvas::ArrowPressed, this, [this](int dx, int /*dy*/) {
        if (rom.loaded != 0) SelectRoom(currentRoom + dx, true);
    });
    connect(canvas, &CNesCanvas::PointPicked, this, &CMainWindow::OnCanvasPoint);
    connect(canvas, &CNesCanvas::KeyPressed, this,
            [this](int key, int delta, Qt::KeyboardModifiers modifiers) {
                if (rom.loaded != 0 && !ObjectKey(*this, key, modifiers))
                    RoomKey(*this, key, delta, modifiers);
            });
    // Gaining the focus selects the current room again, where the view stands.
    connect(canvas, &CNesCanvas::FocusGained, this, [this](QPoint /*lastFramePoint*/) {
        if (rom.loaded != 0) SelectRoom(currentRoom, false);
    });
}

void CMainWindow::ShowLevel(LevelChoice choice) {
    SelectLevel(rom, choice);
    emit LevelShown();
    RedrawCanvas(Redraw::Level);
    UpdateCommands();
    SelectFirstRoom();
    canvas->setFocus();
}

void CMainWindow::ApplyChange(Redraw redraw, const std::function<void(CGameRom&)>& change) {
    change(rom);
    SetModified(true);
    RedrawCanvas(redraw);
}

bool CMainWindow::ApplyChangeIf(Redraw redraw, const std::function<bool(CGameRom&)>& change) {
    if (!change(rom)) return false;
    SetModified(true);
    RedrawCanvas(redraw);
    return true;
}

void CMainWindow::ChangeView(const std::function<void(CGameRom&)>& change) {
    change(rom);
    RedrawCanvas(Redraw::Overlay);
}

void CMainWindow::RedrawCanvas(Redraw redraw) {
    switch (redraw) {
    case Redraw::Nothing:
        return;
    case Redraw::Overlay:
        renderer.Redraw(rom, false, true);
        break;
    case Redraw::Rooms:
        renderer.BuildRoomLayout(rom);
        renderer.BuildLevelPicture(rom, rom, false);
        renderer.Redraw(rom, true, true);
        break;
    case Redraw::Level:
        renderer.SelectLevel(rom, rom);
        UpdateTitle();
        break;
    }
    canvas->PictureChanged();
    SetStatusText(kLayoutStatusPart, renderer.DrawnCut() ? QString::fromLatin1(kDrawnCutText) : QString());
    // The rooms may stand elsewhere now: the frame and the grid follow them.
    if (redraw == Redraw::Overlay) return;
    canvas->SetGrid(RoomFrames());
    SelectRoom(currentRoom, false);
}

void CMainWindow::OnCanvasPoint(QPoint point, bool drag) {
    if (rom.loaded != 0) CanvasPoint(*this, point, drag);
}

QRect CMainWindow::RoomFrame(int room) const {
    const LevelSet* levelSet = ShownLevelSet(rom);
    if (levelSet == nullptr) return {};
    const auto& offsets = levelSet->layout.pictureOffset;
    const int offset = room < static_cast<int>(offsets.size()) ? offsets[std::size_t(room)][1] : 0;
    return {kRoomWidth * room, offset + kRoomTopOnCanvas, kRoomWidth, kRoomHeight};
}

std::vector<QRect> CMainWindow::RoomFrames() const {
    std::vector<QRect> frames;
    for (int room = 0; room < static_cast<int>(renderer.RoomCountShown(rom)); ++room)
        frames.push_back(RoomFrame(room));
    return frames;
}

void CMainWindow::SelectRoom(int room, bool scroll) {
    if (rom.view.bonusMode) {
        SetStatusText(1, {});
        return;
    }
    const LevelSet* levelSet = ShownLevelSet(rom);
    const int roomCount = static_cast<int>(renderer.RoomCountShown(rom));
    if (levelSet == nullptr || roomCount == 0) return;
    currentRoom = std::clamp(room, 0, roomCount - 1);
    canvas->SetFrame(RoomFrame(currentRoom), canvas->FrameColour(), canvas->FrameVisible());
    if (scroll) canvas->ScrollToFrame();
    SetStatusText(1,
                  RoomStatusText(rom.view.clickX, currentRoom, levelSet->rooms.at(std::size_t(currentRoom))));
}

// Room 0 with a fresh white frame, hidden on a bonus level, and scrolled into view.
void CMainWindow::SelectFirstRoom() {
    currentRoom = 0;
    canvas->SetFrame(RoomFrame(0), Qt::white, !rom.view.bonusMode);
    canvas->ScrollToFrame();
    SelectRoom(0, false);
}

} // namespace tikaroo
