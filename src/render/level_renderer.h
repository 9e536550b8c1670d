#pragma once

#include "game/model.h"
#include "object_markers.h"
#include "picture_buffer.h"
#include "screen_band_masks.h"

#include <array>
#include <cstddef>
#include <vector>

namespace tikaroo {

class CGameImage;

// Draws the shown level for the main canvas: the level picture assembled from the block cache, and
// the canvas picture composed of a background layer (rooms, darkened screen bands, floor lines) and an
// overlay layer (area letters and object markers, key colour 0xFEFAFE where empty).
//
// It writes only the renderer's caches of the model: the level's palette zones, the level set's room
// layout, the objects' canvas y, and the CHR bank state of the image.
class CLevelRenderer {
public:
    CLevelRenderer();

    // The sheets must outlive the renderer; without them markers show only their dots.
    void SetMarkerSheets(const PictureBuffer* sheet, const PictureBuffer* selectedSheet);

    // Everything a level selection needs: palette zones, room layout, block cache, level picture and
    // both layers.
    void SelectLevel(CGameImage& image, GameTables& tables);
    void BuildRoomLayout(GameTables& tables);
    void BuildLevelPicture(CGameImage& image, GameTables& tables, bool rebuildCache);
    // Redraws the chosen layers and composes the canvas picture; nothing while no level is loaded.
    void Redraw(GameTables& tables, bool background, bool overlay);
    // Puts the layers together and draws the click marker; (-1, -1) puts it off the picture.
    void Compose();
    void SetClickPoint(PicturePoint point) { clickPoint_ = point; }

    std::size_t RoomCountShown(const GameTables& tables) const;

    const PictureBuffer& Canvas() const { return canvas_; }
    const PictureBuffer& BackgroundLayer() const { return background_; }
    const PictureBuffer& OverlayLayer() const { return overlay_; }
    const PictureBuffer& LevelPicture() const { return levelPicture_; }
    const PictureBuffer& BlockCache() const { return blockCache_; }

private:
    struct RoomPlace {
        std::size_t index = 0;    // position on the canvas
        std::size_t absolute = 0; // room number in the level set
        PicturePoint origin;      // where the room picture's top-left lands before its background steps
        std::int32_t floorLine = 0;
    };

    void DrawRoomBackground(const GameTables& tables, const LevelSet& levelSet, const RoomPlace& place);
    void DrawRoomOverlay(GameTables& tables, const LevelSet& levelSet, const RoomPlace& place,
                         std::int32_t objectsX);
    void DrawOverlayMarker(const MarkerSpot& spot, bool selected, bool dot);
    void ClearOverlay(std::int32_t width, std::int32_t height);

    ScreenBandMasks bandMasks_;
    MarkerSheets sheets_;
    PictureBuffer blockCache_;
    PictureBuffer levelPicture_;
    PictureBuffer background_;
    PictureBuffer overlay_;
    PictureBuffer canvas_;
    PicturePoint clickPoint_{-1, -1};

    // The overlay holds the key colour everywhere outside overlayInk_; the canvas equals the background
    // outside canvasInk_. Redraws and composition touch only these areas unless the background changed.
    std::vector<PictureRect> overlayInk_;
    std::vector<PictureRect> canvasInk_;
    bool backgroundChanged_ = false;
};

} // namespace tikaroo
