// The editor window: start state, tools and panel colours, strokes, the mode
// switch and the key tables.

#include "EditorFormFixture.h"
#include "support/BoardText.h"
#include "support/ModalAnswer.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>

namespace lodrin {
namespace {

using test::EditorFormFixture;

const QColor Red(255, 0, 0);
const QColor Inactive(191, 205, 219);

QColor PanelColour(const QWidget* panel) {
    return panel->palette().color(QPalette::Window);
}

using EditorFormTest = EditorFormFixture;

TEST_F(EditorFormTest, StartsInBrowseModeWithItsLayout) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("关卡编辑器 v20.01"));
    EXPECT_EQ(form.size(), QSize(800, 561));
    EXPECT_EQ(form.minimumSize(), QSize(800, 560));
    EXPECT_EQ(form.Panel1->height(), 35);
    EXPECT_EQ(form.Panel3->width(), 80);
    EXPECT_EQ(PanelColour(form.Panel1), Inactive);
    EXPECT_EQ(PanelColour(form.Panel3), Inactive);
    for (QFrame* panel : {form.pl_Wall, form.pl_Box, form.pl_Goal, form.pl_Floor, form.pl_Player}) {
        EXPECT_EQ(panel->size(), QSize(66, 66));
        EXPECT_EQ(PanelColour(panel), Inactive) << panel->objectName().toStdString();
    }
    EXPECT_EQ(PanelColour(form.pl_Select), Red);
    EXPECT_EQ(form.img_Wall->size(), QSize(60, 60));
    EXPECT_EQ(form.img_Wall->pixmap().toImage().pixelColor(30, 30), test::TileColours[Wall]);
    EXPECT_EQ(form.img_Player->pixmap().toImage().pixelColor(30, 30), test::TileColours[Player]);
    EXPECT_EQ(form.bt_LeftBar->text(), QStringLiteral("<"));
    EXPECT_TRUE(form.Panel3->isVisible());
    EXPECT_EQ(Doc().Tool, EditTool::SelectTool);
    EXPECT_EQ(Grid().PopupMenu(), form.PopupMenu1);
    EXPECT_EQ(Viewport()->cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(form.DrawGrid1->hasFocus());
    EXPECT_EQ(Grid().CellSize(), 60);
    EXPECT_FALSE(form.N6->isChecked());
    EXPECT_FALSE(form.N7->isChecked());
    EXPECT_EQ(form.StatusText(StatusPanel::RowCaption), QStringLiteral("行"));
    EXPECT_EQ(form.StatusText(StatusPanel::ColCaption), QStringLiteral("列"));
    EXPECT_EQ(form.StatusText(StatusPanel::BoxCaption), QStringLiteral("箱子"));
    EXPECT_EQ(form.StatusText(StatusPanel::GoalCaption), QStringLiteral("目标"));
    EXPECT_EQ(form.StatusText(StatusPanel::Row), QStringLiteral("1"));
    EXPECT_EQ(form.StatusText(StatusPanel::Col), QStringLiteral("1"));
    EXPECT_FALSE(form.Options().MouseWheelSwitch);
    const int widths[] = {24, 50, 24, 50, 36, 50, 36, 50};
    for (int i = 0; i < 8; ++i) {
        auto* panel = form.findChild<QLabel*>(QStringLiteral("StatusBar1_Panel%1").arg(i));
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(panel->width(), widths[i]) << i;
    }
    EXPECT_GE(form.findChild<QLabel*>(QStringLiteral("StatusBar1_Panel8"))->width(), 50);
    for (QLabel* image : {form.img_Wall, form.img_Box, form.img_Goal, form.img_Floor,
                          form.img_Player, form.img_Select}) {
        EXPECT_EQ(image->cursor().shape(), Qt::PointingHandCursor);
    }
}

TEST_F(EditorFormTest, SlashMIsKeptForTheRecognitionWindow) {
    TEditorForm_ other(platform.Seams(), ReadStartOptions({"/M"}), skin);
    EXPECT_TRUE(other.Options().MouseWheelSwitch);
}

TEST_F(EditorFormTest, ControlsCarryTheirNamesHintsAndMenus) {
    const std::pair<const char*, const char*> hints[] = {
        {"bt_LeftBar", "切换编辑模式或摆箱子模式【H】"},
        {"sb_SaveToFile", "保存到文档【Ctrl + S】"},
        {"sb_Save", "复制 - 送入剪切板【Ctrl + C】"},
        {"sb_Load", "粘贴 - 从剪切板读入【Ctrl + V】"},
        {"sb_UnDo", "撤销【Ctrl + Z】"},
        {"sb_ReDo", "重做【Shift + Z】"},
        {"sb_Clear", "清空重来"},
        {"sb_Inf", "地图说明信息"},
        {"sb_Xsb_OK", "地图标准化【右键: 最小标准化】"},
        {"bt_Skin", "更换皮肤【F2】"},
        {"sb_LoadPic", "截图识别"},
        {"sb_Help", "帮助【F1]"},
        {"sb_Trial", "演炼场【正推演练：F5/单击；逆推演练：F6/Ctrl + 单击】"},
        {"img_Wall", "绘制 -- 『墙壁』"},
        {"img_Box", "绘制 -- 『箱子』"},
        {"img_Goal", "绘制 -- 『目标点』"},
        {"img_Floor", "绘制 -- 『地板』"},
        {"img_Player", "绘制 -- 『仓管员』"},
        {"img_Select", "进入“浏览模式”"},
    };
    int left = -1;
    for (const auto& [name, hint] : hints) {
        auto* widget = form.findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(widget, nullptr) << name;
        EXPECT_EQ(widget->toolTip(), QString::fromUtf8(hint)) << name;
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(widget, &enter);
        EXPECT_EQ(form.StatusText(StatusPanel::Message), QString::fromUtf8(hint)) << name;
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(widget, &leave);
        EXPECT_EQ(form.StatusText(StatusPanel::Message), QString()) << name;
        if (widget->parentWidget() == form.Panel1) { // command buttons run left to right
            EXPECT_GT(widget->x(), left) << name;
            left = widget->x();
        }
    }
    const std::pair<QAction*, const char*> captions[] = {
        {form.N1, "右移一列    【Ctrl + →】"},
        {form.N2, "左移一列    【Ctrl + ←】"},
        {form.N3, "下移一行    【Ctrl + ↓】"},
        {form.N4, "上移一行    【Ctrl + ↑】"},
        {form.N6, "参考图"},
        {form.N7, "小参考图"},
        {form.N8, "最小标准化"},
        {form.N9, "清除箱子"},
        {form.N10, "清除目标点"},
        {form.N11, "仅保留墙壁"},
    };
    for (const auto& [action, caption] : captions) {
        EXPECT_EQ(action->text(), QString::fromUtf8(caption));
        EXPECT_TRUE(action->shortcut().isEmpty());
    }
    EXPECT_TRUE(form.N12->isSeparator());
    EXPECT_EQ(form.PopupMenu1->actions().size(), 7);
    EXPECT_TRUE(form.PopupMenu2->actions().isEmpty());
    EXPECT_EQ(form.PopupMenu3->actions(), QList<QAction*>{form.N8});
    EXPECT_EQ(form.PopupMenu4->actions(), (QList<QAction*>{form.N9, form.N10, form.N11}));
    EXPECT_EQ(form.TEditorForm_::SaveDialog1Filter,
              QStringLiteral("关卡文档(*.xsb;*.txt)|*.xsb;*.txt"));
}

TEST_F(EditorFormTest, RightClickMenus) {
    const auto rightClick = [](QWidget* widget) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                widget->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(widget, &event);
    };
    rightClick(form.sb_Xsb_OK);
    EXPECT_TRUE(form.PopupMenu3->isVisible());
    form.PopupMenu3->close();
    rightClick(form.sb_Clear);
    EXPECT_TRUE(form.PopupMenu4->isVisible());
    form.PopupMenu4->close();
    rightClick(Viewport());
    EXPECT_TRUE(form.PopupMenu1->isVisible()); // browse mode: shifts and reference pictures
    form.PopupMenu1->close();
    PickTool(form.img_Wall);
    rightClick(Viewport());
    EXPECT_FALSE(form.PopupMenu1->isVisible());
    EXPECT_FALSE(form.PopupMenu2->isVisible()); // empty: the right button only erases
    form.bt_LeftBar->click();
    rightClick(Viewport());
    EXPECT_TRUE(form.PopupMenu4->isVisible());
    form.PopupMenu4->close();
}

