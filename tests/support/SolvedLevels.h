#pragma once

// The 280 real levels of ../shared/data/solved.xsb, each with its title and a
// checked solution, split into records without the project's own reader.

#include "support/SharedData.h"

#include <string>
#include <vector>

namespace lodrin::test {

struct SolvedLevel {
    std::string Text; // the record as it stands in the file
    std::vector<std::string> Rows;
    std::string Title;
    std::string Solution;
};

inline std::filesystem::path SolvedLevelsPath() {
    return SharedDir() / "data" / "solved.xsb";
}

inline std::vector<SolvedLevel> LoadSolvedLevels() {
    std::vector<SolvedLevel> levels;
    std::istringstream in(ReadFileBytes(SolvedLevelsPath()));
    SolvedLevel current;
    std::string line;
    auto flush = [&] {
        if (!current.Rows.empty()) {
            levels.push_back(current);
        }
        current = {};
    };
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty()) {
            flush();
            continue;
        }
        current.Text += line + "\n";
        if (line.rfind("Title: ", 0) == 0) {
            current.Title = line.substr(7);
        } else if (line.rfind("Solution: ", 0) == 0) {
            current.Solution = line.substr(10);
        } else {
            current.Rows.push_back(line);
        }
    }
    flush();
    return levels;
}

// A test that reads the 280 levels, skipped when the shared data is absent.
class SolvedLevelsTest : public ::testing::Test {
protected:
    void SetUp() override {
        LODRIN_REQUIRE_SHARED(SolvedLevelsPath());
        levels = LoadSolvedLevels();
        ASSERT_EQ(levels.size(), 280u);
    }
    std::vector<SolvedLevel> levels;
};

} // namespace lodrin::test
