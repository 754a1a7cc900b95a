#pragma once

#include "LoadSkin/SkinTiles.h"

#include <QImage>
#include <QRect>

namespace lodrin {

// The seven 60 x 60 tiles the editor's grid and the recognition window paint
// from, side by side in cell-code order: floor, goal, box, box on goal, keeper,
// keeper on goal, wall (tile k at x = 60 k).
struct SkinStrip {
    static constexpr int TileSize = 60;
    static constexpr int TileCount = 7;

    // A strip showing the built-in skin.
    SkinStrip();

    QImage Image; // 420 x 60, 32-bit

    // Where the tile of a cell code lies in Image; codes outside 0..6 give the floor tile.
    static QRect TileRect(int code);
    // A copy of the tile of a cell code, 60 x 60.
    QImage Tile(int code) const { return Image.copy(TileRect(code)); }
    // Whether Image is large enough to hold the tile of a cell code.
    bool HasTile(int code) const { return Image.rect().contains(TileRect(code)); }
};

// The skin tile that shows a cell code (Floor for codes outside 0..6).
SkinTile SkinTileOfCell(int code);

// The tile stretched to size x size: pixel for pixel when size is a whole
// multiple of the tile's width, smoothed otherwise.
QImage StretchTile(const QImage& tile, int size);

// Rewrites the strip from the skin: floor, goal, box, box on goal, keeper,
// keeper on goal and wall, each stretched into its 60 x 60 place.
void RewriteSkinStrip(const SkinTiles& tiles, SkinStrip& strip);

// Fills tiles from the strip: 60-pixel tiles, no seamless walls, gridColour for
// the grid lines with every grid flag on, and the darkened tiles made afresh.
// The wall extension and the wall pieces stay as they were.
void LoadDefaultSkin(const SkinStrip& strip, SkinTiles& tiles,
                     const QColor& gridColour = InactiveCaptionTextColour());

} // namespace lodrin
