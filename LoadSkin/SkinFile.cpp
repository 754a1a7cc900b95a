#include "LoadSkin/SkinFile.h"

#include "LoadSkin/BitmapHeader.h"
#include "LoadSkin/WallPieces.h"

#include <QFile>
#include <QImageReader>

#include <utility>

namespace lodrin {
namespace {

// Bytes the decoder may allocate for a 32-bit picture of the given size, in
// whole megabytes as the reader counts them.
constexpr int AllocationLimitMB(int width, int height) {
    return static_cast<int>((static_cast<long long>(width) * height * 4 + (1 << 20) - 1) /
                            (1 << 20));
}

// Holds the image reader's allocation limit for its lifetime. The limit is
// process-wide; pictures are only read on the window thread.
class TAllocationLimit {
public:
    explicit TAllocationLimit(int megabytes) : Saved_(QImageReader::allocationLimit()) {
        QImageReader::setAllocationLimit(megabytes);
    }
    ~TAllocationLimit() { QImageReader::setAllocationLimit(Saved_); }
    TAllocationLimit(const TAllocationLimit&) = delete;
    TAllocationLimit& operator=(const TAllocationLimit&) = delete;

private:
    int Saved_;
};

// Reads the floor tile's grid colour and flags: pixel (k - 1, 0) differing from
// pixel (1, 1) turns on grid flag k.
void ReadGrid(SkinTiles& tiles) {
    const QImage& floor = tiles.Tile(SkinTile::Floor);
    tiles.GridColour = QColor::fromRgb(RgbAt(floor, 0, 0));
    const QRgb inner = RgbAt(floor, 1, 1);
    for (int k = 0; k < DarkTileCount; ++k) {
        tiles.GridFlags[static_cast<std::size_t>(k)] = RgbAt(floor, k, 0) != inner;
    }
}

// Where each tile lies in a skin picture, in tiles: column, row.
struct TilePlace {
    SkinTile Tile;
    int Col;
    int Row;
};
constexpr TilePlace SkinFilePlaces[] = {
    {SkinTile::Floor, 0, 0},     {SkinTile::Keeper, 1, 0},        {SkinTile::Box, 2, 0},
    {SkinTile::Wall, 3, 0},      {SkinTile::Goal, 0, 1},          {SkinTile::KeeperOnGoal, 1, 1},
    {SkinTile::BoxOnGoal, 2, 1}, {SkinTile::WallExtension, 3, 1},
};

// Decodes the bitmap the reader was opened on when its headers say it is complete
// and at most maxWidth x maxHeight pixels, allowing the decoder no more memory
// than such a picture needs.
QImage DecodeWithin(QImageReader& reader, const BitmapHeader& header, int maxWidth, int maxHeight) {
    if (!header.Complete || header.Width > maxWidth || header.Height > maxHeight) {
        return {};
    }
    const TAllocationLimit limit(AllocationLimitMB(maxWidth, maxHeight));
    QImage picture;
    if (header.RunLength) {
        // Run-length codes may leave pixels out (a jump, a line or the picture
        // ended early); the decoder keeps what the picture it is given holds
        // there, so it gets one cleared to colour 0.
        picture = QImage(header.Width, header.Height, reader.imageFormat());
        picture.fill(0);
    }
    if (!reader.read(&picture)) {
        return {};
    }
    return picture.convertToFormat(QImage::Format_RGB32);
}

} // namespace

QImage ReadSkinPicture(const std::string& path) {
    QFile file;
    QImageReader reader;
    const BitmapHeader header = OpenBitmapFile(path, file, reader);
    return DecodeWithin(reader, header, MaxSkinWidth, MaxSkinHeight);
}

SkinPreview ReadSkinPreview(const std::string& path) {
    QFile file;
    QImageReader reader;
    const BitmapHeader header = OpenBitmapFile(path, file, reader);
    if (!header.Complete) {
        return {};
    }
    return {{true, header.Width, header.Height},
            DecodeWithin(reader, header, MaxSkinPreviewSide, MaxSkinPreviewSide)};
}

bool CutSkinPicture(const QImage& picture, SkinTiles& tiles) {
    const int a = SkinTileSizeOf(picture.width(), picture.height());
    if (a == 0) {
        return false;
    }
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    SkinTiles next;
    for (const TilePlace& place : SkinFilePlaces) {
        next.Tile(place.Tile) = source.copy(place.Col * a, place.Row * a, a, a);
    }
    next.TileSize = a;
    ReadGrid(next);
    MakeDarkTiles(next);
    next.Seamless =
        IsSeamlessWall(next.Tile(SkinTile::Wall), next.Tile(SkinTile::WallExtension), a);
    if (next.Seamless) {
        BuildWallPieces(next);
    }
    tiles = std::move(next);
    return true;
}

bool LoadSkinFile(const std::string& path, SkinTiles& tiles) {
    const QImage picture = ReadSkinPicture(path);
    return !picture.isNull() && CutSkinPicture(picture, tiles);
}

} // namespace lodrin
