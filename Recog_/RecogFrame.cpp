#include "Recog_/RecogFrame.h"

#include <algorithm>
#include <cstdlib>

namespace lodrin {

namespace {

// Smallest row height and column width the boxes allow.
constexpr int MinCellSize = 10;
// The cell size a new picture starts with.
constexpr int DefaultCellSize = 50;
// Pictures at least this wide and high get a 50-pixel margin as their default frame.
constexpr int MarginFrameMinSize = 200;
constexpr int DefaultMargin = 50;

bool IsBorder(FrameBox box) {
    return box != FrameBox::RowHeight && box != FrameBox::ColWidth;
}

// Reads typed text as the box reads it: an optional sign and digits, else the minimum.
int ParseTyped(std::string_view text, int minimum) {
    std::size_t i = 0;
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        i = 1;
    }
    if (i >= text.size()) {
        return minimum;
    }
    int value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return minimum;
        }
        value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

bool Near(int a, int line) {
    return std::abs(a - line) < 4;
}

} // namespace

int ValueBox::Clamp(int value) const {
    if (Minimum == Maximum) {
        return value;
    }
    // A maximum below the minimum (a frame lower than ten pixels) leaves only the minimum:
    // a row height or column width never falls to 0 by a set.
    if (value < Minimum || Maximum < Minimum) {
        return Minimum;
    }
    return value > Maximum ? Maximum : value;
}

PointerShape ZonePointerShape(const FrameHit& hit) {
    switch (hit.Zone) {
    case FrameZone::ZoneTopLeft:
        return PointerShape::ResizeDiagonal;
    case FrameZone::ZoneCellSize:
        return hit.InsideFirstCell ? PointerShape::CellSizeWheel : PointerShape::ResizeDiagonal;
    case FrameZone::ZoneLeft:
    case FrameZone::ZoneRight:
    case FrameZone::ZoneColWidth:
        return PointerShape::ResizeLeftRight;
    case FrameZone::ZoneTop:
    case FrameZone::ZoneBottom:
    case FrameZone::ZoneRowHeight:
        return PointerShape::ResizeUpDown;
    case FrameZone::None:
        break;
    }
    return PointerShape::Cross;
}

int WheelStep(bool awayFromUser, bool overHotZone, bool reversedWheel) {
    const int away = reversedWheel || !overHotZone ? 1 : -1;
    return awayFromUser ? away : -away;
}

int TypedLength(FrameBox box) {
    return IsBorder(box) ? 4 : 3;
}

const std::vector<FrameBox>& GrabbedBoxes(FrameZone zone) {
    using enum FrameBox;
    static const std::vector<FrameBox> boxes[] = {
        {},         {Left},     {Right},     {Top},
        {Bottom},   {ColWidth}, {RowHeight}, {ColWidth, RowHeight},
        {Left, Top}};
    return boxes[static_cast<std::size_t>(zone)];
}

TRecogFrame::TRecogFrame() {
    BoxRef(FrameBox::RowHeight) = {DefaultCellSize, MinCellSize, 1920};
    BoxRef(FrameBox::ColWidth) = {DefaultCellSize, MinCellSize, 1920};
    Recount();
}

FrameValues TRecogFrame::Values() const {
    return {Left(), Top(), Right(), Bottom(), RowHeight(), ColWidth()};
}

void TRecogFrame::SetValue(FrameBox box, int value) {
    ValueBox& target = BoxRef(box);
    const int clamped = target.Clamp(value);
    if (clamped != target.Value) {
        target.Value = clamped;
        BoxChanged(box);
    }
}

// A typed value is used as it stands: the counts follow it, but a border is neither clamped
// nor swapped with the opposite one before the focus leaves. Swapping on every keystroke
// would move the opposite border while the user is still typing (typing 750 into the right
// box would first swap at "7" and leave the left border at 7).
void TRecogFrame::TypeText(FrameBox box, std::string_view text) {
    const std::size_t length = static_cast<std::size_t>(TypedLength(box));
    BoxRef(box).Value = ParseTyped(text.substr(0, length), Box(box).Minimum);
    if (IsBorder(box)) {
        BordersChanged();
    } else {
        Recount();
    }
}

