// The real trial window, offscreen: its controls, opening, every key row, the
// mouse on the board, the wheel, turning, fitting the view and following the skin.

#include "TrialFormFixture.h"
#include "board/LevelText.h"
#include "platform/SystemColours.h"
#include "support/TempDir.h"

#include <QFrame>

namespace lodrin {
namespace {

using Rows = std::vector<std::string>;

class TrialFormTest : public test::TrialFormFixture {};

// The keeper, a box to push right and a goal at the end of the corridor.
const Rows Corridor = {"########", "#@ $  .#", "#      #", "########"};

QColor Background(const QWidget* widget) {
    return widget->palette().color(QPalette::Window);
}

TEST_F(TrialFormTest, ControlsOfTheToolBarAndTheStatusBar) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("正推演练场"));
    EXPECT_EQ(form->pl_Tools->height(), 30);
    EXPECT_EQ(Background(form->pl_Tools), InactiveCaptionColour());
    EXPECT_EQ(Background(form->pl_Ground), InactiveCaptionTextColour());
    EXPECT_EQ(Background(form->pnl_Trun), ActiveCaptionColour());
    EXPECT_EQ(form->pnl_Trun->text(), QStringLiteral("0转"));
    EXPECT_EQ(form->pnl_Trun->size(), QSize(41, 23));
    EXPECT_EQ(form->pnl_Trun->toolTip(), QStringLiteral("旋转关卡【*、/、左右鼠标键】"));
    EXPECT_EQ(form->pnl_Trun->font().pixelSize(), 12);
    struct ButtonRow {
        QToolButton* Button;
        QString Caption;
        QString Hint;
        QSize Size;
    };
    const ButtonRow buttons[] = {
        {form->bt_Exit, QStringLiteral("返回"), QStringLiteral("返回编辑【Ctrl + Q】"), {40, 22}},
        {form->bt_GoThrough, QStringLiteral("穿越"), QStringLiteral("穿越开关【G】"), {36, 22}},
        {form->bt_OddEven, QStringLiteral("奇偶"), QStringLiteral("奇偶格位【E】"), {36, 22}},
        {form->bt_UnDo, {}, QStringLiteral("撤销【Z/退格键/滚轮】"), {33, 22}},
        {form->bt_ReDo, {}, QStringLiteral("重做【X/空格键/回车键/滚轮】"), {33, 22}},
        {form->bt_Save,
         QStringLiteral("导出（XSB + Lurd）"),
         QStringLiteral("导出演练场的 XSB + Lurd【Ctrl + C】"),
         {119, 22}},
    };
    for (const ButtonRow& row : buttons) {
        EXPECT_EQ(row.Button->text(), row.Caption);
        EXPECT_EQ(row.Button->toolTip(), row.Hint);
        EXPECT_EQ(row.Button->size(), row.Size) << row.Hint.toStdString();
        EXPECT_EQ(row.Button->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_EQ(row.Button->focusPolicy(), Qt::NoFocus) << "keys reach the window";
    }
    EXPECT_FALSE(form->bt_UnDo->icon().isNull());
    EXPECT_FALSE(form->bt_ReDo->icon().isNull());
    // Left to right: exit, go-through, odd/even, undo, redo, the turn, export.
    const QWidget* order[] = {form->bt_Exit, form->bt_GoThrough, form->bt_OddEven, form->bt_UnDo,
                              form->bt_ReDo, form->pnl_Trun,     form->bt_Save};
    form->show();
    QApplication::processEvents();
    for (std::size_t i = 1; i < std::size(order); ++i) {
        EXPECT_LT(order[i - 1]->geometry().right(), order[i]->geometry().left()) << i;
    }
    const QString texts[] = {QStringLiteral("移动"), QStringLiteral("0"), QStringLiteral("推动"),
                             QStringLiteral("0"), QStringLiteral("箱子数")};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(Panel(i), texts[i]);
    }
    const int widths[] = {32, 80, 32, 80, 50, 80, 4};
    const auto panels = form->StatusBar1->findChildren<QLabel*>();
    ASSERT_EQ(panels.size(), 8);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(panels[i]->width(), widths[i]) << "panel " << i;
    }
    EXPECT_EQ(panels[0]->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(panels[1]->frameShape(), QFrame::Panel);
    EXPECT_EQ(panels[0]->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(panels[1]->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(panels[7]->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
}

TEST_F(TrialFormTest, CreationLoadsTheBuiltInSkin) {
    EXPECT_EQ(skin.Tiles().TileSize, 60);
    EXPECT_FALSE(skin.Tiles().Seamless);
    EXPECT_EQ(skin.Tiles().Tile(SkinTile::Box), skin.Strip().Tile(Box));
    EXPECT_EQ(skin.Tiles().GridColour, InactiveCaptionTextColour());
}

TEST_F(TrialFormTest, OpeningShowsTheBoardFittedInAWindowCentredOnTheEditor) {
    Open(Corridor, PlayMode::Reverse);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->isModal());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("逆推演炼场"));
    EXPECT_EQ(Panel(5), QStringLiteral("1"));
    EXPECT_EQ(form->size(), QSize(800, 600));
    const QPoint offCentre = form->frameGeometry().center() - owner.frameGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 4) << "within the window frame's margins";
    // 8 x 4 squares of 60 pixels in the middle of the ground panel.
    EXPECT_EQ(Field().CellSize(), 60);
    const QRect ground = form->pl_Ground->rect();
    EXPECT_EQ(form->map_Image->geometry(),
              QRect((ground.width() - 480) / 2, (ground.height() - 240) / 2, 480, 240));
    EXPECT_EQ(form->Picture().size(), QSize(480, 240));
    EXPECT_EQ(form->map_Image->Picture(), &form->Picture());
    EXPECT_EQ(PictureAt(0, 0), skin.Tiles().Tile(SkinTile::Wall).pixelColor(3, 3));
}

