// The graphics manager on the sample game: what opening it builds, its OK, and one tile sheet out and in.
#include "dialogs/tile_sheet_file.h"
#include "render/dialog_strips.h"
#include "render/tile_drawing.h"
#include "render/tile_sheet.h"
#include "sample_file.h"

#include <benchmark/benchmark.h>

#include <QString>

#include <filesystem>
#include <string>

#include <unistd.h>

namespace {

using namespace tikaroo;

QString SheetPath() {
    return QString::fromStdString((std::filesystem::temp_directory_path() /
                                   ("tikaroo-bench-sheet-" + std::to_string(getpid()) + ".png"))
                                      .string());
}

// The manager's copy of the seven sets, and the first room of set 1 as the set editor then shows it.
void BM_OpenGraphicsManager(benchmark::State& state) {
    CGameRom rom;
    if (!bench::OpenSample(state, rom)) return;
    for (auto _ : state) {
        const EditGraphicSets sets = *rom.ExpandGraphicSets();
        const PictureBuffer blocks = BlockStrip(sets[0].blocks, sets[0].tiles, rom.paletteSets, 0);
        benchmark::DoNotOptimize(RoomStrip({sets[0].rooms.data(), 1}, blocks));
    }
}
BENCHMARK(BM_OpenGraphicsManager)->Unit(benchmark::kMillisecond);

void BM_ApplyGraphicSets(benchmark::State& state) {
    CGameRom rom;
    if (!bench::OpenSample(state, rom)) return;
    const EditGraphicSets sets = *rom.ExpandGraphicSets();
    for (auto _ : state) benchmark::DoNotOptimize(rom.ApplyGraphicSets(sets));
}
BENCHMARK(BM_ApplyGraphicSets)->Unit(benchmark::kMillisecond);

// 512 tiles that use all four values in both halves, as a sheet that can be read back.
std::vector<Tile> PatternedTiles() {
    std::vector<Tile> tiles(512);
    for (std::size_t t = 0; t < tiles.size(); ++t)
        for (std::size_t i = 0; i < 64; ++i) tiles[t][i] = static_cast<std::uint8_t>((t + i + i / 8) % 4);
    return tiles;
}

void BM_ExportTileSheet(benchmark::State& state) {
    const std::vector<Tile> tiles = PatternedTiles();
    const QString path = SheetPath();
    for (auto _ : state) WritePngFile(DrawTileSheet(tiles, {0x0F, 0x00, 0x10, 0x30}), path);
    std::filesystem::remove(path.toStdString());
}
BENCHMARK(BM_ExportTileSheet)->Unit(benchmark::kMillisecond);

void BM_ImportTileSheet(benchmark::State& state) {
    const QString path = SheetPath();
    if (!WritePngFile(DrawTileSheet(PatternedTiles(), {0x0F, 0x00, 0x10, 0x30}), path)) {
        state.SkipWithError("cannot write the sheet");
        return;
    }
    for (auto _ : state) {
        const LoadedTileSheet sheet = LoadTileSheet(path);
        benchmark::DoNotOptimize(TilesFromSheet(sheet.picture, sheet.colours, kProposedAssignment));
    }
    std::filesystem::remove(path.toStdString());
}
BENCHMARK(BM_ImportTileSheet)->Unit(benchmark::kMillisecond);

} // namespace
