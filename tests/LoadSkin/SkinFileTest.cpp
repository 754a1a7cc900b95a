#include "SkinPictures.h"

#include "LoadSkin/DrawnSkin.h"
#include "LoadSkin/SkinFile.h"
#include "LoadSkin/SkinFileInfo.h"

#include <QBuffer>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace lodrin {
namespace {

using test::FileOrderColours;
using test::SyntheticSkin;

class SkinFileTest : public ::testing::Test {
protected:
    std::string Path(const char* name) const { return Dir.filePath(name).toStdString(); }
    // Writes a picture as a bitmap file and gives its path.
    std::string Save(const QImage& picture, const char* name) const {
        EXPECT_TRUE(picture.save(Dir.filePath(name), "BMP"));
        return Path(name);
    }
    std::string Write(const QByteArray& bytes, const char* name) const {
        EXPECT_TRUE(test::WriteBytes(Dir.filePath(name), bytes));
        return Path(name);
    }

    QTemporaryDir Dir;
};

// Whether two skins hold the same images, without a pixel having been rewritten.
void ExpectSameTiles(const SkinTiles& a, const SkinTiles& b) {
    EXPECT_EQ(a.TileSize, b.TileSize);
    EXPECT_EQ(a.Seamless, b.Seamless);
    EXPECT_EQ(a.GridColour, b.GridColour);
    EXPECT_EQ(a.GridFlags, b.GridFlags);
    for (std::size_t i = 0; i < a.Tiles.size(); ++i) {
        EXPECT_EQ(a.Tiles[i].cacheKey(), b.Tiles[i].cacheKey()) << "tile " << i;
    }
    for (std::size_t i = 0; i < a.DarkTiles.size(); ++i) {
        EXPECT_EQ(a.DarkTiles[i].cacheKey(), b.DarkTiles[i].cacheKey()) << "dark tile " << i;
    }
}

struct SizeCase {
    int Width;
    int Height;
    int TileSize; // 0: refused
};

class SkinSizeRule : public SkinFileTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(SkinSizeRule, GivesTheTileSizeOrRefusesTheFile) {
    const SizeCase c = GetParam();
    EXPECT_EQ(SkinTileSizeOf(c.Width, c.Height), c.TileSize);
    EXPECT_EQ(PassesSkinSizeRule(c.Width, c.Height), c.TileSize != 0);

    QImage picture(c.Width, c.Height, QImage::Format_RGB32);
    picture.fill(QColor(10, 20, 30));
    const std::string path = Save(picture, "size.bmp");
    const SkinFileInfo info = ReadSkinFileInfo(path);
    EXPECT_TRUE(info.Readable);
    EXPECT_EQ(info.TileSize(), c.Width / 4);
    EXPECT_EQ(info.Usable(), c.TileSize != 0);

