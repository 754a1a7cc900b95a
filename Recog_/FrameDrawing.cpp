#include "Recog_/FrameDrawing.h"

namespace lodrin {

namespace {

// A line from (x0, y) to (x1, y), the end point excluded.
void HorizontalLine(QPainter& painter, int x0, int x1, int y, const QColor& colour) {
    if (x1 > x0) {
        painter.fillRect(QRect(x0, y, x1 - x0, 1), colour);
    }
}

// A line from (x, y0) to (x, y1), the end point excluded.
void VerticalLine(QPainter& painter, int x, int y0, int y1, const QColor& colour) {
    if (y1 > y0) {
        painter.fillRect(QRect(x, y0, 1, y1 - y0), colour);
    }
}

// The outline of (l, t, r, b): pixel columns l and r - 1, pixel rows t and b - 1.
void DrawOutline(QPainter& painter, int l, int t, int r, int b, const QColor& colour) {
    if (r <= l || b <= t) {
        return;
    }
    HorizontalLine(painter, l, r, t, colour);
    HorizontalLine(painter, l, r, b - 1, colour);
    VerticalLine(painter, l, t, b, colour);
    VerticalLine(painter, r - 1, t, b, colour);
}

void DrawPicture(QPainter& painter, const QImage& picture, const TRecogFrame& frame,
                 const QRect& exposed) {
    const int z = frame.ZoomFactor();
    const QRect area =
        exposed.intersected(QRect(0, 0, frame.DisplayWidth(), frame.DisplayHeight()));
    if (area.isEmpty()) {
        return;
    }
    const int sx = area.left() / z;
    const int sy = area.top() / z;
    const QRect source(sx, sy, area.right() / z + 1 - sx, area.bottom() / z + 1 - sy);
    const QRect target(sx * z, sy * z, source.width() * z, source.height() * z);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, picture, source);
    painter.restore();
}

} // namespace

void DrawRecogFrame(QPainter& painter, const QImage& picture, const TRecogFrame& frame,
                    const QRect& exposed) {
    if (!frame.HasPicture() || picture.isNull()) {
        return;
    }
    DrawPicture(painter, picture, frame, exposed);
    const int l = frame.Left(), t = frame.Top(), r = frame.Right(), b = frame.Bottom();
    DrawOutline(painter, l + 1, t + 1, r + 1, b + 1, Qt::black);
    DrawOutline(painter, l, t, r, b, Qt::white);
    for (int i = 1; i < frame.Rows(); ++i) {
        const int y = t + i * frame.RowHeight();
        HorizontalLine(painter, l, r, y + 1, Qt::black);
        HorizontalLine(painter, l, r, y, Qt::white);
    }
    for (int j = 1; j < frame.Cols(); ++j) {
        const int x = l + j * frame.ColWidth();
        VerticalLine(painter, x + 1, t, b, Qt::black);
        VerticalLine(painter, x, t, b, Qt::white);
    }
}

} // namespace lodrin
