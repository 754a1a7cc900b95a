#pragma once

#include <QIcon>
#include <QImage>
#include <QPainterPath>

namespace lodrin {

// The pictures of the editor's command buttons.
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
};

// A flat picture for the command, drawn by the program at 24 and 48 pixels.
QIcon MakeCommandIcon(CommandIcon icon);

// The outline of the classic mouse pointer, 11 by 17 units, tip at (0, 0).
QPainterPath PointerArrowPath();

// The fixed picture of the browse tool: a pointer on a light square.
QImage BrowseToolPicture(int size);

} // namespace lodrin
