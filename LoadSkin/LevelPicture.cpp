#include "LoadSkin/LevelPicture.h"

#include <QPainter>

#include <algorithm>
#include <array>

namespace lodrin {
namespace {

constexpr int SmallestTiledCell = 6;

using CellImages = std::array<QImage, SkinStrip::TileCount>;

// The strip's tiles at the cell size: scaled pictures, or one pixel of their
// mean colour for cells too small to show a picture.
CellImages CellTiles(const SkinStrip& strip, int cell) {
    CellImages tiles;
    const int size = cell < SmallestTiledCell ? 1 : cell;
    for (int code = 0; code < SkinStrip::TileCount; ++code) {
        tiles[static_cast<std::size_t>(code)] =
            strip.Tile(code).scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return tiles;
}

} // namespace

QImage DrawLevelPicture(const SkinStrip& strip, const LevelPreview& preview, QSize box) {
    if (preview.Rows == 0 || preview.Cols == 0 || box.isEmpty()) {
        return {};
    }
    const int cell = std::max(1, std::min(box.width() / preview.Cols, box.height() / preview.Rows));
    QImage picture(preview.Cols * cell, preview.Rows * cell, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    const CellImages tiles = CellTiles(strip, cell);
    QPainter painter(&picture);
    for (int r = 0; r < preview.Rows; ++r) {
        for (int c = 0; c < preview.Cols; ++c) {
            const std::int8_t code = preview.At(r, c);
            if (code == LevelPreview::Outside) {
                continue;
            }
            const QImage& tile = tiles[static_cast<std::size_t>(std::clamp<int>(code, 0, 6))];
            const QRect target(c * cell, r * cell, cell, cell);
            if (tile.width() == 1) {
                painter.fillRect(target, tile.pixelColor(0, 0));
            } else {
                painter.drawImage(target.topLeft(), tile);
            }
        }
    }
    painter.end();
    if (picture.width() > box.width() || picture.height() > box.height()) {
        return picture.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    return picture;
}

} // namespace lodrin
