#pragma once

#include "LoadSkin/SkinTiles.h"

#include <QPainter>
#include <QRect>

#include <string>
#include <vector>

namespace lodrin {

// Paints a wall square with the given mask the way the trial field does: the
// wall picture for the mask stretched to the square; for a seamless skin and a
// mask with WallBlockCorner, the corner piece as well, over a square of the same
// size shifted up and left by half a square, so it covers the point where the
// four walls of the block meet.
void PaintWallSquare(QPainter& painter, const SkinTiles& tiles, const QRect& square, int mask);

// The wall mask of the square at (row, col) of XSB rows seen unturned: walls
// ('#') on the left, above, on the right, below, and WallBlockCorner when the
// walls on the left and above and the one diagonally up and left close a 2 x 2
// block. Squares off the rows count as no wall.
int WallMaskAt(const std::vector<std::string>& rows, int row, int col);

// A picture of XSB rows drawn with the skin as the unturned trial field draws
// them, `cell` pixels a square: walls by mask, the other cells by their tiles
// with the skin's grid lines, spaces in `outside`. Used to look at a skin's walls.
QImage PaintWallLayout(const SkinTiles& tiles, const std::vector<std::string>& rows, int cell,
                       const QColor& outside = InactiveCaptionTextColour());

} // namespace lodrin