    SkinTiles tiles;
    BuildDrawnSkin(tiles);
    const SkinTiles before = tiles;
    EXPECT_EQ(LoadSkinFile(path, tiles), c.TileSize != 0);
    if (c.TileSize != 0) {
        EXPECT_EQ(tiles.TileSize, c.TileSize);
        EXPECT_EQ(tiles.Tile(SkinTile::WallExtension).size(), QSize(c.TileSize, c.TileSize));
    } else {
        ExpectSameTiles(tiles, before);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, SkinSizeRule,
                         ::testing::Values(SizeCase{320, 160, 80}, SizeCase{800, 400, 200},
                                           SizeCase{80, 40, 20}, SizeCase{84, 42, 21},
                                           SizeCase{804, 402, 0}, SizeCase{76, 38, 0},
                                           SizeCase{322, 161, 0}, SizeCase{320, 161, 0},
                                           SizeCase{160, 160, 0}, SizeCase{400, 100, 0}));

TEST(SkinSizeRuleValues, RefusesEmptyAndNegativeSizes) {
    EXPECT_EQ(SkinTileSizeOf(0, 0), 0);
    EXPECT_EQ(SkinTileSizeOf(-80, -40), 0);
    EXPECT_EQ(SkinTileSizeOf(808, 404), 0);
}

TEST_F(SkinFileTest, CutsTheTilesFromTheirPlaces) {
    SkinTiles tiles;
    ASSERT_TRUE(LoadSkinFile(Save(SyntheticSkin(40), "skin.bmp"), tiles));
    const SkinTile order[] = {SkinTile::Floor,     SkinTile::Keeper,       SkinTile::Box,
                              SkinTile::Wall,      SkinTile::Goal,         SkinTile::KeeperOnGoal,
                              SkinTile::BoxOnGoal, SkinTile::WallExtension};
    for (int i = 0; i < 8; ++i) {
        const QImage& tile = tiles.Tile(order[i]);
        ASSERT_EQ(tile.size(), QSize(40, 40)) << i;
        EXPECT_EQ(RgbAt(tile, 0, 0), FileOrderColours[i].rgb()) << i;
        EXPECT_EQ(RgbAt(tile, 39, 39), FileOrderColours[i].rgb()) << i;
    }
    EXPECT_EQ(tiles.TileSize, 40);
    EXPECT_TRUE(tiles.Seamless); // the wall extension differs from the wall
    EXPECT_EQ(tiles.WallImage(WallOnLeft).size(), QSize(40, 40));
}

TEST_F(SkinFileTest, DarkTilesAreTheTilesTenLowerNotBelowZero) {
    SkinTiles tiles;
    ASSERT_TRUE(LoadSkinFile(Save(SyntheticSkin(20), "skin.bmp"), tiles));
    // Keeper on goal is (5, 120, 9): red and blue stop at 0.
    const QImage& dark = tiles.DarkTile(SkinTile::KeeperOnGoal);
    EXPECT_EQ(dark.format(), QImage::Format_RGB888);
    EXPECT_EQ(RgbAt(dark, 7, 7), qRgb(0, 110, 0));
    EXPECT_EQ(RgbAt(tiles.DarkTile(SkinTile::Floor), 0, 19), qRgb(30, 30, 30));
    EXPECT_EQ(RgbAt(tiles.DarkTile(SkinTile::BoxOnGoal), 3, 3), qRgb(20, 90, 210));
}

TEST(DarkenTile, ClampsEveryChannelAtZeroAndGives24BitColour) {
    QImage source(3, 1, QImage::Format_ARGB32);
    source.setPixel(0, 0, qRgb(0, 9, 10));
    source.setPixel(1, 0, qRgb(11, 255, 128));
    source.setPixel(2, 0, qRgb(10, 10, 10));
    QImage target(50, 50, QImage::Format_Mono);
    DarkenTile(source, target);
    EXPECT_EQ(target.format(), QImage::Format_RGB888);
    ASSERT_EQ(target.size(), QSize(3, 1));
    EXPECT_EQ(RgbAt(target, 0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(RgbAt(target, 1, 0), qRgb(1, 245, 118));
    EXPECT_EQ(RgbAt(target, 2, 0), qRgb(0, 0, 0));
}

// The floor tile's top row decides the grid flags: pixel (k - 1, 0) against pixel (1, 1).
TEST_F(SkinFileTest, GridColourAndFlagsComeFromTheFloorTile) {
    struct Case {
        std::vector<int> Differing; // columns of the top row that differ from (1, 1)
        std::array<bool, 6> Flags;
    };
    const Case cases[] = {
        {{}, {false, false, false, false, false, false}},
        {{0, 1, 2, 3, 4, 5}, {true, true, true, true, true, true}},
        {{2}, {false, false, true, false, false, false}},
        {{0, 5, 6, 7}, {true, false, false, false, false, true}},
    };
    const QRgb inner = qRgb(60, 70, 80);
    const QRgb line = qRgb(200, 10, 10);
    for (const Case& c : cases) {
        QImage picture = SyntheticSkin(40);
        QPainter(&picture).fillRect(0, 0, 40, 40, QColor(inner));
        picture.setPixel(0, 0, qRgb(1, 2, 3));
        for (int x : c.Differing) {
            picture.setPixel(x, 0, line);
        }
        if (std::find(c.Differing.begin(), c.Differing.end(), 0) == c.Differing.end()) {
            picture.setPixel(0, 0, inner);
        }
        SkinTiles tiles;
        ASSERT_TRUE(CutSkinPicture(picture, tiles));
        EXPECT_EQ(tiles.GridFlags, c.Flags) << c.Differing.size();
        EXPECT_EQ(tiles.GridColour.rgb(), RgbAt(picture, 0, 0));
        EXPECT_TRUE(tiles.GridFlag(SkinTile::BoxOnGoal) == c.Flags[5]);
        EXPECT_FALSE(tiles.GridFlag(SkinTile::Wall));
    }
}

// The wall and its extension agree along columns 0..a div 2 of the top row.
TEST_F(SkinFileTest, SeamlessOnlyWhenTheFirstHalfTopRowDiffers) {
    const int a = 40;
    struct Case {
        QPoint Differing;
        bool Seamless;
    };
    const Case cases[] = {
        {{a / 2 + 1, 0}, false}, {{0, 1}, false},    {{a - 1, 0}, false},
        {{a / 2, a - 1}, false}, {{a / 2, 0}, true}, {{0, 0}, true},
    };
    for (const Case& c : cases) {
        QImage picture = SyntheticSkin(a);
        QPainter(&picture).fillRect(3 * a, a, a, a, FileOrderColours[3]);
        picture.setPixel(3 * a + c.Differing.x(), a + c.Differing.y(), qRgb(255, 255, 0));
        SkinTiles tiles;
        ASSERT_TRUE(CutSkinPicture(picture, tiles));
        EXPECT_EQ(tiles.Seamless, c.Seamless) << c.Differing.x() << "," << c.Differing.y();
        EXPECT_EQ(tiles.CornerPiece.isNull(), !c.Seamless);
        // Without seamless walls every mask shows the wall tile.
        if (!c.Seamless) {
            EXPECT_EQ(tiles.WallImage(WallOnLeft | WallAbove).cacheKey(),
                      tiles.Tile(SkinTile::Wall).cacheKey());
        }
    }
}

TEST_F(SkinFileTest, OddTileSizesAndOtherBitDepthsLoad) {
    SkinTiles tiles;
    const QImage skin = SyntheticSkin(21);
    ASSERT_TRUE(
        LoadSkinFile(Save(skin.convertToFormat(QImage::Format_Indexed8), "8bit.bmp"), tiles));
    EXPECT_EQ(tiles.TileSize, 21);
    EXPECT_EQ(RgbAt(tiles.Tile(SkinTile::Box), 20, 20), FileOrderColours[2].rgb());
    ASSERT_TRUE(
        LoadSkinFile(Save(skin.convertToFormat(QImage::Format_ARGB32), "32bit.bmp"), tiles));
    EXPECT_EQ(RgbAt(tiles.Tile(SkinTile::Goal), 0, 0), FileOrderColours[4].rgb());
}

// Run-length compressed bitmaps (RLE8, RLE4) give the same skin as uncompressed ones.
TEST_F(SkinFileTest, RunLengthBitmapsLoadLikeUncompressedOnes) {
    const QImage skin = SyntheticSkin(20);
    SkinTiles plain;
    ASSERT_TRUE(LoadSkinFile(Save(skin, "plain.bmp"), plain));
    for (const int bits : {8, 4}) {
        const std::string path = Write(test::RunLengthBitmap(skin, bits), "rle.bmp");
        const SkinFileInfo info = ReadSkinFileInfo(path);
        EXPECT_TRUE(info.Usable()) << bits;
        EXPECT_EQ(info.TileSize(), 20) << bits;
        EXPECT_TRUE(ReadSkinPreview(path).Confirmable()) << bits;
        SkinTiles tiles;
        ASSERT_TRUE(LoadSkinFile(path, tiles)) << bits;
        for (std::size_t i = 0; i < tiles.Tiles.size(); ++i) {
            EXPECT_EQ(tiles.Tiles[i], plain.Tiles[i]) << bits << " bits, tile " << i;
        }
        EXPECT_EQ(tiles.GridColour, plain.GridColour);
    }
}

// Codes may leave pixels out: jump ahead, end a line or the picture early.
// Those pixels take palette colour 0, the same on every reading.
TEST_F(SkinFileTest, PixelsRunLengthCodesLeaveOutTakeColourZero) {
    QByteArray bytes = test::Bitmap24Header(80, 40);
    const QByteArray palette("\x10\x20\x30\0\xff\xff\xff\0", 8); // 0: (48, 32, 16), 1: white
    const QByteArray codes("\x50\x01"                            // bottom row: 80 white pixels
                           "\x00\x00"                            // end of line
                           "\x0a\x01"                            // 10 white pixels
                           "\x00\x02\x05\x03"                    // jump 5 right and 3 rows up
                           "\x04\x01"                            // 4 white pixels
                           "\x00\x01",                           // end of the picture
                           14);
    test::Put32(bytes, 2, 54 + 8 + codes.size());
    test::Put32(bytes, 10, 54 + 8);
    test::Put16(bytes, 28, 8);
    test::Put32(bytes, 30, 1);
    test::Put32(bytes, 46, 2);
    const std::string path = Write(bytes + palette + codes, "gaps.bmp");
    const QImage first = ReadSkinPicture(path);
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(ReadSkinPicture(path), first);
    const QRgb white = qRgb(255, 255, 255);
    const QRgb zero = qRgb(48, 32, 16);
    EXPECT_EQ(first.pixel(0, 39), white);
    EXPECT_EQ(first.pixel(9, 38), white);
    EXPECT_EQ(first.pixel(10, 38), zero); // the rest of the line
    EXPECT_EQ(first.pixel(14, 37), zero); // jumped over
    EXPECT_EQ(first.pixel(15, 35), white);
    EXPECT_EQ(first.pixel(18, 35), white);
    EXPECT_EQ(first.pixel(19, 35), zero);
    EXPECT_EQ(first.pixel(40, 0), zero); // rows after the end
}

// A bitmap stored top-down (negative height) gives the same tiles as bottom-up.
TEST_F(SkinFileTest, TopDownBitmapsLoadTheRightWayUp) {
    const QImage skin = SyntheticSkin(20).convertToFormat(QImage::Format_RGB888);
    QByteArray bytes = test::Bitmap24Header(80, -40);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 80; ++x) {
            const QRgb p = skin.pixel(x, y);
            bytes.append(static_cast<char>(qBlue(p)));
            bytes.append(static_cast<char>(qGreen(p)));
            bytes.append(static_cast<char>(qRed(p)));
        }
    }
    SkinTiles tiles;
    ASSERT_TRUE(LoadSkinFile(Write(bytes, "topdown.bmp"), tiles));
    EXPECT_EQ(RgbAt(tiles.Tile(SkinTile::Floor), 0, 0), FileOrderColours[0].rgb());
    EXPECT_EQ(RgbAt(tiles.Tile(SkinTile::WallExtension), 19, 19), FileOrderColours[7].rgb());
}

// Files from users that are no usable skin: each is refused, the tiles stay as they were.
TEST_F(SkinFileTest, BadFilesAreRefusedAndLeaveTheTiles) {
    const QByteArray valid = [&] {
        Save(SyntheticSkin(80), "valid.bmp");
        return test::ReadBytes(Dir.filePath("valid.bmp"));
    }();
    ASSERT_GT(valid.size(), 54);
    QByteArray huge = test::Bitmap24Header(30000, 15000);
    huge.append(QByteArray(4096, '\x7f'));
    QByteArray hugeWithin = test::Bitmap24Header(16000, 8000);
    hugeWithin.append(QByteArray(4096, '\x7f'));
    QByteArray rle = valid.left(54);
    test::Put16(rle, 28, 8);
    test::Put32(rle, 30, 1); // run-length codes without an end mark
    rle.append(valid.mid(54, 2000));
    const QByteArray rleWhole = test::RunLengthBitmap(SyntheticSkin(20), 8);
    QByteArray rleTopDown = rleWhole;
    test::Put32(rleTopDown, 22, -40); // run-length rows are only stored bottom-up
    QByteArray badOffset = valid;
    test::Put32(badOffset, 10, valid.size() - 100); // pixel rows said to start near the end
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        SyntheticSkin(80).save(&buffer, "PNG");
    }
    struct Case {
        const char* Name;
        QByteArray Bytes;
    };
    const Case cases[] = {
        {"empty.bmp", QByteArray()},
        {"header-only.bmp", valid.left(54)},
        {"truncated.bmp", valid.left(valid.size() / 2)},
        {"one-byte-short.bmp", valid.left(valid.size() - 1)},
        {"short-header.bmp", valid.left(30)},
        {"huge.bmp", huge},
        {"huge-within-limits.bmp", hugeWithin},
        {"rle.bmp", rle},
        {"rle-cut.bmp", rleWhole.left(rleWhole.size() - 2)},
        {"rle-top-down.bmp", rleTopDown},
        {"bad-offset.bmp", badOffset},
        {"png.bmp", png},
        {"text.bmp", QByteArray("Title: not a picture\n#####\n#@$.#\n#####\n")},
        {"zeros.bmp", QByteArray(valid.size(), '\0')},
    };
    const int limitBefore = QImageReader::allocationLimit();
    for (const Case& c : cases) {
        const std::string path = Write(c.Bytes, c.Name);
        SkinTiles tiles;
        BuildDrawnSkin(tiles);
        const SkinTiles before = tiles;
        EXPECT_FALSE(ReadSkinFileInfo(path).Readable) << c.Name;
        EXPECT_TRUE(ReadSkinPicture(path).isNull()) << c.Name;
        EXPECT_FALSE(LoadSkinFile(path, tiles)) << c.Name;
        ExpectSameTiles(tiles, before);
    }
    EXPECT_EQ(QImageReader::allocationLimit(), limitBefore);
    SkinTiles tiles;
    EXPECT_FALSE(LoadSkinFile(Path("missing.bmp"), tiles));
    EXPECT_FALSE(ReadSkinFileInfo(Path("missing.bmp")).Readable);
}

// A complete bitmap larger than the largest skin is described but never decoded.
TEST_F(SkinFileTest, LargerThanTheLargestSkinIsNeverDecoded) {
    QImage big(1000, 500, QImage::Format_RGB32);
    big.fill(Qt::gray);
    const std::string path = Save(big, "big.bmp");
    const SkinFileInfo info = ReadSkinFileInfo(path);
    EXPECT_TRUE(info.Readable);
    EXPECT_EQ(info.TileSize(), 250);
    EXPECT_FALSE(info.Usable());
    EXPECT_TRUE(ReadSkinPicture(path).isNull());
    SkinTiles tiles;
    EXPECT_FALSE(LoadSkinFile(path, tiles));
    EXPECT_EQ(tiles.TileSize, 0);
}

TEST_F(SkinFileTest, WrongProportionsAreDecodedForThePreviewButNotLoaded) {
    QImage odd(322, 161, QImage::Format_RGB32);
    odd.fill(Qt::darkCyan);
    const std::string path = Save(odd, "odd.bmp");
    EXPECT_EQ(ReadSkinPicture(path).size(), QSize(322, 161));
    EXPECT_EQ(ReadSkinFileInfo(path).TileSize(), 80);
    SkinTiles tiles;
    EXPECT_FALSE(LoadSkinFile(path, tiles));
}

// The chooser's preview reads the file once: its headers, and its picture when
// it is small enough to show, whether or not it gives a skin.
TEST_F(SkinFileTest, PreviewDescribesTheFileAndShowsWhatItCanDecode) {
    const auto picture = [](int w, int h) {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        return image;
    };
    QByteArray truncated = test::Bitmap24Header(320, 160);
    truncated.append(1000, '\x40');
    const struct {
        const char* Name;
        std::string Path;
        bool Readable;
        int TileSize;
        QSize Shown; // 0 x 0: no picture
        bool Confirmable;
    } cases[] = {
        {"skin", Save(picture(320, 160), "skin.bmp"), true, 80, {320, 160}, true},
        {"odd", Save(picture(322, 161), "odd.bmp"), true, 80, {322, 161}, false},
        {"big", Save(picture(1000, 500), "big.bmp"), true, 250, {1000, 500}, false},
        {"too wide", Save(picture(4100, 2), "wide.bmp"), true, 1025, {0, 0}, false},
        {"truncated", Write(truncated, "truncated.bmp"), false, 0, {0, 0}, false},
        {"missing", Path("missing.bmp"), false, 0, {0, 0}, false},
    };
    for (const auto& c : cases) {
        const SkinPreview preview = ReadSkinPreview(c.Path);
        EXPECT_EQ(preview.Info.Readable, c.Readable) << c.Name;
        EXPECT_EQ(preview.Info.TileSize(), c.TileSize) << c.Name;
        EXPECT_EQ(preview.Picture.size(), c.Shown) << c.Name;
        EXPECT_EQ(preview.Confirmable(), c.Confirmable) << c.Name;
    }
}

} // namespace
} // namespace lodrin
