#include "LoadSkin/DrawnSkin.h"

#include <QPainter>

#include <utility>

namespace lodrin {
namespace {

constexpr int A = DrawnSkinTileSize;
const QColor DrawnTeal(24, 154, 149);
const QColor DrawnRed(152, 1, 0);
const QColor DrawnOrange(207, 140, 55);
const QColor DrawnSlate(95, 101, 115);

QImage Filled(const QColor& colour) {
    QImage tile(A, A, QImage::Format_RGB32);
    tile.fill(colour);
    return tile;
}

// The tile with a disc inset from every side, outlined by a 1-pixel black line
// whose outer edge touches the inset.
QImage WithDisc(QImage tile, const QColor& colour, int inset) {
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(colour);
    const qreal side = A - 2 * inset - 1;
    painter.drawEllipse(QRectF(inset + 0.5, inset + 0.5, side, side));
    return tile;
}

QImage WithSquare(QImage tile, const QColor& colour, int inset) {
    QPainter painter(&tile);
    painter.fillRect(inset, inset, A - 2 * inset, A - 2 * inset, colour);
    return tile;
}

} // namespace

void BuildDrawnSkin(SkinTiles& tiles, const QColor& gridColour) {
    SkinTiles next;
    const QImage black = Filled(Qt::black);
    next.TileSize = A;
    next.Tile(SkinTile::Floor) = black;
    next.Tile(SkinTile::Goal) = WithDisc(black, DrawnTeal, 12);
    next.Tile(SkinTile::Keeper) = WithDisc(black, DrawnRed, 5);
    next.Tile(SkinTile::KeeperOnGoal) = WithDisc(next.Tile(SkinTile::Keeper), DrawnTeal, 12);
    next.Tile(SkinTile::Box) = WithSquare(black, DrawnOrange, 1);
    next.Tile(SkinTile::BoxOnGoal) = WithSquare(black, DrawnTeal, 1);
    next.Tile(SkinTile::Wall) = Filled(DrawnSlate);
    next.Tile(SkinTile::WallExtension) = next.Tile(SkinTile::Wall);
    next.Seamless = false;
    next.GridColour = gridColour;
    next.GridFlags.fill(true);
    MakeDarkTiles(next);
    tiles = std::move(next);
}

} // namespace lodrin
