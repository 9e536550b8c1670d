#include "level_renderer.h"

#include "block_cache.h"
#include "floor_lines.h"
#include "game/level_lookup.h"
#include "level_picture.h"
#include "palette_zones.h"
#include "room_geometry.h"
#include "room_layout.h"

#include <algorithm>
#include <cstring>

namespace tikaroo {

namespace {

constexpr std::uint32_t kGradientTop = 0x202020;
constexpr std::uint32_t kGradientBottom = 0x505050;
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

PictureRect ClippedTo(PictureRect rect, const PictureBuffer& picture) {
    return {std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, picture.Width()),
            std::min(rect.bottom, picture.Height())};
}

} // namespace

CLevelRenderer::CLevelRenderer() {
    // The masks are drawn once and kept as the runs they darken.
    const ScreenBandMasks masks = MakeScreenBandMasks();
    for (std::size_t kind = 0; kind < masks.size(); ++kind) bandProfiles_[kind] = ProfileOf(masks[kind]);
}

void CLevelRenderer::SetMarkerSheets(const PictureBuffer* sheet, const PictureBuffer* selectedSheet) {
    sheets_ = MarkerSheetsOf(sheet, selectedSheet);
}

void CLevelRenderer::SelectLevel(CGameImage& image, GameTables& tables) {
    PrepareLevel(image, tables);
    Redraw(tables, true, true);
}

void CLevelRenderer::PrepareLevel(CGameImage& image, GameTables& tables) {
    Level* level = ShownLevel(tables);
    if (level == nullptr) return;
    level->paletteZones = BuildPaletteZones(tables, *level);
    BuildRoomLayout(tables);
    BuildLevelPicture(image, tables, true);
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
    if (rebuildCache) BuildBlockCache(blockCache_, image, tables, *levelSet, slot, level->paletteZones);
    tikaroo::BuildLevelPicture(levelPicture_, tables, *levelSet, slot, level->paletteZones, blockCache_);
}

std::size_t CLevelRenderer::RoomCountShown(const GameTables& tables) const {
    const Level* level = ShownLevel(tables);
    const LevelSet* levelSet = level != nullptr ? LevelSetOf(tables, *level) : nullptr;
    return levelSet != nullptr ? RoomsShown(tables, *levelSet).count : 0;
}

std::vector<CLevelRenderer::RoomPlace> CLevelRenderer::PlaceRooms(const GameTables& tables,
                                                                  const LevelSet& levelSet) const {
    const ShownRooms shown = RoomsShown(tables, levelSet);
    const RoomLayout& layout = levelSet.layout;
    const std::int32_t y0 = Y(layout.pictureOffset, 0);
    std::vector<RoomPlace> places;
    PicturePoint origin = {0, y0 + kRoomTopOnCanvas};
    for (std::size_t r = 0; r < shown.drawn; ++r) {
        const std::size_t absolute = shown.first + r;
        places.push_back({r, absolute, origin, Y(layout.floorLine, r) + y0 + kRoomTopOnCanvas});
        origin.x += kRoomWidth;
        origin.y += BackgroundStep(tables.geometry, levelSet.rooms[absolute].background, absolute);
    }
    return places;
}

void CLevelRenderer::Redraw(GameTables& tables, bool background, bool overlay) {
    const Level* level = ShownLevel(tables);
    const LevelSet* levelSet = level != nullptr ? LevelSetOf(tables, *level) : nullptr;
    if (levelSet == nullptr) return;
    const ShownRooms shown = RoomsShown(tables, *levelSet);
    std::int32_t lowest = 0;
    for (const auto& offset : levelSet->layout.pictureOffset) lowest = std::max(lowest, offset[1]);
    const std::vector<RoomPlace> places = PlaceRooms(tables, *levelSet);

    if (background) {
        drawnCut_ = lowest + kCanvasBaseHeight > kMaxCanvasHeight;
        DrawBackground(tables, *levelSet, places, static_cast<std::int32_t>(shown.count) * kRoomWidth,
                       std::min(lowest + kCanvasBaseHeight, kMaxCanvasHeight));
    } else {
        RestoreBackground();
    }
    if (overlay) {
        overlay_.clear();
        for (const RoomPlace& place : places) ListRoomMarkers(tables, *levelSet, place, shown.objectsX);
    }
    Compose(tables.view);
}

