#include "Recog_/RecogWindowState.h"

#include <array>

namespace lodrin {

namespace {

constexpr std::array<RecogToolLook, 7> ToolLooks = {{
    {RecogTool::ToolFrame, DisplayPointer::Cross,
     "除拖动调整外，还可以用【L、T、R、B】键定义“左上右下”边框；【左键双击】可快速指定“左上角”；"
     "【右键单击】可快速指定“右下角”"},
    {RecogTool::ToolWall, DisplayPointer::CursorWall, "识别 - 墙壁"},
    {RecogTool::ToolBox, DisplayPointer::CursorBox, "识别 - 箱子"},
    {RecogTool::ToolBoxOnGoal, DisplayPointer::CursorBoxGoal, "识别 - 箱子在目标位"},
    {RecogTool::ToolGoal, DisplayPointer::CursorGoal, "识别 - 目标点"},
    {RecogTool::ToolPlayer, DisplayPointer::CursorPlayer, "识别 - 仓管员"},
    {RecogTool::ToolErase, DisplayPointer::CursorErase, "擦除识别"},
}};

// The hover and drag texts of the zones, by FrameZone.
struct ZoneTexts {
    std::string_view Hover;
    std::string_view Drag;
};
constexpr std::array<ZoneTexts, 9> ZoneTextTable = {{
    {"", ""},
    {"【拖动 / 鼠标滚轮】调整【左边界】", "拖动调整【左边界】"},
    {"【拖动 / 鼠标滚轮】调整【右边界】", "拖动调整【右边界】"},
    {"【拖动 / 鼠标滚轮】调整【上边界】", "拖动调整【上边界】"},
    {"【拖动 / 鼠标滚轮】调整【下边界】", "拖动调整【下边界】"},
    {"【拖动 / 鼠标滚轮】调整【列宽】", "拖动调整【列宽】"},
    {"【拖动 / 鼠标滚轮】调整【行高】", "拖动调整【行高】"},
    {"【拖动 / 鼠标滚轮】同时调整【行高列宽】", "拖动同时调整【行高列宽】"},
    {"【拖动 / 鼠标滚轮】调整【左上角】", "拖动调整【左上角】"},
}};
constexpr std::string_view InsideFirstCellText = "【鼠标滚轮】同时调整【行高列宽】";

// The program cursors in registration order, from 11.
constexpr std::array<std::string_view, 7> CursorNames = {
    "CURSOR_WALL_",   "CURSOR_BOX_",   "CURSOR_BOXGOAL_", "CURSOR_GOAL_",
    "CURSOR_PLAYER_", "CURSOR_ERASE_", "CURSOR_SHEEL_",
};
constexpr int FirstCursorNumber = 11;

// The keys that run a command, with the modifiers they need.
struct KeyCommand {
    RecogKey Key;
    bool NeedsCtrl;
    bool NeedsShift;
    bool ForbidsShift;
    RecogCommand Command;
};
constexpr std::array<KeyCommand, 7> KeyCommands = {{
    {RecogKey::C, true, false, false, RecogCommand::Copy},
    {RecogKey::K, true, false, false, RecogCommand::Screen},
    {RecogKey::O, true, false, false, RecogCommand::Open},
    {RecogKey::Q, true, false, false, RecogCommand::Return},
    {RecogKey::Z, false, true, false, RecogCommand::Redo},
    {RecogKey::Z, true, false, true, RecogCommand::Undo},
    {RecogKey::F2, false, false, false, RecogCommand::Skin},
}};

RecogCommand CommandOfKey(RecogKey key, bool ctrl, bool shift) {
    for (const KeyCommand& k : KeyCommands) {
        if (k.Key == key && (ctrl || !k.NeedsCtrl) && (shift || !k.NeedsShift) &&
            !(shift && k.ForbidsShift)) {
            return k.Command;
        }
    }
    return RecogCommand::None;
}

RecogUpdate Drawn() {
    RecogUpdate update;
    update.Redraw = true;
    update.FrameChanged = true;
    return update;
}

} // namespace

int RecogCursorNumber(DisplayPointer pointer) {
    const int index = static_cast<int>(pointer) - static_cast<int>(DisplayPointer::CursorWall);
    return index >= 0 ? FirstCursorNumber + index : 0;
}

std::string_view RecogCursorName(DisplayPointer pointer) {
    const int number = RecogCursorNumber(pointer);
    return number == 0 ? std::string_view() : CursorNames[std::size_t(number - FirstCursorNumber)];
}

DisplayPointer ZoneDisplayPointer(const FrameHit& hit) {
    switch (ZonePointerShape(hit)) {
    case PointerShape::ResizeDiagonal:
        return DisplayPointer::ResizeDiagonal;
    case PointerShape::ResizeLeftRight:
        return DisplayPointer::ResizeLeftRight;
    case PointerShape::ResizeUpDown:
        return DisplayPointer::ResizeUpDown;
    case PointerShape::CellSizeWheel:
        return DisplayPointer::CursorWheel;
    case PointerShape::Cross:
        break;
    }
    return DisplayPointer::Cross;
}

const RecogToolLook& ToolLook(RecogTool tool) {
    return ToolLooks[static_cast<std::size_t>(tool)];
}

std::string_view ZoneHoverText(const FrameHit& hit) {
    if (hit.InsideFirstCell) {
        return InsideFirstCellText;
    }
    return ZoneTextTable[static_cast<std::size_t>(hit.Zone)].Hover;
}

std::string_view ZoneDragText(FrameZone zone) {
    return ZoneTextTable[static_cast<std::size_t>(zone)].Drag;
}

RecogUpdate& RecogUpdate::operator|=(const RecogUpdate& later) {
    Redraw = Redraw || later.Redraw;
    FrameChanged = FrameChanged || later.FrameChanged;
    ToolChanged = ToolChanged || later.ToolChanged;
    FocusView = FocusView || later.FocusView;
    if (later.Message) {
        Message = later.Message;
    }
    if (later.Pointer) {
        Pointer = later.Pointer;
    }
    if (later.FocusBox) {
        FocusBox = later.FocusBox;
    }
    if (later.Command != RecogCommand::None) {
        Command = later.Command;
    }
    return *this;
}

TRecogWindowState::TRecogWindowState(TRecogState& recog, bool reversedWheel, std::int64_t now)
    : Recog(recog), ReversedWheel(reversedWheel), LastReleaseTime(now) {}

RecogUpdate TRecogWindowState::Activate() {
    WheelTarget.reset();
    PressPoint = {};
    HiddenCell = {};
    Recog.RecognizedLevelInForce = false;
    ShiftHeld = false;
    RecogUpdate update = SelectTool(RecogTool::ToolFrame);
    update.Redraw = true;
    update.FrameChanged = true;
    Recog.Results.UndoList.clear();
    Recog.Results.RedoList.clear();
    return update;
}

RecogUpdate TRecogWindowState::SelectTool(RecogTool tool) {
    Tool = tool;
    RecogUpdate update;
    update.ToolChanged = true;
    update.Pointer = ToolLook(tool).Pointer;
    update.Message = ToolLook(tool).Message;
    return update;
}

RecogUpdate TRecogWindowState::PictureArrived() {
    RecogUpdate update = SelectTool(RecogTool::ToolFrame);
    ManualEditing = false;
    XsbDisplay = false;
    LastPointer = {-1, -1};
    HiddenCell = {};
    return update |= Drawn();
}

RecogUpdate TRecogWindowState::Press(DisplayPoint point) {
    PressPoint = point;
    RecogUpdate update;
    if (Tool != RecogTool::ToolFrame) {
        return update;
    }
    DragZone = FrameZone::None;
    HoverZone = FrameZone::None;
    const FrameHit hit = Recog.Frame.HitTest(point.X, point.Y, HitVariant::Press);
    DragZone = hit.Zone;
    update.Pointer = ZoneDisplayPointer(hit);
    return update;
}

RecogUpdate TRecogWindowState::Move(DisplayPoint point, bool ctrlHeld, bool shiftHeld) {
    WheelTarget.reset();
    LastPointer = point;
    if (ShiftHeld) {
        DragZone = FrameZone::None;
    } else {
        HoverZone = FrameZone::None;
    }
    OverHotZone = false;
    RecogUpdate update;
    if (Tool == RecogTool::ToolFrame) {
        update = MoveOverFrame(point);
    }
    if (ctrlHeld) {
        update |= KeyDown(RecogKey::Ctrl, true, shiftHeld);
    }
    if (shiftHeld) {
        update |= KeyDown(RecogKey::Shift, ctrlHeld, true);
    }
    update.FocusView = true;
    return update;
}

RecogUpdate TRecogWindowState::MoveOverFrame(DisplayPoint point) {
    RecogUpdate update;
    update.Message = FrameMoveText;
    if (DragZone == FrameZone::None) {
        update.Pointer = DisplayPointer::Cross;
        const FrameHit hit = Recog.Frame.HitTest(point.X, point.Y, HitVariant::Hover);
        if (hit.Zone != FrameZone::None) {
            HoverZone = hit.Zone;
            OverHotZone = true;
            update.Pointer = ZoneDisplayPointer(hit);
            update.Message = ZoneHoverText(hit);
        }
        return update;
    }
    Recog.Frame.Drag(DragZone, point.X, point.Y);
    update |= Drawn();
    update.Message = ZoneDragText(DragZone);
    return update;
}

RecogUpdate TRecogWindowState::Release(DisplayPoint point, RecogButton button, bool shiftHeld,
                                       std::int64_t now) {
    if (!Recog.HasPicture() || shiftHeld) {
        return {};
    }
    if (Tool == RecogTool::ToolFrame) {
        return FrameRelease(button, now);
    }
    const std::optional<RecogCell> cell = Recog.Frame.CellInFrame(point.X, point.Y);
    if (!cell) {
        return {};
    }
    Recog.CellAction(cell->Row, cell->Col, button, Tool, ManualEditing);
    RecogUpdate update;
    update.Redraw = true;
    return update;
}

RecogUpdate TRecogWindowState::FrameRelease(RecogButton button, std::int64_t now) {
    RecogUpdate update;
    if (button == RecogButton::Right) {
        Recog.Frame.SetRight(PressPoint.X);
        Recog.Frame.SetBottom(PressPoint.Y);
        update = Drawn();
    } else if (button == RecogButton::Left && now - LastReleaseTime < DoubleReleaseMs) {
        Recog.Frame.SetTop(PressPoint.Y);
        Recog.Frame.SetLeft(PressPoint.X);
        update = Drawn();
    }
    DragZone = FrameZone::None;
    update.Pointer = DisplayPointer::Cross;
    LastReleaseTime = now;
    return update;
}

RecogUpdate TRecogWindowState::Wheel(bool awayFromUser) {
    if (!Recog.HasPicture()) {
        return {};
    }
    const int step = WheelStep(awayFromUser, OverHotZone, ReversedWheel);
    if (ShiftHeld || OverHotZone) {
        Recog.Frame.WheelStepZone(HoverZone, step);
    } else if (WheelTarget) {
        Recog.Frame.WheelStepBox(*WheelTarget, step);
    } else {
        return {};
    }
    return Drawn();
}

std::optional<RecogCell> TRecogWindowState::CellUnderPointer() const {
    return Recog.Frame.CellInGrid(LastPointer.X, LastPointer.Y);
}

RecogUpdate TRecogWindowState::HideUnderPointer(RecogKey key) {
    const std::optional<RecogCell> cell = CellUnderPointer();
    if (key == RecogKey::Shift) {
        ShiftHeld = true;
        HiddenKind = cell ? Recog.Results.RecogMap.At(cell->Row, cell->Col) : '-';
    } else {
        HiddenCell = cell.value_or(RecogCell{});
    }
    RecogUpdate update;
    update.Redraw = true;
    return update;
}

RecogUpdate TRecogWindowState::BorderKey(RecogKey key) {
    TRecogFrame& frame = Recog.Frame;
    RecogUpdate update = Drawn();
    switch (key) {
    case RecogKey::L:
        frame.SetLeft(LastPointer.X);
        update.FocusBox = FrameBox::Left;
        break;
    case RecogKey::T:
        frame.SetTop(LastPointer.Y);
        update.FocusBox = FrameBox::Top;
        break;
    case RecogKey::R:
        frame.SetRight(LastPointer.X);
        update.FocusBox = FrameBox::Right;
        break;
    default:
        frame.SetBottom(LastPointer.Y);
        update.FocusBox = FrameBox::Bottom;
        break;
    }
    return update;
}

RecogUpdate TRecogWindowState::KeyDown(RecogKey key, bool ctrl, bool shift) {
    RecogUpdate update;
    switch (key) {
    case RecogKey::Shift:
    case RecogKey::Ctrl:
        if (Recog.HasPicture()) {
            return HideUnderPointer(key);
        }
        HiddenKind = '-';
        return update;
    case RecogKey::L:
    case RecogKey::T:
    case RecogKey::R:
    case RecogKey::B:
        return Recog.HasPicture() ? BorderKey(key) : update;
    default:
        update.Command = CommandOfKey(key, ctrl, shift);
        return update;
    }
}

RecogUpdate TRecogWindowState::KeyUp() {
    ShiftHeld = false;
    HiddenKind = '-';
    HiddenCell = {};
    RecogUpdate update;
    update.Redraw = true;
    return update;
}

RecogUpdate TRecogWindowState::EnterBox(FrameBox box) {
    WheelTarget = box;
    ShiftHeld = false;
    RecogUpdate update;
    update.FocusBox = box;
    return update;
}

bool TRecogWindowState::ShowsElement(int row, int col) const {
    if (HiddenCell == RecogCell{col, row}) {
        return false;
    }
    const char ch = Recog.Results.RecogMap.At(row, col);
    return IsRecognisedElement(ch) && ch != HiddenKind;
}

} // namespace lodrin
