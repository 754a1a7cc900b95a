#include "LoadSkin/WallPieces.h"

#include <QPainter>

#include <algorithm>

namespace lodrin {
namespace {

// The bands and corners of an a x a tile, q = a div 4 wide.
struct Bands {
    int A;
    int Q;
    QRect Left() const { return {0, 0, Q, A}; }
    QRect Right() const { return {A - Q, 0, Q, A}; }
    QRect Top() const { return {0, 0, A, Q}; }
    QRect Bottom() const { return {0, A - Q, A, Q}; }
    QRect SecondColumn() const { return {Q, 0, Q, A}; }
    QRect SecondRow() const { return {0, Q, A, Q}; }
    QRect TopLeft() const { return {0, 0, Q, Q}; }
    QRect TopRight() const { return {A - Q, 0, Q, Q}; }
    QRect BottomLeft() const { return {0, A - Q, Q, Q}; }
    QRect BottomRight() const { return {A - Q, A - Q, Q, Q}; }
    QRect Inner() const { return {Q, Q, Q, Q}; }
};

// Copies the from-rectangle of source into target with its top-left corner at `at`.
void Paste(QImage& target, const QImage& source, const QRect& from, const QRect& at) {
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(at.topLeft(), source, from);
}

// A copy of base with the same place replaced from source.
QImage Replaced(const QImage& base, const QImage& source, const QRect& place) {
    QImage out = base.copy();
    Paste(out, source, place, place);
    return out;
}

// A copy of base with the place replaced by the from-rectangle of source.
QImage Moved(const QImage& base, const QImage& source, const QRect& from, const QRect& place) {
    QImage out = base.copy();
    Paste(out, source, from, place);
    return out;
}

} // namespace

bool IsSeamlessWall(const QImage& wall, const QImage& wallExtension, int tileSize) {
    const int last = std::min({tileSize / 2, wall.width() - 1, wallExtension.width() - 1});
    for (int x = 0; x <= last; ++x) {
        if (RgbAt(wall, x, 0) != RgbAt(wallExtension, x, 0)) {
            return true;
        }
    }
    return false;
}

void BuildWallPieces(SkinTiles& tiles) {
    const QImage& w = tiles.Tile(SkinTile::Wall);
    const QImage& e = tiles.Tile(SkinTile::WallExtension);
    const Bands b{tiles.TileSize, tiles.TileSize / 4};
    auto& p = tiles.WallPieces;
    const QImage l = Moved(w, w, b.SecondColumn(), b.Left());
    const QImage r = Moved(w, w, b.SecondColumn(), b.Right());
    const QImage lr = Moved(l, w, b.SecondColumn(), b.Right());
    const QImage u = Moved(w, w, b.SecondRow(), b.Top());
    const QImage d = Moved(w, w, b.SecondRow(), b.Bottom());
    const QImage ud = Moved(u, w, b.SecondRow(), b.Bottom());
    const QImage lud = Replaced(e, ud, b.Right());
    const QImage urd = Replaced(e, ud, b.Left());
    const QImage lur = Replaced(e, lr, b.Bottom());
    const QImage lrd = Replaced(e, lr, b.Top());
    p[WallOnLeft] = l;
    p[WallOnRight] = r;
    p[WallOnLeft | WallOnRight] = lr;
    p[WallAbove] = u;
    p[WallBelow] = d;
    p[WallAbove | WallBelow] = ud;
    p[WallOnLeft | WallAbove | WallBelow] = lud;
    p[WallAbove | WallOnRight | WallBelow] = urd;
    p[WallOnLeft | WallAbove | WallOnRight] = lur;
    p[WallOnLeft | WallOnRight | WallBelow] = lrd;
    p[WallOnLeft | WallAbove] = Replaced(Replaced(lur, ud, b.Right()), w, b.BottomRight());
    p[WallOnLeft | WallBelow] = Replaced(Replaced(lrd, ud, b.Right()), w, b.TopRight());
    p[WallAbove | WallOnRight] = Replaced(Replaced(lur, ud, b.Left()), w, b.BottomLeft());
    p[WallOnRight | WallBelow] = Replaced(Replaced(lrd, ud, b.Left()), w, b.TopLeft());
    QImage corner = e.copy();
    for (const QRect& place : {b.TopLeft(), b.TopRight(), b.BottomLeft(), b.BottomRight()}) {
        Paste(corner, w, b.Inner(), place);
    }
    tiles.CornerPiece = corner;
}

void ClearWallPieces(SkinTiles& tiles) {
    tiles.WallPieces = {};
    tiles.CornerPiece = QImage();
}

} // namespace lodrin
