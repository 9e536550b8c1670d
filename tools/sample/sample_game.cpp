#include "sample_game.h"

#include "sample_geometry.h"
#include "sample_graphic_sets.h"
#include "sample_levels.h"
#include "sample_objects.h"
#include "sample_palettes.h"

#include <stdexcept>

namespace tikaroo::sample {

namespace {

// iNES header of the original cartridge: mapper 3, vertical mirroring, 2 x 16 KB PRG, 4 x 8 KB CHR.
constexpr std::array<std::uint8_t, 16> kHeader = {'N', 'E', 'S', 0x1A, 2, 4, 0x31, 0x00};

GameTables MakeTables(const SampleGraphicSets& graphicSets, const LevelGeometryTables& geometry) {
    GameTables tables;
    SampleLevels levels = MakeLevels(graphicSets, geometry);
    tables.levels = std::move(levels.levels);
    tables.levelSets = std::move(levels.levelSets);
    const Level& boss = tables.levels[kBossSlot];
    for (std::size_t b = 0; b < kBonusLevelCount; ++b) {
        Level bonus; // bonus levels play the boss slot's set with its eggs and palettes
        bonus.levelSet = boss.levelSet;
        bonus.eggValues = boss.eggValues;
        bonus.paletteSet = boss.paletteSet;
        bonus.paletteUpdater = boss.paletteUpdater;
        tables.bonusLevels.push_back(bonus);
    }
    tables.gameSettings = SampleGameSettings();
    tables.bonusArea = SampleBonusArea();
    AddObjects(tables.levels, tables.bonusLevels, tables.bonusArea);
    for (std::uint8_t g = 0; g < kGraphicSetCount; ++g) {
        tables.graphicSets[g] =
            g < graphicSets.sets.size() ? graphicSets.sets[g] : GraphicSet{g, 0, 0, {}, {}, {}, {}, {}, {}};
    }
    tables.paletteSets = SamplePaletteSets();
    tables.paletteUpdaters = SamplePaletteUpdaters();
    tables.otherPalettes = SampleOtherPalettes();
    tables.objectTypes = SampleObjectTypes();
    tables.objectImageConstants = SampleObjectImageConstants();
    tables.geometry = geometry;
    return tables;
}

} // namespace

SampleGame MakeSampleGame() {
    const LevelGeometryTables geometry = SampleGeometry();
    const SampleGraphicSets graphicSets = MakeGraphicSets(geometry);
    SampleGame game;
    game.tables = MakeTables(graphicSets, geometry);
    const ProgramImage program = EncodeProgram(game.tables);
    game.runs = program.Runs();
    game.file.assign(kHeader.begin(), kHeader.end());
    game.file.insert(game.file.end(), program.Bytes32K().begin(), program.Bytes32K().end());
    game.file.insert(game.file.end(), graphicSets.chr.begin(), graphicSets.chr.end());
    return game;
}

} // namespace tikaroo::sample
