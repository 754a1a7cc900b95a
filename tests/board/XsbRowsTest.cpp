#include "board/XsbRows.h"
#include "support/BoardText.h"

#include <gtest/gtest.h>

namespace lodrin {
namespace {

TEST(CellCode, TableAndGroups) {
    for (int code = 0; code <= 6; ++code) {
        EXPECT_EQ(XsbCharToCell(CellToXsbChar(code)), code);
    }
    EXPECT_EQ(CellToXsbChar(7), '-');
    EXPECT_EQ(CellToXsbChar(-1), '-');
    for (char ch : {'-', '_', ' ', 'p', 'B', '\0'}) {
        EXPECT_EQ(XsbCharToCell(ch), Floor) << ch;
    }
    EXPECT_TRUE(HasGoal(PlayerOnGoal) && HasGoal(BoxOnGoal) && HasGoal(Goal));
    EXPECT_FALSE(HasGoal(Box) || HasBox(Player) || HasKeeper(Wall));
}

TEST(IsBoardRow, AcceptsOnlyXsbCharacters) {
    EXPECT_FALSE(IsBoardRow(""));
    EXPECT_TRUE(IsBoardRow("   "));
    EXPECT_TRUE(IsBoardRow("#@$.*+-_ "));
    for (const char* line : {"#\t#", "#1#", "#p#", "#B#", "###\r"}) {
        EXPECT_FALSE(IsBoardRow(line)) << line;
    }
    EXPECT_FALSE(IsBoardRow(std::string("#\0#", 3)));
}

TEST(ReadRowsIntoBoard, FloorSpellingsPaddingAndLimits) {
    Board board;
    board.Set(50, 50, Wall);
    std::vector<std::string> rows = {"#  _-#", "#"};
    rows.push_back(std::string(130, '#'));
    for (int i = 0; i < 117; ++i) {
        rows.push_back("#");
    }
    EXPECT_FALSE(ReadRowsIntoBoard(rows, board).has_value());
    EXPECT_EQ(test::RowsOf(board, 2, 7), (std::vector<std::string>{"#----#-", "#------"}));
    EXPECT_EQ(board.At(2, 99), Wall);
    EXPECT_EQ(board.At(99, 0), Wall);
    EXPECT_EQ(board.At(50, 50), Floor); // cleared first
}

TEST(ReadRowsIntoBoard, ReportsTheLastKeeper) {
    Board board;
    const auto keeper = ReadRowsIntoBoard({"#@ #", "# +#"}, board);
    ASSERT_TRUE(keeper.has_value());
    EXPECT_EQ(*keeper, (ColRow{3, 2}));
    EXPECT_EQ(board.At(0, 1), Player);
    EXPECT_EQ(board.At(1, 2), PlayerOnGoal);
}

} // namespace
} // namespace lodrin
