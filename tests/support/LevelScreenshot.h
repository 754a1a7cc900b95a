#pragma once

// A screenshot of a real level as a game shows it: the level drawn with a skin's tiles at
// their own size somewhere inside a larger picture of coloured noise. Used by the window's
// end-to-end recognition test and the screenshot driver.

#include "LoadSkin/SkinTiles.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <random>
#include <string>
#include <vector>

namespace lodrin::test {

// The skin tile an XSB character shows; nothing for the outside of a level (' ').
inline const QImage* LevelTile(const SkinTiles& tiles, char ch) {
    switch (ch) {
    case '#':
        return &tiles.Tile(SkinTile::Wall);
    case '$':
        return &tiles.Tile(SkinTile::Box);
    case '*':
        return &tiles.Tile(SkinTile::BoxOnGoal);
    case '.':
        return &tiles.Tile(SkinTile::Goal);
    case '@':
        return &tiles.Tile(SkinTile::Keeper);
    case '+':
        return &tiles.Tile(SkinTile::KeeperOnGoal);
    case '-':
    case '_':
        return &tiles.Tile(SkinTile::Floor);
    default:
        return nullptr;
    }
}

// A size.width() x size.height() picture of coloured noise with the level's cell (r, c)
// drawn at origin + (c, r) times the tile size; outside squares (' ') stay noise.
inline QImage LevelScreenshot(const std::vector<std::string>& rows, const SkinTiles& tiles,
                              QPoint origin, QSize size, unsigned seed) {
    QImage picture(size, QImage::Format_RGB32);
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> channel(0, 255);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            line[x] = qRgb(channel(rng), channel(rng), channel(rng));
        }
    }
    QPainter painter(&picture);
    const int a = tiles.TileSize;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const std::string& row = rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < static_cast<int>(row.size()); ++c) {
            if (const QImage* tile = LevelTile(tiles, row[static_cast<std::size_t>(c)])) {
                painter.drawImage(origin + QPoint(c * a, r * a), *tile);
            }
        }
    }
    return picture;
}

} // namespace lodrin::test
