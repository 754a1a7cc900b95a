// The recognition window driven by mouse, key and wheel events: frame adjustment, the wheel,
// the keys, hiding, the display, opening and capturing pictures, and closing.

#include "RecogFormFixture.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QScrollBar>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

#include <fstream>
#include <functional>

namespace lodrin {
namespace {

using test::RecogFormFixture;

// A level of 5 x 7 cells of 30 pixels from (15, 12), framed exactly.
class RecogLevelFixture : public RecogFormFixture {
protected:
    const std::vector<std::string> rows = {"#######", "#-.$--#", "#-$*.-#", "#--@--#", "#######"};

    void SetUp() override {
        OpenPicture(test::PaintLevel(rows, 30, 15, 12, 420, 300));
        recog.Frame.SetValue(FrameBox::Right, 15 + 7 * 30 - 1);
        recog.Frame.SetValue(FrameBox::Bottom, 12 + 5 * 30 - 1);
        recog.Frame.SetValue(FrameBox::Left, 15);
        recog.Frame.SetValue(FrameBox::Top, 12);
        recog.Frame.SetValue(FrameBox::RowHeight, 30);
        recog.Frame.SetValue(FrameBox::ColWidth, 30);
        form->myDraw();
    }
    QPoint Centre(int row, int col) const { return {15 + 30 * col + 15, 12 + 30 * row + 15}; }
    char At(int row, int col) const { return recog.Results.RecogMap.At(row, col); }
};

TEST_F(RecogFormFixture, CreatedWithItsCaptionSizeAndControls) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("关卡截图识别"));
    EXPECT_EQ(form->size(), QSize(1251, 784));
    EXPECT_FALSE(form->Image1->isVisible()); // no picture yet
    EXPECT_EQ(form->Panel1->palette().color(QPalette::Window), QColor(191, 205, 219));
    EXPECT_EQ(form->pl_Select->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(form->pl_Wall->palette().color(QPalette::Window), QColor(191, 205, 219));
    EXPECT_EQ(form->sb_Screen->toolTip(), QStringLiteral("截取屏幕图像【Ctrl + K】"));
    EXPECT_EQ(form->Label7->text(), QStringLiteral("相似度: 60%"));
    EXPECT_EQ(form->TrackBar2->minimum(), 30);
    EXPECT_EQ(form->TrackBar2->maximum(), 99);
    EXPECT_EQ(form->TrackBar2->cursor().shape(), Qt::SplitHCursor);
    EXPECT_EQ(form->img_Goal->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(form->CheckBox1->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(form->CheckBox4->isChecked());
    EXPECT_TRUE(form->CheckBox5->isChecked());
    EXPECT_EQ(Status(RecogPanel::RowsCaption), QStringLiteral("行数"));
    EXPECT_EQ(Status(RecogPanel::GoalsCaption), QStringLiteral("目标数"));
    EXPECT_EQ(Status(RecogPanel::Message),
              QString::fromUtf8(ToolLook(RecogTool::ToolFrame).Message));
    // Before the first picture the mouse, the wheel, the zoom, copy and clear do nothing.
    Click({10, 10});
    form->sb_ScaleClick();
    form->sb_ClearClick();
    Key(Qt::Key_L);
    EXPECT_FALSE(recog.HasPicture());
    EXPECT_EQ(recog.ZoomFactor(), 1);
    EXPECT_TRUE(platform.Messages.Shown.empty());
}

TEST_F(RecogFormFixture, SecondLeftReleaseWithin300MsSetsTheTopLeftCorner) {
    for (const auto& [gap, moves] : {std::pair{299, true}, std::pair{300, false}}) {
        OpenPlainPicture();
        platform.Clock.Advance(1000);
        Press({200, 150});
        Release({200, 150});
        platform.Clock.Advance(gap);
        Press({300, 250});
        Release({300, 250});
        EXPECT_EQ(Frame().Left(), moves ? 300 : 50) << gap;
        EXPECT_EQ(Frame().Top(), moves ? 250 : 50) << gap;
    }
}

TEST_F(RecogFormFixture, RightClickSetsTheBottomRightCornerOrErasesACell) {
    OpenPlainPicture();
    Click({400, 300}, Qt::RightButton);
    EXPECT_EQ(Frame().Right(), 400);
    EXPECT_EQ(Frame().Bottom(), 300);
    EXPECT_EQ(form->Map_Right->value(), 400);
    EXPECT_EQ(Status(RecogPanel::Cols), QStringLiteral("8"));
    recog.Results.RecogMap.At(1, 1) = '#';
    form->ToolClick(RecogTool::ToolGoal);
    Click({125, 125}, Qt::RightButton);
    EXPECT_EQ(recog.Results.RecogMap.At(1, 1), '-');
    EXPECT_EQ(Frame().Right(), 400);
}

TEST_F(RecogFormFixture, DraggingTheLeftBorderPastTheRightOneSwapsAtEveryStep) {
    OpenPlainPicture();
    Press({52, 300});
    EXPECT_EQ(Window().DragZone, FrameZone::ZoneLeft);
    Move({300, 300});
    EXPECT_EQ(Status(RecogPanel::Message), QStringLiteral("拖动调整【左边界】"));
    EXPECT_EQ(Frame().Left(), 300);
    Move({760, 300});
    EXPECT_EQ(Frame().Left(), 750);
    EXPECT_EQ(Frame().Right(), 760);
    Move({770, 300});
    EXPECT_EQ(Frame().Left(), 760);
    EXPECT_EQ(Frame().Right(), 770);
    platform.Clock.Advance(1000);
    Release({770, 300});
    Move({780, 300});
    EXPECT_EQ(Frame().Right(), 770); // released: the drag is over
}

TEST_F(RecogFormFixture, ShiftStopsADragAndAReleaseWithShiftDoesNothing) {
    OpenPlainPicture();
    platform.Clock.Advance(1000);
    Press({50, 300});
    Move({100, 300});
    EXPECT_EQ(Frame().Left(), 100);
    KeyDown(Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_TRUE(Window().ShiftHeld);
    Move({150, 300}, Qt::ShiftModifier);
    EXPECT_EQ(Frame().Left(), 100);
    const std::int64_t lastRelease = Window().LastReleaseTime;
    Release({150, 300}, Qt::RightButton, Qt::ShiftModifier);
    EXPECT_EQ(Frame().Right(), 750);
    EXPECT_EQ(Window().LastReleaseTime, lastRelease);
    KeyUp(Qt::Key_Shift);
    EXPECT_FALSE(Window().ShiftHeld);
}

// Over a hot zone a turn away from the user moves the line back; over the value box it adds
// one. The "/m" switch makes both add one.
TEST_F(RecogFormFixture, WheelSignsOverAHotZoneAndOverAValueBox) {
    for (const auto& [reversed, overZone, overBox] :
         {std::tuple{false, 749, 750}, std::tuple{true, 751, 752}}) {
        MakeForm(reversed);
        OpenPlainPicture();
        Move({750, 300});
        EXPECT_TRUE(Window().OverHotZone);
        EXPECT_EQ(form->focusWidget(), form->ScrollBox1);
        Wheel(form->ScrollBox1->viewport(), true);
        EXPECT_EQ(Frame().Right(), overZone) << reversed;
        Move({400, 300}); // no hot zone on the way to the box
        Hover(form->Map_Right);
        EXPECT_EQ(Window().WheelTarget, FrameBox::Right);
        EXPECT_EQ(form->focusWidget(), form->Map_Right);
        EXPECT_EQ(Status(RecogPanel::Message), QStringLiteral("输入或微调【右边界】"));
        Wheel(form->Map_Right, true);
        EXPECT_EQ(Frame().Right(), overBox) << reversed;
    }
}

TEST_F(RecogFormFixture, WheelStepsStayWithinTheLimits) {
    OpenPlainPicture();
    recog.Frame.SetValue(FrameBox::RowHeight, 10);
    recog.Frame.SetValue(FrameBox::Left, 0);
    recog.Frame.SetValue(FrameBox::Right, 799);
    const struct {
        TRecogValueBox* box;
        bool up;
        FrameBox value;
        int expected;
    } cases[] = {
        {form->Map_RowHeight, false, FrameBox::RowHeight, 10},
        {form->Map_Left, false, FrameBox::Left, 0},
        {form->Map_Right, true, FrameBox::Right, 799},
        {form->Map_RowHeight, true, FrameBox::RowHeight, 11},
    };
    for (const auto& c : cases) {
        Hover(c.box);
        Wheel(c.box, c.up);
        EXPECT_EQ(Frame().Box(c.value).Value, c.expected);
    }
    // Over the display, away from any line, the wheel scrolls the view instead.
    Move({400, 300});
    form->ScrollBox1->resize(300, 200);
    QApplication::processEvents();
    Wheel(form->ScrollBox1->viewport(), false);
    EXPECT_EQ(form->ScrollBox1->verticalScrollBar()->value(), 50);
    EXPECT_EQ(Frame().Box(FrameBox::RowHeight).Value, 11);
}

TEST_F(RecogFormFixture, BorderKeysUseTheLastPointerPosition) {
    OpenPlainPicture();
    Key(Qt::Key_L); // no pointer seen since the picture arrived: x = -1 is clamped to 0
    EXPECT_EQ(Frame().Left(), 0);
    Move({37, 300});
    Key(Qt::Key_L);
    EXPECT_EQ(Frame().Left(), 37);
    EXPECT_EQ(form->focusWidget(), form->Map_Left);
    Move({600, 420});
    Key(Qt::Key_B, Qt::ControlModifier); // with or without modifiers
    EXPECT_EQ(Frame().Bottom(), 420);
    EXPECT_EQ(form->focusWidget(), form->Map_Bottom);
    // A captured screen's left border cannot reach its right one: a pointer beyond both
    // swaps them, the left stopping one short of the old right border.
    platform.Screen.Picture = QImage(800, 600, QImage::Format_RGB32);
    platform.Screen.Picture.fill(Qt::darkCyan);
    form->sb_ScreenClick();
    Move({790, 300});
    Key(Qt::Key_L);
    EXPECT_EQ(Frame().Left(), 749);
    EXPECT_EQ(Frame().Right(), 790);
}

TEST_F(RecogLevelFixture, CtrlHidesOneCellAndShiftHidesItsKind) {
    recog.Results.SetXSB("#######\n#-.$--#\n#-$*.-#\n#--@--#\n#######");
    form->myDraw();
    EXPECT_EQ(Status(RecogPanel::Boxes), QStringLiteral("3"));
    EXPECT_EQ(Status(RecogPanel::Goals), QStringLiteral("3"));
    Move(Centre(1, 3));
    KeyDown(Qt::Key_Control, Qt::ControlModifier);
    EXPECT_EQ(Window().HiddenCell, (RecogCell{3, 1}));
    EXPECT_EQ(Status(RecogPanel::Boxes), QStringLiteral("2"));
    Move(Centre(2, 3), Qt::ControlModifier); // the held key repeats: the hidden cell follows
    EXPECT_EQ(Window().HiddenCell, (RecogCell{3, 2}));
    EXPECT_EQ(Status(RecogPanel::Boxes), QStringLiteral("2"));
    EXPECT_EQ(Status(RecogPanel::Goals), QStringLiteral("2"));
    KeyUp(Qt::Key_Control);
    EXPECT_TRUE(Window().HiddenCell.IsNone());
    EXPECT_EQ(Status(RecogPanel::Boxes), QStringLiteral("3"));

    Move(Centre(1, 3));
    KeyDown(Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_EQ(Window().HiddenKind, '$');
    EXPECT_EQ(Status(RecogPanel::Boxes), QStringLiteral("3")); // hidden, still counted
    const QImage painted = Paint();
    EXPECT_NE(painted.pixelColor(Centre(1, 3)), test::TileColours[Box]);
    EXPECT_EQ(painted.pixelColor(Centre(2, 3)), test::TileColours[BoxOnGoal]);
    KeyUp(Qt::Key_Shift);
    EXPECT_EQ(Paint().pixelColor(Centre(1, 3)), test::TileColours[Box]);
    Move({5, 5}); // outside the grid: nothing to hide
    KeyDown(Qt::Key_Control, Qt::ControlModifier);
    EXPECT_TRUE(Window().HiddenCell.IsNone());
    KeyUp(Qt::Key_Control);
}

TEST_F(RecogLevelFixture, XsbDisplayShowsCharactersOnBlack) {
    recog.Results.SetXSB("#######\n#-.$--#");
    form->CheckBox2->click();
    EXPECT_TRUE(Window().XsbDisplay);
    EXPECT_EQ(XsbDisplayText('.'), QStringLiteral("o"));
    EXPECT_EQ(XsbDisplayText('*'), QStringLiteral("*"));
    EXPECT_EQ(XsbDisplayText('@'), QStringLiteral("@"));
    const QImage painted = Paint();
    const QPoint goal(15 + 2 * 30, 12 + 30);
    EXPECT_EQ(painted.pixelColor(goal + QPoint(1, 1)), QColor(Qt::black));
    bool white = false;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 12; ++x) {
            white = white || painted.pixelColor(goal + QPoint(x, y)) == QColor(Qt::white);
            EXPECT_NE(painted.pixelColor(goal + QPoint(x, y)), test::TileColours[Goal]);
        }
    }
    EXPECT_TRUE(white);
    form->CheckBox2->click();
    EXPECT_EQ(Paint().pixelColor(goal + QPoint(20, 20)), test::TileColours[Goal]);
}

TEST_F(RecogLevelFixture, AutomaticRecognitionAndItsUndoThroughTheKeys) {
    form->ToolClick(RecogTool::ToolGoal);
    EXPECT_EQ(Status(RecogPanel::Message), QStringLiteral("识别 - 目标点"));
    Click({5, 5}); // outside the frame: ignored, no snapshot
    EXPECT_TRUE(recog.Results.UndoList.empty());
    Click(Centre(1, 2));
    EXPECT_EQ(At(1, 2), '.');
    EXPECT_EQ(At(2, 4), '.');
    EXPECT_EQ(Status(RecogPanel::Goals), QStringLiteral("2"));
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(At(1, 2), '-');
    EXPECT_EQ(At(2, 4), '-');
    Key(Qt::Key_Z, Qt::ShiftModifier);
    EXPECT_EQ(At(2, 4), '.');
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("-------\n--.----\n----.--\n-------\n-------\n"));
    form->CheckBox1->click(); // manual editing: one cell at a time
    form->ToolClick(RecogTool::ToolWall);
    Click(Centre(0, 0));
    EXPECT_EQ(At(0, 0), '#');
    EXPECT_EQ(At(0, 1), '-');
}

TEST_F(RecogLevelFixture, SamplePanelShowsThePatternAndTheFigures) {
    form->ToolClick(RecogTool::ToolWall);
    Click(Centre(0, 0));
    EXPECT_FALSE(form->Image3->isVisible());
    const QImage closed = Paint();
    form->Panel4Click();
    EXPECT_TRUE(form->Image3->isVisible());
    EXPECT_FALSE(form->Panel4Caption->isVisible());
    const QImage sample = form->Image3->pixmap().toImage();
    EXPECT_EQ(sample.size(), QSize(64, 32));
    EXPECT_EQ(sample.pixelColor(0, 0), QColor(Qt::white)); // the outlines
    EXPECT_EQ(sample.pixelColor(63, 31), QColor(Qt::white));
    EXPECT_NE(Paint(), closed); // the similarity figures
    form->Image3Click();
    EXPECT_EQ(Paint(), closed);
    EXPECT_TRUE(form->Panel4Caption->isVisible());
}

TEST_F(RecogFormFixture, SettingsFeedTheMatching) {
    form->TrackBar2->setValue(85);
    EXPECT_EQ(recog.Settings.Threshold, 85);
    EXPECT_EQ(form->Label7->text(), QStringLiteral("相似度: 85%"));
    EXPECT_EQ(Status(RecogPanel::Message),
              QStringLiteral("相似度，是指图块在造型方面的相似程度！"));
    form->CheckBox4->click();
    form->CheckBox5->click();
    EXPECT_FALSE(recog.Settings.HueCheck);
    EXPECT_FALSE(recog.Settings.GreyCheck);
}

TEST_F(RecogFormFixture, PointerOverControlsShowsTheirMessagesAndSetsTheWheelTarget) {
    OpenPlainPicture();
    const struct {
        QWidget* control;
        const char* message;
    } cases[] = {
        {form->img_Box, "进入『箱子』“识别模式”，【左键】识别或编辑，【右键】为擦除"},
        {form->img_Floor, "擦除已有的识别，【左、右键】均可"},
        {form->CheckBox2, "使用 XSB 字符显示识别出来的元素"},
        {form->sb_Open, "打开关卡截图【Ctrl + O】"},
        {form->Label7, "相似度，是指图块在造型方面的相似程度！"},
        {form->Image3, "样本参考"},
    };
    for (const auto& c : cases) {
        Hover(form->Map_Top);
        EXPECT_EQ(Window().WheelTarget, FrameBox::Top);
        Hover(c.control);
        EXPECT_EQ(Status(RecogPanel::Message), QString::fromUtf8(c.message));
        EXPECT_FALSE(Window().WheelTarget.has_value());
    }
    Hover(form->Map_Top);
    Hover(form->SpeedButton4); // the quick buttons keep the wheel target
    EXPECT_EQ(Window().WheelTarget, FrameBox::Top);
    Move({60, 300});
    EXPECT_EQ(Status(RecogPanel::Message), QString::fromUtf8(FrameMoveText));
}

TEST_F(RecogFormFixture, ValueBoxesTakeTypedValuesAndClampThemOnLeaving) {
    OpenPlainPicture();
    form->Map_Right->setFocus();
    QTest::keyClick(form->Map_Right, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(form->Map_Right, QStringLiteral("9999"));
    EXPECT_EQ(Frame().Right(), 9999); // used as typed while the box has the focus
    EXPECT_EQ(Status(RecogPanel::Cols), QStringLiteral("100"));
    QTest::keyClicks(form->Map_Right, QStringLiteral("1x"));
    EXPECT_EQ(form->Map_Right->text(), QStringLiteral("9999")); // four digits, no letters
    QTest::keyClick(form->Map_Right, Qt::Key_Return);
    EXPECT_EQ(Frame().Right(), 799);
    EXPECT_EQ(form->Map_Right->value(), 799);
    form->Map_ColWidth->stepBy(1);
    EXPECT_EQ(Frame().ColWidth(), 51);
    form->sb_ScaleClick();
    form->SpeedButton1->click();
    EXPECT_EQ(Frame().Right(), 1599);
    form->SpeedButton3->click();
    EXPECT_EQ(Frame().Left(), 0);
}

TEST_F(RecogFormFixture, APictureThatCannotBeOpenedKeepsTheOldOne) {
    OpenPlainPicture();
    form->ToolClick(RecogTool::ToolWall);
    const std::filesystem::path broken = temp.Path() / "broken.png";
    std::ofstream(broken) << "not a picture";
    for (const QString& name : {QString::fromStdString(broken.string()),
                                QString::fromStdString((temp.Path() / "shot.gif").string())}) {
        platform.Files.Names = {name};
        form->sb_OpenClick();
    }
    ASSERT_EQ(platform.Messages.Shown.size(), 2u);
    EXPECT_EQ(platform.Messages.Shown[0].Kind, MessageKind::Error);
    EXPECT_EQ(platform.Messages.Shown[1].Text,
              QString::fromUtf8(PictureProblemMessage(PictureProblem::UnknownFormat)));
    EXPECT_EQ(recog.Picture().Width(), 800);
    EXPECT_EQ(Window().Tool, RecogTool::ToolFrame);
    EXPECT_EQ(platform.Files.Filters.back(), TRecogForm_::OpenDialogFilter);
    platform.Files.Names = {QString()}; // cancelled: nothing happens
    form->ToolClick(RecogTool::ToolWall);
    form->sb_OpenClick();
    EXPECT_EQ(Window().Tool, RecogTool::ToolWall);
}

TEST_F(RecogFormFixture, ScreenCaptureTakesThePictureOrTellsWhyNot) {
    OpenPlainPicture();
    recog.Results.RecogMap.At(0, 0) = '#';
    platform.Screen.Problem = QStringLiteral("no screen today");
    form->sb_ScreenClick();
    ASSERT_EQ(platform.Messages.Shown.size(), 1u);
    EXPECT_EQ(platform.Messages.Shown[0].Text, QStringLiteral("no screen today"));
    EXPECT_EQ(recog.Results.RecogMap.At(0, 0), '#');
    EXPECT_EQ(recog.Picture().Width(), 800);

    platform.Screen.Picture = QImage(1920, 1080, QImage::Format_RGB32);
    platform.Screen.Picture.fill(QColor(10, 90, 200));
    form->CheckBox2->click();
    Key(Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(platform.Screen.Captures, 2);
    EXPECT_EQ(recog.Picture().Width(), 1920);
    EXPECT_EQ(recog.Picture().Pixel(5, 5), (Rgb{10, 90, 200}));
    EXPECT_EQ(Frame().Values(), (FrameValues{50, 50, 1870, 1030, 50, 50}));
    EXPECT_EQ(Frame().Box(FrameBox::Bottom).Minimum, 51);
    EXPECT_EQ(recog.Results.RecogMap.At(0, 0), '-');
    EXPECT_FALSE(form->CheckBox2->isChecked());
    EXPECT_EQ(Window().LastPointer, (DisplayPoint{-1, -1}));
}

TEST_F(RecogFormFixture, ActivationStartsEveryVisitAfresh) {
    OpenPlainPicture();
    form->ToolClick(RecogTool::ToolBox);
    recog.Results.SetUnDoReDo(false, recog.Grid());
    recog.RecognizedLevelInForce = true;
    form->bt_SkinClick(); // back from the skin chooser (none here) is a new activation
    EXPECT_EQ(Window().Tool, RecogTool::ToolFrame);
    EXPECT_TRUE(recog.Results.UndoList.empty());
    EXPECT_FALSE(recog.RecognizedLevelInForce);
    EXPECT_EQ(form->pl_Select->palette().color(QPalette::Window), QColor(255, 0, 0));
}

// Runs the window modally; once it is shown, `during` runs inside its loop.
bool RunVisit(TRecogForm_& form, std::function<void()> during) {
    QTimer::singleShot(0, &form, std::move(during));
    return form.Execute();
}

TEST_F(RecogFormFixture, WithoutAPictureTheWindowClosesAtOnce) {
    EXPECT_FALSE(RunVisit(*form, [this] { form->close(); }));
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(platform.Messages.Shown.empty());
}

TEST_F(RecogFormFixture, ClosingAsksCancelStaysAndYesAccepts) {
    OpenPlainPicture();
    recog.BeginVisit();
    const bool accepted = RunVisit(*form, [this] {
        platform.Messages.Answer({MessageAnswer::Cancel, MessageAnswer::Yes});
        Key(Qt::Key_Q, Qt::ControlModifier);
        EXPECT_TRUE(form->isVisible());
        form->sb_ReturnClick();
    });
    EXPECT_TRUE(accepted);
    EXPECT_TRUE(recog.RecognizedLevelInForce);
    ASSERT_EQ(platform.Messages.Shown.size(), 2u);
    EXPECT_EQ(platform.Messages.Shown[0].Kind, MessageKind::Choice);
    EXPECT_EQ(platform.Messages.Shown[0].Text,
              QStringLiteral("应用新的识别会覆盖已有的编辑，是否应用？"));
}

// No after a new picture: the frame the editor saved comes back with the flag; the new
// picture and the recognition stay.
TEST_F(RecogFormFixture, ClosingWithNoBringsTheSavedFrameBack) {
    OpenPicture(RgbPicture(420, 300));
    for (const auto& [box, value] : {std::pair{FrameBox::Right, 224},
                                     {FrameBox::Bottom, 161},
                                     {FrameBox::Left, 15},
                                     {FrameBox::Top, 12},
                                     {FrameBox::RowHeight, 30},
                                     {FrameBox::ColWidth, 30}}) {
        recog.Frame.SetValue(box, value);
    }
    recog.RecognizedLevelInForce = true;
    recog.BeginVisit();
    const bool accepted = RunVisit(*form, [this] {
        OpenPlainPicture();
        recog.Results.RecogMap.At(2, 2) = '$';
        platform.Messages.Answer({MessageAnswer::No});
        form->sb_ReturnClick();
    });
    EXPECT_FALSE(accepted);
    EXPECT_EQ(Frame().Values(), (FrameValues{15, 12, 224, 161, 30, 30}));
    EXPECT_EQ(form->Map_Right->value(), 224);
    EXPECT_TRUE(recog.RecognizedLevelInForce);
    EXPECT_EQ(recog.Picture().Width(), 800);
    EXPECT_EQ(recog.Results.RecogMap.At(2, 2), '$');
}

TEST_F(RecogFormFixture, ClosingWithNoWithoutASavedFrameGivesTheDefaultOne) {
    recog.BeginVisit(); // before the first picture: every saved border is 0
    EXPECT_FALSE(RunVisit(*form, [this] {
        OpenPlainPicture();
        recog.Frame.SetValue(FrameBox::Left, 300);
        platform.Messages.Answer({MessageAnswer::No});
        form->sb_ReturnClick();
    }));
    EXPECT_EQ(Frame().Values(), (FrameValues{50, 50, 750, 550, 50, 50}));
    EXPECT_FALSE(recog.RecognizedLevelInForce);
}

} // namespace
} // namespace lodrin
