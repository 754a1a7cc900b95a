#include "Editor_/EditorCursors.h"

#include "LoadSkin/SkinStrip.h"
#include "board/CellCode.h"
#include "platform/CommandIcons.h"

#include <QPixmap>

namespace lodrin {
namespace {

// Each cursor's name and the cell code of the strip tile its badge shows, by ToolCursor.
struct CursorLook {
    const char* Name;
    int Code;
};
constexpr CursorLook CursorLooks[ToolCursorCount] = {
    {"CURSOR_WALL", Wall},   {"CURSOR_BOX", Box},       {"CURSOR_GOAL", Goal},
    {"CURSOR_FLOOR", Floor}, {"CURSOR_PLAYER", Player}, {"CURSOR_BOXM", Box},
};

const CursorLook& LookOf(ToolCursor cursor) {
    return CursorLooks[static_cast<std::size_t>(cursor)];
}

} // namespace

std::optional<ToolCursor> CursorOfTool(EditTool tool) {
    switch (tool) {
    case EditTool::WallTool:
        return ToolCursor::Wall;
    case EditTool::BoxTool:
        return ToolCursor::Box;
    case EditTool::GoalTool:
        return ToolCursor::Goal;
    case EditTool::FloorTool:
        return ToolCursor::Floor;
    case EditTool::PlayerTool:
        return ToolCursor::Player;
    case EditTool::BoxPlacement:
        return ToolCursor::BoxMove;
    case EditTool::SelectTool:
        return std::nullopt;
    }
    return std::nullopt;
}

QString ToolCursorName(ToolCursor cursor) {
    return QString::fromLatin1(LookOf(cursor).Name);
}

QImage ToolCursorImage(ToolCursor cursor, const SkinStrip& strip) {
    const int k = LookOf(cursor).Code;
    return BadgeCursorImage(strip.HasTile(k) ? strip.Tile(k) : QImage(),
                            cursor == ToolCursor::BoxMove);
}

void TEditorCursors::Build(const SkinStrip& strip) {
    for (int i = 0; i < ToolCursorCount; ++i) {
        const auto cursor = static_cast<ToolCursor>(i);
        Cursors_[static_cast<std::size_t>(i)] =
            QCursor(QPixmap::fromImage(ToolCursorImage(cursor, strip)), 0, 0);
    }
}

} // namespace lodrin
