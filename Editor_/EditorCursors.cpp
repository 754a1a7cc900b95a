#include "Editor_/EditorCursors.h"

#include "Editor_/CommandIcons.h"
#include "LoadSkin/SkinStrip.h"
#include "board/CellCode.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace lodrin {
namespace {

constexpr int CursorSize = 32;
constexpr int BadgeLeft = 11;
constexpr int BadgeTop = 12;
constexpr int BadgeSize = 19;

int StripIndex(ToolCursor cursor) {
    switch (cursor) {
    case ToolCursor::Wall:
        return Wall;
    case ToolCursor::Box:
        return Box;
    case ToolCursor::Goal:
        return Goal;
    case ToolCursor::Floor:
        return Floor;
    case ToolCursor::Player:
        return Player;
    case ToolCursor::BoxMove:
        return Box;
    }
    return Floor;
}

// The classic pointer, white with a black rim, tip at (0, 0).
void DrawArrow(QPainter& p) {
    p.save();
    p.translate(0.5, 0.5);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPath(PointerArrowPath());
    p.restore();
}

// Four small arrow heads around the badge's centre: the box moves.
void DrawMoveArrows(QPainter& p, const QRect& badge) {
    const QPointF c = QRectF(badge).center();
    const qreal r = badge.width() / 2.0 - 1.5;
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    for (int turn = 0; turn < 4; ++turn) {
        p.save();
        p.translate(c);
        p.rotate(90.0 * turn);
        const QPointF head[] = {{0, -r}, {-3.5, -r + 4}, {3.5, -r + 4}};
        p.drawPolygon(head, 3);
        p.restore();
    }
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
    switch (cursor) {
    case ToolCursor::Wall:
        return QStringLiteral("CURSOR_WALL");
    case ToolCursor::Box:
        return QStringLiteral("CURSOR_BOX");
    case ToolCursor::Goal:
        return QStringLiteral("CURSOR_GOAL");
    case ToolCursor::Floor:
        return QStringLiteral("CURSOR_FLOOR");
    case ToolCursor::Player:
        return QStringLiteral("CURSOR_PLAYER");
    case ToolCursor::BoxMove:
        return QStringLiteral("CURSOR_BOXM");
    }
    return {};
}

QImage ToolCursorImage(ToolCursor cursor, const QImage& strip) {
    QImage image(CursorSize, CursorSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect badge(BadgeLeft, BadgeTop, BadgeSize, BadgeSize);
    const int k = StripIndex(cursor);
    const QRect tile = SkinStrip::TileRect(k);
    if (strip.rect().contains(tile)) {
        p.drawImage(badge, strip, tile);
    } else {
        p.fillRect(badge, Qt::gray);
    }
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(badge).adjusted(-0.5, -0.5, 0.5, 0.5));
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(QRectF(badge).adjusted(-1.5, -1.5, 1.5, 1.5));
    if (cursor == ToolCursor::BoxMove) {
        DrawMoveArrows(p, badge);
    }
    DrawArrow(p);
    return image;
}

void TEditorCursors::Build(const QImage& strip) {
    for (int i = 0; i < ToolCursorCount; ++i) {
        const auto cursor = static_cast<ToolCursor>(i);
        Cursors_[static_cast<std::size_t>(i)] =
            QCursor(QPixmap::fromImage(ToolCursorImage(cursor, strip)), 0, 0);
    }
}

} // namespace lodrin
