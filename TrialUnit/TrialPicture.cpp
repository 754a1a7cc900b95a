#include "TrialUnit/TrialPicture.h"

#include "LoadSkin/SkinStrip.h"
#include "board/Turn.h"

#include <QPainter>

#include <algorithm>

namespace lodrin {
namespace {

// The skin tile of each trial code that shows one (walls and nothing excepted).
SkinTile TileOf(TrialCode code) {
    switch (code) {
    case TrialCode::Goal:
        return SkinTile::Goal;
    case TrialCode::Box:
        return SkinTile::Box;
    case TrialCode::BoxOnGoal:
        return SkinTile::BoxOnGoal;
    case TrialCode::Keeper:
        return SkinTile::Keeper;
    case TrialCode::KeeperOnGoal:
        return SkinTile::KeeperOnGoal;
    default:
        return SkinTile::Floor;
    }
}

QImage Scaled(const QImage& tile, int size) {
    return StretchTile(tile, size).convertToFormat(QImage::Format_RGB32);
}

// A mark of half-size s: an outer disc or square with an inner one a pixel
// smaller, on a transparent sprite of 2s + 2 pixels whose centre is (s + 1, s + 1).
QImage MarkSprite(int s, bool square, const QColor& outer, const QColor& inner) {
    const int side = 2 * s + 2;
    QImage sprite(side, side, QImage::Format_ARGB32_Premultiplied);
    sprite.fill(Qt::transparent);
    QPainter painter(&sprite);
    if (square) {
        painter.fillRect(1, 1, 2 * s, 2 * s, outer);
        painter.fillRect(2, 2, 2 * s - 2, 2 * s - 2, inner);
        return sprite;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QPointF centre(s + 1, s + 1);
    painter.setBrush(outer);
    painter.drawEllipse(centre, s, s);
    painter.setBrush(inner);
    painter.drawEllipse(centre, s - 1, s - 1);
    return sprite;
}

// The skin with every image stretched to size x size.
SkinTiles ScaledSkin(const SkinTiles& tiles, int size) {
    SkinTiles scaled = tiles;
    scaled.TileSize = size;
    for (QImage& image : scaled.Tiles) {
        image = Scaled(image, size);
    }
    for (QImage& image : scaled.DarkTiles) {
        image = Scaled(image, size);
    }
    if (tiles.Seamless) {
        for (int mask = 1; mask < WallMaskCount - 1; ++mask) {
            QImage& piece = scaled.WallPieces[static_cast<std::size_t>(mask)];
            piece = Scaled(piece, size);
        }
        scaled.CornerPiece = Scaled(tiles.CornerPiece, size);
    }
    return scaled;
}

} // namespace

std::array<qint64, SkinTileCount + DarkTileCount + WallMaskCount + 1>
TTrialPicture::KeysOf(const SkinTiles& tiles) {
    std::array<qint64, SkinTileCount + DarkTileCount + WallMaskCount + 1> keys{};
    std::size_t k = 0;
    for (const QImage& image : tiles.Tiles) {
        keys[k++] = image.cacheKey();
    }
    for (const QImage& image : tiles.DarkTiles) {
        keys[k++] = image.cacheKey();
    }
    for (int mask = 0; mask < WallMaskCount; ++mask) {
        keys[k++] = tiles.WallImage(mask).cacheKey();
    }
    keys[k] = tiles.Seamless ? tiles.CornerPiece.cacheKey() : 0;
    return keys;
}

void TTrialPicture::Prepare(const SkinTiles& tiles, int size) {
    const auto keys = KeysOf(tiles);
    if (Scaled_.Size == size && Scaled_.Keys == keys &&
        Scaled_.Tiles.GridColour == tiles.GridColour &&
        Scaled_.Tiles.GridFlags == tiles.GridFlags) {
        return;
    }
    Scaled_.Size = size;
    Scaled_.Keys = keys;
    Scaled_.Tiles = ScaledSkin(tiles, size);
    const int s = std::max(size / 6, 4);
    Scaled_.ReachDisc = MarkSprite(s, false, Qt::black, Qt::white);
    Scaled_.PassedSquare = MarkSprite(s, true, Qt::white, Qt::black);
    Scaled_.PassableBoxDisc = MarkSprite(s, false, Qt::white, Qt::black);
    Scaled_.MarkOffset = s + 1;
}

// The grid lines of a square: along its top and down its left side.
void TTrialPicture::DrawLine(QPainter& painter, int x, int y) const {
    painter.fillRect(x, y, Scaled_.Size, 1, Scaled_.Tiles.GridColour);
    painter.fillRect(x, y, 1, Scaled_.Size, Scaled_.Tiles.GridColour);
}

// The marks of the cell's square at corner, centred on it.
void TTrialPicture::DrawMarks(QPainter& painter, const TTrialField& field, int p,
                              QPoint corner) const {
    const int half = Scaled_.Size / 2 - Scaled_.MarkOffset;
    const QPoint mark = corner + QPoint(half, half);
    switch (field.KeeperMarkAt(p)) {
    case KeeperMark::Passed:
        painter.drawImage(mark, Scaled_.PassedSquare);
        break;
    case KeeperMark::Reach:
        painter.drawImage(mark, Scaled_.ReachDisc);
        break;
    case KeeperMark::PassableBox:
        painter.drawImage(mark, Scaled_.PassableBoxDisc);
        break;
    case KeeperMark::None:
        break;
    }
    if (field.BoxMarkAt(p)) {
        painter.drawImage(mark, Scaled_.ReachDisc);
    }
}

// Draws board cell (r, c); a wall that closes a 2 x 2 block leaves its corner
// piece for the second pass.
void TTrialPicture::DrawSquare(QPainter& painter, const TTrialField& field, int r, int c) {
    const TTrialPlay& play = field.Play();
    const int size = Scaled_.Size;
    const int p = r * play.TrialCols() + c;
    const TrialCode code = play.TrialCells()[static_cast<std::size_t>(p)];
    const ViewCell at = BoardToView(field.Turn(), r, c, play.TrialRows(), play.TrialCols());
    const QPoint corner(at.X * size, at.Y * size);
    if (code == TrialCode::Nothing) {
        return;
    }
    if (code == TrialCode::Wall) {
        const SkinTiles& tiles = Scaled_.Tiles;
        const int mask = tiles.Seamless ? field.GetWall(r, c) : 0;
        painter.drawImage(corner, tiles.WallImage(mask));
        if ((mask & WallBlockCorner) != 0) {
            Corners_.push_back(corner - QPoint(size / 2, size / 2));
        }
        return;
    }
    const SkinTile tile = TileOf(code);
    const bool odd = field.OddEven() && (r + c) % 2 != 0;
    painter.drawImage(corner, odd ? Scaled_.Tiles.DarkTile(tile) : Scaled_.Tiles.Tile(tile));
    if (!field.OddEven() && Scaled_.Tiles.GridFlag(tile)) {
        DrawLine(painter, corner.x(), corner.y());
    }
    DrawMarks(painter, field, p, corner);
}

const QImage& TTrialPicture::DrawMap(const TTrialField& field, const SkinTiles& tiles,
                                     const QColor& background) {
    Prepare(tiles, field.CellSize());
    const ViewCell view = field.ViewSize();
    const QSize pixels(view.X * Scaled_.Size, view.Y * Scaled_.Size);
    if (Image_.size() != pixels) {
        Image_ = QImage(pixels, QImage::Format_RGB32);
    }
    Image_.fill(background);
    if (Image_.isNull()) {
        return Image_;
    }
    QPainter painter(&Image_);
    Corners_.clear();
    for (int r = 0; r < field.Play().TrialRows(); ++r) {
        for (int c = 0; c < field.Play().TrialCols(); ++c) {
            DrawSquare(painter, field, r, c);
        }
    }
    // Corner pieces reach half a square into the squares up and to the left: drawn
    // after every square, none of them covers one.
    for (const QPoint& corner : Corners_) {
        painter.drawImage(corner, Scaled_.Tiles.CornerPiece);
    }
    return Image_;
}

} // namespace lodrin
