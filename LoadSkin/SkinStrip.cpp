#include "LoadSkin/SkinStrip.h"

#include "LoadSkin/BuiltInSkin.h"

#include "board/CellCode.h"

#include <QPainter>

namespace lodrin {

SkinStrip::SkinStrip() : Image(DrawBuiltInSkin()) {}

QRect SkinStrip::TileRect(int code) {
    const int k = code >= 0 && code < TileCount ? code : Floor;
    return {k * TileSize, 0, TileSize, TileSize};
}

SkinTile SkinTileOfCell(int code) {
    switch (code) {
    case Goal:
        return SkinTile::Goal;
    case Box:
        return SkinTile::Box;
    case BoxOnGoal:
        return SkinTile::BoxOnGoal;
    case Player:
        return SkinTile::Keeper;
    case PlayerOnGoal:
        return SkinTile::KeeperOnGoal;
    case Wall:
        return SkinTile::Wall;
    default:
        return SkinTile::Floor;
    }
}

QImage StretchTile(const QImage& tile, int size) {
    if (tile.isNull() || tile.width() == size) {
        return tile;
    }
    const bool whole = size % tile.width() == 0;
    return tile.scaled(size, size, Qt::IgnoreAspectRatio,
                       whole ? Qt::FastTransformation : Qt::SmoothTransformation);
}

void RewriteSkinStrip(const SkinTiles& tiles, SkinStrip& strip) {
    QImage image(SkinStrip::TileSize * SkinStrip::TileCount, SkinStrip::TileSize,
                 QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    for (int code = 0; code < SkinStrip::TileCount; ++code) {
        const QImage& tile = tiles.Tile(SkinTileOfCell(code));
        painter.drawImage(SkinStrip::TileRect(code).topLeft(),
                          StretchTile(tile, SkinStrip::TileSize));
    }
    painter.end();
    strip.Image = image;
}

void LoadDefaultSkin(const SkinStrip& strip, SkinTiles& tiles, const QColor& gridColour) {
    for (int code = 0; code < SkinStrip::TileCount; ++code) {
        tiles.Tile(SkinTileOfCell(code)) = strip.Tile(code).convertToFormat(QImage::Format_RGB32);
    }
    tiles.TileSize = SkinStrip::TileSize;
    tiles.Seamless = false;
    tiles.GridColour = gridColour;
    tiles.GridFlags.fill(true);
    MakeDarkTiles(tiles);
}

} // namespace lodrin
