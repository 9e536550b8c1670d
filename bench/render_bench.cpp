#include "game/game_rom.h"
#include "game/level_selection.h"
#include "object_pictures/embedded_object_pictures.h"
#include "render/block_cache.h"
#include "render/chr_banks.h"
#include "render/level_picture.h"
#include "render/level_renderer.h"
#include "render/marker_sheets.h"
#include "render/palette_zones.h"
#include "render/png_encoder.h"
#include "rom/game_image.h"
#include "sample_file.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

using namespace tikaroo;

// A busy 64-room level: 200 blocks of varied tiles, 3 palette zones, background steps, scrolls,
// every floor geometry and 180 objects, with marker pictures of 64x64.
struct BusyLevel {
    CGameImage image;
    GameTables tables;
    PictureBuffer sheet;

    BusyLevel() {
        image.allTiles.resize(8192);
        for (std::size_t t = 0; t < image.allTiles.size(); ++t)
            for (std::size_t p = 0; p < 64; ++p)
                image.allTiles[t][p] = static_cast<std::uint8_t>((t + p / 3) % 4);

        GraphicSet graphicSet;
        for (std::uint8_t b = 0; b < 200; ++b) {
            Block block;
            for (std::size_t i = 0; i < 16; ++i) block[i] = static_cast<std::uint8_t>(b + i);
            graphicSet.blocks.push_back(block);
            graphicSet.attributes.push_back({static_cast<std::uint8_t>(b % 4), 1, 2, 3});
        }
        for (std::uint8_t i = 0; i < 64; ++i) {
            graphicSet.rooms.push_back({i, static_cast<std::uint8_t>(i + 1), static_cast<std::uint8_t>(i + 2),
                                        static_cast<std::uint8_t>(i + 3)});
            graphicSet.topLines.push_back(
                {i, static_cast<std::uint8_t>(i + 7), static_cast<std::uint8_t>(i + 20),
                 static_cast<std::uint8_t>(i + 33), static_cast<std::uint8_t>(i + 50),
                 static_cast<std::uint8_t>(i + 90)});
            graphicSet.bottomLines.push_back(
                {static_cast<std::uint8_t>(i + 100), static_cast<std::uint8_t>(i + 110),
                 static_cast<std::uint8_t>(i + 120), static_cast<std::uint8_t>(i + 130),
                 static_cast<std::uint8_t>(i + 135)});
        }
        for (std::uint16_t i = 0; i < 67; ++i)
            graphicSet.lineGeom.push_back(static_cast<std::uint16_t>((i % 64) | ((i * 7 % 64) << 8)));
        tables.graphicSets[2] = graphicSet;

        LevelSet levelSet;
        levelSet.attributes = 0x20;
        levelSet.tops = {0xB0, 0xB2, 0xA0, 0xB1};
        for (std::uint8_t r = 0; r < 64; ++r) {
            LevelRoom room;
            room.setRoom = r;
            room.scroll = static_cast<std::uint8_t>(r % 5 == 0 ? 1 : r % 7 == 0 ? 2 : 0);
            room.background = static_cast<std::uint8_t>(r % 9 == 4 ? 1 : 0);
            room.floorShift = static_cast<std::uint8_t>(r % 3);
            room.slideFloor = static_cast<std::uint8_t>(r % 6 == 5);
            room.floorGeom = static_cast<std::uint8_t>(r % 16);
            levelSet.rooms.push_back(room);
        }
        tables.levelSets[0] = levelSet;
        tables.geometry.bgStepTable = {1, 0xFF, 1, 0, 0, 0, 0, 0};
        tables.geometry.bgMaskTable = {1, 3, 0, 0, 0, 0, 0, 0};
        tables.geometry.floorShiftTable = {0, 8, 0xF8, 0, 0, 0, 0, 0};
        tables.geometry.gapStartTable = {0, 32, 48, 64, 16, 0, 32, 48, 96};
        tables.geometry.gapEndTable = {32, 64, 128, 96, 112, 48, 80, 200, 128};

        tables.paletteSets.assign(16, PaletteSet{0x0F, 0x16, 0x2A, 0x30, 0x0F, 0x11, 0x21, 0x31, 0x0F, 0x12,
                                                 0x22, 0x32, 0x0F, 0x13, 0x23, 0x33});
        tables.paletteUpdaters[1].modifiers = {{20, 1, {{1, 0x05, 0x15, 0x25}}},
                                               {40, 1, {{2, 0x06, 0x16, 0x26}}}};
        tables.levels.assign(kLevelSlotCount, Level{});
        tables.levels[5].paletteUpdater = 1;
        for (std::uint32_t i = 0; i < 180; ++i) {
            ObjectEntry entry;
            entry.id = static_cast<std::uint8_t>(1 + i % 63);
            entry.x = (i * 45) % 8192 / 8 * 8;
            entry.param1 = static_cast<std::uint8_t>(i * 13);
            tables.levels[5].objectLists[i % 3].push_back(entry);
        }
        tables.objectTypes.assign(kObjectTypeCount, ObjectType{});
        tables.view.currentLevel = 5;

        sheet.Resize(32768, 128);
        sheet.Fill(kKeyColour);
        for (std::int32_t s = 0; s < 256; ++s)
            sheet.FillRect({128 * s + 32, 32, 128 * s + 96, 96}, 0x00AA00u + s);
    }
};

BusyLevel& Busy() {
    static BusyLevel level;
    return level;
}