TEST_F(EditorFormTest, NeverSmallerThanItsMinimum) {
    form.resize(600, 400);
    EXPECT_EQ(form.size(), QSize(800, 560));
    form.resize(1000, 700);
    EXPECT_EQ(form.size(), QSize(1000, 700));
}

TEST_F(EditorFormTest, AMessageStaysWhenTheMouseLeavesAButton) {
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(form.sb_Save, &enter);
    form.sb_Save->click();
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(form.sb_Save, &leave);
    EXPECT_EQ(form.StatusText(StatusPanel::Message), QStringLiteral("XSB 已复制到剪切板！"));
}

TEST_F(EditorFormTest, PickingAToolTurnsItsPanelRedAndSetsTheCursor) {
    const struct {
        QLabel* image;
        QFrame* panel;
        EditTool tool;
    } tools[] = {
        {form.img_Wall, form.pl_Wall, EditTool::WallTool},
        {form.img_Box, form.pl_Box, EditTool::BoxTool},
        {form.img_Goal, form.pl_Goal, EditTool::GoalTool},
        {form.img_Floor, form.pl_Floor, EditTool::FloorTool},
        {form.img_Player, form.pl_Player, EditTool::PlayerTool},
        {form.img_Select, form.pl_Select, EditTool::SelectTool},
    };
    for (const auto& picked : tools) {
        PickTool(picked.image);
        EXPECT_EQ(Doc().Tool, picked.tool);
        for (const auto& other : tools) {
            EXPECT_EQ(PanelColour(other.panel), other.panel == picked.panel ? Red : Inactive);
        }
        const bool browsing = picked.tool == EditTool::SelectTool;
        EXPECT_EQ(Viewport()->cursor().shape(), browsing ? Qt::ArrowCursor : Qt::BitmapCursor);
        EXPECT_EQ(Grid().PopupMenu(), browsing ? form.PopupMenu1 : form.PopupMenu2);
    }
}

