#include "ImportSolution/CanonicalLevel.h"
#include "ImportSolution/CRC_32.h"
#include "LevelGrids.h"
#include "board/Turn.h"
#include "support/MobileStoreFixture.h"
#include "support/SolvedLevels.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace lodrin {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    return SplitLevelLines(text);
}

using test::Crc32Grid;
using test::JoinRows;

TEST(Crc32, StandardCheckValueIsStoredSigned) {
    EXPECT_EQ(Crc32("123456789"), -873187034); // CBF43926
    EXPECT_EQ(Crc32(""), 0);
    EXPECT_EQ(Crc32("The quick brown fox jumps over the lazy dog"), 1095738169); // 414FA339
    EXPECT_EQ(Crc32(std::string(1, '\0')), -771559539);                          // D202EF8D
}

TEST(Crc32Grid, RunsOneRegisterOverTheRows) {
    const std::vector<std::string> grid = {"1234", "5678", "9xyz"};
    EXPECT_EQ(Crc32Grid(grid, 3, 3), Crc32("123567"
                                           "9xy"));
    EXPECT_EQ(Crc32Grid({"123", "456", "789"}, 3, 3), -873187034);
    EXPECT_EQ(Crc32Grid(grid, 0, 3), 0);
    EXPECT_EQ(Crc32Grid(grid, 3, 0), 0);
    EXPECT_EQ(Crc32Grid({"ab", "c"}, 2, 2), Crc32("abc "));
}

// The eight turns of a level grid, written out from their rules, against the board's TurnBoard.
TEST(Turns, TurnBoardFollowsTheEightRules) {
    const std::vector<std::string> old = {"abcde", "fghij", "klmno"};
    const int H = 3, W = 5;
    for (int turn = 0; turn < TurnCount; ++turn) {
        const bool swap = turn % 2 == 1;
        std::vector<std::string> expected(swap ? W : H, std::string(swap ? H : W, '?'));
        for (int r = 0; r < H; ++r) {
            for (int c = 0; c < W; ++c) {
                const char ch = old[r][c];
                switch (turn) {
                case 0:
                    expected[r][c] = ch;
                    break;
                case 1:
                    expected[c][H - 1 - r] = ch;
                    break;
                case 2:
                    expected[H - 1 - r][W - 1 - c] = ch;
                    break;
                case 3:
                    expected[W - 1 - c][r] = ch;
                    break;
                case 4:
                    expected[r][W - 1 - c] = ch;
                    break;
                case 5:
                    expected[W - 1 - c][H - 1 - r] = ch;
                    break;
                case 6:
                    expected[H - 1 - r][c] = ch;
                    break;
                case 7:
                    expected[c][r] = ch;
                    break;
                }
            }
        }
        EXPECT_EQ(TurnBoard(old, turn), expected) << "turn " << turn;
    }
}

// The allocation-free turned checksum agrees with turning the rows and running Crc32Grid.
TEST(Turns, TurnedChecksumAgreesWithTurnBoardOnRealLevels) {
    LODRIN_REQUIRE_SHARED(test::SolvedLevelsPath());
    int checked = 0;
    for (const test::SolvedLevel& level : test::LoadSolvedLevels()) {
        const CanonicalLevel canon = CanonicalizeLevel(JoinRows(level.Rows));
        if (!canon.Ok) {
            continue;
        }
        const std::vector<std::string> rows = Lines(canon.XsbText);
        const int h = static_cast<int>(rows.size()), w = static_cast<int>(rows[0].size());
        std::string cells;
        for (const std::string& row : rows) {
            cells += row;
        }
        std::int32_t smallest = INT32_MAX;
        for (int turn = 0; turn < TurnCount; ++turn) {
            const std::vector<std::string> turned = TurnBoard(rows, turn);
            const int th = static_cast<int>(turned.size()), tw = static_cast<int>(turned[0].size());
            const std::int32_t reference = Crc32Grid(turned, th, tw);
            ASSERT_EQ(TurnedGridCrc32(cells, h, w, turn), reference) << level.Title << " " << turn;
            smallest = std::min(smallest, reference);
        }
        EXPECT_EQ(canon.XsbCrc32, smallest);
        EXPECT_EQ(Crc32Grid(TurnBoard(rows, canon.TurnNum), canon.TurnNum % 2 ? w : h,
                            canon.TurnNum % 2 ? h : w),
                  canon.XsbCrc32);
        ++checked;
    }
    EXPECT_GT(checked, 200);
}

