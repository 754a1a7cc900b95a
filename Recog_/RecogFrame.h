#pragma once

#include "Recog_/RecogGrid.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace lodrin {

// The six value boxes of the frame, in the order the window shows them.
enum class FrameBox { Left, Top, Right, Bottom, RowHeight, ColWidth };

// One value box: its value and limits. Equal limits leave a value unclamped.
struct ValueBox {
    int Value = 0;
    int Minimum = 0;
    int Maximum = 0;
    // The value a set stores: below the minimum gives the minimum, above the maximum the
    // maximum; a maximum below the minimum gives the minimum.
    int Clamp(int value) const;
    friend bool operator==(const ValueBox&, const ValueBox&) = default;
};

// The frame's six values in display coordinates (a saved frame).
struct FrameValues {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int RowHeight = 50;
    int ColWidth = 50;
    friend bool operator==(const FrameValues&, const FrameValues&) = default;
};

// The places where the pointer can grab the frame.
enum class FrameZone {
    None = 0,
    ZoneLeft = 1,
    ZoneRight = 2,
    ZoneTop = 3,
    ZoneBottom = 4,
    ZoneColWidth = 5,
    ZoneRowHeight = 6,
    ZoneCellSize = 7,
    ZoneTopLeft = 8,
};

// A press grabs lines only; hovering also finds the inside of the first cell (wheel target).
enum class HitVariant { Press, Hover };

// The result of a hit test.
struct FrameHit {
    FrameZone Zone = FrameZone::None;
    bool InsideFirstCell = false; // ZoneCellSize found inside the first cell (hover only)
    friend bool operator==(const FrameHit&, const FrameHit&) = default;
};

// The pointer shape a zone asks for on the display.
enum class PointerShape {
    Cross,           // no zone
    ResizeDiagonal,  // north-west to south-east: top-left corner, cell size corner
    ResizeLeftRight, // left, right border, column line
    ResizeUpDown,    // top, bottom border, row line
    CellSizeWheel,   // inside the first cell: the program's own "wheel" cursor
};
PointerShape ZonePointerShape(const FrameHit& hit);

// The step of one wheel turn: +1 away from the user and -1 towards, reversed over a hot zone,
// and always +1 away when the reversed-wheel switch is set.
int WheelStep(bool awayFromUser, bool overHotZone, bool reversedWheel);

// The value boxes a zone grabs, in the order they are set: none, one, or two for the cell
// size (column width, row height) and the top-left corner (left, top).
const std::vector<FrameBox>& GrabbedBoxes(FrameZone zone);

// How many characters a value box accepts when typed into: 4 for borders, 3 for sizes.
int TypedLength(FrameBox box);

// The recognition frame: picture size, zoom, the six value boxes with their limits, the row
// and column counts derived from them, the hit test and the drags. Every value the window
// shows comes from here; the window binds its spin boxes and forwards the user's input.
class TRecogFrame {
public:
    TRecogFrame();

    // The picture (its size in picture pixels) and the zoom; the display is the picture
    // enlarged by the zoom, and every frame value is in display coordinates.
    bool HasPicture() const { return HasPicture_; }
    int PictureWidth() const { return PictureWidth_; }
    int PictureHeight() const { return PictureHeight_; }
    int ZoomFactor() const { return Zoom_; }
    int DisplayWidth() const { return PictureWidth_ * Zoom_; }
    int DisplayHeight() const { return PictureHeight_ * Zoom_; }

    // A value box with its limits, as the window's spin box shows it; the six values.
    const ValueBox& Box(FrameBox box) const { return Boxes_[Index(box)]; }
    int Left() const { return Box(FrameBox::Left).Value; }
    int Top() const { return Box(FrameBox::Top).Value; }
    int Right() const { return Box(FrameBox::Right).Value; }
    int Bottom() const { return Box(FrameBox::Bottom).Value; }
    int RowHeight() const { return Box(FrameBox::RowHeight).Value; }
    int ColWidth() const { return Box(FrameBox::ColWidth).Value; }
    FrameValues Values() const;
    // Row and column counts of the grid, at most 100 each.
    int Rows() const { return Rows_; }
    int Cols() const { return Cols_; }

    // Sets a box (clamped) and, when its value changes, runs the box's change procedure.
    void SetValue(FrameBox box, int value);
    // The box's text as typed while it has the focus: taken unclamped and used for the
    // counts (text that is not a number reads as the minimum); borders do not swap yet.
    void TypeText(FrameBox box, std::string_view text);
    // The focus leaves the box (or Enter): its value is clamped and its change procedure runs.
    void LeaveBox(FrameBox box);
    // One click on the box's up (+1) or down (-1) arrow.
    void StepBox(FrameBox box, int delta);
    // A wheel step on a box; applied only when the result stays in range. True when applied.
    bool WheelStepBox(FrameBox box, int step);
    // A wheel step on a hovered zone: the border(s) or size(s) that zone grabs.
    void WheelStepZone(FrameZone zone, int step);

    // Border setters that keep left <= right and top <= bottom: a value beyond the opposite
    // border makes the two swap roles.
    void SetLeft(int x);
    void SetRight(int x);
    void SetTop(int y);
    void SetBottom(int y);

    // Quick border of a border box: left or top to 0, right or bottom to the display's last
    // column or row. Nothing without a picture.
    void QuickBorder(FrameBox box);

    // A picture file of width x height pixels was opened: zoom 1, limits, default frame, sizes.
    void NewPicture(int width, int height);
    // The screen was captured: as a new picture, then the capture's tighter border limits.
    void NewCapture(int width, int height);
    // Zoom 1 -> 2 -> 4 -> 1, rescaling the frame. False (and nothing changes) without a picture.
    bool CycleZoom();
    // The default frame of the current display.
    void ApplyDefaultFrame();
    // Back to a saved frame: its borders (or the default frame when none of them is above 0),
    // then its row height and column width.
    void RestoreFrame(const FrameValues& saved);

    // The zone at display point (x, y); none without a picture.
    FrameHit HitTest(int x, int y, HitVariant variant) const;
    // Moves the grabbed zone to display point (x, y).
    void Drag(FrameZone zone, int x, int y);

    // The display rectangle of grid cell (row, col).
    DisplayRect CellRect(int row, int col) const;
    // The cell a release at (x, y) acts on: inside the frame and within the counts.
    std::optional<RecogCell> CellInFrame(int x, int y) const;
    // The cell under (x, y) within the rows x cols grid (which may reach past the frame).
    std::optional<RecogCell> CellInGrid(int x, int y) const;
    // The picture rectangle of cell (row, col): display values divided by the zoom.
    PictureRect CellPictureRect(int row, int col) const;

private:
    static std::size_t Index(FrameBox box) { return static_cast<std::size_t>(box); }
    ValueBox& BoxRef(FrameBox box) { return Boxes_[Index(box)]; }
    void BoxChanged(FrameBox box);
    void SetLow(FrameBox low, FrameBox high, int value);
    void SetHigh(FrameBox low, FrameBox high, int value);
    void BordersChanged();
    void Recount();
    void SetFileLimits();
    void TakePicture(int width, int height, bool capture);
    void SetCaptureLimits();
    void AssignBorders(int left, int top, int right, int bottom);
    void FitCellSize();
    void Rescale(bool down);

    std::array<ValueBox, 6> Boxes_;
    int Rows_ = 1;
    int Cols_ = 1;
    bool HasPicture_ = false;
    int PictureWidth_ = 0;
    int PictureHeight_ = 0;
    int Zoom_ = 1;
};

} // namespace lodrin
