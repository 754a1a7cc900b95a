// The recognition frame: limits, default frames, border setters, zoom, hit test and drags.

#include "Recog_/RecogFrame.h"

#include <gtest/gtest.h>

#include <random>

namespace lodrin {
namespace {

FrameValues Frame(int l, int t, int r, int b, int rh = 50, int cw = 50) {
    return {l, t, r, b, rh, cw};
}

TRecogFrame Opened(int width, int height) {
    TRecogFrame frame;
    frame.NewPicture(width, height);
    return frame;
}

TEST(RecogFrameDefaults, BeforeAnyPictureBordersAreUnclamped) {
    TRecogFrame frame;
    EXPECT_FALSE(frame.HasPicture());
    EXPECT_EQ(frame.Values(), Frame(0, 0, 0, 0));
    EXPECT_EQ(frame.Box(FrameBox::RowHeight), (ValueBox{50, 10, 1920}));
    EXPECT_EQ(frame.Rows(), 1);
    EXPECT_EQ(frame.Cols(), 1);
    frame.SetValue(FrameBox::Right, 1234); // limits 0 .. 0: taken as it is
    EXPECT_EQ(frame.Right(), 1234);
    EXPECT_EQ(frame.HitTest(0, 0, HitVariant::Hover), FrameHit{});
    EXPECT_FALSE(frame.CycleZoom());
    frame.QuickBorder(FrameBox::Right); // no picture: nothing to reach
    EXPECT_EQ(frame.Right(), 1234);
}

TEST(RecogFrameDefaults, DefaultFramesOfNewPictures) {
    const TRecogFrame narrow = Opened(150, 600);
    EXPECT_EQ(narrow.Values(), Frame(0, 0, 149, 599));
    EXPECT_EQ(narrow.Box(FrameBox::Left), (ValueBox{0, 0, 149}));
    EXPECT_EQ(narrow.Box(FrameBox::Bottom), (ValueBox{599, 0, 599}));

    const TRecogFrame wide = Opened(800, 600);
    EXPECT_EQ(wide.Values(), Frame(50, 50, 750, 550));
    EXPECT_EQ(wide.Rows(), 11);
    EXPECT_EQ(wide.Cols(), 15);
    EXPECT_EQ(wide.Box(FrameBox::RowHeight), (ValueBox{50, 10, 500}));
    EXPECT_EQ(wide.Box(FrameBox::ColWidth), (ValueBox{50, 10, 700}));

    const TRecogFrame small = Opened(30, 20); // cells as large as the frame
    EXPECT_EQ(small.Values(), Frame(0, 0, 29, 19, 19, 29));
    EXPECT_EQ(small.Rows(), 2);
    EXPECT_EQ(small.Cols(), 2);

    const TRecogFrame tiny = Opened(8, 6); // a frame under 10 pixels keeps cells of 10
    EXPECT_EQ(tiny.Values(), Frame(0, 0, 7, 5, 10, 10));
    EXPECT_EQ(tiny.Rows(), 1);
    EXPECT_EQ(tiny.Cols(), 1);
}

TEST(RecogFrameDefaults, PreviousPictureLeavesNoTrace) {
    TRecogFrame frame = Opened(300, 300);
    frame.NewPicture(1920, 1080);
    EXPECT_EQ(frame.Values(), Frame(50, 50, 1870, 1030));

    // A frame at the far corner of a large picture, then a smaller picture: the old borders
    // must not swap with the new ones.
    frame.SetValue(FrameBox::Right, 1800);
    frame.SetValue(FrameBox::Bottom, 1000);
    frame.SetValue(FrameBox::Left, 1500);
    frame.SetValue(FrameBox::Top, 900);
    frame.NewPicture(800, 600);
    EXPECT_EQ(frame.Values(), Frame(50, 50, 750, 550));
    frame.NewPicture(120, 90);
    EXPECT_EQ(frame.Values(), Frame(0, 0, 119, 89));
}

TEST(RecogFrameDefaults, CaptureLimitsFollowTheCapturedFrame) {
    TRecogFrame frame;
    frame.NewCapture(1920, 1080);
    EXPECT_EQ(frame.Values(), Frame(50, 50, 1870, 1030));
    EXPECT_EQ(frame.Box(FrameBox::Left), (ValueBox{50, 0, 1869}));
    EXPECT_EQ(frame.Box(FrameBox::Top), (ValueBox{50, 0, 1029}));
    EXPECT_EQ(frame.Box(FrameBox::Right), (ValueBox{1870, 1, 1919}));
    EXPECT_EQ(frame.Box(FrameBox::Bottom), (ValueBox{1030, 51, 1079}));
    frame.SetLeft(1900);
    EXPECT_EQ(frame.Left(), 1869); // swapped, then held by the capture's limit
    EXPECT_EQ(frame.Right(), 1900);
    frame.CycleZoom(); // the zoom brings back the plain limits
    EXPECT_EQ(frame.Box(FrameBox::Left).Maximum, 3839);
}

TEST(RecogFrameValues, ClampingAndEqualLimits) {
    ValueBox box{0, 10, 500};
    EXPECT_EQ(box.Clamp(5), 10);
    EXPECT_EQ(box.Clamp(501), 500);
    EXPECT_EQ(box.Clamp(77), 77);
    box.Maximum = 10;
    EXPECT_EQ(box.Clamp(5), 5); // equal limits: unclamped
    EXPECT_EQ(box.Clamp(900), 900);
    box.Maximum = 4; // below the minimum: only the minimum is left
    EXPECT_EQ(box.Clamp(3), 10);
    EXPECT_EQ(box.Clamp(50), 10);

    TRecogFrame frame = Opened(800, 600);
    frame.SetValue(FrameBox::RowHeight, 5000);
    EXPECT_EQ(frame.RowHeight(), 500);
    frame.SetBottom(60); // row height maximum 10 = minimum
    frame.SetValue(FrameBox::RowHeight, 321);
    EXPECT_EQ(frame.RowHeight(), 321);
    EXPECT_EQ(frame.Rows(), 1);
}

TEST(RecogFrameValues, TypedValuesAreUsedUntilTheFocusLeaves) {
    TRecogFrame frame = Opened(800, 600);
    frame.TypeText(FrameBox::RowHeight, "5");
    EXPECT_EQ(frame.RowHeight(), 5);
    EXPECT_EQ(frame.Rows(), 100); // 500 / 5 + 1 = 101, held at the grid's 100 rows
    frame.TypeText(FrameBox::RowHeight, "0");
    EXPECT_EQ(frame.RowHeight(), 0);
    EXPECT_EQ(frame.Rows(), 100); // a size of 0 is ignored: the counts stay
    EXPECT_FALSE(frame.CellInGrid(100, 100));
    frame.TypeText(FrameBox::RowHeight, "7x");
    EXPECT_EQ(frame.RowHeight(), 10); // not a number: the minimum
    frame.TypeText(FrameBox::RowHeight, "9999");
    EXPECT_EQ(frame.RowHeight(), 999); // three characters at most
    EXPECT_EQ(frame.Rows(), 1);
    frame.LeaveBox(FrameBox::RowHeight);
    EXPECT_EQ(frame.RowHeight(), 500);
    EXPECT_EQ(frame.Rows(), 2);

    frame.TypeText(FrameBox::Left, "-20");
    EXPECT_EQ(frame.Left(), -20);
    frame.LeaveBox(FrameBox::Left);
    EXPECT_EQ(frame.Left(), 0);
    // Typing 600 into the right box passes through 6 and 60, left of the left border: the
    // borders do not swap while typing, only when the focus leaves.
    frame.SetValue(FrameBox::Left, 50);
    for (const char* text : {"6", "60", "600"}) {
        frame.TypeText(FrameBox::Right, text);
    }
    EXPECT_EQ(frame.Values(), (FrameValues{50, 50, 600, 550, 500, 50}));
    EXPECT_EQ(frame.Cols(), 12);
    frame.LeaveBox(FrameBox::Right);
    EXPECT_EQ(frame.Values(), (FrameValues{50, 50, 600, 550, 500, 50}));
    frame.TypeText(FrameBox::Left, "760"); // beyond the right border, within the limits
    EXPECT_EQ(frame.Cols(), 1);
    frame.LeaveBox(FrameBox::Left); // now the two swap
    EXPECT_EQ(frame.Left(), 600);
    EXPECT_EQ(frame.Right(), 760);
    EXPECT_EQ(frame.Box(FrameBox::ColWidth).Maximum, 160);
    frame.StepBox(FrameBox::Right, 1);
    EXPECT_EQ(frame.Right(), 761);
    frame.TypeText(FrameBox::Bottom, "12345"); // four characters at most, clamped on leaving
    EXPECT_EQ(frame.Bottom(), 1234);
    frame.LeaveBox(FrameBox::Bottom);
    EXPECT_EQ(frame.Bottom(), 599);
}

TEST(RecogFrameBorders, SettersSwapAtTheOppositeBorder) {
    struct Case {
        const char* name;
        void (TRecogFrame::*set)(int);
        int value;
        FrameValues expected;
    };
    const Case cases[] = {
        {"top up to bottom", &TRecogFrame::SetTop, 400, Frame(50, 400, 750, 400)},
        {"top beyond bottom", &TRecogFrame::SetTop, 500, Frame(50, 400, 750, 500)},
        {"bottom above top", &TRecogFrame::SetBottom, 20, Frame(50, 20, 750, 50)},
        {"left beyond right", &TRecogFrame::SetLeft, 790, Frame(750, 50, 790, 400)},
        {"right before left", &TRecogFrame::SetRight, 10, Frame(10, 50, 50, 400)},
        {"right clamped", &TRecogFrame::SetRight, 5000, Frame(50, 50, 799, 400)},
    };
    for (const Case& c : cases) {
        TRecogFrame frame = Opened(800, 600);
        frame.SetBottom(400);
        (frame.*c.set)(c.value);
        EXPECT_EQ(frame.Values(), c.expected) << c.name;
        EXPECT_EQ(frame.Box(FrameBox::RowHeight).Maximum, frame.Bottom() - frame.Top()) << c.name;
        EXPECT_EQ(frame.Box(FrameBox::ColWidth).Maximum, frame.Right() - frame.Left()) << c.name;
    }
    TRecogFrame frame = Opened(800, 600);
    frame.SetTop(550); // a frame of zero height has one row
    EXPECT_EQ(frame.Rows(), 1);
}

TEST(RecogFrameBorders, QuickBordersReachTheDisplayEdges) {
    TRecogFrame frame = Opened(400, 300);
    frame.CycleZoom();
    frame.QuickBorder(FrameBox::Right);
    frame.QuickBorder(FrameBox::Bottom);
    frame.QuickBorder(FrameBox::Left);
    frame.QuickBorder(FrameBox::Top);
    EXPECT_EQ(frame.Values(), Frame(0, 0, 799, 599, 100, 100));
    EXPECT_EQ(frame.Rows(), 6);
    EXPECT_EQ(frame.Cols(), 8);
}

TEST(RecogFrameZoom, RoundTripRescalesInOrder) {
    TRecogFrame frame = Opened(800, 600);
    ASSERT_TRUE(frame.CycleZoom());
    EXPECT_EQ(frame.ZoomFactor(), 2);
    EXPECT_EQ(frame.Values(), Frame(100, 100, 1500, 1100, 100, 100));
    EXPECT_EQ(frame.Box(FrameBox::Right).Maximum, 1599);
    frame.CycleZoom();
    EXPECT_EQ(frame.ZoomFactor(), 4);
    EXPECT_EQ(frame.Values(), Frame(200, 200, 3000, 2200, 200, 200));
    EXPECT_EQ(frame.Rows(), 11);
    frame.CycleZoom();
    EXPECT_EQ(frame.ZoomFactor(), 1);
    EXPECT_EQ(frame.Values(), Frame(50, 50, 750, 550, 50, 50));

    frame.CycleZoom();
    frame.CycleZoom();
    frame.SetLeft(203);
    frame.SetValue(FrameBox::ColWidth, 39);
    frame.CycleZoom(); // remainders are lost; 39 / 4 = 9 rises to the minimum 10
    EXPECT_EQ(frame.Left(), 50);
    EXPECT_EQ(frame.ColWidth(), 10);
}

TEST(RecogFrameHitTest, DistancesFromTheLines) {
    TRecogFrame frame = Opened(800, 600); // frame (50, 50, 750, 550), cells 50 x 50
    struct Case {
        int x, y;
        HitVariant variant;
        FrameHit expected;
    };
    using enum FrameZone;
    const Case cases[] = {
        {53, 59, HitVariant::Press, {ZoneLeft}},
        {53, 58, HitVariant::Press, {}},
        {53, 53, HitVariant::Press, {ZoneTopLeft}},
        {47, 47, HitVariant::Press, {ZoneTopLeft}},
        {46, 50, HitVariant::Press, {}},
        {54, 300, HitVariant::Press, {}},
        {747, 300, HitVariant::Press, {ZoneRight}},
        {400, 47, HitVariant::Press, {ZoneTop}},
        {400, 553, HitVariant::Press, {ZoneBottom}},
        {100, 100, HitVariant::Press, {ZoneCellSize}},
        {102, 300, HitVariant::Press, {ZoneColWidth}},
        {300, 98, HitVariant::Press, {ZoneRowHeight}},
        {75, 75, HitVariant::Press, {}},
        {75, 75, HitVariant::Hover, {ZoneCellSize, true}},
        {54, 75, HitVariant::Hover, {}}, // the inside starts more than 4 pixels from the lines
        {400, 300, HitVariant::Hover, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(frame.HitTest(c.x, c.y, c.variant), c.expected) << c.x << ", " << c.y;
    }
    frame.SetRight(100); // one column wide: its right line is the right border, which wins
    EXPECT_EQ(frame.HitTest(101, 300, HitVariant::Press), FrameHit{ZoneRight});
}

TEST(RecogFrameHitTest, PointerShapesOfTheZones) {
    using enum FrameZone;
    EXPECT_EQ(ZonePointerShape({}), PointerShape::Cross);
    EXPECT_EQ(ZonePointerShape({ZoneTopLeft}), PointerShape::ResizeDiagonal);
    EXPECT_EQ(ZonePointerShape({ZoneCellSize}), PointerShape::ResizeDiagonal);
    EXPECT_EQ(ZonePointerShape({ZoneCellSize, true}), PointerShape::CellSizeWheel);
    for (FrameZone zone : {ZoneLeft, ZoneRight, ZoneColWidth}) {
        EXPECT_EQ(ZonePointerShape({zone}), PointerShape::ResizeLeftRight);
    }
    for (FrameZone zone : {ZoneTop, ZoneBottom, ZoneRowHeight}) {
        EXPECT_EQ(ZonePointerShape({zone}), PointerShape::ResizeUpDown);
    }
}

TEST(RecogFrameDrag, SizeLinesStayBetweenTenAndTheFarBorder) {
    TRecogFrame frame = Opened(800, 600);
    frame.Drag(FrameZone::ZoneColWidth, 59, 300);
    EXPECT_EQ(frame.ColWidth(), 50);
    frame.Drag(FrameZone::ZoneColWidth, 60, 300);
    EXPECT_EQ(frame.ColWidth(), 10);
    EXPECT_EQ(frame.Cols(), 71);
    frame.Drag(FrameZone::ZoneColWidth, 750, 300);
    EXPECT_EQ(frame.ColWidth(), 10);
    frame.Drag(FrameZone::ZoneColWidth, 749, 300);
    EXPECT_EQ(frame.ColWidth(), 699);
    frame.Drag(FrameZone::ZoneRowHeight, 300, 549);
    EXPECT_EQ(frame.RowHeight(), 499);
    frame.Drag(FrameZone::ZoneCellSize, 80, 550); // the row height is out of range: neither
    EXPECT_EQ(frame.ColWidth(), 699);
    frame.Drag(FrameZone::ZoneCellSize, 80, 90);
    EXPECT_EQ(frame.ColWidth(), 30);
    EXPECT_EQ(frame.RowHeight(), 40);
}

TEST(RecogFrameDrag, BordersAndTheTopLeftCorner) {
    TRecogFrame frame = Opened(800, 600);
    frame.Drag(FrameZone::ZoneLeft, 760, 0); // past the right border: the two swap
    EXPECT_EQ(frame.Left(), 750);
    EXPECT_EQ(frame.Right(), 760);
    frame.Drag(FrameZone::ZoneLeft, 770, 0); // and again: the span of the last two positions
    EXPECT_EQ(frame.Left(), 760);
    EXPECT_EQ(frame.Right(), 770);

    frame = Opened(800, 600);
    frame.Drag(FrameZone::ZoneTopLeft, 0, 100); // x must be above 0: neither moves
    EXPECT_EQ(frame.Values(), Frame(50, 50, 750, 550));
    frame.Drag(FrameZone::ZoneTopLeft, 120, 130);
    EXPECT_EQ(frame.Values(), Frame(120, 130, 750, 550));
    EXPECT_EQ(frame.Rows(), 9);
    frame.Drag(FrameZone::ZoneBottom, 0, 10); // bottom above top: swap
    EXPECT_EQ(frame.Top(), 10);
    EXPECT_EQ(frame.Bottom(), 130);
}

TEST(RecogFrameWheel, StepsAreAppliedOnlyInRange) {
    EXPECT_EQ(WheelStep(true, false, false), 1);
    EXPECT_EQ(WheelStep(false, false, false), -1);
    EXPECT_EQ(WheelStep(true, true, false), -1);
    EXPECT_EQ(WheelStep(false, true, false), 1);
    EXPECT_EQ(WheelStep(true, true, true), 1);
    EXPECT_EQ(WheelStep(false, true, true), -1);

    TRecogFrame frame = Opened(800, 600);
    frame.SetValue(FrameBox::RowHeight, 10);
    EXPECT_FALSE(frame.WheelStepBox(FrameBox::RowHeight, -1));
    EXPECT_TRUE(frame.WheelStepBox(FrameBox::RowHeight, 1));
    EXPECT_EQ(frame.RowHeight(), 11);
    frame.SetValue(FrameBox::Right, 799);
    EXPECT_FALSE(frame.WheelStepBox(FrameBox::Right, 1));
    frame.QuickBorder(FrameBox::Left);
    EXPECT_FALSE(frame.WheelStepBox(FrameBox::Left, -1));
    frame.WheelStepZone(FrameZone::ZoneTopLeft, 1);
    EXPECT_EQ(frame.Left(), 1);
    EXPECT_EQ(frame.Top(), 51);
    frame.WheelStepZone(FrameZone::ZoneCellSize, -1);
    EXPECT_EQ(frame.RowHeight(), 10);
    EXPECT_EQ(frame.ColWidth(), 49);
}

TEST(RecogFrameGrid, CellsGeometryAndTheHundredCellCap) {
    TRecogFrame frame = Opened(800, 600);
    EXPECT_EQ(frame.CellRect(0, 0), (DisplayRect{50, 50, 100, 100}));
    EXPECT_EQ(frame.CellRect(10, 14), (DisplayRect{750, 550, 800, 600}));
    EXPECT_EQ(frame.CellInFrame(99, 149), (RecogCell{0, 1}));
    EXPECT_FALSE(frame.CellInFrame(750, 300));                  // right border excluded
    EXPECT_EQ(frame.CellInGrid(760, 560), (RecogCell{14, 10})); // the extra row and column
    EXPECT_FALSE(frame.CellInGrid(49, 60));                     // left of the frame
    EXPECT_FALSE(frame.CellInGrid(800, 60));                    // past the last column
    frame.CycleZoom();
    EXPECT_EQ(frame.CellPictureRect(1, 2), (PictureRect{150, 100, 50, 50}));

    TRecogFrame large = Opened(2500, 2500);
    large.SetValue(FrameBox::RowHeight, 10);
    large.SetValue(FrameBox::ColWidth, 10);
    EXPECT_EQ(large.Rows(), 100);
    EXPECT_EQ(large.Cols(), 100);
    EXPECT_EQ(large.CellInFrame(1049, 1049), (RecogCell{99, 99}));
    EXPECT_FALSE(large.CellInFrame(1050, 60)); // inside the frame, beyond the 100 columns
}

TEST(RecogFrameRestore, SavedFrameOrTheDefault) {
    TRecogFrame frame = Opened(800, 600);
    frame.RestoreFrame(Frame(100, 120, 700, 500, 30, 40));
    EXPECT_EQ(frame.Values(), Frame(100, 120, 700, 500, 30, 40));
    EXPECT_EQ(frame.Rows(), 13);
    EXPECT_EQ(frame.Cols(), 16);
    frame.SetValue(FrameBox::Right, 60);
    frame.RestoreFrame(Frame(0, 0, 0, 0, 25, 25)); // no saved border above 0: the default frame
    EXPECT_EQ(frame.Values(), Frame(50, 50, 750, 550, 25, 25));
    frame.RestoreFrame(Frame(900, 700, 2000, 900, 50, 50)); // saved on a larger picture
    EXPECT_EQ(frame.Values(), Frame(799, 599, 799, 599, 10, 10));
}

// Random operations keep the frame consistent: ordered borders within the display, counts
// within the grid.
TEST(RecogFrameInvariants, RandomOperationsKeepTheFrameConsistent) {
    std::mt19937 rng(7);
    TRecogFrame frame = Opened(640, 480);
    auto any = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int step = 0; step < 20000; ++step) {
        const int x = any(-50, 3000), y = any(-50, 3000);
        switch (any(0, 9)) {
        case 0:
            frame.SetValue(static_cast<FrameBox>(any(0, 5)), any(-100, 3000));
            break;
        case 1:
            frame.Drag(static_cast<FrameZone>(any(1, 8)), x, y);
            break;
        case 2:
            frame.CycleZoom();
            break;
        case 3:
            frame.WheelStepZone(static_cast<FrameZone>(any(1, 8)), any(0, 1) * 2 - 1);
            break;
        case 4: {
            const auto box = static_cast<FrameBox>(any(0, 5));
            frame.TypeText(box, std::to_string(any(-9, 9999)));
            ASSERT_GE(frame.Rows(), 1); // typed values are used, but the counts stay in range
            ASSERT_LE(frame.Cols(), RecogSize);
            frame.LeaveBox(box);
            break;
        }
        case 5:
            frame.StepBox(static_cast<FrameBox>(any(0, 5)), any(0, 1) * 2 - 1);
            break;
        case 6:
            frame.SetLeft(x);
            frame.SetBottom(y);
            break;
        // From 3 pixels on, no box has equal limits (which would leave it unclamped).
        case 7:
            any(0, 1) ? frame.NewPicture(any(3, 900), any(3, 900))
                      : frame.NewCapture(any(3, 900), any(3, 900));
            break;
        case 8:
            frame.RestoreFrame(Frame(any(0, 900), any(0, 900), any(0, 900), any(0, 900),
                                     any(10, 99), any(10, 99)));
            break;
        default:
            frame.QuickBorder(FrameBox::Right);
            frame.QuickBorder(FrameBox::Top);
            break;
        }
        ASSERT_LE(frame.Left(), frame.Right()) << step;
        ASSERT_LE(frame.Top(), frame.Bottom()) << step;
        ASSERT_GE(frame.Left(), 0) << step;
        ASSERT_GE(frame.Top(), 0) << step;
        ASSERT_LE(frame.Right(), std::max(1, frame.DisplayWidth() - 1)) << step;
        ASSERT_LE(frame.Bottom(), std::max(1, frame.DisplayHeight() - 1)) << step;
        ASSERT_GE(frame.Rows(), 1);
        ASSERT_LE(frame.Rows(), RecogSize);
        ASSERT_GE(frame.Cols(), 1);
        ASSERT_LE(frame.Cols(), RecogSize);
    }
}

} // namespace
} // namespace lodrin