struct SplitCase {
    const char* Text;
    std::vector<std::string> Lines;
};

TEST(SplitLevelLines, PairsOfLineFeedsCountAsOne) {
    const SplitCase cases[] = {
        {"", {}},
        {"ab", {"ab"}},
        {"ab\n", {"ab"}},
        {"ab\ncd", {"ab", "cd"}},
        {"ab\r\ncd\r\n", {"ab", "cd"}},
        {"ab\n\ncd", {"ab", "cd"}},
        {"ab\r\n\r\ncd", {"ab", "", "cd"}},
        {"ab\n\n\ncd", {"ab", "", "cd"}},
        {"ab\n\n\n\ncd", {"ab", "", "cd"}},
        {"ab\rcd", {"ab", "cd"}},
        {"\nab", {"", "ab"}},
        {"\n\nab", {"", "ab"}},
        {"ab\n\n", {"ab"}},
        {"ab\n\n\n", {"ab", ""}},
    };
    for (const SplitCase& c : cases) {
        EXPECT_EQ(SplitLevelLines(c.Text), c.Lines) << '"' << c.Text << '"';
    }
}

TEST(CanonicalizeLevel, WorkedExample) {
    const CanonicalLevel level = CanonicalizeLevel(test::SmallLevel);
    ASSERT_TRUE(level.Ok);
    EXPECT_EQ(level.XsbText, "__####\n###  #\n#.@$ #\n######");
    EXPECT_EQ(level.Goals, 1);
    EXPECT_EQ(level.TurnNum, 6);
    EXPECT_EQ(level.XsbCrc32, -1453389966);
}

TEST(CanonicalizeLevel, RejectsLevelsWithoutAKey) {
    const char* invalid[] = {
        "",
        "#####\n#@$.#\n#@  #\n#####",        // two keepers
        "#####\n# $.#\n#   #\n#####",        // no keeper
        "#####\n#@  #\n#####",               // no box and no goal
        "######\n#@$$.#\n######",            // more boxes than goals
        "######\n#@$..#\n######",            // more goals than boxes
        "#####\n#@ .#\n#####\n#$  #\n#####", // the box lies outside the keeper's region
    };
    for (const char* text : invalid) {
        EXPECT_FALSE(CanonicalizeLevel(text).Ok) << text;
    }
    const CanonicalLevel outside = CanonicalizeLevel("#######\n#@$.# #\n##### #\n#  $. #\n#######");
    ASSERT_TRUE(outside.Ok) << "boxes and goals outside the region are not counted";
    EXPECT_EQ(outside.Goals, 1);
    EXPECT_EQ(CanonicalizeLevel("######\n#@*$.#\n######").Goals, 2);
    EXPECT_EQ(CanonicalizeLevel("#####\n#+$ #\n#####").Goals, 1);
}

TEST(CanonicalizeLevel, LineAndSizeLimits) {
    std::string text = "#####\n#@$.#\n#####";
    for (int i = 3; i < 100; ++i) {
        text += "\n" + std::string(100, '#');
    }
    EXPECT_TRUE(CanonicalizeLevel(text).Ok) << "100 lines of 100 characters";
    EXPECT_FALSE(CanonicalizeLevel(text + "\n#").Ok) << "101 lines";
    EXPECT_FALSE(CanonicalizeLevel("#####\n#@$.#\n#####\n" + std::string(101, '#')).Ok);

    const auto wide = [](int floor) {
        const std::string row = "#@$." + std::string(floor, '-') + "#";
        const std::string wall(row.size(), '#');
        return wall + "\n" + row + "\n" + wall;
    };
    const CanonicalLevel w96 = CanonicalizeLevel(wide(93)); // region 96 wide: W = 98
    ASSERT_TRUE(w96.Ok);
    EXPECT_EQ(Lines(w96.XsbText)[0].size(), 98u);
    EXPECT_FALSE(CanonicalizeLevel(wide(94)).Ok); // 97 wide: W = 99
}

TEST(CanonicalizeLevel, HugeTextsEndAtTheFirstBrokenLimit) {
    const std::string longLine = "#@$.#" + std::string(10 * 1024 * 1024, '-');
    EXPECT_FALSE(CanonicalizeLevel(longLine).Ok);
    std::string manyLines;
    for (int i = 0; i < 5 * 1024 * 1024; ++i) {
        manyLines += "#\n";
    }
    EXPECT_FALSE(CanonicalizeLevel(manyLines).Ok);
    EXPECT_FALSE(CanonicalizeLevel(std::string(10 * 1024 * 1024, '\0')).Ok);
}

