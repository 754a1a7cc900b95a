#include "platform/CommandIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace lodrin {
namespace {

// The pictures are drawn on a 24 x 24 design grid.
constexpr int DesignSize = 24;
// The light square behind the fixed tool pictures.
const QColor ToolPictureBackground(226, 233, 240);
// Cursors: 32 x 32 with the badge below and to the right of the pointer's tip.
constexpr int CursorSize = 32;
constexpr int BadgeLeft = 11;
constexpr int BadgeTop = 12;
constexpr int BadgeSize = 19;

const QColor Ink(45, 52, 60);
const QColor Teal(24, 154, 149);
const QColor Orange(207, 140, 55);
const QColor Red(196, 58, 49);
const QColor Blue(52, 101, 164);
const QColor Paper(250, 250, 247);
const QColor Brick(170, 70, 52);

QPen InkPen(qreal width = 1.6) {
    return QPen(Ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void DrawSheet(QPainter& p, const QRectF& r) {
    p.setPen(InkPen(1.3));
    p.setBrush(Paper);
    p.drawRoundedRect(r, 1.5, 1.5);
    p.setPen(QPen(QColor(150, 160, 170), 1.1));
    for (qreal y = r.top() + 4; y < r.bottom() - 2; y += 3) {
        p.drawLine(QPointF(r.left() + 2.5, y), QPointF(r.right() - 2.5, y));
    }
}

void DrawFloppy(QPainter& p) {
    p.setPen(InkPen(1.3));
    p.setBrush(Blue);
    QPainterPath body;
    body.moveTo(3, 4);
    body.lineTo(18, 4);
    body.lineTo(21, 7);
    body.lineTo(21, 20);
    body.lineTo(3, 20);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(Paper);
    p.drawRect(QRectF(6, 12, 12, 8));
    p.setBrush(QColor(200, 210, 222));
    p.drawRect(QRectF(7, 4, 9, 5));
    p.setBrush(Ink);
    p.drawRect(QRectF(13, 5, 2, 3));
}

void DrawClipboard(QPainter& p) {
    p.setPen(InkPen(1.3));
    p.setBrush(QColor(176, 128, 80));
    p.drawRoundedRect(QRectF(4, 4, 16, 18), 2, 2);
    DrawSheet(p, QRectF(6.5, 7, 11, 13));
    p.setPen(InkPen(1.2));
    p.setBrush(QColor(190, 198, 206));
    p.drawRoundedRect(QRectF(8.5, 2.5, 7, 4), 1.2, 1.2);
}

void DrawTurnArrow(QPainter& p, bool redo) {
    if (redo) {
        p.translate(DesignSize, 0);
        p.scale(-1, 1);
    }
    p.setPen(QPen(Teal, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath arc;
    arc.moveTo(7, 9);
    arc.cubicTo(12, 5, 21, 7, 20, 14);
    arc.cubicTo(19.5, 18, 15, 20, 11, 19.5);
    p.drawPath(arc);
    p.setPen(Qt::NoPen);
    p.setBrush(Teal);
    const QPointF head[] = {{3, 10.5}, {10, 4.5}, {10.5, 13}};
    p.drawPolygon(head, 3);
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

void DrawEraser(QPainter& p) {
    p.save();
    p.translate(12, 12);
    p.rotate(-40);
    p.setPen(InkPen(1.3));
    p.setBrush(QColor(232, 120, 130));
    p.drawRoundedRect(QRectF(-9, -4.5, 10, 9), 1.5, 1.5);
    p.setBrush(Paper);
    p.drawRoundedRect(QRectF(1, -4.5, 8, 9), 1.5, 1.5);
    p.restore();
    p.setPen(QPen(QColor(150, 160, 170), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(11, 21), QPointF(21, 21));
}

void DrawRoundSign(QPainter& p, const QColor& fill, const QString& letter) {
    p.setPen(InkPen(1.2));
    p.setBrush(fill);
    p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
    QFont font;
    font.setPixelSize(14);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(2.5, 2.5, 19, 19), Qt::AlignCenter, letter);
}

void DrawNormalize(QPainter& p) {
    p.setPen(QPen(Ink, 0.8));
    p.setBrush(Brick);
    for (int i = 0; i < 4; ++i) {
        p.drawRect(QRectF(2 + 5 * i, 2, 5, 5));  // top
        p.drawRect(QRectF(2 + 5 * i, 17, 5, 5)); // bottom
    }
    for (int i = 1; i < 3; ++i) {
        p.drawRect(QRectF(2, 2 + 5 * i, 5, 5));  // left
        p.drawRect(QRectF(17, 2 + 5 * i, 5, 5)); // right
    }
    p.setPen(QPen(QColor(46, 160, 67), 2.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QPointF check[] = {{8, 12}, {11, 15}, {17, 8}};
    p.drawPolyline(check, 3);
}

void DrawPalette(QPainter& p) {
    p.setPen(InkPen(1.3));
    p.setBrush(QColor(236, 220, 190));
    QPainterPath board;
    board.addEllipse(QRectF(2.5, 4, 19, 16));
    QPainterPath hole;
    hole.addEllipse(QRectF(13, 13, 4, 4));
    p.drawPath(board.subtracted(hole));
    const QColor dots[] = {Red, Orange, Teal, Blue};
    const QPointF at[] = {{7, 10}, {11, 7.5}, {16, 8.5}, {7.5, 15}};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(dots[i]);
        p.drawEllipse(at[i], 2, 2);
    }
}

void DrawRecognize(QPainter& p) {
    p.setPen(InkPen(1.3));
    p.setBrush(Paper);
    p.drawRect(QRectF(3, 5, 15, 12));
    p.setBrush(Brick);
    p.setPen(QPen(Ink, 0.6));
    p.drawRect(QRectF(5, 7, 4, 4));
    p.setBrush(Orange);
    p.drawRect(QRectF(10, 11, 4, 4));
    p.setPen(QPen(Ink, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawEllipse(QRectF(11, 10, 8, 8));
    p.drawLine(QPointF(18, 17), QPointF(21.5, 20.5));
}

void DrawFolder(QPainter& p) {
    p.setPen(InkPen(1.2));
    p.setBrush(QColor(236, 190, 90));
    QPainterPath back;
    back.moveTo(2.5, 6);
    back.lineTo(9, 6);
    back.lineTo(11, 8);
    back.lineTo(21.5, 8);
    back.lineTo(21.5, 20);
    back.lineTo(2.5, 20);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(Paper);
    p.drawRect(QRectF(6, 4, 12, 9));
    p.setPen(Qt::NoPen);
    p.setBrush(Teal);
    const QPointF hill[] = {{7, 12}, {11, 7.5}, {14, 10.5}, {15.5, 9}, {17, 12}};
    p.drawPolygon(hill, 5);
    p.setPen(InkPen(1.2));
    p.setBrush(QColor(248, 208, 112));
    const QPointF front[] = {{2.5, 20}, {5, 11}, {23, 11}, {21.5, 20}};
    p.drawPolygon(front, 4);
}

void DrawMonitor(QPainter& p) {
    p.setPen(InkPen(1.3));
    p.setBrush(QColor(70, 80, 92));
    p.drawRoundedRect(QRectF(2.5, 3.5, 19, 13), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 180, 225));
    p.drawRect(QRectF(4.5, 5.5, 15, 9));
    p.setBrush(Paper);
    const QPointF shine[] = {{4.5, 11}, {10, 5.5}, {13, 5.5}, {4.5, 14}};
    p.drawPolygon(shine, 4);
    p.setPen(InkPen(1.3));
    p.setBrush(QColor(150, 160, 170));
    p.drawRect(QRectF(10, 16.5, 4, 3));
    p.drawRoundedRect(QRectF(6.5, 19.5, 11, 2), 1, 1);
}

void DrawMagnifier(QPainter& p) {
    p.setPen(QPen(Ink, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14.5, 14.5), QPointF(21, 21));
    p.setPen(InkPen(1.6));
    p.setBrush(QColor(225, 238, 250));
    p.drawEllipse(QRectF(2.5, 2.5, 14, 14));
    p.setPen(QPen(Blue, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9.5, 6), QPointF(9.5, 13));
    p.drawLine(QPointF(6, 9.5), QPointF(13, 9.5));
}

void DrawReturn(QPainter& p) {
    p.setPen(InkPen(1.3));
    p.setBrush(QColor(176, 128, 80));
    p.drawRect(QRectF(12.5, 2.5, 9, 19));
    p.setBrush(Ink);
    p.drawEllipse(QPointF(14.8, 12.5), 0.9, 0.9);
    p.setPen(QPen(Red, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(11, 12), QPointF(3.5, 12));
    const QPointF head[] = {{7, 8}, {3, 12}, {7, 16}};
    p.drawPolyline(head, 3);
}

void DrawFrameTool(QPainter& p) {
    p.setPen(QPen(Ink, 1.3, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(4, 4, 16, 16));
    p.setPen(QPen(Ink, 0.8));
    p.setBrush(Paper);
    for (const QPointF& at : {QPointF(4, 4), QPointF(20, 4), QPointF(4, 20), QPointF(20, 20)}) {
        p.drawRect(QRectF(at.x() - 2, at.y() - 2, 4, 4));
    }
    p.setPen(QPen(Red, 1.2));
    p.drawLine(QPointF(12, 4), QPointF(12, 20));
    p.drawLine(QPointF(4, 12), QPointF(20, 12));
}

void DrawMouseWheel(QPainter& p) {
    p.setPen(InkPen(1.3));
    p.setBrush(Paper);
    p.drawRoundedRect(QRectF(6, 2.5, 12, 19), 6, 6);
    p.drawLine(QPointF(6, 10), QPointF(18, 10));
    p.drawLine(QPointF(12, 2.5), QPointF(12, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(Blue);
    p.drawRoundedRect(QRectF(10.5, 4, 3, 5), 1.5, 1.5);
}

void DrawTrial(QPainter& p) {
    p.setPen(InkPen(1.2));
    p.setBrush(QColor(46, 160, 67));
    p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    const QPointF play[] = {{9.5, 7}, {17, 12}, {9.5, 17}};
    p.drawPolygon(play, 3);
}

void Draw(QPainter& p, CommandIcon icon) {
    switch (icon) {
    case CommandIcon::SaveToFile:
        DrawFloppy(p);
        break;
    case CommandIcon::Copy:
        DrawSheet(p, QRectF(3, 3, 12, 15));
        DrawSheet(p, QRectF(9, 7, 12, 15));
        break;
    case CommandIcon::Paste:
        DrawClipboard(p);
        break;
    case CommandIcon::Undo:
        DrawTurnArrow(p, false);
        break;
    case CommandIcon::Redo:
        DrawTurnArrow(p, true);
        break;
    case CommandIcon::Clear:
        DrawEraser(p);
        break;
    case CommandIcon::LevelInfo:
        DrawRoundSign(p, Blue, QStringLiteral("i"));
        break;
    case CommandIcon::Normalize:
        DrawNormalize(p);
        break;
    case CommandIcon::Skin:
        DrawPalette(p);
        break;
    case CommandIcon::Recognize:
        DrawRecognize(p);
        break;
    case CommandIcon::Help:
        DrawRoundSign(p, Orange, QStringLiteral("?"));
        break;
    case CommandIcon::Trial:
        DrawTrial(p);
        break;
    case CommandIcon::OpenPicture:
        DrawFolder(p);
        break;
    case CommandIcon::CaptureScreen:
        DrawMonitor(p);
        break;
    case CommandIcon::Scale:
        DrawMagnifier(p);
        break;
    case CommandIcon::Return:
        DrawReturn(p);
        break;
    case CommandIcon::Frame:
        DrawFrameTool(p);
        break;
    case CommandIcon::Wheel:
        DrawMouseWheel(p);
        break;
    }
}

QPixmap Render(CommandIcon icon, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(static_cast<qreal>(size) / DesignSize, static_cast<qreal>(size) / DesignSize);
    Draw(p, icon);
    return pixmap;
}

} // namespace

QIcon MakeCommandIcon(CommandIcon icon) {
    QIcon result;
    result.addPixmap(Render(icon, DesignSize));
    result.addPixmap(Render(icon, 2 * DesignSize));
    return result;
}

QPainterPath PointerArrowPath() {
    QPainterPath path;
    path.moveTo(0, 0);
    path.lineTo(0, 15);
    path.lineTo(4, 11);
    path.lineTo(7, 17);
    path.lineTo(9, 16);
    path.lineTo(6, 10);
    path.lineTo(11, 10);
    path.closeSubpath();
    return path;
}

QImage BrowseToolPicture(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(ToolPictureBackground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(static_cast<qreal>(size) / DesignSize, static_cast<qreal>(size) / DesignSize);
    p.translate(7, 3.5);
    p.setPen(QPen(Ink, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(PointerArrowPath());
    return image;
}

QImage ToolPicture(CommandIcon icon, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(ToolPictureBackground);
    QPainter p(&image);
    const int inset = size / 8;
    p.drawPixmap(inset, inset, Render(icon, size - 2 * inset));
    return image;
}

QImage BadgeCursorImage(const QImage& badge, bool moveArrows) {
    QImage image(CursorSize, CursorSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect frame(BadgeLeft, BadgeTop, BadgeSize, BadgeSize);
    if (badge.isNull()) {
        p.fillRect(frame, Qt::gray);
    } else {
        p.drawImage(frame, badge);
    }
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(frame).adjusted(-0.5, -0.5, 0.5, 0.5));
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(QRectF(frame).adjusted(-1.5, -1.5, 1.5, 1.5));
    if (moveArrows) {
        DrawMoveArrows(p, frame);
    }
    p.save();
    p.translate(0.5, 0.5);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPath(PointerArrowPath());
    p.restore();
    return image;
}

} // namespace lodrin
