#include "render_scene.h"

#include "render/chr_banks.h"
#include "render/object_markers.h"
#include "tile_image.h"

namespace tikaroo::test {

RenderScene::RenderScene(std::size_t rooms) : image(BlankTileImage()) {
    SelectChrBanks(image, LevelBankSet(0));
    image.allTiles[image.ppuTileMap[256 + 1]] = SolidTile(1);

    GraphicSet graphicSet;
    graphicSet.used = 1;
    graphicSet.rooms = {{0, 0, 0, 0}};
    graphicSet.lineGeom = {0x0000};
    graphicSet.topLines = {{1, 1, 1, 1, 1, 1}};
    graphicSet.bottomLines = {{0, 0, 0, 0, 0}};
    Block solid;
    solid.fill(1);
    graphicSet.blocks = {Block{}, solid};
    graphicSet.attributes = {{0, 0, 0, 0}, {0, 0, 0, 0}};
    tables.graphicSets[0] = graphicSet;

    LevelSet levelSet;
    levelSet.rooms.assign(rooms, LevelRoom{});
    levelSet.tops = {0xB0, 0xB0, 0xB0, 0xB0};
    tables.levelSets[0] = levelSet;

    PaletteSet palette = {0x0F, 0x16, 0x2A, 0x30, 0x0F, 0x11, 0x21, 0x31,
                          0x0F, 0x12, 0x22, 0x32, 0x0F, 0x13, 0x23, 0x33};
    tables.paletteSets.assign(kPaletteSetCount, palette);
    tables.levels.assign(kLevelSlotCount, Level{});
    tables.bonusLevels.assign(kBonusLevelCount, Level{});
    tables.objectTypes.assign(kObjectTypeCount, ObjectType{});
}

std::uint32_t MarkerSquareColour(std::int32_t imageNumber, std::uint32_t tint) {
    return static_cast<std::uint32_t>(imageNumber) * 0x010000u + tint;
}

PictureBuffer MakeMarkerSheet(std::uint32_t tint) {
    PictureBuffer sheet(kMarkerCell * static_cast<std::int32_t>(kMarkerCells), kMarkerCell);
    sheet.Fill(kKeyColour);
    for (std::int32_t s = 0; s < static_cast<std::int32_t>(kMarkerCells); ++s) {
        sheet.FillRect({s * kMarkerCell + 56, 56, s * kMarkerCell + 72, 72}, MarkerSquareColour(s, tint));
    }
    return sheet;
}

} // namespace tikaroo::test
