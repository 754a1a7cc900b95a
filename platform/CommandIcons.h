#pragma once

#include <QIcon>
#include <QImage>
#include <QPainterPath>

namespace lodrin {

// The pictures of the command buttons of the editor and the recognition window.
enum class CommandIcon {
    SaveToFile,
    Copy,
    Paste,
    Undo,
    Redo,
    Clear,
    LevelInfo,
    Normalize,
    Skin,
    Recognize,
    Help,
    Trial,
    OpenPicture,   // a folder with a picture
    CaptureScreen, // a monitor
    Scale,         // a magnifier with a plus
    Return,        // an arrow back to the editor
    Frame,         // a dashed frame with grips (the frame tool)
    Wheel,         // a mouse with its wheel (turn the wheel here)
};

// A flat picture for the command, drawn by the program at 24 and 48 pixels.
QIcon MakeCommandIcon(CommandIcon icon);

// The outline of the classic mouse pointer, 11 by 17 units, tip at (0, 0).
QPainterPath PointerArrowPath();

// The fixed picture of the browse tool: a pointer on a light square.
QImage BrowseToolPicture(int size);

// A command's picture on a light square, for tool buttons that show a fixed picture.
QImage ToolPicture(CommandIcon icon, int size);

// A 32 x 32 cursor: the classic pointer with its tip, the hot spot, at (0, 0) and a small
// framed badge below and to the right of it showing the given picture, with four move arrows
// over the badge when asked.
QImage BadgeCursorImage(const QImage& badge, bool moveArrows = false);

} // namespace lodrin