TEST_F(EditorFormTest, ToolCursorsShowTheirTiles) {
    PickTool(form.img_Wall);
    const QImage wall = Viewport()->cursor().pixmap().toImage();
    PickTool(form.img_Box);
    const QImage box = Viewport()->cursor().pixmap().toImage();
    EXPECT_EQ(Viewport()->cursor().hotSpot(), QPoint(0, 0));
    EXPECT_EQ(wall.pixelColor(22, 24), test::TileColours[Wall]);
    EXPECT_EQ(box.pixelColor(22, 24), test::TileColours[Box]);
}

TEST_F(EditorFormTest, ADragStrokeIsUndoneInOneStep) {
    PickTool(form.img_Wall);
    Press(2, 2);
    MoveTo(2, 3);
    MoveTo(3, 3);
    Release(3, 3);
    EXPECT_EQ(test::RowsOf(Doc().board, 4, 5),
              (std::vector<std::string>{"-----", "-----", "--##-", "---#-"}));
    EXPECT_FALSE(Doc().Saved);
    EXPECT_EQ(Doc().UndoStack.size(), 1u);
    PickTool(form.img_Box);
    Click(0, 0);
    Click(1, 1);
    EXPECT_EQ(form.StatusText(StatusPanel::Boxes), QStringLiteral("2"));
    Key(Qt::Key_Z, Qt::ControlModifier);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form.StatusText(StatusPanel::Boxes), QStringLiteral("0"));
    form.sb_UnDo->click();
    EXPECT_EQ(Doc().board, Board{});
    form.sb_ReDo->click();
    EXPECT_EQ(Doc().board.At(2, 2), Wall);
    EXPECT_EQ(Doc().board.At(3, 3), Wall);
}

TEST_F(EditorFormTest, RightButtonErasesWithDrawingToolsOnly) {
    Doc().board = test::BoardFromRows({"$*#"});
    PickTool(form.img_Wall);
    Press(0, 0, Qt::RightButton);
    MoveTo(0, 1);
    Release(0, 1);
    EXPECT_EQ(test::RowsOf(Doc().board, 1, 3), (std::vector<std::string>{"-.#"}));
    PickTool(form.img_Select);
    Click(0, 2, Qt::RightButton);
    EXPECT_EQ(Doc().board.At(0, 2), Wall);
}

