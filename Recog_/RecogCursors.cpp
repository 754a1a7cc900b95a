#include "Recog_/RecogCursors.h"

#include "LoadSkin/SkinStrip.h"
#include "board/CellCode.h"
#include "platform/CommandIcons.h"

#include <QPixmap>

namespace lodrin {

namespace {

constexpr int FirstOwnCursor = 11;
constexpr int BadgePictureSize = 60;

// The cell code whose tile badges an element cursor, or -1 for the cursors with a picture.
int BadgeCode(DisplayPointer pointer) {
    switch (pointer) {
    case DisplayPointer::CursorWall:
        return Wall;
    case DisplayPointer::CursorBox:
        return Box;
    case DisplayPointer::CursorBoxGoal:
        return BoxOnGoal;
    case DisplayPointer::CursorGoal:
        return Goal;
    case DisplayPointer::CursorPlayer:
        return Player;
    default:
        return -1;
    }
}

} // namespace

QImage RecogCursorImage(DisplayPointer pointer, const SkinStrip& strip) {
    if (RecogCursorNumber(pointer) == 0) {
        return {};
    }
    if (pointer == DisplayPointer::CursorErase) {
        return BadgeCursorImage(ToolPicture(CommandIcon::Clear, BadgePictureSize));
    }
    if (pointer == DisplayPointer::CursorWheel) {
        return BadgeCursorImage(ToolPicture(CommandIcon::Wheel, BadgePictureSize));
    }
    const int code = BadgeCode(pointer);
    return BadgeCursorImage(strip.HasTile(code) ? strip.Tile(code) : QImage());
}

void TRecogCursors::Build(const SkinStrip& strip) {
    for (std::size_t i = 0; i < Own_.size(); ++i) {
        const auto pointer =
            static_cast<DisplayPointer>(static_cast<int>(DisplayPointer::CursorWall) + int(i));
        Own_[i] = QCursor(QPixmap::fromImage(RecogCursorImage(pointer, strip)), 0, 0);
    }
}

QCursor TRecogCursors::Get(DisplayPointer pointer) const {
    switch (pointer) {
    case DisplayPointer::Cross:
        return Qt::CrossCursor;
    case DisplayPointer::ResizeDiagonal:
        return Qt::SizeFDiagCursor;
    case DisplayPointer::ResizeLeftRight:
        return Qt::SizeHorCursor;
    case DisplayPointer::ResizeUpDown:
        return Qt::SizeVerCursor;
    default:
        return Own_[static_cast<std::size_t>(RecogCursorNumber(pointer) - FirstOwnCursor)];
    }
}

} // namespace lodrin
