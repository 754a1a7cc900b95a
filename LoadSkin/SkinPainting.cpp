#include "LoadSkin/SkinPainting.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace lodrin {
namespace {

constexpr qreal Mid = SkinUnits / 2;

QPainterPath RoundedRect(const QRectF& rect, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QPainterPath Ellipse(const QPointF& centre, qreal rx, qreal ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

void Fill(QPainter& painter, const QPainterPath& path, const QBrush& brush) {
    painter.fillPath(path, brush);
}

// The parts of the keeper figure, in units.
struct KeeperParts {
    QPainterPath Legs = RoundedRect({22.5, 39, 7, 15}, 3).united(RoundedRect({30.5, 39, 7, 15}, 3));
    QPainterPath Arms =
        RoundedRect({15, 27, 6.2, 13.5}, 3.1).united(RoundedRect({38.8, 27, 6.2, 13.5}, 3.1));
    QPainterPath Hands = Ellipse({18.1, 41}, 3.1, 3.1).united(Ellipse({41.9, 41}, 3.1, 3.1));
    QPainterPath Torso = RoundedRect({20, 25, 20, 19.5}, 5.5);
    QPainterPath Head = Ellipse({Mid, 16.5}, 8.5, 8.5);
    QPainterPath Brim = RoundedRect({19.8, 12.6, 20.4, 3.6}, 1.8);
    QPainterPath Hat() const {
        QPainterPath top;
        top.addRect(QRectF(18, 4, 24, 10.5));
        return Head.intersected(top).united(Brim);
    }
    QPainterPath Silhouette() const {
        return Legs.united(Arms).united(Hands).united(Torso).united(Head).united(Brim);
    }
};

// A vertical gradient from a lighter to a darker shade of colour over rect.
QLinearGradient Sheen(const QColor& colour, const QRectF& rect, qreal light, qreal dark) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, Shade(colour, light));
    gradient.setColorAt(1, Shade(colour, dark));
    return gradient;
}

void PaintPad(QPainter& painter, const QColor& ring) {
    Fill(painter, Ellipse({Mid, 52.5}, 18.5, 6.6), Shade(ring, 0.6));
    Fill(painter, Ellipse({Mid, 52.2}, 16.6, 5.2), ring);
    Fill(painter, Ellipse({Mid - 4, 50.8}, 8, 1.8), Shade(ring, 1.3));
}

// The brick at (x, y) of course row, shaded with a highlight on top and a shadow below.
void PaintBrick(QPainter& painter, const QRectF& brick, const QColor& colour) {
    painter.fillRect(brick, colour);
    painter.fillRect(QRectF(brick.left(), brick.top(), brick.width(), 2), Shade(colour, 1.22));
    painter.fillRect(QRectF(brick.left(), brick.bottom() - 2, brick.width(), 2),
                     Shade(colour, 0.72));
    painter.fillRect(QRectF(brick.right() - 1.5, brick.top() + 2, 1.5, brick.height() - 4),
                     Shade(colour, 0.85));
}

} // namespace

QColor Shade(const QColor& colour, qreal factor) {
    auto scale = [factor](int v) { return std::clamp(static_cast<int>(v * factor + 0.5), 0, 255); };
    return QColor(scale(colour.red()), scale(colour.green()), scale(colour.blue()), colour.alpha());
}

void BeginSkinPainter(QPainter& painter, QImage& image, int tileSize) {
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(tileSize / SkinUnits, tileSize / SkinUnits);
}

void PaintGoalDisc(QPainter& painter, const QColor& colour, qreal radius) {
    const QPointF centre(Mid, Mid);
    Fill(painter, Ellipse(centre, radius, radius), Shade(colour, 0.6));
    QRadialGradient face(centre - QPointF(radius / 3, radius / 3), radius * 1.3);
    face.setColorAt(0, Shade(colour, 1.3));
    face.setColorAt(1, colour);
    const qreal inner = radius - std::max<qreal>(1.6, radius / 6);
    Fill(painter, Ellipse(centre, inner, inner), face);
}

