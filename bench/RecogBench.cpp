// The sweep of the screenshot recognition, fast and straightforward, on a 1920 x 1080
// screenshot with 38 x 21 cells of 50 pixels and on a 2000 x 2000 picture with 100 x 100
// cells of 20 pixels. Prints how many times faster the fast sweep is.

#include "Recog_/CellMatching.h"

#include "Recog_/ReferenceMatching.h"
#include "Recog_/SyntheticLevel.h"

#include "bench/support/RatioReporter.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using namespace lodrin;

// A screenshot of a level with the sweep's grid and a wall cell as the sample.
struct SweepCase {
    RgbPicture Picture;
    SweepGrid Grid;
    DisplayRect Sample;
};

SweepCase MakeCase(int rows, int cols, int cell, int x0, int y0, int width, int height) {
    const std::vector<std::string> layout = test::RandomLayout(rows, cols, 2024);
    return {test::PaintLevel(layout, cell, x0, y0, width, height),
            {1, x0, y0, cell, cell, rows, cols},
            {x0, y0, x0 + cell, y0 + cell}};
}

const SweepCase& Screenshot() {
    static const SweepCase c = MakeCase(21, 38, 50, 10, 15, 1920, 1080);
    return c;
}

const SweepCase& LargeGrid() {
    static const SweepCase c = MakeCase(100, 100, 20, 0, 0, 2000, 2000);
    return c;
}

// A sweep: the library's or the straightforward one (they share one signature).
using SweepFn = decltype(&findSubimages);

void BM_Sweep(benchmark::State& state, const SweepCase& (*make)(), SweepFn sweep) {
    const SweepCase& c = make();
    for (auto _ : state) {
        RecogCharGrid map;
        SimilarityGrid similarity;
        benchmark::DoNotOptimize(sweep(c.Picture, c.Grid, c.Sample, '#', {}, map, similarity));
        benchmark::DoNotOptimize(map);
    }
    state.counters["cells"] = c.Grid.Rows * c.Grid.Cols;
}

BENCHMARK_CAPTURE(BM_Sweep, Screenshot1920x1080_Fast, &Screenshot, &findSubimages)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Sweep, Screenshot1920x1080_Reference, &Screenshot, &reference::FindSubimages)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Sweep, Grid2000x2000_Fast, &LargeGrid, &findSubimages)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Sweep, Grid2000x2000_Reference, &LargeGrid, &reference::FindSubimages)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    lodrin::bench::TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintPairs("_Reference", "_Fast");
    benchmark::Shutdown();
    return 0;
}
