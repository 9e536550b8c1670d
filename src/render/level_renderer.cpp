#include "level_renderer.h"

#include "block_cache.h"
#include "floor_lines.h"
#include "level_lookup.h"
#include "level_picture.h"
#include "palette_zones.h"
#include "room_geometry.h"
#include "room_layout.h"
#include "tile_drawing.h"

namespace tikaroo {

namespace {

constexpr std::uint32_t kGradientTop = 0x202020;
constexpr std::uint32_t kGradientBottom = 0x505050;
// The room pictures stand this far below the top of the canvas (before background steps), and the
// canvas reaches this far below them.
constexpr std::int32_t kRoomTop = 256;
constexpr std::int32_t kCanvasBaseHeight = 992;
constexpr std::int32_t kAreaRooms = 16;
constexpr char kLastAreaLetter = 'E';
constexpr std::size_t kLastAreaLetterRoom = 63;
constexpr std::int32_t kClickMarkerDiameter = 8;
constexpr std::uint32_t kClickMarkerColour = 0xFFFFFF;

std::int32_t Y(const std::vector<std::array<std::int32_t, 2>>& list, std::size_t index) {
    return index < list.size() ? list[index][1] : 0;
}

// The letter of the area that starts at room a (A, B, C, D at rooms 0, 16, 32, 48; E on room 63).
std::int32_t AreaLetter(std::size_t a) {
    if (a % kAreaRooms == 0) return kFirstLetterImage + static_cast<std::int32_t>(a / kAreaRooms);
    if (a == kLastAreaLetterRoom) return kLastAreaLetter;
    return 0;
}

} // namespace

CLevelRenderer::CLevelRenderer() : bandMasks_(MakeScreenBandMasks()) {}

void CLevelRenderer::SetMarkerSheets(const PictureBuffer* sheet, const PictureBuffer* selectedSheet) {
    sheets_ = MarkerSheetsOf(sheet, selectedSheet);
}

void CLevelRenderer::SelectLevel(CGameImage& image, GameTables& tables) {
    Level* level = ShownLevel(tables);
    if (level == nullptr) return;
    level->paletteZones = BuildPaletteZones(tables, *level);
    BuildRoomLayout(tables);
    BuildLevelPicture(image, tables, true);
    Redraw(tables, true, true);
}

void CLevelRenderer::BuildRoomLayout(GameTables& tables) {
    const Level* level = ShownLevel(tables);
    LevelSet* levelSet = level != nullptr ? LevelSetOf(tables, *level) : nullptr;
    if (levelSet != nullptr) levelSet->layout = tikaroo::BuildRoomLayout(tables, *levelSet);
}

void CLevelRenderer::BuildLevelPicture(CGameImage& image, GameTables& tables, bool rebuildCache) {
    const Level* level = ShownLevel(tables);
    const LevelSet* levelSet = level != nullptr ? LevelSetOf(tables, *level) : nullptr;
    if (levelSet == nullptr) return;
    const std::size_t slot = tables.view.currentLevel;
    if (rebuildCache) blockCache_ = BuildBlockCache(image, tables, *levelSet, slot, level->paletteZones);
    levelPicture_ = tikaroo::BuildLevelPicture(tables, *levelSet, slot, level->paletteZones, blockCache_);
}

std::size_t CLevelRenderer::RoomCountShown(const GameTables& tables) const {
    const Level* level = ShownLevel(tables);
    const LevelSet* levelSet = level != nullptr ? LevelSetOf(tables, *level) : nullptr;
    return levelSet != nullptr ? RoomsShown(tables, *levelSet).count : 0;
}

void CLevelRenderer::Redraw(GameTables& tables, bool background, bool overlay) {
    const Level* level = ShownLevel(tables);
    const LevelSet* levelSet = level != nullptr ? LevelSetOf(tables, *level) : nullptr;
    if (levelSet == nullptr) return;
    const ShownRooms shown = RoomsShown(tables, *levelSet);
    const RoomLayout& layout = levelSet->layout;

    std::int32_t lowest = 0;
    for (const auto& offset : layout.pictureOffset) lowest = std::max(lowest, offset[1]);
    const std::int32_t width = static_cast<std::int32_t>(shown.count) * kRoomWidth;
    const std::int32_t height = lowest + kCanvasBaseHeight;
    const std::int32_t y0 = Y(layout.pictureOffset, 0);

    if (background) {
        canvas_.Resize(width, height);
        background_.Resize(width, height);
        background_.FillVerticalGradient(kGradientTop, kGradientBottom);
        backgroundChanged_ = true;
    }
    if (overlay) ClearOverlay(width, height);

    PicturePoint origin = {0, y0 + kRoomTop};
    for (std::size_t r = 0; r < shown.drawn; ++r) {
        const std::size_t absolute = shown.first + r;
        const RoomPlace place = {r, absolute, origin, Y(layout.floorLine, r) + y0 + kRoomTop};
        if (background) DrawRoomBackground(tables, *levelSet, place);
        if (overlay) DrawRoomOverlay(tables, *levelSet, place, shown.objectsX);
        origin.x += kRoomWidth;
        origin.y += BackgroundStep(tables.geometry, levelSet->rooms[absolute].background, absolute);
    }
    Compose();
}

void CLevelRenderer::DrawRoomBackground(const GameTables& tables, const LevelSet& levelSet,
                                        const RoomPlace& place) {
    const LevelRoom& room = levelSet.rooms[place.absolute];
    const auto pictureX = static_cast<std::int32_t>(place.absolute) * kRoomWidth;
    if (room.background == 0) {
        background_.CopyFrom(levelPicture_, {pictureX, 0, pictureX + kRoomWidth, kRoomHeight}, place.origin.x,
                             place.origin.y);
    } else {
        const auto offsets = BackgroundColumnOffsets(tables.geometry, room.background, place.absolute);
        for (std::int32_t c = 0; c < static_cast<std::int32_t>(offsets.size()); ++c) {
            const std::int32_t stripX = pictureX + kRoomStripWidth * c;
            background_.CopyFrom(levelPicture_, {stripX, 0, stripX + kRoomStripWidth, kRoomHeight},
                                 place.origin.x + kRoomStripWidth * c,
                                 place.origin.y + offsets[static_cast<std::size_t>(c)]);
        }
    }
    const PictureBuffer& mask = BandMaskOfScroll(bandMasks_, room.scroll);
    const std::int32_t y0 = Y(levelSet.layout.pictureOffset, 0);
    background_.BlendFrom(mask, mask.Bounds(), place.origin.x,
                          Y(levelSet.layout.bandBottom, place.index) + y0 - kBandMaskAboveBandBottom);
    DrawFloorLine(background_, tables.geometry, room, {place.origin.x, place.floorLine});
}

void CLevelRenderer::DrawRoomOverlay(GameTables& tables, const LevelSet& levelSet, const RoomPlace& place,
                                     std::int32_t objectsX) {
    const LevelRoom& room = levelSet.rooms[place.absolute];
    if (!tables.view.bonusMode) {
        if (const std::int32_t letter = AreaLetter(place.absolute); letter != 0) {
            DrawOverlayMarker(
                PlaceMarker(tables, levelSet, room, {letter, place.origin.x, 0}, 0, place.floorLine), false,
                false);
        }
    }
    Level* objects = ObjectsLevel(tables);
    if (objects == nullptr) return;
    const std::int32_t roomStart = place.origin.x + objectsX;
    for (std::size_t k = 0; k < objects->objectLists.size(); ++k) {
        ObjectsList& list = objects->objectLists[k];
        for (std::size_t i = 0; i < list.size(); ++i) {
            ObjectEntry& entry = list[i];
            const auto x = static_cast<std::int32_t>(entry.x);
            if (x < roomStart || x >= roomStart + kRoomWidth) continue;
            const MarkerSpot spot =
                PlaceMarker(tables, levelSet, room, {entry.id, x, entry.param1}, objectsX, place.floorLine);
            entry.canvasY = spot.y;
            const bool selected = tables.view.selectedList == static_cast<int>(k) &&
                                  tables.view.selectedIndex == static_cast<int>(i);
            DrawOverlayMarker(spot, selected, true);
        }
    }
}

void CLevelRenderer::DrawOverlayMarker(const MarkerSpot& spot, bool selected, bool dot) {
    const PictureRect covered = DrawMarker(overlay_, sheets_, spot, selected, dot);
    if (!covered.Empty()) overlayInk_.push_back(covered);
}

void CLevelRenderer::ClearOverlay(std::int32_t width, std::int32_t height) {
    if (overlay_.Resize(width, height)) {
        overlay_.Fill(kKeyColour);
    } else {
        for (const PictureRect& ink : overlayInk_) overlay_.FillRect(ink, kKeyColour);
    }
    overlayInk_.clear();
}

void CLevelRenderer::Compose() {
    if (backgroundChanged_ || canvas_.Width() != background_.Width() ||
        canvas_.Height() != background_.Height()) {
        canvas_.Resize(background_.Width(), background_.Height());
        canvas_.CopyFrom(background_, background_.Bounds(), 0, 0);
        backgroundChanged_ = false;
    } else {
        for (const PictureRect& ink : canvasInk_) canvas_.CopyFrom(background_, ink, ink.left, ink.top);
    }
    canvasInk_ = overlayInk_;
    for (const PictureRect& ink : overlayInk_) canvas_.CopyKeyedFrom(overlay_, ink, ink.left, ink.top);

    const std::int32_t half = kClickMarkerDiameter / 2;
    canvas_.FillCircle(clickPoint_, kClickMarkerDiameter, kClickMarkerColour, 0);
    canvasInk_.push_back(
        {clickPoint_.x - half, clickPoint_.y - half, clickPoint_.x + half, clickPoint_.y + half});
}

} // namespace tikaroo
