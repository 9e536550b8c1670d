// The graphics manager on the sample game: what opening it builds, its OK, and one tile sheet out and in.
#include "dialogs/tile_sheet_file.h"
#include "render/dialog_strips.h"
#include "render/tile_drawing.h"
#include "render/tile_sheet.h"
#include "sample_file.h"
#include "support/tile_sheet_pictures.h"

#include <benchmark/benchmark.h>

#include <QString>

#include <filesystem>
#include <string>

#include <unistd.h>

namespace {

using namespace tikaroo;
using test::PatternedTiles;

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

void BM_ExportTileSheet(benchmark::State& state) {
    const std::vector<Tile> tiles = PatternedTiles();
    const QString path = SheetPath();
    for (auto _ : state) WritePngFile(DrawTileSheet(tiles, test::kAscendingGreys), path);
    std::filesystem::remove(path.toStdString());
}
BENCHMARK(BM_ExportTileSheet)->Unit(benchmark::kMillisecond);

void BM_ImportTileSheet(benchmark::State& state) {
    const QString path = SheetPath();
    if (!WritePngFile(DrawTileSheet(PatternedTiles(), test::kAscendingGreys), path)) {
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
