#pragma once

#include "board/WallMask.h"

#include <QColor>
#include <QImage>

#include <array>

namespace lodrin {

// The eight tiles of a skin. The first six, in this order, also have a darkened
// copy and a grid flag.
enum class SkinTile : int {
    Floor,
    Goal,
    Keeper,
    KeeperOnGoal,
    Box,
    BoxOnGoal,
    Wall,
    WallExtension,
};
inline constexpr int SkinTileCount = 8;
inline constexpr int DarkTileCount = 6;

// The colour of text on an inactive window caption, used where no skin gives a
// colour: the grid lines of the built-in and drawn skins and the squares outside
// the trial field's level. The windows may pass their palette's colour instead.
QColor InactiveCaptionTextColour();

// The current skin: its tiles at their own size and the images derived from them,
// as the trial field paints them. One instance serves the whole program.
struct SkinTiles {
    int TileSize = 0;                             // a, in pixels
    std::array<QImage, SkinTileCount> Tiles;      // a x a each, by SkinTile
    std::array<QImage, DarkTileCount> DarkTiles;  // darkened Floor..BoxOnGoal, 24-bit
    bool Seamless = false;                        // wall squares use the pieces below
    std::array<QImage, WallMaskCount> WallPieces; // by wall mask 1..14; 0 and 15 stay empty
    QImage CornerPiece;                           // drawn over the meeting point of a 2 x 2 block
    QColor GridColour;                            // colour of the trial field's grid lines
    std::array<bool, DarkTileCount> GridFlags{};  // grid lines over Floor..BoxOnGoal squares

    const QImage& Tile(SkinTile tile) const { return Tiles[Index(tile)]; }
    QImage& Tile(SkinTile tile) { return Tiles[Index(tile)]; }
    // The darkened copy of one of the first six tiles; the walls have none and
    // give their own tile.
    const QImage& DarkTile(SkinTile tile) const;
    // Whether grid lines are drawn over a square showing the tile; never over walls.
    bool GridFlag(SkinTile tile) const;

    // The picture of a wall square with the given mask (bits above 15 are ignored):
    // the wall tile for 0, the wall extension for 15, the piece between. A skin
    // without seamless walls gives the wall tile for every mask.
    const QImage& WallImage(int mask) const;

private:
    static std::size_t Index(SkinTile tile) { return static_cast<std::size_t>(tile); }
};

// The red, green and blue of a pixel as an opaque colour, whatever its alpha.
inline QRgb RgbAt(const QImage& image, int x, int y) {
    return image.pixel(x, y) | 0xff000000u;
}

// Makes target a 24-bit copy of source with red, green and blue each lowered by
// 10, not below 0; the trial field shows odd squares with it.
void DarkenTile(const QImage& source, QImage& target);

// Remakes the six darkened tiles from Floor..BoxOnGoal.
void MakeDarkTiles(SkinTiles& tiles);

} // namespace lodrin