TEST_F(TrialFormTest, ArrowsMoveAndCtrlArrowsPushOrPull) {
    Open(Corridor);
    Key(Qt::Key_Right);
    Key(Qt::Key_Right, Qt::ControlModifier); // forward: a push whatever the case
    Key(Qt::Key_Down);
    Key(Qt::Key_Left, Qt::ControlModifier); // no box ahead: a step
    EXPECT_EQ(Record(), "rRdl");
    EXPECT_EQ(Panel(1), QStringLiteral("4"));
    EXPECT_EQ(Panel(3), QStringLiteral("1"));
    Key(Qt::Key_Up);
    EXPECT_EQ(Record(), "rRdlu");
    Key(Qt::Key_Up);
    EXPECT_EQ(Panel(7), QStringLiteral("遇到了错误的动作符号！- u"));

    Open({"########", "#  $@  #", "########"}, PlayMode::Reverse);
    Key(Qt::Key_Right, Qt::ControlModifier); // reverse: a pull
    Key(Qt::Key_Right);                      // a step, never a pull
    EXPECT_EQ(Record(), "Rr");
    EXPECT_EQ(Play().TrialCells()[1 * 8 + 4], TrialCode::Box);
    Key(Qt::Key_Left, Qt::ControlModifier); // nothing behind the keeper to pull
    EXPECT_EQ(Panel(7), QStringLiteral("遇到了错误的动作符号！- L"));
    EXPECT_EQ(test::RowsOf(level, 3, 8), (Rows{"########", "#--$@--#", "########"}))
        << "the editor's level is never changed";
}

