// The recognition window's own state without a window: its tables of tools, cursors, zones
// and keys, and the rules that join the wheel to the hovered lines.

#include "Recog_/RecogWindowState.h"

#include <gtest/gtest.h>

namespace lodrin {
namespace {

class RecogWindowStateTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(recog.OpenPicture(RgbPicture(800, 600))); }
    TRecogState recog;
    TRecogWindowState window{recog, false, 0};
};

TEST(RecogWindowTables, ToolsCursorsAndZones) {
    const struct {
        RecogTool tool;
        DisplayPointer pointer;
        int number;
        const char* name;
        const char* message;
    } tools[] = {
        {RecogTool::ToolWall, DisplayPointer::CursorWall, 11, "CURSOR_WALL_", "识别 - 墙壁"},
        {RecogTool::ToolBox, DisplayPointer::CursorBox, 12, "CURSOR_BOX_", "识别 - 箱子"},
        {RecogTool::ToolBoxOnGoal, DisplayPointer::CursorBoxGoal, 13, "CURSOR_BOXGOAL_",
         "识别 - 箱子在目标位"},
        {RecogTool::ToolGoal, DisplayPointer::CursorGoal, 14, "CURSOR_GOAL_", "识别 - 目标点"},
        {RecogTool::ToolPlayer, DisplayPointer::CursorPlayer, 15, "CURSOR_PLAYER_",
         "识别 - 仓管员"},
        {RecogTool::ToolErase, DisplayPointer::CursorErase, 16, "CURSOR_ERASE_", "擦除识别"},
    };
    for (const auto& t : tools) {
        EXPECT_EQ(ToolLook(t.tool).Pointer, t.pointer);
        EXPECT_EQ(ToolLook(t.tool).Message, t.message);
        EXPECT_EQ(RecogCursorNumber(t.pointer), t.number);
        EXPECT_EQ(RecogCursorName(t.pointer), t.name);
    }
    EXPECT_EQ(ToolLook(RecogTool::ToolFrame).Pointer, DisplayPointer::Cross);
    EXPECT_EQ(RecogCursorNumber(DisplayPointer::CursorWheel), 17);
    EXPECT_EQ(RecogCursorName(DisplayPointer::CursorWheel), "CURSOR_SHEEL_");
    EXPECT_EQ(RecogCursorNumber(DisplayPointer::ResizeUpDown), 0);
    EXPECT_EQ(ZoneDisplayPointer({FrameZone::ZoneCellSize, true}), DisplayPointer::CursorWheel);
    EXPECT_EQ(ZoneDisplayPointer({FrameZone::ZoneColWidth}), DisplayPointer::ResizeLeftRight);
    EXPECT_EQ(ZoneHoverText({FrameZone::ZoneCellSize, true}), "【鼠标滚轮】同时调整【行高列宽】");
    EXPECT_EQ(ZoneHoverText({FrameZone::ZoneTopLeft}), "【拖动 / 鼠标滚轮】调整【左上角】");
    EXPECT_EQ(ZoneDragText(FrameZone::ZoneRowHeight), "拖动调整【行高】");
}

TEST_F(RecogWindowStateTest, KeysThatRunCommands) {
    const struct {
        RecogKey key;
        bool ctrl;
        bool shift;
        RecogCommand command;
    } cases[] = {
        {RecogKey::C, true, false, RecogCommand::Copy},
        {RecogKey::C, false, false, RecogCommand::None},
        {RecogKey::K, true, false, RecogCommand::Screen},
        {RecogKey::O, true, true, RecogCommand::Open},
        {RecogKey::Q, true, false, RecogCommand::Return},
        {RecogKey::Z, true, false, RecogCommand::Undo},
        {RecogKey::Z, false, true, RecogCommand::Redo},
        {RecogKey::Z, true, true, RecogCommand::Redo},
        {RecogKey::Z, false, false, RecogCommand::None},
        {RecogKey::F2, false, false, RecogCommand::Skin},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(window.KeyDown(c.key, c.ctrl, c.shift).Command, c.command)
            << static_cast<int>(c.key) << c.ctrl << c.shift;
    }
}

// Inside the first cell the wheel sizes the cells; Shift keeps the line last hovered for the
// wheel after the pointer has moved on, and a press inside the first cell grabs nothing.
TEST_F(RecogWindowStateTest, TheWheelFollowsTheHoveredZone) {
    RecogUpdate update = window.Move({70, 70});
    EXPECT_EQ(window.HoverZone, FrameZone::ZoneCellSize);
    EXPECT_TRUE(window.OverHotZone);
    EXPECT_EQ(update.Pointer, DisplayPointer::CursorWheel);
    window.Wheel(true); // away from the user over a hot zone: smaller
    EXPECT_EQ(recog.Frame.ColWidth(), 49);
    EXPECT_EQ(recog.Frame.RowHeight(), 49);
    window.Press({70, 70});
    EXPECT_EQ(window.DragZone, FrameZone::None);

    window.Move({750, 300});
    EXPECT_EQ(window.HoverZone, FrameZone::ZoneRight);
    window.KeyDown(RecogKey::Shift, false, true);
    window.Move({400, 300}); // no zone here, but Shift keeps the right border
    EXPECT_FALSE(window.OverHotZone);
    EXPECT_TRUE(window.ViewPassesWheel());
    window.Wheel(true); // not over a hot zone: the plain sign
    EXPECT_EQ(recog.Frame.Right(), 751);
    window.KeyUp();
    window.Move({410, 300});
    EXPECT_EQ(window.HoverZone, FrameZone::None);
    EXPECT_FALSE(window.Wheel(true).Redraw);
    EXPECT_EQ(recog.Frame.Right(), 751); // no wheel target: nothing
}

TEST_F(RecogWindowStateTest, ActivationAndANewPictureStartAfresh) {
    window.SelectTool(RecogTool::ToolBox);
    window.Press({200, 200});
    window.XsbDisplay = true;
    window.ManualEditing = true;
    recog.Results.SetUnDoReDo(true, recog.Grid());
    recog.RecognizedLevelInForce = true;
    const RecogUpdate update = window.Activate();
    EXPECT_EQ(window.Tool, RecogTool::ToolFrame);
    EXPECT_TRUE(update.ToolChanged && update.Redraw);
    EXPECT_EQ(window.PressPoint, (DisplayPoint{0, 0}));
    EXPECT_TRUE(recog.Results.RedoList.empty());
    EXPECT_FALSE(recog.RecognizedLevelInForce);
    EXPECT_TRUE(window.XsbDisplay); // kept from visit to visit
    window.Move({300, 300});
    window.PictureArrived();
    EXPECT_FALSE(window.XsbDisplay);
    EXPECT_FALSE(window.ManualEditing);
    EXPECT_EQ(window.LastPointer, (DisplayPoint{-1, -1}));
}

} // namespace
} // namespace lodrin
