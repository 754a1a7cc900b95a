// The sweep of the screenshot recognition, fast and straightforward, on a 1920 x 1080
// screenshot with 38 x 21 cells of 50 pixels and on a 2000 x 2000 picture with 100 x 100
// cells of 20 pixels. Prints how many times faster the fast sweep is.

#include "Recog_/CellMatching.h"

#include "Recog_/ReferenceMatching.h"
#include "Recog_/SyntheticLevel.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

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

void Report(benchmark::State& state, const SweepCase& c) {
    state.counters["cells"] = c.Grid.Rows * c.Grid.Cols;
}

void BM_SweepFast(benchmark::State& state, const SweepCase& (*make)()) {
    const SweepCase& c = make();
    for (auto _ : state) {
        RecogCharGrid map;
        SimilarityGrid similarity;
        benchmark::DoNotOptimize(
            findSubimages(c.Picture, c.Grid, c.Sample, '#', {}, map, similarity));
        benchmark::DoNotOptimize(map);
    }
    Report(state, c);
}

void BM_SweepReference(benchmark::State& state, const SweepCase& (*make)()) {
    const SweepCase& c = make();
    for (auto _ : state) {
        RecogCharGrid map;
        SimilarityGrid similarity;
        benchmark::DoNotOptimize(
            reference::FindSubimages(c.Picture, c.Grid, c.Sample, '#', {}, map, similarity));
        benchmark::DoNotOptimize(map);
    }
    Report(state, c);
}

BENCHMARK_CAPTURE(BM_SweepFast, Screenshot1920x1080, &Screenshot)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SweepReference, Screenshot1920x1080, &Screenshot)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SweepFast, Grid2000x2000, &LargeGrid)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SweepReference, Grid2000x2000, &LargeGrid)->Unit(benchmark::kMillisecond);

// The console report, keeping every run's time to print the ratios at the end.
class TRatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            Times[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void PrintRatios() const {
        const std::string fast = "BM_SweepFast/";
        for (const auto& [name, time] : Times) {
            if (name.rfind(fast, 0) != 0 || time <= 0) {
                continue;
            }
            const std::string picture = name.substr(fast.size());
            const auto plain = Times.find("BM_SweepReference/" + picture);
            if (plain != Times.end()) {
                std::printf("%s: the fast sweep is %.1f times faster than the reference\n",
                            picture.c_str(), plain->second / time);
            }
        }
    }

private:
    std::map<std::string, double> Times;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