TEST_F(TrialFormTest, UndoAndRedoKeys) {
    Open({"########", "#@ $   #", "#      #", "#      #", "########"});
    QApplication::clipboard()->setText(QStringLiteral("rRRdd"));
    Key(Qt::Key_L, Qt::ControlModifier);
    ASSERT_EQ(Record(), "rRRdd");
    struct KeyRow {
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        const char* Record;
        const char* Message;
    };
    const KeyRow rows[] = {
        {Qt::Key_A, Qt::NoModifier, "rRRd", ""},       // one move
        {Qt::Key_S, Qt::ControlModifier, "rRRdd", ""}, // one move
        {Qt::Key_Z, Qt::NoModifier, "r", ""},          // back over the box's pushes
        {Qt::Key_X, Qt::NoModifier, "rRR", ""},        // on to the box's last push
        {Qt::Key_Backspace, Qt::NoModifier, "r", ""},  // as Z
        {Qt::Key_Space, Qt::ShiftModifier, "r", ""},   // Space only without modifiers
        {Qt::Key_Space, Qt::NoModifier, "rRR", ""},    // as X
        {Qt::Key_Home, Qt::NoModifier, "", "已至首！"},
        {Qt::Key_Return, Qt::NoModifier, "rRR", ""},      // as X
        {Qt::Key_Enter, Qt::KeypadModifier, "rRRdd", ""}, // walks only: all of them
        {Qt::Key_End, Qt::NoModifier, "rRRdd", "已至尾！"},
        {Qt::Key_Escape, Qt::NoModifier, "", "已至首！"},
    };
    for (const KeyRow& row : rows) {
        Key(row.Key, row.Modifiers);
        EXPECT_EQ(Record(), row.Record) << row.Key;
        EXPECT_EQ(Panel(7), QString::fromUtf8(row.Message)) << row.Key;
    }
}