void CLevelRenderer::DrawBackground(const GameTables& tables, const LevelSet& levelSet,
                                    const std::vector<RoomPlace>& places, std::int32_t width,
                                    std::int32_t height) {
    // Everything is drawn afresh: nothing saved beneath the overlay is valid any more.
    savedAreas_.clear();
    savedPixels_.clear();
    canvas_.Resize(width, height);
    PictureBuffer gradientColumn(1, height);
    gradientColumn.FillVerticalGradient(kGradientTop, kGradientBottom);
    gradient_.assign(gradientColumn.Data(), gradientColumn.Data() + std::max(height, 0));

    const std::int32_t y0 = Y(levelSet.layout.pictureOffset, 0);
    std::vector<RoomBackground> rooms;
    for (const RoomPlace& place : places) {
        const LevelRoom& room = levelSet.rooms[place.absolute];
        RoomBackground& pass = rooms.emplace_back();
        pass.levelPicture = &levelPicture_;
        pass.pictureX = static_cast<std::int32_t>(place.absolute) * kRoomWidth;
        pass.stripOffsets = BackgroundColumnOffsets(tables.geometry, room.background, place.absolute);
        pass.top = place.origin.y;
        pass.mask = &bandProfiles_[room.scroll < bandProfiles_.size() ? room.scroll : 0];
        pass.maskTop = Y(levelSet.layout.bandBottom, place.index) + y0 - kBandMaskAboveBandBottom;
    }
    DrawRoomBackgrounds(canvas_, gradient_, rooms);
    // The pen keeps each floor line inside its room's columns, so the order of rooms does not matter.
    for (const RoomPlace& place : places)
        DrawFloorLine(canvas_, tables.geometry, levelSet.rooms[place.absolute],
                      {place.origin.x, place.floorLine});
}

void CLevelRenderer::ListRoomMarkers(GameTables& tables, const LevelSet& levelSet, const RoomPlace& place,
                                     std::int32_t objectsX) {
    const LevelRoom& room = levelSet.rooms[place.absolute];
    if (!tables.view.bonusMode) {
        if (const std::int32_t letter = AreaLetter(place.absolute); letter != 0) {
            overlay_.push_back(
                {PlaceMarker(tables, levelSet, room, {letter, place.origin.x, 0}, 0, place.floorLine), false,
                 false});
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
            overlay_.push_back({spot, selected, true});
        }
    }
}

// Thousands of markers can stand on one spot (a damaged objects list); their union then holds the
// pixels beneath them in far less memory, and never more than the canvas.
void CLevelRenderer::SaveAreas(std::span<const PictureRect> areas) {
    std::int64_t separate = 0;
    PictureRect together;
    for (PictureRect area : areas) {
        area = ClippedTo(area, canvas_);
        if (area.Empty()) continue;
        separate += std::int64_t{area.Width()} * area.Height();
        together = UnionOf(together, area);
    }
    if (separate > std::int64_t{together.Width()} * together.Height()) {
        SaveArea(together);
        return;
    }
    for (const PictureRect& area : areas) SaveArea(area);
}

void CLevelRenderer::SaveArea(PictureRect rect) {
    rect = ClippedTo(rect, canvas_);
    if (rect.Empty()) return;
    savedAreas_.push_back({rect, savedPixels_.size()});
    for (std::int32_t y = rect.top; y < rect.bottom; ++y) {
        const auto row = canvas_.Row(y);
        savedPixels_.insert(savedPixels_.end(), row.begin() + rect.left, row.begin() + rect.right);
    }
}

void CLevelRenderer::RestoreBackground() {
    for (auto area = savedAreas_.rbegin(); area != savedAreas_.rend(); ++area) {
        const std::uint32_t* pixels = savedPixels_.data() + area->offset;
        const auto width = static_cast<std::size_t>(area->rect.Width());
        for (std::int32_t y = area->rect.top; y < area->rect.bottom; ++y, pixels += width)
            std::memcpy(canvas_.Row(y).data() + area->rect.left, pixels, width * sizeof(std::uint32_t));
    }
    savedAreas_.clear();
    savedPixels_.clear();
}

void CLevelRenderer::Compose(const ViewState& view) {
    const PicturePoint clickPoint{view.clickX, view.clickY};
    RestoreBackground();
    std::vector<PictureRect> areas;
    for (const MarkerDraw& marker : overlay_) areas.push_back(MarkerArea(sheets_, marker.spot, marker.dot));
    // (-1, -1) stands for no click point; a marker there would still show its lower right quarter.
    const bool clickMarker = clickPoint.x != -1 || clickPoint.y != -1;
    const std::int32_t half = kClickMarkerDiameter / 2;
    if (clickMarker)
        areas.push_back({clickPoint.x - half, clickPoint.y - half, clickPoint.x + half, clickPoint.y + half});
    SaveAreas(areas);
    for (const MarkerDraw& marker : overlay_)
        DrawMarker(canvas_, sheets_, marker.spot, marker.selected, marker.dot);
    if (clickMarker) canvas_.FillCircle(clickPoint, kClickMarkerDiameter, kClickMarkerColour, 0);
}

} // namespace tikaroo
