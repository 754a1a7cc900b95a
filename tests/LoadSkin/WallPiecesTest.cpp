#include "SkinPictures.h"

#include "LoadSkin/SkinFile.h"
#include "LoadSkin/WallLayout.h"
#include "LoadSkin/WallPieces.h"

#include <gtest/gtest.h>

namespace lodrin {
namespace {

// A wall tile is cut into 4 x 4 zones with q = a div 4: columns (and rows)
// 0..q-1 (the left band), q..2q-1 (the second band), 2q..a-q-1 and a-q..a-1
// (the right band). The synthetic wall W and wall extension E give every zone
// of theirs its own colour, so each pixel of a piece tells where it came from.
enum Source { FromW, FromE };

QRgb ZoneColour(Source source, int col, int row) {
    return qRgb(source == FromW ? 60 : 180, 30 + 60 * col, 30 + 60 * row);
}

int ZoneOf(int pixel, int a) {
    const int q = a / 4;
    return pixel < q ? 0 : pixel < 2 * q ? 1 : pixel < a - q ? 2 : 3;
}

QImage ZonedTile(Source source, int a) {
    QImage tile(a, a, QImage::Format_RGB32);
    for (int y = 0; y < a; ++y) {
        for (int x = 0; x < a; ++x) {
            tile.setPixel(x, y, ZoneColour(source, ZoneOf(x, a), ZoneOf(y, a)));
        }
    }
    return tile;
}

SkinTiles ZonedSkin(int a) {
    QImage picture = test::SyntheticSkin(a);
    QPainter painter(&picture);
    painter.drawImage(3 * a, 0, ZonedTile(FromW, a));
    painter.drawImage(3 * a, a, ZonedTile(FromE, a));
    painter.end();
    SkinTiles tiles;
    EXPECT_TRUE(CutSkinPicture(picture, tiles));
    return tiles;
}

// What the construction promises for zone (col, row) of the piece for a mask.
// A wall that continues on one axis only is the wall tile W, else the extension
// E. Along every side with no wall the piece shows W's border band there; in W's
// bands, a side that does continue shows W's second band instead of its border.
QRgb ExpectedZone(int mask, int col, int row) {
    const bool left = mask & WallOnLeft, up = mask & WallAbove;
    const bool right = mask & WallOnRight, down = mask & WallBelow;
    const bool fromE = (left || right) && (up || down);
    const bool openBand =
        (col == 0 && !left) || (col == 3 && !right) || (row == 0 && !up) || (row == 3 && !down);
    if (fromE && !openBand) {
        return ZoneColour(FromE, col, row);
    }
    const int c = (col == 0 && left) || (col == 3 && right) ? 1 : col;
    const int r = (row == 0 && up) || (row == 3 && down) ? 1 : row;
    return ZoneColour(FromW, c, r);
}

// Every pixel of image against the zone colour expected(col, row).
template <typename Expected>
void ExpectZones(const QImage& image, int a, Expected expected, const std::string& what) {
    ASSERT_EQ(image.size(), QSize(a, a)) << what;
    int wrong = 0;
    for (int y = 0; y < a; ++y) {
        for (int x = 0; x < a; ++x) {
            if (RgbAt(image, x, y) != expected(ZoneOf(x, a), ZoneOf(y, a)) && wrong++ < 3) {
                ADD_FAILURE() << what << ": pixel (" << x << ", " << y << ") in zone ("
                              << ZoneOf(x, a) << ", " << ZoneOf(y, a) << ")";
            }
        }
    }
    EXPECT_EQ(wrong, 0) << what;
}

class WallPieces : public ::testing::TestWithParam<int> {};

TEST_P(WallPieces, EveryMaskImageHasTheBandsOfItsConstruction) {
    const int a = GetParam();
    const SkinTiles tiles = ZonedSkin(a);
    ASSERT_TRUE(tiles.Seamless);
    for (int mask = 0; mask < WallMaskCount; ++mask) {
        ExpectZones(
            tiles.WallImage(mask), a, [mask](int c, int r) { return ExpectedZone(mask, c, r); },
            "mask " + std::to_string(mask));
        // Bits above the low four (the block corner) pick the same image.
        EXPECT_EQ(tiles.WallImage(mask | WallBlockCorner).cacheKey(),
                  tiles.WallImage(mask).cacheKey());
    }
}

TEST_P(WallPieces, CornerPieceIsTheExtensionWithWallInnerCorners) {
    const int a = GetParam();
    const SkinTiles tiles = ZonedSkin(a);
    ExpectZones(
        tiles.CornerPiece, a,
        [](int c, int r) {
            const bool corner = (c == 0 || c == 3) && (r == 0 || r == 3);
            return corner ? ZoneColour(FromW, 1, 1) : ZoneColour(FromE, c, r);
        },
        "corner piece");
}

// 40: bands of 10; 21: bands of 5 with a wider middle; 200: the largest skin.
INSTANTIATE_TEST_SUITE_P(TileSizes, WallPieces, ::testing::Values(40, 21, 200));

TEST(WallMaskAt, NamesTheWallNeighboursAndClosedBlocks) {
    const std::vector<std::string> rows = {
        "##-#",
        "###-",
        "-#--",
    };
    EXPECT_EQ(WallMaskAt(rows, 0, 0), WallOnRight | WallBelow);
    EXPECT_EQ(WallMaskAt(rows, 1, 1),
              WallOnLeft | WallAbove | WallOnRight | WallBelow | WallBlockCorner);
    EXPECT_EQ(WallMaskAt(rows, 1, 2), WallOnLeft);
    EXPECT_EQ(WallMaskAt(rows, 0, 3), 0); // the diagonal neighbour is no side
    EXPECT_EQ(WallMaskAt(rows, 2, 1), WallAbove);
}

// The corner piece covers the point where a 2 x 2 block meets, half a square up and left.
TEST(PaintWallLayout, DrawsTheCornerPieceOverTheMeetingPoint) {
    const int a = 40;
    const SkinTiles tiles = ZonedSkin(a);
    const QImage picture = PaintWallLayout(tiles, {"##", "##"}, a);
    ASSERT_EQ(picture.size(), QSize(2 * a, 2 * a));
    const QImage middle = picture.copy(a / 2, a / 2, a, a);
    EXPECT_EQ(middle, tiles.CornerPiece);
    // Outside the covered square each wall shows its own piece.
    EXPECT_EQ(RgbAt(picture, 0, 0), RgbAt(tiles.WallImage(WallOnRight | WallBelow), 0, 0));
    EXPECT_EQ(RgbAt(picture, 2 * a - 1, 2 * a - 1),
              RgbAt(tiles.WallImage(WallOnLeft | WallAbove), a - 1, a - 1));
}

} // namespace
} // namespace lodrin
