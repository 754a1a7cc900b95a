#pragma once

#include "Recog_/RecogFrame.h"
#include "Recog_/RecogResults.h"
#include "Recog_/RecogState.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace lodrin {

// What the display's pointer shows: a shape of the desktop, or one of the program's own
// cursors, registered under the numbers 11 to 17.
enum class DisplayPointer {
    Cross,
    ResizeDiagonal,
    ResizeLeftRight,
    ResizeUpDown,
    CursorWall,    // 11 "CURSOR_WALL_"
    CursorBox,     // 12 "CURSOR_BOX_"
    CursorBoxGoal, // 13 "CURSOR_BOXGOAL_"
    CursorGoal,    // 14 "CURSOR_GOAL_"
    CursorPlayer,  // 15 "CURSOR_PLAYER_"
    CursorErase,   // 16 "CURSOR_ERASE_"
    CursorWheel,   // 17 "CURSOR_SHEEL_"
};

// The registered number of a program cursor (11 to 17); 0 for the desktop's shapes.
int RecogCursorNumber(DisplayPointer pointer);
// The resource name of a program cursor; empty for the desktop's shapes.
std::string_view RecogCursorName(DisplayPointer pointer);
// The pointer a zone of the frame asks for.
DisplayPointer ZoneDisplayPointer(const FrameHit& hit);

// A tool's look in the window: the display's pointer and the message line once selected.
struct RecogToolLook {
    RecogTool Tool;
    DisplayPointer Pointer;
    std::string_view Message;
};
const RecogToolLook& ToolLook(RecogTool tool);

// The message line while the pointer hovers over a zone, and while it drags one.
std::string_view ZoneHoverText(const FrameHit& hit);
std::string_view ZoneDragText(FrameZone zone);

// The message line of every pointer movement over the display in frame adjustment.
inline constexpr std::string_view FrameMoveText =
    "除拖或滚轮动调整外，还可以用【L、T、R、B】键定义“左上右下”边框；特别的：【左键双击】可快速"
    "指定“左上角”；【右键单击】可快速指定“右下角”";

// A point of the display, in display coordinates.
struct DisplayPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const DisplayPoint&, const DisplayPoint&) = default;
};

// The keys the window acts on.
enum class RecogKey { Other, Shift, Ctrl, L, T, R, B, C, K, O, Q, Z, F2 };

// The commands of the window's buttons that keys reach too.
enum class RecogCommand { None, Open, Screen, Copy, Undo, Redo, Skin, Return };

// What an event changed, so that the window shows it.
struct RecogUpdate {
    bool Redraw = false;       // the display and the box and goal counts
    bool FrameChanged = false; // the value boxes and the row and column counts
    bool ToolChanged = false;  // the tool panels
    std::optional<std::string_view> Message;
    std::optional<DisplayPointer> Pointer;
    bool FocusView = false;           // the keyboard focus goes to the scrolling view
    std::optional<FrameBox> FocusBox; // the keyboard focus goes to this value box
    RecogCommand Command = RecogCommand::None;

    // Joins a later update into this one: flags add up, later values win.
    RecogUpdate& operator|=(const RecogUpdate& later);
};

// The recognition window's own state beside the recognition state: the tool, the pointer's
// last position, the press point, the grabbed and hovered zones, the modifier flags, the last
// release time, the wheel target, what is hidden on the display and the display switches. It
// turns presses, moves, releases, wheel turns and keys into the frame operations, the cell
// actions and the commands, and says what to show.
class TRecogWindowState {
public:
    // Two left releases closer than this make the press point the top-left corner.
    static constexpr std::int64_t DoubleReleaseMs = 300;
    // Pixels the scrolling view moves for one wheel turn.
    static constexpr int ViewWheelStep = 50;

    // The window is created: the last release time is now.
    TRecogWindowState(TRecogState& recog, bool reversedWheel, std::int64_t now);

    TRecogState& Recog;
    const bool ReversedWheel; // the "/m" switch: +1 away from the user everywhere

    RecogTool Tool = RecogTool::ToolFrame;
    DisplayPoint LastPointer{-1, -1};
    DisplayPoint PressPoint;
    FrameZone DragZone = FrameZone::None;
    FrameZone HoverZone = FrameZone::None;
    bool ShiftHeld = false;
    bool OverHotZone = false;
    std::int64_t LastReleaseTime = 0;
    std::optional<FrameBox> WheelTarget; // the value box the pointer last moved over
    RecogCell HiddenCell;                // not drawn, not counted, no figure
    char HiddenKind = '-';               // cells of this character are not drawn
    bool XsbDisplay = false;             // recognised elements as XSB characters
    bool ManualEditing = false;          // element tools toggle single cells
    bool SamplePanelOpen = false;        // the sample panel and the similarity figures

    // The window becomes the active window of the program.
    RecogUpdate Activate();
    // A tool button was clicked (or the window switches to frame adjustment).
    RecogUpdate SelectTool(RecogTool tool);
    // A new picture became the recognition's picture: the window starts over on it.
    RecogUpdate PictureArrived();

    // A mouse button went down on the display.
    RecogUpdate Press(DisplayPoint point);
    // The pointer moved over the display. Held Ctrl and Shift act again afterwards, as their
    // key repeats do, so that what they hide follows the pointer.
    RecogUpdate Move(DisplayPoint point, bool ctrlHeld = false, bool shiftHeld = false);
    // A mouse button came up on the display at point, at time now (milliseconds).
    RecogUpdate Release(DisplayPoint point, RecogButton button, bool shiftHeld, std::int64_t now);

    // Whether the scrolling view passes a wheel turn on to the window instead of scrolling.
    bool ViewPassesWheel() const { return ShiftHeld || OverHotZone; }
    // A wheel turn the window uses: steps the hovered zone or the wheel target.
    RecogUpdate Wheel(bool awayFromUser);

    // A key went down (or repeats); ctrl and shift are the modifiers held with it.
    RecogUpdate KeyDown(RecogKey key, bool ctrl, bool shift);
    // Any key came up: nothing is hidden any more.
    RecogUpdate KeyUp();

    // The pointer moved over a value box: it becomes the wheel target and takes the focus.
    RecogUpdate EnterBox(FrameBox box);
    // The pointer moved over another control or a bar: no wheel target.
    void EnterOther() { WheelTarget.reset(); }

    // The box and goal counts the display shows: the hidden cell is not counted.
    RecogCounts DisplayCounts() const { return Recog.Results.Counts(Recog.Grid(), HiddenCell); }
    // Whether the recognised element of cell (row, col) is drawn.
    bool ShowsElement(int row, int col) const;

private:
    std::optional<RecogCell> CellUnderPointer() const;
    RecogUpdate MoveOverFrame(DisplayPoint point);
    RecogUpdate FrameRelease(RecogButton button, std::int64_t now);
    RecogUpdate HideUnderPointer(RecogKey key);
    RecogUpdate BorderKey(RecogKey key);
};

} // namespace lodrin