TEST(CanonicalizeLevel, LineEndsDoNotChangeTheKey) {
    const CanonicalLevel lf = CanonicalizeLevel("  ####\n###  #\n#.@$ #\n######\n");
    const CanonicalLevel crlf = CanonicalizeLevel("  ####\r\n###  #\r\n#.@$ #\r\n######\r\n");
    ASSERT_TRUE(lf.Ok && crlf.Ok);
    EXPECT_EQ(lf.XsbText, crlf.XsbText);
    EXPECT_EQ(lf.XsbCrc32, crlf.XsbCrc32);
    EXPECT_EQ(lf.TurnNum, crlf.TurnNum);
}

TEST(CanonicalizeLevel, TurnedAndMirroredLevelsShareTheKey) {
    const std::vector<std::string> rows = {"#######", "#.  # #", "#$$ @ #", "#.    #", "#######"};
    const CanonicalLevel base = CanonicalizeLevel(JoinRows(rows));
    ASSERT_TRUE(base.Ok);
    for (int turn = 1; turn < TurnCount; ++turn) {
        const CanonicalLevel turned = CanonicalizeLevel(JoinRows(TurnBoard(rows, turn)));
        ASSERT_TRUE(turned.Ok) << turn;
        EXPECT_EQ(turned.XsbCrc32, base.XsbCrc32) << turn;
        EXPECT_EQ(turned.Goals, base.Goals) << turn;
        EXPECT_EQ(turned.XsbText, JoinRows(TurnBoard(Lines(base.XsbText), turn))) << turn;
        // Each names the turn that brings its own orientation to the smallest checksum.
        const std::vector<std::string> own = Lines(turned.XsbText);
        const std::vector<std::string> best = TurnBoard(own, turned.TurnNum);
        EXPECT_EQ(Crc32Grid(best, static_cast<int>(best.size()), static_cast<int>(best[0].size())),
                  base.XsbCrc32);
    }
}

TEST(CanonicalizeLevel, OutsideSpacesInsideTheRegionAreKept) {
    const std::string spaces =
        "#####   #####\n#@$.#   #   #\n#   #####   #\n#           #\n#############";
    const std::string underscores =
        "#####___#####\n#@$.#___#   #\n#   #####   #\n#           #\n#############";
    const CanonicalLevel a = CanonicalizeLevel(spaces);
    const CanonicalLevel b = CanonicalizeLevel(underscores);
    ASSERT_TRUE(a.Ok && b.Ok);
    EXPECT_EQ(Lines(a.XsbText)[0], "#############") << "the notch's spaces make walls above them";
    EXPECT_EQ(Lines(a.XsbText)[1], "#@$.#   #   #");
    EXPECT_EQ(Lines(b.XsbText)[0], "#####___#####");
    EXPECT_EQ(Lines(b.XsbText)[1], "#@$.#___#   #");
    EXPECT_NE(a.XsbCrc32, b.XsbCrc32);
}

TEST(CanonicalizeLevel, WallsOutsideTheRegionAreMadeAnew) {
    // Extra walls and a pocket far from the keeper; floor written '-' and ' ' differ.
    const CanonicalLevel dashes = CanonicalizeLevel("########\n#@-$.-##\n########\n\n###");
    const CanonicalLevel blanks = CanonicalizeLevel("########\n#@ $. ##\n########");
    ASSERT_TRUE(dashes.Ok && blanks.Ok);
    EXPECT_EQ(dashes.XsbText, "#######\n#@-$.-#\n#######");
    EXPECT_EQ(blanks.XsbText, "#######\n#@ $. #\n#######");
    EXPECT_NE(dashes.XsbCrc32, blanks.XsbCrc32);
}

TEST(CanonicalizeLevel, NegativeChecksumsWinTheContest) {
    // The worked level's eight checksums: by unsigned value turn 1 would be the smallest;
    // as signed numbers those with the top bit set come first.
    const std::string cells = "__####"
                              "###  #"
                              "#.@$ #"
                              "######";
    const std::int32_t expected[TurnCount] = {-676580552,  1153098938, 1509844569,  -621748062,
                                              -1061379654, -670524244, -1453389966, 1946387220};
    for (int turn = 0; turn < TurnCount; ++turn) {
        EXPECT_EQ(TurnedGridCrc32(cells, 4, 6, turn), expected[turn]) << turn;
    }
    EXPECT_EQ(CanonicalizeLevel(test::SmallLevel).TurnNum, 6);
}

} // namespace
} // namespace lodrin