void BM_BuildBlockCache(benchmark::State& state) {
    BusyLevel& level = Busy();
    Level& shown = level.tables.levels[5];
    shown.paletteZones = BuildPaletteZones(level.tables, shown);
    PictureBuffer cache;
    for (auto _ : state) {
        BuildBlockCache(cache, level.image, level.tables, level.tables.levelSets[0], 5, shown.paletteZones);
        benchmark::DoNotOptimize(cache.Data());
    }
}
BENCHMARK(BM_BuildBlockCache)->Unit(benchmark::kMillisecond);

void BM_BuildLevelPicture(benchmark::State& state) {
    BusyLevel& level = Busy();
    Level& shown = level.tables.levels[5];
    shown.paletteZones = BuildPaletteZones(level.tables, shown);
    PictureBuffer cache;
    BuildBlockCache(cache, level.image, level.tables, level.tables.levelSets[0], 5, shown.paletteZones);
    PictureBuffer picture;
    for (auto _ : state) {
        BuildLevelPicture(picture, level.tables, level.tables.levelSets[0], 5, shown.paletteZones, cache);
        benchmark::DoNotOptimize(picture.Data());
    }
}
BENCHMARK(BM_BuildLevelPicture)->Unit(benchmark::kMillisecond);

// Redraws of a selected level, as after a room edit (both layers) and after an object edit (overlay).
// Argument 1 flattens the background steps: the canvas is then 992 high instead of 1440.
void RedrawBench(benchmark::State& state, bool background) {
    BusyLevel& level = Busy();
    for (LevelRoom& room : level.tables.levelSets[0].rooms) {
        if (room.setRoom % 9 == 4) room.background = state.range(0) == 0 ? 1 : 0;
    }
    CLevelRenderer renderer;
    renderer.SetMarkerSheets(&level.sheet, &level.sheet);
    renderer.SelectLevel(level.image, level.tables);
    for (auto _ : state) {
        renderer.Redraw(level.tables, background, true);
        benchmark::DoNotOptimize(renderer.Canvas().Data());
    }
}

void BM_RedrawBothLayers(benchmark::State& state) {
    RedrawBench(state, true);
}
BENCHMARK(BM_RedrawBothLayers)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_RedrawOverlayOnly(benchmark::State& state) {
    RedrawBench(state, false);
}
BENCHMARK(BM_RedrawOverlayOnly)->Arg(0)->Unit(benchmark::kMillisecond);

// The sample game's level 1-1 (64 rooms, 8192 pixels wide) drawn with the editor's object pictures.
struct SampleLevel {
    CGameRom rom;
    const MarkerSheetSet sheets = BuildMarkerSheets(EmbeddedObjectPictures());
    CLevelRenderer renderer;

    // False, the benchmark skipped, when the sample cannot be opened.
    bool Draw(benchmark::State& state) {
        if (!bench::OpenSample(state, rom)) return false;
        renderer.SetMarkerSheets(&sheets.markerSheet, &sheets.selectedMarkerSheet);
        SelectLevel(rom, {false, 0});
        renderer.SelectLevel(rom, rom);
        return true;
    }
};

// The same redraws on the sample's level.
void SampleRedrawBench(benchmark::State& state, bool background) {
    SampleLevel level;
    if (!level.Draw(state)) return;
    for (auto _ : state) {
        level.renderer.Redraw(level.rom, background, true);
        benchmark::DoNotOptimize(level.renderer.Canvas().Data());
    }
}

void BM_SampleLevelRedrawBothLayers(benchmark::State& state) {
    SampleRedrawBench(state, true);
}
BENCHMARK(BM_SampleLevelRedrawBothLayers)->Unit(benchmark::kMillisecond);

void BM_SampleLevelRedrawOverlayOnly(benchmark::State& state) {
    SampleRedrawBench(state, false);
}
BENCHMARK(BM_SampleLevelRedrawOverlayOnly)->Unit(benchmark::kMillisecond);

// Writing the sample level's canvas as PNG at a zlib level and row filter: the numbers behind the
// default settings of the picture export.
void BM_WriteCanvasPng(benchmark::State& state) {
    SampleLevel level;
    if (!level.Draw(state)) return;
    const PngSettings settings{static_cast<int>(state.range(0)), static_cast<PngFilter>(state.range(1))};
    const PictureBuffer& canvas = level.renderer.Canvas();
    std::vector<std::uint8_t> png;
    for (auto _ : state) {
        EncodePng(canvas.View(), settings, png);
        benchmark::DoNotOptimize(png.data());
    }
    state.counters["bytes"] = static_cast<double>(png.size());
    state.counters["pixels/s"] = benchmark::Counter(static_cast<double>(canvas.Width()) * canvas.Height(),
                                                    benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_WriteCanvasPng)
    ->ArgNames({"level", "filter"})
    ->ArgsProduct({{0, 1, 2, 3, 4, 6, 9},
                   {static_cast<int>(PngFilter::None), static_cast<int>(PngFilter::Sub),
                    static_cast<int>(PngFilter::Up)}})
    ->Unit(benchmark::kMillisecond);

// What merely filling a picture of the stepped canvas's size costs on the machine, for comparison.
void BM_FillCanvasSizedPicture(benchmark::State& state) {
    PictureBuffer picture(64 * 128, 1440);
    std::uint32_t colour = 0;
    for (auto _ : state) {
        picture.Fill(++colour);
        benchmark::DoNotOptimize(picture.Data());
    }
}
BENCHMARK(BM_FillCanvasSizedPicture)->Unit(benchmark::kMillisecond);

} // namespace
