#pragma once

#include "Editor_/EditTool.h"

#include <QCursor>
#include <QImage>
#include <QString>

#include <array>
#include <optional>

namespace lodrin {

struct SkinStrip;

// The editor's six grid cursors, custom cursors 1 to 6 in this order.
enum class ToolCursor { Wall, Box, Goal, Floor, Player, BoxMove };

inline constexpr int ToolCursorCount = 6;

// The grid cursor of a tool; the browse tool keeps the default arrow.
std::optional<ToolCursor> CursorOfTool(EditTool tool);

// The cursor's name: "CURSOR_WALL", "CURSOR_BOX", "CURSOR_GOAL", "CURSOR_FLOOR",
// "CURSOR_PLAYER", "CURSOR_BOXM".
QString ToolCursorName(ToolCursor cursor);

// The cursor's picture: an arrow pointing at its hot spot (0, 0) with a small
// tile of the current skin beside it; the box-moving cursor adds move arrows.
QImage ToolCursorImage(ToolCursor cursor, const SkinStrip& strip);

// The six cursors made from the current skin strip.
class TEditorCursors {
public:
    // Makes every cursor again from the strip's tiles.
    void Build(const SkinStrip& strip);
    const QCursor& Get(ToolCursor cursor) const {
        return Cursors_[static_cast<std::size_t>(cursor)];
    }

private:
    std::array<QCursor, ToolCursorCount> Cursors_;
};

} // namespace lodrin