void TRecogFrame::LeaveBox(FrameBox box) {
    BoxRef(box).Value = Box(box).Clamp(Box(box).Value);
    BoxChanged(box);
}

void TRecogFrame::StepBox(FrameBox box, int delta) {
    SetValue(box, Box(box).Value + delta);
}

bool TRecogFrame::WheelStepBox(FrameBox box, int step) {
    const int value = Box(box).Value + step;
    int lowest = 0;
    int highest = Box(box).Maximum;
    if (box == FrameBox::RowHeight) {
        lowest = MinCellSize;
        highest = Bottom() - Top();
    } else if (box == FrameBox::ColWidth) {
        lowest = MinCellSize;
        highest = Right() - Left();
    }
    if (value < lowest || value > highest) {
        return false;
    }
    SetValue(box, value);
    return true;
}

void TRecogFrame::WheelStepZone(FrameZone zone, int step) {
    for (FrameBox box : GrabbedBoxes(zone)) {
        WheelStepBox(box, step);
    }
}

void TRecogFrame::BoxChanged(FrameBox box) {
    switch (box) {
    case FrameBox::Left:
        SetLeft(Left());
        break;
    case FrameBox::Right:
        SetRight(Right());
        break;
    case FrameBox::Top:
        SetTop(Top());
        break;
    case FrameBox::Bottom:
        SetBottom(Bottom());
        break;
    case FrameBox::RowHeight:
    case FrameBox::ColWidth:
        Recount();
        break;
    }
}

void TRecogFrame::SetLeft(int x) {
    SetLow(FrameBox::Left, FrameBox::Right, x);
}
void TRecogFrame::SetRight(int x) {
    SetHigh(FrameBox::Left, FrameBox::Right, x);
}
void TRecogFrame::SetTop(int y) {
    SetLow(FrameBox::Top, FrameBox::Bottom, y);
}
void TRecogFrame::SetBottom(int y) {
    SetHigh(FrameBox::Top, FrameBox::Bottom, y);
}

void TRecogFrame::SetLow(FrameBox low, FrameBox high, int value) {
    const int opposite = Box(high).Value;
    if (value > opposite) {
        SetValue(low, opposite);
        SetValue(high, value);
    } else {
        SetValue(low, value);
    }
    BordersChanged();
}

void TRecogFrame::SetHigh(FrameBox low, FrameBox high, int value) {
    const int opposite = Box(low).Value;
    if (value < opposite) {
        SetValue(high, opposite);
        SetValue(low, value);
    } else {
        SetValue(high, value);
    }
    BordersChanged();
}

void TRecogFrame::BordersChanged() {
    BoxRef(FrameBox::RowHeight).Maximum = Bottom() - Top();
    BoxRef(FrameBox::ColWidth).Maximum = Right() - Left();
    Recount();
}

void TRecogFrame::Recount() {
    // A size of 0 or less is a transient typed value: the counts keep their values.
    if (RowHeight() > 0) {
        Rows_ = std::min(RecogSize, std::max(0, Bottom() - Top()) / RowHeight() + 1);
    }
    if (ColWidth() > 0) {
        Cols_ = std::min(RecogSize, std::max(0, Right() - Left()) / ColWidth() + 1);
    }
}

void TRecogFrame::QuickBorder(FrameBox box) {
    if (!HasPicture_) {
        return;
    }
    switch (box) {
    case FrameBox::Right:
        SetValue(box, DisplayWidth() - 1);
        break;
    case FrameBox::Bottom:
        SetValue(box, DisplayHeight() - 1);
        break;
    case FrameBox::Left:
    case FrameBox::Top:
        SetValue(box, 0);
        break;
    case FrameBox::RowHeight:
    case FrameBox::ColWidth:
        break;
    }
}

void TRecogFrame::SetFileLimits() {
    for (FrameBox box : {FrameBox::Left, FrameBox::Right}) {
        BoxRef(box).Minimum = 0;
        BoxRef(box).Maximum = DisplayWidth() - 1;
    }
    for (FrameBox box : {FrameBox::Top, FrameBox::Bottom}) {
        BoxRef(box).Minimum = 0;
        BoxRef(box).Maximum = DisplayHeight() - 1;
    }
}

