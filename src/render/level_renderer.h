#pragma once

#include "game/model.h"
#include "object_markers.h"
#include "picture_buffer.h"
#include "room_background.h"
#include "room_geometry.h"
#include "screen_band_masks.h"

#include <array>
#include <cstddef>
#include <span>
#include <vector>

namespace tikaroo {

class CGameImage;

// The canvas is this much taller than the largest background step of its rooms.
inline constexpr std::int32_t kCanvasBaseHeight = 992;
// The steepest background type of the game steps every other strip of a room by one 8-pixel unit.
inline constexpr std::int32_t kSteepestRoomStep = kRoomWidth / 2;
// The tallest canvas drawn: all 64 rooms of a level stepping the steepest way in one direction. A
// damaged step table can ask for a canvas of gigabytes; such a level is drawn cut at this height.
inline constexpr std::int32_t kMaxCanvasHeight =
    static_cast<std::int32_t>(kRoomsPerLevelSet) * kSteepestRoomStep + kCanvasBaseHeight;
inline constexpr const char* kDrawnCutText =
    "The layout of this level reaches beyond the canvas; it is drawn cut";

// Draws the shown level for the main canvas: the level picture assembled from the block cache, and
// the canvas picture made of two layers: the background (gradient, rooms, darkened screen bands, floor
// lines) and the overlay (area letters and object markers, transparent where empty), with the click
// marker on top.
//
// The overlay is not kept as a picture of its own: composing draws its markers straight onto the
// background, saving the background pixels beneath them first, so that an overlay-only redraw puts
// those back and draws the markers anew. The canvas equals copying the background, then the overlay
// without its key colour, then drawing the click marker.
//
// It writes only the renderer's caches of the model: the level's palette zones, the level set's room
// layout, the objects' canvas y, and the CHR bank state of the image.
class CLevelRenderer {
public:
    CLevelRenderer();

    // Takes the marker pictures of both sheets; without them markers show only their dots.
    void SetMarkerSheets(const PictureBuffer* sheet, const PictureBuffer* selectedSheet);

    // Everything a level selection needs: palette zones, room layout, block cache, level picture and
    // both layers.
    void SelectLevel(CGameImage& image, GameTables& tables);
    // The same without drawing the layers: enough for the level picture.
    void PrepareLevel(CGameImage& image, GameTables& tables);
    void BuildRoomLayout(GameTables& tables);
    void BuildLevelPicture(CGameImage& image, GameTables& tables, bool rebuildCache);
    // Redraws the chosen layers and composes the canvas picture; nothing while no level is loaded.
    void Redraw(GameTables& tables, bool background, bool overlay);
    // Puts the layers together and draws the view's click marker; (-1, -1) means none.
    void Compose(const ViewState& view);

    std::size_t RoomCountShown(const GameTables& tables) const;
    // Whether the last background drawn was cut at kMaxCanvasHeight.
    bool DrawnCut() const { return drawnCut_; }

    const PictureBuffer& Canvas() const { return canvas_; }
    const PictureBuffer& LevelPicture() const { return levelPicture_; }
    const PictureBuffer& BlockCache() const { return blockCache_; }

private:
    struct RoomPlace {
        std::size_t index = 0;    // position on the canvas
        std::size_t absolute = 0; // room number in the level set
        PicturePoint origin;      // where the room picture's top-left lands before its background steps
        std::int32_t floorLine = 0;
    };
    struct MarkerDraw {
        MarkerSpot spot;
        bool selected = false;
        bool dot = false;
    };
    struct SavedArea {
        PictureRect rect;
        std::size_t offset = 0;
    };

    std::vector<RoomPlace> PlaceRooms(const GameTables& tables, const LevelSet& levelSet) const;
    void DrawBackground(const GameTables& tables, const LevelSet& levelSet,
                        const std::vector<RoomPlace>& places, std::int32_t width, std::int32_t height);
    void ListRoomMarkers(GameTables& tables, const LevelSet& levelSet, const RoomPlace& place,
                         std::int32_t objectsX);
    void SaveAreas(std::span<const PictureRect> areas);
    void SaveArea(PictureRect rect);
    void RestoreBackground();

    std::array<BandMaskProfile, 3> bandProfiles_;
    MarkerSheets sheets_;
    PictureBuffer blockCache_;
    PictureBuffer levelPicture_;
    PictureBuffer canvas_;
    std::vector<std::uint32_t> gradient_;
    bool drawnCut_ = false;

    // The overlay: its markers in drawing order.
    std::vector<MarkerDraw> overlay_;
    // The background pixels beneath what composing drew, in drawing order.
    std::vector<SavedArea> savedAreas_;
    std::vector<std::uint32_t> savedPixels_;
};

} // namespace tikaroo