TEST_F(EditorFormTest, ModeSwitchHidesTheToolBarAndPlacesBoxes) {
    PickTool(form.img_Wall);
    form.bt_LeftBar->click();
    EXPECT_EQ(Doc().Tool, EditTool::BoxPlacement);
    EXPECT_FALSE(form.Panel3->isVisible());
    EXPECT_EQ(form.bt_LeftBar->text(), QStringLiteral(">"));
    EXPECT_EQ(Grid().PopupMenu(), form.PopupMenu4);
    EXPECT_EQ(Viewport()->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(PanelColour(form.pl_Wall), Red); // the tool bar is left as it was
    Click(4, 4);
    EXPECT_EQ(Doc().board.At(4, 4), Box);
    EXPECT_TRUE(Doc().Saved); // placing boxes is not an edit
    Key(Qt::Key_H);
    EXPECT_EQ(Doc().Tool, EditTool::SelectTool);
    EXPECT_TRUE(form.Panel3->isVisible());
    EXPECT_EQ(form.bt_LeftBar->text(), QStringLiteral("<"));
    EXPECT_EQ(PanelColour(form.pl_Select), Red);
    EXPECT_EQ(Grid().PopupMenu(), form.PopupMenu1);
}

TEST_F(EditorFormTest, KeyDownRows) {
    std::vector<QWidget*> opened;
    const auto close = [&](QWidget* dialog) {
        opened.push_back(dialog);
        dialog->close();
    };
    test::WhenModalShown(close);
    Key(Qt::Key_F1);
    test::WhenModalShown(close);
    Key(Qt::Key_F2);
    EXPECT_EQ(opened, (std::vector<QWidget*>{help, skinChooser}));
    Doc().board = test::BoardFromRows({"#####", "#@$.#", "#####"});
    Key(Qt::Key_F5);
    Key(Qt::Key_F6);
    EXPECT_EQ(trialModes, (std::vector<PlayMode>{PlayMode::Forward, PlayMode::Forward}));
    // Ctrl+arrows shift the board and do not move the grid's focus.
    Doc().board = Board{};
    Doc().board.Set(50, 50, Wall);
    Grid().SetFocusCell(10, 10);
    const struct {
        Qt::Key key;
        int row;
        int col;
    } shifts[] = {{Qt::Key_Right, 50, 51},
                  {Qt::Key_Down, 51, 51},
                  {Qt::Key_Left, 51, 50},
                  {Qt::Key_Up, 50, 50}};
    for (const auto& shift : shifts) {
        Key(shift.key, Qt::ControlModifier);
        EXPECT_EQ(Doc().board.At(shift.row, shift.col), Wall) << shift.key;
        EXPECT_EQ(Grid().Row(), 10);
        EXPECT_EQ(Grid().Col(), 10);
    }
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(Doc().UndoStack.size(), 4u);
}

TEST_F(EditorFormTest, KeyPressRowsZoom) {
    for (int i = 0; i < 4; ++i) {
        KeyChar('-');
    }
    EXPECT_EQ(Grid().CellSize(), 52);
    for (int i = 0; i < 20; ++i) {
        KeyChar('-');
    }
    EXPECT_EQ(Grid().CellSize(), 20);
    KeyChar('+');
    EXPECT_EQ(Grid().CellSize(), 22);
    KeyChar('*');
    EXPECT_EQ(Grid().CellSize(), 60);
    KeyChar('+');
    EXPECT_EQ(Grid().CellSize(), 60);
    KeyChar('-');
    Key(Qt::Key_Escape);
    EXPECT_EQ(Grid().CellSize(), 60);
}

TEST_F(EditorFormTest, KeyUpRows) {
    Doc().board = test::BoardFromRows({"#####", "#@$.#", "#####"});
    Doc().MarkModified();
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(),
              QStringLiteral("\n#####\n#@$.#\n#####\nTitle: \nAuthor: "));
    EXPECT_TRUE(Doc().Saved);
    Key(Qt::Key_G);
    EXPECT_TRUE(form.N6->isChecked());
    Key(Qt::Key_T);
    EXPECT_TRUE(form.N7->isChecked());
    Key(Qt::Key_G, Qt::ControlModifier);
    EXPECT_FALSE(form.N6->isChecked());
    Key(Qt::Key_H);
    EXPECT_EQ(Doc().Tool, EditTool::BoxPlacement);
    Key(Qt::Key_H);
    EXPECT_EQ(Doc().Tool, EditTool::SelectTool);
    Key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(platform.Files.Filters, QStringList{TEditorForm_::SaveDialog1Filter});
    Key(Qt::Key_S); // without Ctrl nothing
    EXPECT_EQ(platform.Files.Filters.size(), 1);

    QApplication::clipboard()->setText(QStringLiteral("####\n#@.#\n####"));
    platform.Messages.Answer({MessageAnswer::Ok});
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Doc().board.At(1, 2), Goal);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Doc().board.At(1, 2), Box);
    Key(Qt::Key_Z, Qt::ShiftModifier);
    EXPECT_EQ(Doc().board.At(1, 2), Goal);
    Key(Qt::Key_Z, Qt::ControlModifier);
    Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); // Shift wins: redo
    EXPECT_EQ(Doc().board.At(1, 2), Goal);
    Key(Qt::Key_Z);
    EXPECT_EQ(Doc().board.At(1, 2), Goal);
}

} // namespace
} // namespace lodrin
