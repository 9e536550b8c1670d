#include "object_pictures/embedded_object_pictures.h"
#include "render/marker_sheets.h"

#include <benchmark/benchmark.h>

namespace {

// What the main window does once at start-up: decode the embedded pictures, paint the strip, build the
// selected sheet and frame it.
void BM_StartUpMarkerSheets(benchmark::State& state) {
    for (auto _ : state) {
        const tikaroo::MarkerSheetSet sheets = tikaroo::BuildMarkerSheets(tikaroo::EmbeddedObjectPictures());
        benchmark::DoNotOptimize(sheets.boundingBoxes.data());
    }
}
BENCHMARK(BM_StartUpMarkerSheets)->Unit(benchmark::kMillisecond);

} // namespace
