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
    return QString::fromLatin1(LookOf(cursor).Name);
}

QImage ToolCursorImage(ToolCursor cursor, const SkinStrip& strip) {
    QImage image(CursorSize, CursorSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect badge(BadgeLeft, BadgeTop, BadgeSize, BadgeSize);
    const int k = LookOf(cursor).Code;
    if (strip.HasTile(k)) {
        p.drawImage(badge, strip.Image, SkinStrip::TileRect(k));
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

void TEditorCursors::Build(const SkinStrip& strip) {
    for (int i = 0; i < ToolCursorCount; ++i) {
        const auto cursor = static_cast<ToolCursor>(i);
        Cursors_[static_cast<std::size_t>(i)] =
            QCursor(QPixmap::fromImage(ToolCursorImage(cursor, strip)), 0, 0);
    }
}

} // namespace lodrin
