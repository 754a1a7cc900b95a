#include "board/Turn.h"
#include "board/Lurd.h"

#include <gtest/gtest.h>

namespace lodrin {
namespace {

TEST(TurnDirection, Samples) {
    EXPECT_EQ(TurnDirection(1, 'l'), 'd');
    EXPECT_EQ(TurnDirection(5, 'U'), 'R');
    EXPECT_EQ(TurnDirection(0, 'x'), ' ');
    EXPECT_EQ(TurnDirection(0, 'r'), 'r');
    EXPECT_EQ(TurnLurd(1, "lurdLx"), "dlurD ");
    EXPECT_EQ(TurnTable.substr(64), "-.$*@+#");
}

// Stepping a cell in the table's board direction moves its picture in the view direction.
TEST(TurnDirection, AgreesWithTheCellMapping) {
    const int rows = 5, cols = 7;
    for (int t = 0; t < TurnCount; ++t) {
        for (char view : std::string_view("lurd")) {
            const int k = LurdDirection(TurnDirection(t, view));
            const FinderDirection& d = FinderDirectionOrder[static_cast<std::size_t>(k)];
            const ViewCell from = BoardToView(t, 2, 3, rows, cols);
            const ViewCell to = BoardToView(t, 2 + d.DRow, 3 + d.DCol, rows, cols);
            const int vk = LurdDirection(view);
            EXPECT_EQ(to.X - from.X, FinderDirectionOrder[static_cast<std::size_t>(vk)].DCol)
                << t << view;
            EXPECT_EQ(to.Y - from.Y, FinderDirectionOrder[static_cast<std::size_t>(vk)].DRow)
                << t << view;
        }
        EXPECT_EQ(TurnDirection(t, 'L'), LurdUpper(TurnDirection(t, 'l')));
    }
}

TEST(BoardToView, OddTurnsSwapTheViewAndCornersStayCorners) {
    EXPECT_EQ(ViewSize(1, 3, 5), (ViewCell{3, 5}));
    EXPECT_EQ(BoardToView(1, 0, 0, 3, 5), (ViewCell{2, 0}));
    const int rows = 3, cols = 5;
    for (int t = 0; t < TurnCount; ++t) {
        const ViewCell size = ViewSize(t, rows, cols);
        for (int r : {0, rows - 1}) {
            for (int c : {0, cols - 1}) {
                const ViewCell v = BoardToView(t, r, c, rows, cols);
                EXPECT_TRUE((v.X == 0 || v.X == size.X - 1) && (v.Y == 0 || v.Y == size.Y - 1));
            }
        }
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < cols; ++c) {
                const ViewCell v = BoardToView(t, r, c, rows, cols);
                EXPECT_EQ(ViewToBoard(t, v.X, v.Y, rows, cols), (BoardCell{r, c})) << t;
            }
        }
    }
}

TEST(TurnBoard, EightTurnsOfAGrid) {
    const std::vector<std::string> grid = {"ab", "cd", "ef"};
    EXPECT_EQ(TurnBoard(grid, 0), grid);
    EXPECT_EQ(TurnBoard(grid, 1), (std::vector<std::string>{"eca", "fdb"}));
    EXPECT_EQ(TurnBoard(grid, 2), (std::vector<std::string>{"fe", "dc", "ba"}));
    EXPECT_EQ(TurnBoard(grid, 3), (std::vector<std::string>{"bdf", "ace"}));
    EXPECT_EQ(TurnBoard(grid, 4), (std::vector<std::string>{"ba", "dc", "fe"}));
    EXPECT_EQ(TurnBoard(grid, 5), (std::vector<std::string>{"fdb", "eca"}));
    EXPECT_EQ(TurnBoard(grid, 6), (std::vector<std::string>{"ef", "cd", "ab"}));
    EXPECT_EQ(TurnBoard(grid, 7), (std::vector<std::string>{"ace", "bdf"}));
    EXPECT_EQ(TurnBoard({"abc", "d"}, 0), (std::vector<std::string>{"abc", "d  "}));
}

TEST(TurnLabel, LabelsAndTexts) {
    EXPECT_EQ(TurnLabel(0), "0转");
    EXPECT_EQ(TurnLabel(7), "7转");
    EXPECT_EQ(TurnStatusText(4), "4转 = 关卡的左右翻转");
}

} // namespace
} // namespace lodrin
