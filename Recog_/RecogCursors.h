#pragma once

#include "Recog_/RecogWindowState.h"

#include <QCursor>
#include <QImage>

#include <array>

namespace lodrin {

struct SkinStrip;

// The picture of one of the program's cursors (11 to 17): the pointer with a badge showing
// the current skin's tile of the element (wall, box, box on goal, goal, keeper), the eraser
// or the mouse wheel. Null for the desktop's shapes.
QImage RecogCursorImage(DisplayPointer pointer, const SkinStrip& strip);

// The display's pointers: the desktop's shapes and the program's cursors, the element
// cursors made again from the strip whenever the skin changes.
class TRecogCursors {
public:
    void Build(const SkinStrip& strip);
    QCursor Get(DisplayPointer pointer) const;

private:
    std::array<QCursor, 7> Own_; // cursors 11 to 17
};

} // namespace lodrin
