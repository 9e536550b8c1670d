// What the editor does on the sample game's level 1-1 for one room key, one drag step and the rooms map.
#include "render/dialog_pictures.h"
#include "shown_sample.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tikaroo;

using bench::ShownSample;

// Q on room 5: the field stepped and stored, the room layout and level picture rebuilt, both layers
// redrawn.
void BM_RoomKey(benchmark::State& state) {
    ShownSample shown;
    if (!shown.Open(state)) return;
    for (auto _ : state) {
        LevelRoom room = shown.rom.ReadRoom(5);
        ++room.floorGeom;
        shown.rom.StoreRoom(5, room);
        shown.renderer.BuildRoomLayout(shown.rom);
        shown.renderer.BuildLevelPicture(shown.rom, shown.rom, false);
        shown.renderer.Redraw(shown.rom, true, true);
        benchmark::DoNotOptimize(shown.renderer.Canvas().Data());
    }
}
BENCHMARK(BM_RoomKey)->Unit(benchmark::kMillisecond);

// An object moved by 8 pixels back and forth, with the overlay redrawn.
void BM_DragStep(benchmark::State& state) {
    ShownSample shown;
    if (!shown.Open(state)) return;
    shown.rom.SelectObject(0, 3);
    const auto x = static_cast<std::int32_t>(shown.rom.SelectedObject()->x);
    std::int32_t step = 0;
    for (auto _ : state) {
        shown.rom.MoveSelectedObject(x + 8 * (++step % 2));
        shown.renderer.Redraw(shown.rom, false, true);
        benchmark::DoNotOptimize(shown.renderer.Canvas().Data());
    }
}
BENCHMARK(BM_DragStep)->Unit(benchmark::kMillisecond);

// The graphic sets expanded and every room of level 1-1's set drawn.
void BM_OpenRoomsMap(benchmark::State& state) {
    ShownSample shown;
    if (!shown.Open(state)) return;
    const Level& level = shown.rom.levels[0];
    const std::uint8_t graphicSet = shown.rom.levelSets.at(level.levelSet).GraphicSetId();
    for (auto _ : state) {
        const EditGraphicSets sets = *shown.rom.ExpandGraphicSets();
        const PictureBuffer picture =
            RoomsMapPicture(sets.at(graphicSet), shown.rom.paletteSets, level.paletteSet);
        benchmark::DoNotOptimize(picture.Data());
    }
}
BENCHMARK(BM_OpenRoomsMap)->Unit(benchmark::kMillisecond);

} // namespace
