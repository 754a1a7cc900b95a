// The level reader and the level-from-solution builder on 280 real levels.

#include "support/SolvedLevels.h"
#include "board/LevelFromLurd.h"
#include "board/LevelText.h"
#include "board/Lurd.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace lodrin {
namespace {

// Replays a solution forward on XSB rows; true when every move was legal and
// every box ends on a goal.
bool SolvesLevel(std::vector<std::string> rows, const std::string& solution) {
    std::size_t width = 0;
    for (const std::string& row : rows) {
        width = std::max(width, row.size());
    }
    for (std::string& row : rows) {
        row.resize(width, '-');
    }
    int kr = -1, kc = -1;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const auto c = rows[static_cast<std::size_t>(r)].find_first_of("@+");
        if (c != std::string::npos) {
            kr = r;
            kc = static_cast<int>(c);
        }
    }
    auto at = [&](int r, int c) -> char& {
        return rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
    };
    auto free = [&](char ch) { return ch == '-' || ch == '_' || ch == ' ' || ch == '.'; };
    for (const char ch : solution) {
        const int k = LurdDirection(ch);
        if (k < 0) {
            return false;
        }
        const FinderDirection& d = FinderDirectionOrder[static_cast<std::size_t>(k)];
        const int tr = kr + d.DRow, tc = kc + d.DCol;
        char& target = at(tr, tc);
        if (IsPushChar(ch)) {
            char& beyond = at(tr + d.DRow, tc + d.DCol);
            if ((target != '$' && target != '*') || !free(beyond)) {
                return false;
            }
            beyond = beyond == '.' ? '*' : '$';
            target = target == '*' ? '.' : '-';
        } else if (!free(target)) {
            return false;
        }
        char& keeper = at(kr, kc);
        keeper = keeper == '+' ? '.' : '-';
        target = target == '.' ? '+' : '@';
        kr = tr;
        kc = tc;
    }
    for (const std::string& row : rows) {
        if (row.find('$') != std::string::npos) {
            return false;
        }
    }
    return true;
}

class SolvedLevels : public test::SolvedLevelsTest {};

TEST_F(SolvedLevels, ReaderTakesExactlyTheRowsAndTitle) {
    for (const test::SolvedLevel& level : levels) {
        TMapNode node;
        ASSERT_TRUE(ReadLevelText(level.Text, node)) << level.Title;
        EXPECT_EQ(node.Rows, level.Rows) << level.Title;
        EXPECT_EQ(node.Title, level.Title);
    }
    TMapNode first;
    ASSERT_TRUE(ReadLevelText(test::ReadFileBytes(test::SolvedLevelsPath()), first));
    EXPECT_EQ(first.Rows, levels.front().Rows);
    EXPECT_EQ(first.Title, levels.front().Title);
}

TEST_F(SolvedLevels, EverySolutionBuildsALevelItSolves) {
    for (const test::SolvedLevel& level : levels) {
        const auto rows = LevelFromLurd(level.Solution);
        ASSERT_TRUE(rows.has_value()) << level.Title;
        EXPECT_TRUE(SolvesLevel(*rows, level.Solution)) << level.Title;
        EXPECT_TRUE(SolvesLevel(level.Rows, level.Solution))
            << "the replay itself, " << level.Title;
    }
}

} // namespace
} // namespace lodrin