TEST_F(TrialFormTest, ClipboardKeys) {
    node.Title = "Corridor";
    Open(Corridor);
    QApplication::clipboard()->clear();
    Key(Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(Play().MoveCount(), 0) << "no text: nothing";
    Key(Qt::Key_M, Qt::ControlModifier);
    EXPECT_TRUE(ClipboardText().isEmpty()) << "no moves: the clipboard is untouched";
    QApplication::clipboard()->setText(QStringLiteral("rr, RR [5, 2] ll"));
    Key(Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(Record(), "rRRR") << "the moves before the position, played at once";
    QApplication::clipboard()->clear();
    Key(Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(ClipboardText(), QStringLiteral("rRRR"));
    EXPECT_EQ(Panel(7), QStringLiteral("动作 Lurd 送入剪切板！"));
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(ClipboardText().toStdString(), MakeLevelText(level, node) + "\nrRRR\n");
    EXPECT_EQ(Panel(7), QStringLiteral("XSB + Lurd 已送入剪切板！"));
    Key(Qt::Key_C);
    Key(Qt::Key_Q);
    EXPECT_TRUE(form->isVisible()) << "C and Q need Ctrl";
    Key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(TrialFormTest, ReverseExportStatesTheKeeperAfterTheLevel) {
    node.Title = "t";
    Open({"", "  #######", "  #@ $  #", "  #######"}, PlayMode::Reverse);
    Key(Qt::Key_Right);
    form->bt_SaveClick();
    EXPECT_EQ(ClipboardText().toStdString(),
              "\n; SXB 为关卡逆推初态\n" + MakeLevelText(level, node) + "[3, 2]\nr\n");
}

TEST_F(TrialFormTest, GoThroughKeyAndButtonAndTheirLook) {
    Open({"#######", "#@$   #", "##   ##", "#######"});
    EXPECT_TRUE(form->bt_GoThrough->isChecked());
    EXPECT_TRUE(form->bt_GoThrough->font().bold());
    EXPECT_EQ(form->bt_GoThrough->palette().color(QPalette::ButtonText), QColor(Qt::black));
    Key(Qt::Key_G);
    EXPECT_FALSE(Field().GoThrough());
    EXPECT_FALSE(form->bt_GoThrough->isChecked());
    EXPECT_FALSE(form->bt_GoThrough->font().bold());
    EXPECT_EQ(form->bt_GoThrough->palette().color(QPalette::ButtonText), QColor(128, 128, 128));
    Click(1, 5);
    EXPECT_EQ(Play().MoveCount(), 0) << "the box blocks the way";
    form->bt_GoThrough->click();
    EXPECT_TRUE(Field().GoThrough());
    EXPECT_TRUE(form->bt_GoThrough->isChecked());
    Click(1, 5);
    EXPECT_EQ(Record(), "RdrruLrr");
}

TEST_F(TrialFormTest, TurnKeysOnBothKeyboardsAndThePanel) {
    Open(Corridor);
    for (int i = 1; i <= 8; ++i) {
        Key(Qt::Key_Slash, i % 2 == 0 ? Qt::KeypadModifier : Qt::NoModifier);
        EXPECT_EQ(Field().Turn(), i % 8);
    }
    EXPECT_EQ(form->pnl_Trun->text(), QStringLiteral("0转"));
    EXPECT_EQ(Panel(7), QString::fromUtf8(TurnStatusText(0).data()));
    QTest::mouseClick(form->pnl_Trun, Qt::RightButton);
    EXPECT_EQ(form->pnl_Trun->text(), QStringLiteral("7转"));
    EXPECT_EQ(Panel(7), QString::fromUtf8(TurnStatusText(7).data()));
    QTest::mouseClick(form->pnl_Trun, Qt::LeftButton);
    QTest::mouseClick(form->pnl_Trun, Qt::LeftButton);
    QTest::mouseClick(form->pnl_Trun, Qt::MiddleButton);
    EXPECT_EQ(Field().Turn(), 1);
    const struct {
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
    } resets[] = {{Qt::Key_8, Qt::NoModifier},
                  {Qt::Key_Asterisk, Qt::KeypadModifier},
                  {Qt::Key_Asterisk, Qt::ShiftModifier}};
    for (const auto& reset : resets) {
        Key(Qt::Key_Slash);
        ASSERT_NE(Field().Turn(), 0);
        Key(reset.Key, reset.Modifiers);
        EXPECT_EQ(Field().Turn(), 0) << reset.Key;
    }
    Key(Qt::Key_Slash);
    Key(Qt::Key_8, Qt::KeypadModifier);
    EXPECT_EQ(Field().Turn(), 1) << "the 8 of the numeric pad is no turn key";
}

TEST_F(TrialFormTest, UnderTurnOneTheKeysAndClicksAreTurned) {
    Open({"#####", "#@  #", "#  $#", "#   #", "#####"});
    QTest::mouseClick(form->pnl_Trun, Qt::LeftButton);
    ASSERT_EQ(Field().Turn(), 1);
    // Shown 5 columns wide and 5 high, the board's rows now run right to left.
    Key(Qt::Key_Left);
    EXPECT_EQ(Record(), "d") << "Left plays d";
    Key(Qt::Key_Right);
    // The square at view (0, 0) shows board cell (TrialRows - 1, 0).
    EXPECT_EQ(Field().CellAt({0, 0}), 4 * 5 + 0);
    QTest::mouseClick(form->map_Image, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    EXPECT_FALSE(Field().MarksShown()) << "a wall";
    Click(2, 3); // the box, wherever it is shown
    EXPECT_TRUE(Field().BoxSelected());
    EXPECT_EQ(Field().SelectedBox(), 2 * 5 + 3);
}

TEST_F(TrialFormTest, MouseOnTheBoard) {
    Open({"#######", "#$    #", "#  $@ #", "#   . #", "#######"});
    const QColor floor = PictureAt(3, 3, 30, 30);
    Click(2, 4); // the keeper: its reach
    EXPECT_TRUE(Field().ShowKeeperReach());
    EXPECT_EQ(form->map_Image->cursor().shape(), Qt::DragMoveCursor);
    EXPECT_NE(PictureAt(3, 3, 30, 30), floor) << "a mark in the middle of a reached square";
    Click(2, 4);
    EXPECT_FALSE(Field().ShowKeeperReach());
    EXPECT_EQ(form->map_Image->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(PictureAt(3, 3, 30, 30), floor);

    Click(2, 3); // a box: its reach
    EXPECT_TRUE(Field().BoxSelected());
    EXPECT_NE(PictureAt(3, 2, 30, 30), floor);
    Click(2, 1); // a marked square: the box goes there
    EXPECT_EQ(Record(), "LL");
    EXPECT_FALSE(Field().BoxSelected());
    EXPECT_EQ(form->map_Image->cursor().shape(), Qt::ArrowCursor);
    Click(1, 1); // the box in the corner: only its own square
    Click(3, 3); // not marked: only deselects
    EXPECT_FALSE(Field().BoxSelected());
    EXPECT_EQ(Record(), "LL");
    Click(1, 1);
    Click(3, 3, Qt::RightButton);
    EXPECT_TRUE(Field().BoxSelected()) << "the right button only redraws";
    Key(Qt::Key_Escape);
    EXPECT_FALSE(Field().BoxSelected()) << "a move drops the selection";
}

TEST_F(TrialFormTest, AClickOnAnUnreachableSquareChangesNothing) {
    Open({"#######", "#@ # .#", "#  #  #", "#######"});
    const QImage before = form->Picture();
    Click(1, 5);
    EXPECT_EQ(Play().MoveCount(), 0);
    EXPECT_EQ(form->Picture(), before);
    EXPECT_EQ(Panel(1), QStringLiteral("0"));
}

TEST_F(TrialFormTest, ReverseWithoutAKeeperDoesNothingOnClicks) {
    // A level the editor would refuse, handed over directly.
    TrialBoard board;
    board.Rows = 3;
    board.Cols = 5;
    const Rows rows = {"#####", "# $ #", "#####"};
    for (int p = 0; p < 15; ++p) {
        board.Cells[static_cast<std::size_t>(p)] =
            rows[static_cast<std::size_t>(p / 5)][static_cast<std::size_t>(p % 5)] == '#'
                ? TrialCode::Wall
            : rows[static_cast<std::size_t>(p / 5)][static_cast<std::size_t>(p % 5)] == '$'
                ? TrialCode::Box
                : TrialCode::Floor;
    }
    form->ShowTrial(board, PlayMode::Reverse);
    Click(1, 2);
    Click(1, 1);
    EXPECT_FALSE(Field().MarksShown());
    Key(Qt::Key_Right);
    EXPECT_EQ(Panel(7), QStringLiteral("人的位置异常！- [0, 1]"));
}

TEST_F(TrialFormTest, OddEvenWhileEOrTheButtonIsHeld) {
    // The built-in skin: a plain floor with grid lines.
    Open({"######", "#@   #", "#    #", "######"});
    const QColor grid = skin.Tiles().GridColour;
    const QColor even = PictureAt(1, 3);
    const QColor odd = PictureAt(1, 2, 10, 10);
    EXPECT_EQ(PictureAt(1, 2, 0, 0), grid) << "grid line at the corner";
    Press(Qt::Key_E);
    EXPECT_TRUE(Field().OddEven());
    EXPECT_NE(PictureAt(1, 2, 0, 0), grid) << "no grid lines";
    EXPECT_EQ(PictureAt(1, 2, 10, 10).red(), odd.red() - 10) << "odd squares darkened";
    EXPECT_EQ(PictureAt(1, 3), even) << "even squares as they were";
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_E, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(form, &repeat);
    EXPECT_TRUE(Field().OddEven()) << "a repeating key comes up only when let go";
    Release(Qt::Key_E);
    EXPECT_FALSE(Field().OddEven());
    EXPECT_EQ(PictureAt(1, 2, 0, 0), grid);
    QTest::mousePress(form->bt_OddEven, Qt::LeftButton);
    EXPECT_TRUE(Field().OddEven());
    QTest::mouseRelease(form->bt_OddEven, Qt::LeftButton);
    EXPECT_FALSE(Field().OddEven());
}

TEST_F(TrialFormTest, TheWheelStepsAndPausesThroughTheClock) {
    Open(Corridor);
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    Key(Qt::Key_Down);
    ASSERT_EQ(Record(), "rRd");
    Wheel(false);
    EXPECT_EQ(Record(), "r") << "the walk after the push and the push";
    Wheel(false);
    EXPECT_EQ(Record(), "");
    Wheel(true);
    EXPECT_EQ(Record(), "rR") << "on to the box's push";
    EXPECT_EQ(platform.Clock.Pauses, (std::vector<int>{10, 10, 10}));
    form->bt_UnDo->click();
    EXPECT_EQ(Record(), "r");
    form->bt_ReDo->click();
    EXPECT_EQ(Record(), "rR");
}

TEST_F(TrialFormTest, SquaresFitTheWindowBetweenTenPixelsAndTheTileSize) {
    const std::string wall(100, '#');
    Open({wall, "#@" + std::string(97, ' ') + "#", wall});
    ASSERT_EQ(Play().TrialCols(), 100);
    EXPECT_EQ(Field().CellSize(), 10) << "800 / 100 would be 8";
    EXPECT_EQ(form->map_Image->width(), 1000);
    EXPECT_EQ(form->map_Image->x(), (form->pl_Ground->width() - 1000) / 2) << "beyond the edges";
    Open({"##########", "#@       #", "#        #", "##########"});
    const test::TempDir dir;
    QImage forty(160, 80, QImage::Format_RGB32);
    forty.fill(QColor(10, 100, 10));
    const std::string path = dir.Folder() + "forty.bmp";
    ASSERT_TRUE(forty.save(QString::fromStdString(path)));
    ASSERT_TRUE(skin.LoadFile(path));
    form->resize(1200, 900);
    QApplication::processEvents();
    EXPECT_EQ(Field().CellSize(), 40) << "never larger than the tiles";
    EXPECT_EQ(PictureAt(1, 2), QColor(10, 100, 10)) << "the new skin is drawn";
}

TEST_F(TrialFormTest, ReopeningKeepsTheViewSettingsAndStartsANewPlay) {
    Open(Corridor);
    Key(Qt::Key_G);
    Key(Qt::Key_Slash);
    Key(Qt::Key_Right);
    Click(1, 2);
    const int cell = Field().CellSize();
    form->bt_ExitClick();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(Field().MarksShown());
    Open(Corridor, PlayMode::Reverse);
    EXPECT_FALSE(Field().GoThrough());
    EXPECT_FALSE(form->bt_GoThrough->isChecked());
    EXPECT_EQ(Field().Turn(), 1);
    EXPECT_EQ(form->pnl_Trun->text(), QStringLiteral("1转"));
    EXPECT_EQ(Field().CellSize(), cell);
    EXPECT_EQ(Play().MoveCount(), 0);
    EXPECT_EQ(Panel(1), QStringLiteral("0"));
    EXPECT_EQ(Field().Mode(), PlayMode::Reverse);
}

TEST_F(TrialFormTest, AHandOverWhileOpenStartsANewPlay) {
    Open(Corridor);
    Key(Qt::Key_Right);
    ASSERT_EQ(Play().MoveCount(), 1);
    Open({"#####", "#@ .#", "#####"});
    EXPECT_EQ(Play().MoveCount(), 0);
    EXPECT_TRUE(Play().MoveRecord().empty());
    EXPECT_EQ(Panel(1), QStringLiteral("0"));
    EXPECT_EQ(form->Picture().width(), 5 * Field().CellSize());
}

TEST_F(TrialFormTest, TheExitButtonShowsItsHintAndCloses) {
    Open(Corridor);
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), form->bt_Exit->mapToGlobal(QPointF(5, 5)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(form->bt_Exit, &move);
    EXPECT_EQ(Panel(7), QStringLiteral("返回编辑【Ctrl + Q】"));
    form->bt_Exit->click();
    EXPECT_FALSE(form->isVisible());
}

} // namespace
} // namespace lodrin