void TRecogFrame::SetCaptureLimits() {
    const int top = Top();
    const int right = Right();
    const int bottom = Bottom();
    BoxRef(FrameBox::Left).Minimum = 0;
    BoxRef(FrameBox::Left).Maximum = right - 1;
    BoxRef(FrameBox::Top).Minimum = 0;
    BoxRef(FrameBox::Top).Maximum = bottom - 1;
    BoxRef(FrameBox::Right).Minimum = 1;
    BoxRef(FrameBox::Right).Maximum = PictureWidth_ - 1;
    BoxRef(FrameBox::Bottom).Minimum = top + 1;
    BoxRef(FrameBox::Bottom).Maximum = PictureHeight_ - 1;
}

void TRecogFrame::NewPicture(int width, int height) {
    TakePicture(width, height, false);
}

void TRecogFrame::NewCapture(int width, int height) {
    TakePicture(width, height, true);
}

void TRecogFrame::TakePicture(int width, int height, bool capture) {
    HasPicture_ = true;
    PictureWidth_ = width;
    PictureHeight_ = height;
    Zoom_ = 1;
    SetFileLimits();
    ApplyDefaultFrame();
    if (capture) {
        SetCaptureLimits();
    }
    FitCellSize();
}

void TRecogFrame::FitCellSize() {
    BordersChanged();
    SetValue(FrameBox::RowHeight, std::min(DefaultCellSize, Bottom() - Top()));
    SetValue(FrameBox::ColWidth, std::min(DefaultCellSize, Right() - Left()));
}

// Sets the four borders at once, each clamped by its box. Going through the border setters
// one by one would let the old frame's values swap with the new ones (a frame at the far
// right of a large picture would keep its right border on a smaller picture).
void TRecogFrame::AssignBorders(int left, int top, int right, int bottom) {
    BoxRef(FrameBox::Left).Value = Box(FrameBox::Left).Clamp(left);
    BoxRef(FrameBox::Top).Value = Box(FrameBox::Top).Clamp(top);
    BoxRef(FrameBox::Right).Value = Box(FrameBox::Right).Clamp(right);
    BoxRef(FrameBox::Bottom).Value = Box(FrameBox::Bottom).Clamp(bottom);
    BoxRef(FrameBox::Left).Value = std::min(Left(), Right());
    BoxRef(FrameBox::Top).Value = std::min(Top(), Bottom());
    BordersChanged();
}

void TRecogFrame::ApplyDefaultFrame() {
    const int width = DisplayWidth();
    const int height = DisplayHeight();
    if (width < MarginFrameMinSize || height < MarginFrameMinSize) {
        AssignBorders(0, 0, width - 1, height - 1);
    } else {
        AssignBorders(DefaultMargin, DefaultMargin, width - DefaultMargin, height - DefaultMargin);
    }
}

void TRecogFrame::RestoreFrame(const FrameValues& saved) {
    if (saved.Left > 0 || saved.Top > 0 || saved.Right > 0 || saved.Bottom > 0) {
        AssignBorders(saved.Left, saved.Top, saved.Right, saved.Bottom);
    } else {
        ApplyDefaultFrame();
    }
    SetValue(FrameBox::RowHeight, saved.RowHeight);
    SetValue(FrameBox::ColWidth, saved.ColWidth);
}

bool TRecogFrame::CycleZoom() {
    if (!HasPicture_) {
        return false;
    }
    Zoom_ = Zoom_ == 1 ? 2 : (Zoom_ == 2 ? 4 : 1);
    SetFileLimits();
    Rescale(Zoom_ == 1);
    return true;
}

void TRecogFrame::Rescale(bool down) {
    using enum FrameBox;
    if (down) {
        for (FrameBox box : {Left, Top, Right, Bottom, RowHeight, ColWidth}) {
            SetValue(box, Box(box).Value / 4);
        }
    } else {
        // Right and bottom grow first, so that left and top never pass them.
        for (FrameBox box : {Right, Bottom, Left, Top, RowHeight, ColWidth}) {
            SetValue(box, Box(box).Value * 2);
        }
    }
}

