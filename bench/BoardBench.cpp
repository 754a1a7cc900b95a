// Reading level text: the clipboard reader over a 10 MB text of mixed content.

#include "board/LevelText.h"
#include "board/LurdMoveText.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace {

// Ten megabytes of what a clipboard may hold: prose, blank lines, board rows,
// header lines, move text, binary bytes and one very long line.
std::string MixedText() {
    std::mt19937 rng(12345);
    std::string text;
    text.reserve(10'500'000);
    const std::string pieces[] = {"Title: some level\n",
                                  "Author: someone\n",
                                  "Comment:\nfree text\nComment_End\n",
                                  "   #####\n  ##@ $.#\n  #######\n",
                                  "\n\n\n\r\n",
                                  "lurdLURD ullDDrr\n",
                                  "The quick brown fox jumps over the lazy dog.\n",
                                  "[12, 7]\n"};
    while (text.size() < 9'000'000) {
        text += pieces[rng() % std::size(pieces)];
        if (rng() % 50 == 0) {
            for (int i = 0; i < 200; ++i) {
                text.push_back(static_cast<char>(rng() % 256));
            }
        }
    }
    text += std::string(1'000'000, '#');
    return text;
}

void BM_ReadLevelText10MB(benchmark::State& state) {
    const std::string text = MixedText();
    for (auto _ : state) {
        lodrin::TMapNode node;
        benchmark::DoNotOptimize(lodrin::ReadLevelText(text, node));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ReadLevelText10MB)->Unit(benchmark::kMillisecond);

void BM_SplitTextLines10MB(benchmark::State& state) {
    const std::string text = MixedText();
    for (auto _ : state) {
        benchmark::DoNotOptimize(lodrin::SplitTextLines(text));
    }
}
BENCHMARK(BM_SplitTextLines10MB)->Unit(benchmark::kMillisecond);

void BM_ReadLurdMoves10MB(benchmark::State& state) {
    const std::string text = MixedText();
    for (auto _ : state) {
        benchmark::DoNotOptimize(lodrin::ReadLurdMoves(text, false));
    }
}
BENCHMARK(BM_ReadLurdMoves10MB)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
