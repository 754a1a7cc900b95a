// A whole recognition: real levels painted as screenshots with tiles of their own size and
// offset, saved and reloaded as PNG, the frame laid over them, one sweep per element kind,
// the keeper by hand; the XSB text must give the level back.

#include "Recog_/PictureFile.h"
#include "Recog_/RecogState.h"

#include "SyntheticLevel.h"
#include "support/SolvedLevels.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QImage>

#include <filesystem>

namespace lodrin {
namespace {

struct Shot {
    int Cell;
    int X0;
    int Y0;
};

// The XSB text the recognition must produce: the level's elements, '-' for everything else.
std::string ExpectedText(const std::vector<std::string>& rows) {
    std::string text;
    for (const std::string& row : rows) {
        for (char ch : row) {
            text.push_back(std::string_view("#$*.@+").find(ch) != std::string_view::npos ? ch
                                                                                         : '-');
        }
        text.push_back('\n');
    }
    return text;
}

std::optional<RecogCell> FirstCellOf(const std::vector<std::string>& rows, std::string_view kinds) {
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        for (int c = 0; c < static_cast<int>(rows[r].size()); ++c) {
            if (kinds.find(rows[r][c]) != std::string_view::npos) {
                return RecogCell{c, r};
            }
        }
    }
    return std::nullopt;
}

// Paints the level, saves and reloads it as PNG, and recognises it.
std::string Recognise(const std::vector<std::string>& rows, Shot shot) {
    const int height = static_cast<int>(rows.size());
    const int width = static_cast<int>(rows[0].size());
    const RgbPicture painted =
        test::PaintLevel(rows, shot.Cell, shot.X0, shot.Y0, shot.X0 + width * shot.Cell + 61,
                         shot.Y0 + height * shot.Cell + 47);
    const test::TempDir temp;
    const std::filesystem::path path = temp.Path() / "shot.png";
    EXPECT_TRUE(WrapPicture(painted).save(QString::fromStdString(path.string()), "png"));
    TRecogState state;
    EXPECT_EQ(OpenPictureFile(state, path.string()), PictureProblem::None);
    EXPECT_EQ(state.Picture(), painted);

    state.Frame.SetValue(FrameBox::Right, shot.X0 + width * shot.Cell - 1);
    state.Frame.SetValue(FrameBox::Bottom, shot.Y0 + height * shot.Cell - 1);
    state.Frame.SetValue(FrameBox::Left, shot.X0);
    state.Frame.SetValue(FrameBox::Top, shot.Y0);
    state.Frame.SetValue(FrameBox::RowHeight, shot.Cell);
    state.Frame.SetValue(FrameBox::ColWidth, shot.Cell);
    EXPECT_EQ(state.Grid().Rows, height);
    EXPECT_EQ(state.Grid().Cols, width);

    for (const auto& [kind, tool] : {std::pair{'#', RecogTool::ToolWall},
                                     {'$', RecogTool::ToolBox},
                                     {'*', RecogTool::ToolBoxOnGoal},
                                     {'.', RecogTool::ToolGoal}}) {
        if (const auto cell = FirstCellOf(rows, std::string_view(&kind, 1))) {
            state.CellAction(cell->Row, cell->Col, RecogButton::Left, tool, false);
        }
    }
    if (const auto keeper = FirstCellOf(rows, "@+")) {
        state.CellAction(keeper->Row, keeper->Col, RecogButton::Left, RecogTool::ToolPlayer, false);
        if (rows[keeper->Row][keeper->Col] == '+') {
            state.CellAction(keeper->Row, keeper->Col, RecogButton::Left, RecogTool::ToolPlayer,
                             false);
        }
    }
    return state.XsbText().value_or("");
}

TEST(RecognitionEndToEnd, RealLevelsComeBackFromTheirScreenshots) {
    LODRIN_REQUIRE_SHARED(test::SolvedLevelsPath());
    const std::vector<test::SolvedLevel> levels = test::LoadSolvedLevels();
    ASSERT_FALSE(levels.empty());
    std::vector<const test::SolvedLevel*> chosen;
    for (const test::SolvedLevel& level : levels) {
        if (level.Title == "Sasquatch 12") {
            chosen.insert(chosen.begin(), &level);
        }
    }
    ASSERT_FALSE(chosen.empty()) << "Sasquatch 12 (every element kind) is missing";
    for (std::size_t i = 0; i < levels.size(); i += 47) {
        chosen.push_back(&levels[i]);
    }
    const Shot shots[] = {{37, 23, 41}, {31, 5, 64}, {44, 130, 3}, {26, 77, 77}};
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        const std::vector<std::string> rows = test::MarkInside(chosen[i]->Rows);
        const Shot shot = shots[i % std::size(shots)];
        EXPECT_EQ(Recognise(rows, shot), ExpectedText(rows))
            << chosen[i]->Title << " in cells of " << shot.Cell;
    }
}

} // namespace
} // namespace lodrin