FrameHit TRecogFrame::HitTest(int x, int y, HitVariant variant) const {
    if (!HasPicture_) {
        return {};
    }
    const int l = Left(), t = Top(), r = Right(), b = Bottom();
    const int colLine = l + ColWidth();
    const int rowLine = t + RowHeight();
    const bool betweenTopBottom = y - t > 8 && b - y > 8;
    const bool betweenLeftRight = x - l > 8 && r - x > 8;
    using enum FrameZone;
    if (Near(x, l) && Near(y, t)) {
        return {ZoneTopLeft};
    }
    if (Near(x, colLine) && Near(y, rowLine)) {
        return {ZoneCellSize};
    }
    if (variant == HitVariant::Hover && l + 4 < x && x < colLine - 4 && t + 4 < y &&
        y < rowLine - 4) {
        return {ZoneCellSize, true};
    }
    if (Near(x, l) && betweenTopBottom) {
        return {ZoneLeft};
    }
    if (Near(x, r) && betweenTopBottom) {
        return {ZoneRight};
    }
    if (Near(y, t) && betweenLeftRight) {
        return {ZoneTop};
    }
    if (Near(y, b) && betweenLeftRight) {
        return {ZoneBottom};
    }
    if (Near(x, colLine) && betweenTopBottom) {
        return {ZoneColWidth};
    }
    if (Near(y, rowLine) && betweenLeftRight) {
        return {ZoneRowHeight};
    }
    return {};
}

void TRecogFrame::Drag(FrameZone zone, int x, int y) {
    const int l = Left(), t = Top(), r = Right(), b = Bottom();
    const bool widthOk = x - l > 9 && x < r;
    const bool heightOk = y - t > 9 && y < b;
    switch (zone) {
    case FrameZone::ZoneLeft:
        SetLeft(x);
        break;
    case FrameZone::ZoneRight:
        SetRight(x);
        break;
    case FrameZone::ZoneTop:
        SetTop(y);
        break;
    case FrameZone::ZoneBottom:
        SetBottom(y);
        break;
    case FrameZone::ZoneColWidth:
        if (widthOk) {
            SetValue(FrameBox::ColWidth, x - l);
        }
        break;
    case FrameZone::ZoneRowHeight:
        if (heightOk) {
            SetValue(FrameBox::RowHeight, y - t);
        }
        break;
    case FrameZone::ZoneCellSize:
        if (widthOk && heightOk) {
            SetValue(FrameBox::ColWidth, x - l);
            SetValue(FrameBox::RowHeight, y - t);
        }
        break;
    case FrameZone::ZoneTopLeft:
        if (0 < x && x < r && 0 < y && y < b) {
            SetValue(FrameBox::Top, y);
            SetValue(FrameBox::Left, x);
        }
        break;
    case FrameZone::None:
        break;
    }
}

DisplayRect TRecogFrame::CellRect(int row, int col) const {
    const int x = Left() + col * ColWidth();
    const int y = Top() + row * RowHeight();
    return {x, y, x + ColWidth(), y + RowHeight()};
}

std::optional<RecogCell> TRecogFrame::CellInFrame(int x, int y) const {
    if (x < Left() || x >= Right() || y < Top() || y >= Bottom()) {
        return std::nullopt;
    }
    return CellInGrid(x, y);
}

std::optional<RecogCell> TRecogFrame::CellInGrid(int x, int y) const {
    if (RowHeight() <= 0 || ColWidth() <= 0 || x < Left() || y < Top()) {
        return std::nullopt;
    }
    const int row = (y - Top()) / RowHeight();
    const int col = (x - Left()) / ColWidth();
    if (row >= Rows_ || col >= Cols_) {
        return std::nullopt;
    }
    return RecogCell{col, row};
}

PictureRect TRecogFrame::CellPictureRect(int row, int col) const {
    const DisplayRect cell = CellRect(row, col);
    return {cell.Left / Zoom_, cell.Top / Zoom_, ColWidth() / Zoom_, RowHeight() / Zoom_};
}

} // namespace lodrin
