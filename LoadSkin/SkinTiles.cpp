#include "LoadSkin/SkinTiles.h"

#include <algorithm>

namespace lodrin {

QColor InactiveCaptionTextColour() {
    return QColor(128, 128, 128);
}

const QImage& SkinTiles::DarkTile(SkinTile tile) const {
    return Index(tile) < DarkTiles.size() ? DarkTiles[Index(tile)] : Tile(tile);
}

bool SkinTiles::GridFlag(SkinTile tile) const {
    return Index(tile) < GridFlags.size() && GridFlags[Index(tile)];
}

const QImage& SkinTiles::WallImage(int mask) const {
    const int low = mask & (WallMaskCount - 1);
    if (!Seamless || low == 0) {
        return Tile(SkinTile::Wall);
    }
    if (low == WallMaskCount - 1) {
        return Tile(SkinTile::WallExtension);
    }
    return WallPieces[static_cast<std::size_t>(low)];
}

void DarkenTile(const QImage& source, QImage& target) {
    QImage dark = source.convertToFormat(QImage::Format_RGB888);
    const int rowBytes = dark.width() * 3;
    for (int y = 0; y < dark.height(); ++y) {
        uchar* line = dark.scanLine(y);
        std::transform(line, line + rowBytes, line,
                       [](uchar v) { return static_cast<uchar>(v > 10 ? v - 10 : 0); });
    }
    target = std::move(dark);
}

void MakeDarkTiles(SkinTiles& tiles) {
    for (int k = 0; k < DarkTileCount; ++k) {
        const auto i = static_cast<std::size_t>(k);
        DarkenTile(tiles.Tiles[i], tiles.DarkTiles[i]);
    }
}

} // namespace lodrin
