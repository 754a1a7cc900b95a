#pragma once

#include <QColor>
#include <QPainter>

namespace lodrin {

// Drawing helpers for the pictures of skins the program draws itself (the
// built-in skin and the shipped skin files). Each paints one tile in a 60 x 60
// unit square at the painter's origin; scale the painter for other sizes.
inline constexpr qreal SkinUnits = 60;

// Colours of a box with bevelled edges.
struct BoxColours {
    QColor Face;
    QColor Light; // top and left bevel
    QColor Dark;  // bottom and right bevel
    QColor Outline;
};

// Colours of the keeper figure.
struct KeeperColours {
    QColor Skin;
    QColor Hat;
    QColor Shirt;
    QColor Trousers;
    QColor Outline;
};

// Colours of a brick wall.
struct BrickColours {
    QColor Mortar;
    QColor Brick;  // the middle of the bricks' colours
    int Variation; // how far single bricks stray from it (0 to 40)
};

// A painter on image with antialiasing, scaled so that one tile of the image's
// height spans SkinUnits.
void BeginSkinPainter(QPainter& painter, QImage& image, int tileSize);

// A goal mark: a disc of the given radius in the middle of the tile, with a
// darker rim and a soft highlight.
void PaintGoalDisc(QPainter& painter, const QColor& colour, qreal radius);

// A square box with bevelled edges, inset a few units from the tile's sides.
void PaintBevelBox(QPainter& painter, const BoxColours& colours);

// The keeper: a figure with a hat, standing on a soft shadow. With a ring
// colour, it stands in a ring of that colour instead (the keeper on a goal).
void PaintKeeper(QPainter& painter, const KeeperColours& colours, const QColor& ring = QColor());

// Four courses of bricks; the pattern repeats every tile, so walls of it meet
// without a seam.
void PaintBricks(QPainter& painter, const BrickColours& colours);

// A colour with its red, green and blue scaled by factor (1 keeps it).
QColor Shade(const QColor& colour, qreal factor);

} // namespace lodrin
