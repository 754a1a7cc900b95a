// Reading level collections: a 50 MB file of 100000 levels made here, read at
// a quarter, half and all of its size to show the time grows linearly (MB/s),
// and the chooser's first rows painted from a read collection.

#include "Editor_/LevelChooserForm.h"
#include "LoadSkin/CurrentSkin.h"
#include "bench/support/WindowBenchMain.h"
#include "board/LevelCollection.h"

#include <QApplication>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

using namespace lodrin;

constexpr int FullLevels = 100000;

// One level of about 500 bytes: a walled room of 13 rows and 36 columns with
// some inner walls, boxes, goals and the keeper, then its header lines.
std::string MakeLevel(std::mt19937& rng, int number) {
    constexpr int Rows = 13;
    constexpr int Cols = 36;
    std::string text;
    for (int r = 0; r < Rows; ++r) {
        for (int c = 0; c < Cols; ++c) {
            const bool edge = r == 0 || c == 0 || r == Rows - 1 || c == Cols - 1;
            const unsigned roll = rng() % 20;
            text.push_back(edge || roll == 0 ? '#' : roll == 1 ? '$' : roll == 2 ? '.' : ' ');
        }
        text.push_back('\n');
    }
    text[static_cast<std::size_t>(Cols + 2)] = '@';
    text += "Title: Level " + std::to_string(number) + "\nAuthor: Bench\n\n";
    return text;
}

const std::string& CollectionText(int levels) {
    static std::string full = [] {
        std::mt19937 rng(2024);
        std::string text;
        text.reserve(52'000'000);
        for (int i = 1; i <= FullLevels; ++i) {
            text += MakeLevel(rng, i);
        }
        return text;
    }();
    static std::string part;
    if (levels == FullLevels) {
        return full;
    }
    std::mt19937 rng(2024);
    part.clear();
    for (int i = 1; i <= levels; ++i) {
        part += MakeLevel(rng, i);
    }
    return part;
}

// Decoding and cutting the text into levels, as a file's bytes are read.
void BM_MakeLevelCollection(benchmark::State& state) {
    const std::string& text = CollectionText(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        std::string bytes = text; // the file's bytes, as a read hands them over
        state.ResumeTiming();
        LevelCollection collection = MakeLevelCollection(DecodeText(std::move(bytes)));
        if (collection.Levels.size() != static_cast<std::size_t>(state.range(0))) {
            state.SkipWithError("wrong level count");
        }
        benchmark::DoNotOptimize(collection);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
    state.SetComplexityN(static_cast<std::int64_t>(text.size()));
    state.counters["MB"] = static_cast<double>(text.size()) / 1e6;
}
BENCHMARK(BM_MakeLevelCollection)
    ->Arg(FullLevels / 4)
    ->Arg(FullLevels / 2)
    ->Arg(FullLevels)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// The whole read from the file, as the editor's reader does it.
void BM_ReadLevelFile50MB(benchmark::State& state) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "lodrin-bench-collection.xsb";
    std::ofstream(path, std::ios::binary) << CollectionText(FullLevels);
    for (auto _ : state) {
        LevelFileRead read = ReadLevelFile(path.string());
        benchmark::DoNotOptimize(read);
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(path)));
    std::filesystem::remove(path);
}
BENCHMARK(BM_ReadLevelFile50MB)->Unit(benchmark::kMillisecond);

// From a read collection of 100000 levels to the chooser's first rows painted,
// pictures and all.
void BM_ChooserFirstRows(benchmark::State& state) {
    const auto collection = std::make_shared<const LevelCollection>(
        MakeLevelCollection(DecodeText(CollectionText(FullLevels))));
    TCurrentSkin skin;
    for (auto _ : state) {
        TLevelChooserForm chooser(nullptr, skin);
        chooser.Fill(collection, QStringLiteral("bench.xsb"));
        chooser.show();
        const QPixmap painted = chooser.grab();
        benchmark::DoNotOptimize(painted);
    }
}
BENCHMARK(BM_ChooserFirstRows)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return lodrin::bench::RunWindowBenchmarks(argc, argv);
}