void PaintBevelBox(QPainter& painter, const BoxColours& colours) {
    const QRectF outer(4, 4, 52, 52);
    const QRectF bevel = outer.adjusted(1.4, 1.4, -1.4, -1.4);
    const QRectF face = bevel.adjusted(5.5, 5.5, -5.5, -5.5);
    Fill(painter, RoundedRect(outer, 5), colours.Outline);
    const QPainterPath bevelPath = RoundedRect(bevel, 3.8);
    Fill(painter, bevelPath, colours.Dark);
    QPainterPath upperLeft;
    upperLeft.moveTo(bevel.topLeft());
    upperLeft.lineTo(bevel.topRight());
    upperLeft.lineTo(bevel.bottomLeft());
    upperLeft.closeSubpath();
    Fill(painter, bevelPath.intersected(upperLeft), colours.Light);
    Fill(painter, RoundedRect(face.adjusted(-0.8, -0.8, 0.8, 0.8), 2.5), Shade(colours.Dark, 0.85));
    Fill(painter, RoundedRect(face, 2), Sheen(colours.Face, face, 1.1, 0.9));
    const QRectF panel = face.adjusted(5, 5, -5, -5);
    painter.setPen(QPen(Shade(colours.Face, 0.8), 1.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(panel, 1.5, 1.5);
    painter.setPen(QPen(Shade(colours.Face, 1.15), 1.0));
    painter.drawLine(QPointF(panel.left() + 1.2, panel.bottom() + 1.1),
                     QPointF(panel.right() + 1.1, panel.bottom() + 1.1));
    painter.setPen(Qt::NoPen);
}

void PaintKeeper(QPainter& painter, const KeeperColours& colours, const QColor& ring) {
    const KeeperParts parts;
    if (ring.isValid()) {
        PaintPad(painter, ring);
    } else {
        Fill(painter, Ellipse({Mid, 53}, 13, 3.8), QColor(0, 0, 0, 80));
    }
    painter.strokePath(parts.Silhouette(),
                       QPen(colours.Outline, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    Fill(painter, parts.Legs, colours.Trousers);
    Fill(painter, parts.Arms, Sheen(colours.Shirt, {14, 26, 32, 16}, 1.05, 0.85));
    Fill(painter, parts.Hands, colours.Skin);
    Fill(painter, parts.Torso, Sheen(colours.Shirt, {19, 25, 22, 20}, 1.12, 0.86));
    Fill(painter, parts.Head, colours.Skin);
    Fill(painter, parts.Hat(), Sheen(colours.Hat, {18, 7, 24, 9}, 1.15, 0.9));
    Fill(painter, Ellipse({26.9, 19.2}, 1.35, 1.5), colours.Outline);
    Fill(painter, Ellipse({33.1, 19.2}, 1.35, 1.5), colours.Outline);
}

void PaintBricks(QPainter& painter, const BrickColours& colours) {
    static constexpr int Offsets[] = {0, 7, -5, 11, 3, -9, 6, -2, 9, -6, 1, -11};
    painter.fillRect(QRectF(0, 0, SkinUnits, SkinUnits), colours.Mortar);
    constexpr qreal Course = SkinUnits / 4;
    constexpr qreal Length = SkinUnits / 2;
    int k = 0;
    for (int row = 0; row < 4; ++row) {
        const qreal shift = row % 2 == 0 ? 0 : -Length / 2;
        for (int i = 0; i < 3; ++i, ++k) {
            const int v = Offsets[k % std::size(Offsets)] * colours.Variation / 11;
            const QColor colour = Shade(colours.Brick, 1.0 + v / 100.0);
            const qreal x = shift + i * Length;
            const QRectF brick(x + 1, row * Course + 1, Length - 2, Course - 2);
            PaintBrick(painter, brick, colour);
            if (x + Length > SkinUnits) {
                PaintBrick(painter, brick.translated(-SkinUnits, 0), colour);
            }
        }
    }
}

} // namespace lodrin
