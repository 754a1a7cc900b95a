// The level-info dialog and the help window, and the key tables on their own.

#include "Editor_/EditorCursors.h"
#include "Editor_/EditorHelpForm.h"
#include "Editor_/EditorInfForm.h"
#include "Editor_/EditorKeys.h"
#include "Editor_/HelpText.h"
#include "platform/UiFont.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace lodrin {
namespace {

TEST(EditorInfFormTest, LayoutAndFont) {
    TEditorInfForm_ form(nullptr);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("关卡资料"));
    EXPECT_EQ(form.size(), QSize(612, 415));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.font().pixelSize(), 15);
    EXPECT_EQ(form.font().family(), UiFontFamily());
    const struct {
        QWidget* widget;
        QRect geometry;
    } places[] = {
        {form.Edit1, {88, 16, 497, 28}},    {form.Edit2, {88, 56, 497, 28}},
        {form.Memo1, {24, 128, 569, 233}},  {form.Button1, {480, 376, 91, 25}},
        {form.Button2, {360, 376, 91, 25}},
    };
    for (const auto& place : places) {
        EXPECT_EQ(place.widget->geometry(), place.geometry)
            << place.widget->objectName().toStdString();
    }
    EXPECT_EQ(form.Label1->pos(), QPoint(24, 16));
    EXPECT_EQ(form.Label2->pos(), QPoint(24, 56));
    EXPECT_EQ(form.Label3->pos(), QPoint(24, 96));
    EXPECT_EQ(form.Label1->text(), QStringLiteral("标题："));
    EXPECT_EQ(form.Label2->text(), QStringLiteral("作者："));
    EXPECT_EQ(form.Label3->text(), QStringLiteral("说明："));
    EXPECT_EQ(form.Button1->text(), QStringLiteral("确定(&O)"));
    EXPECT_EQ(form.Button2->text(), QStringLiteral("取消(&C)"));
}

TEST(EditorInfFormTest, ChangedFlagCountsTypingAfterFillOnly) {
    TEditorInfForm_ form(nullptr);
    form.Fill(QStringLiteral("t"), QStringLiteral("a"), QStringLiteral("x\r\ny"));
    EXPECT_FALSE(form.Changed());
    EXPECT_EQ(form.Memo1->toPlainText(), QStringLiteral("x\ny"));
    EXPECT_EQ(form.CommentText(), QStringLiteral("x\r\ny"));
    form.Memo1->appendPlainText(QStringLiteral("z"));
    EXPECT_TRUE(form.Changed());
    EXPECT_EQ(form.CommentText(), QStringLiteral("x\r\ny\r\nz"));
    form.Button2->click();
    EXPECT_FALSE(form.Changed());
    EXPECT_EQ(form.result(), QDialog::Rejected);
    form.Fill({}, {}, {});
    form.Edit2->setText(QStringLiteral("b"));
    form.Button1->click();
    EXPECT_TRUE(form.Changed());
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST(EditorHelpFormTest, ShowsTheSixtyNineLinesReadOnly) {
    TEditorHelpForm form(nullptr);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("帮助"));
    EXPECT_EQ(form.size(), QSize(648, 436));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_TRUE(form.Memo1->isReadOnly());
    EXPECT_EQ(form.Memo1->font().pixelSize(), 13);
    EXPECT_EQ(form.Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    form.show();
    EXPECT_EQ(form.Memo1->geometry(), QRect(0, 0, 648, 436));
    const QStringList lines = form.Memo1->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 69);
    EXPECT_EQ(HelpLineCount(), 69);
    EXPECT_EQ(lines[0], QStringLiteral("版本：20200108"));
    EXPECT_EQ(lines[3], QStringLiteral("=     《关卡编辑板块》"));
    EXPECT_EQ(lines[29], QStringLiteral("【+、-、Shif + 滑轮】: 缩放地图"));
    EXPECT_EQ(lines[35], QString());
    EXPECT_EQ(lines[46],
              QStringLiteral(
                  "        "
                  "【鼠标滚轮】可对顶行获得焦点（鼠标过来即可获得焦点）的边界或行高列宽进行微调"));
    EXPECT_EQ(lines[68],
              QStringLiteral("而且，“相似度”是图像做“灰度二值化”后，逐像素进行比对，需要对应位置的"
                             "像素完全相同才可以，所以，可能会与眼睛看到的感觉有所差异！"));
    const int empty = static_cast<int>(std::count(lines.begin(), lines.end(), QString()));
    EXPECT_EQ(empty, 20);
}

// The tables on their own: modifiers that must not matter, and keys that do nothing.
TEST(EditorKeysTest, TablesIgnoreWhatTheyDoNotName) {
    EXPECT_EQ(KeyDownCommand(Qt::Key_F1, Qt::ControlModifier), EditorCommand::Help);
    EXPECT_EQ(KeyDownCommand(Qt::Key_F5, Qt::ControlModifier), EditorCommand::Trial);
    EXPECT_EQ(KeyDownCommand(Qt::Key_Left, Qt::NoModifier), EditorCommand::None);
    EXPECT_EQ(KeyDownCommand(Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier),
              EditorCommand::ShiftLeft);
    EXPECT_TRUE(StopsKey(EditorCommand::ShiftLeft));
    EXPECT_FALSE(StopsKey(EditorCommand::Help));
    EXPECT_EQ(KeyPressCommand(Qt::Key_Plus, QStringLiteral("+")), EditorCommand::ZoomIn);
    EXPECT_EQ(KeyPressCommand(Qt::Key_Asterisk, QStringLiteral("*")), EditorCommand::ZoomReset);
    EXPECT_EQ(KeyPressCommand(Qt::Key_Escape, QStringLiteral("\x1b")), EditorCommand::ZoomReset);
    EXPECT_EQ(KeyPressCommand(Qt::Key_Equal, QStringLiteral("=")), EditorCommand::None);
    EXPECT_EQ(KeyUpCommand(Qt::Key_C, Qt::NoModifier), EditorCommand::None);
    EXPECT_EQ(KeyUpCommand(Qt::Key_H, Qt::ControlModifier), EditorCommand::SwitchMode);
    EXPECT_EQ(KeyUpCommand(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier),
              EditorCommand::Redo);
    EXPECT_EQ(KeyUpCommand(Qt::Key_V, Qt::ShiftModifier), EditorCommand::None);
}

TEST(EditorCursorsTest, SixNamedCursorsOneForEachDrawingToolAndBoxPlacement) {
    const std::pair<EditTool, const char*> tools[] = {
        {EditTool::WallTool, "CURSOR_WALL"},     {EditTool::BoxTool, "CURSOR_BOX"},
        {EditTool::GoalTool, "CURSOR_GOAL"},     {EditTool::FloorTool, "CURSOR_FLOOR"},
        {EditTool::PlayerTool, "CURSOR_PLAYER"}, {EditTool::BoxPlacement, "CURSOR_BOXM"},
    };
    for (int i = 0; i < ToolCursorCount; ++i) {
        const std::optional<ToolCursor> cursor = CursorOfTool(tools[i].first);
        ASSERT_TRUE(cursor.has_value());
        EXPECT_EQ(static_cast<int>(*cursor), i); // custom cursors 1 to 6 in this order
        EXPECT_EQ(ToolCursorName(*cursor), QString::fromLatin1(tools[i].second));
    }
    EXPECT_FALSE(CursorOfTool(EditTool::SelectTool).has_value());
}

} // namespace
} // namespace lodrin
