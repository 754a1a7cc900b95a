#pragma once

#include "LoadSkin/SkinTiles.h"

#include <QColor>
#include <QImage>

#include <functional>

namespace lodrin::skingen {

// A colour function over the plane, in pixels. Seamless walls need one that
// repeats every quarter tile in both directions.
using Texture = std::function<QColor(double x, double y)>;

// The colour a share t (clamped to 0..1) of the way from `from` to `to`, opaque.
QColor Mix(const QColor& from, const QColor& to, double t);

// A texture that repeats `period` pixels in x and y, sampled from a picture of
// one period drawn `period * scale` pixels wide and high.
Texture RepeatedPicture(const QImage& cell, int period);

// How a raised wall block is shaded: a texture on top, a bevel along the edges
// that face open squares (lit from the upper left), and a dark outline.
struct WallStyle {
    int TileSize = 0;
    Texture Surface;
    double Bevel = 4;        // width of the bevel, at most a quarter tile
    double Light = 0.45;     // how far lit bevels go toward white
    double Dark = 0.45;      // how far shadowed bevels go toward black
    double OutlineWidth = 1; // dark line along the block's edge
    QColor Outline = Qt::black;
};

// The diagonal neighbours of a wall square that are walls too, for
// RenderWallTile; the four sides are the wall mask's bits.
enum DiagonalWall : int {
    WallUpLeft = 32,
    WallUpRight = 64,
    WallDownLeft = 128,
    WallDownRight = 256,
};

// Renders the wall square whose neighbours named by the bits (the sides as in
// WallMaskBit, the diagonals as in DiagonalWall) are walls as part
// of one block: edges toward open neighbours get the bevel and outline, inner
// corners toward open diagonals are rounded. 4 x 4 samples a pixel.
QImage RenderWallTile(const WallStyle& style, int neighbours);

} // namespace lodrin::skingen
