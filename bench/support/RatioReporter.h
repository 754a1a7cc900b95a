#pragma once

// The console report of a benchmark run that also keeps every benchmark's real
// time per iteration, so a program can print how much faster one version is.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace lodrin::bench {

class TRatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
                Seconds[run.benchmark_name()] =
                    run.real_accumulated_time / static_cast<double>(run.iterations);
            }
        }
    }

    // Prints slow / fast for two named benchmarks that both ran.
    void PrintRatio(const std::string& slow, const std::string& fast, const char* label) const {
        const auto a = Seconds.find(slow);
        const auto b = Seconds.find(fast);
        if (a != Seconds.end() && b != Seconds.end() && b->second > 0) {
            std::printf("%s: %.3f ms / %.3f ms = %.2f\n", label, a->second * 1e3, b->second * 1e3,
                        a->second / b->second);
        }
    }

    // Prints the ratio of every benchmark whose name holds slowTag to its twin
    // named with fastTag in its place.
    void PrintPairs(const std::string& slowTag, const std::string& fastTag) const {
        std::printf("\n%-62s %12s %12s %9s\n", (slowTag + " / " + fastTag).c_str(), "slow ms",
                    "fast ms", "ratio");
        for (const auto& [name, seconds] : Seconds) {
            const std::size_t at = name.find(slowTag);
            if (at == std::string::npos) {
                continue;
            }
            const auto fast = Seconds.find(std::string(name).replace(at, slowTag.size(), fastTag));
            if (fast != Seconds.end() && fast->second > 0) {
                std::printf("%-62s %12.3f %12.3f %8.1fx\n", name.c_str(), seconds * 1e3,
                            fast->second * 1e3, seconds / fast->second);
            }
        }
    }

    std::map<std::string, double> Seconds;
};

} // namespace lodrin::bench
