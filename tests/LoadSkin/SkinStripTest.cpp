#include "SkinPictures.h"

#include "LoadSkin/BuiltInSkin.h"
#include "LoadSkin/DrawnSkin.h"
#include "LoadSkin/SkinFile.h"
#include "LoadSkin/SkinStrip.h"

#include "board/CellCode.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace lodrin {
namespace {

const QRgb Black = qRgb(0, 0, 0);
const QRgb Teal = qRgb(24, 154, 149);

TEST(DrawnSkin, ShapesColoursAndInsets) {
    SkinTiles tiles;
    BuildDrawnSkin(tiles, QColor(1, 2, 3));
    EXPECT_EQ(tiles.TileSize, 50);
    EXPECT_FALSE(tiles.Seamless);
    EXPECT_EQ(tiles.GridColour, QColor(1, 2, 3));
    EXPECT_EQ(tiles.GridFlags, (std::array<bool, 6>{true, true, true, true, true, true}));
    for (const QImage& tile : tiles.Tiles) {
        ASSERT_EQ(tile.size(), QSize(50, 50));
    }
    const QImage& floor = tiles.Tile(SkinTile::Floor);
    EXPECT_EQ(RgbAt(floor, 0, 0), Black);
    EXPECT_EQ(RgbAt(floor, 25, 25), Black);
    // Goal: teal disc inset 12, its black outline on pixel 12.
    const QImage& goal = tiles.Tile(SkinTile::Goal);
    EXPECT_EQ(RgbAt(goal, 25, 25), Teal);
    EXPECT_EQ(RgbAt(goal, 11, 25), Black);
    const QRgb outline = RgbAt(goal, 12, 25); // smoothed, so only nearly black
    EXPECT_LT(std::max({qRed(outline), qGreen(outline), qBlue(outline)}), 16);
    EXPECT_EQ(RgbAt(goal, 14, 25), Teal);
    EXPECT_EQ(RgbAt(goal, 35, 25), Teal);
    EXPECT_EQ(RgbAt(goal, 38, 25), Black);
    // Keeper: dark red disc inset 5; on a goal, the teal disc inside it.
    EXPECT_EQ(RgbAt(tiles.Tile(SkinTile::Keeper), 25, 25), qRgb(152, 1, 0));
    EXPECT_EQ(RgbAt(tiles.Tile(SkinTile::Keeper), 7, 25), qRgb(152, 1, 0));
    EXPECT_EQ(RgbAt(tiles.Tile(SkinTile::Keeper), 4, 25), Black);
    EXPECT_EQ(RgbAt(tiles.Tile(SkinTile::KeeperOnGoal), 25, 25), Teal);
    EXPECT_EQ(RgbAt(tiles.Tile(SkinTile::KeeperOnGoal), 8, 25), qRgb(152, 1, 0));
    // Box and box on goal: squares inset 1 pixel, no outline.
    const QImage& box = tiles.Tile(SkinTile::Box);
    EXPECT_EQ(RgbAt(box, 0, 0), Black);
    EXPECT_EQ(RgbAt(box, 1, 1), qRgb(207, 140, 55));
    EXPECT_EQ(RgbAt(box, 48, 48), qRgb(207, 140, 55));
    EXPECT_EQ(RgbAt(box, 49, 48), Black);
    EXPECT_EQ(RgbAt(tiles.Tile(SkinTile::BoxOnGoal), 1, 48), Teal);
    EXPECT_EQ(RgbAt(tiles.Tile(SkinTile::Wall), 0, 0), qRgb(95, 101, 115));
    EXPECT_EQ(RgbAt(tiles.Tile(SkinTile::Wall), 49, 49), qRgb(95, 101, 115));
    EXPECT_EQ(RgbAt(tiles.DarkTile(SkinTile::Box), 1, 1), qRgb(197, 130, 45));
    EXPECT_EQ(RgbAt(tiles.DarkTile(SkinTile::Floor), 1, 1), Black);
}

TEST(DrawnSkin, DropsTheWallPiecesOfASeamlessSkin) {
    SkinTiles tiles;
    ASSERT_TRUE(CutSkinPicture(test::SyntheticSkin(40), tiles));
    ASSERT_TRUE(tiles.Seamless);
    BuildDrawnSkin(tiles);
    EXPECT_FALSE(tiles.Seamless);
    EXPECT_TRUE(tiles.CornerPiece.isNull());
    EXPECT_EQ(tiles.WallImage(WallOnLeft).size(), QSize(50, 50));
}

TEST(SkinTileOfCell, FollowsTheCellCodes) {
    EXPECT_EQ(SkinTileOfCell(Floor), SkinTile::Floor);
    EXPECT_EQ(SkinTileOfCell(Goal), SkinTile::Goal);
    EXPECT_EQ(SkinTileOfCell(Box), SkinTile::Box);
    EXPECT_EQ(SkinTileOfCell(BoxOnGoal), SkinTile::BoxOnGoal);
    EXPECT_EQ(SkinTileOfCell(Player), SkinTile::Keeper);
    EXPECT_EQ(SkinTileOfCell(PlayerOnGoal), SkinTile::KeeperOnGoal);
    EXPECT_EQ(SkinTileOfCell(Wall), SkinTile::Wall);
    EXPECT_EQ(SkinTileOfCell(7), SkinTile::Floor);
    EXPECT_EQ(SkinStrip::TileRect(Wall), QRect(360, 0, 60, 60));
    EXPECT_EQ(SkinStrip::TileRect(-1), QRect(0, 0, 60, 60));
}

// The strip is rewritten in cell-code order, every tile stretched to 60 x 60.
TEST(RewriteSkinStrip, StretchesTheTilesInCellCodeOrder) {
    SkinTiles tiles;
    ASSERT_TRUE(CutSkinPicture(test::SyntheticSkin(40), tiles));
    SkinStrip strip;
    RewriteSkinStrip(tiles, strip);
    ASSERT_EQ(strip.Image.size(), QSize(420, 60));
    const int fileIndex[] = {0, 4, 2, 6, 1, 5, 3}; // floor, goal, box, box on goal, keeper, ...
    for (int code = 0; code < SkinStrip::TileCount; ++code) {
        const QRgb want = test::FileOrderColours[fileIndex[code]].rgb();
        for (const QPoint p : {QPoint(0, 0), QPoint(30, 30), QPoint(59, 59)}) {
            EXPECT_EQ(RgbAt(strip.Image, code * 60 + p.x(), p.y()), want) << code;
        }
    }
}

TEST(StretchTile, WholeMultiplesKeepThePixelsSharp) {
    QImage tile(20, 20, QImage::Format_RGB32);
    tile.fill(Qt::white);
    tile.setPixel(0, 0, qRgb(0, 0, 0));
    const QImage big = StretchTile(tile, 60);
    ASSERT_EQ(big.size(), QSize(60, 60));
    EXPECT_EQ(RgbAt(big, 2, 2), Black);
    EXPECT_EQ(RgbAt(big, 3, 3), qRgb(255, 255, 255));
    EXPECT_EQ(StretchTile(tile, 20).cacheKey(), tile.cacheKey());
    EXPECT_EQ(StretchTile(QImage(96, 96, QImage::Format_RGB32), 60).size(), QSize(60, 60));
}

TEST(LoadDefaultSkin, TakesTheStripTilesAndKeepsTheWallExtension) {
    SkinTiles tiles;
    ASSERT_TRUE(CutSkinPicture(test::SyntheticSkin(40), tiles));
    const qint64 extension = tiles.Tile(SkinTile::WallExtension).cacheKey();
    const qint64 piece = tiles.WallPieces[WallOnLeft].cacheKey();
    const SkinStrip strip;
    LoadDefaultSkin(strip, tiles, QColor(9, 9, 9));
    EXPECT_EQ(tiles.TileSize, 60);
    EXPECT_FALSE(tiles.Seamless);
    EXPECT_EQ(tiles.GridColour, QColor(9, 9, 9));
    EXPECT_EQ(tiles.GridFlags, (std::array<bool, 6>{true, true, true, true, true, true}));
    for (int code = 0; code < SkinStrip::TileCount; ++code) {
        EXPECT_EQ(tiles.Tile(SkinTileOfCell(code)), strip.Tile(code)) << code;
    }
    EXPECT_EQ(tiles.Tile(SkinTile::WallExtension).cacheKey(), extension);
    EXPECT_EQ(tiles.WallPieces[WallOnLeft].cacheKey(), piece);
    EXPECT_EQ(tiles.WallImage(WallOnLeft | WallBelow), strip.Tile(Wall));
    const QImage& darkGoal = tiles.DarkTile(SkinTile::Goal);
    const QRgb goal = RgbAt(strip.Image, 60 + 30, 30);
    EXPECT_EQ(RgbAt(darkGoal, 30, 30),
              qRgb(std::max(qRed(goal) - 10, 0), std::max(qGreen(goal) - 10, 0),
                   std::max(qBlue(goal) - 10, 0)));
}

// The built-in skin: a plain slate floor, a teal goal in the middle, an orange
// box, a teal box, a keeper, a keeper with teal, red bricks.
TEST(BuiltInSkin, DrawsTheSevenTilesOnASlateFloor) {
    const SkinStrip strip;
    ASSERT_EQ(strip.Image.size(), QSize(420, 60));
    const QRgb slate = qRgb(BuiltInFloorRed, BuiltInFloorGreen, BuiltInFloorBlue);
    EXPECT_EQ(slate, qRgb(57, 66, 74));
    const QImage floor = strip.Tile(Floor);
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 60; ++x) {
            ASSERT_EQ(RgbAt(floor, x, y), slate) << x << "," << y;
        }
    }
    auto tealish = [](QRgb p) { return qGreen(p) > 120 && qBlue(p) > 110 && qRed(p) < 90; };
    auto orange = [](QRgb p) { return qRed(p) > 180 && qGreen(p) > 100 && qBlue(p) < 100; };
    EXPECT_TRUE(tealish(RgbAt(strip.Tile(Goal), 30, 30)));
    EXPECT_EQ(RgbAt(strip.Tile(Goal), 2, 2), slate);
    EXPECT_TRUE(orange(RgbAt(strip.Tile(Box), 30, 30)));
    EXPECT_TRUE(tealish(RgbAt(strip.Tile(BoxOnGoal), 30, 30)));
    EXPECT_EQ(RgbAt(strip.Tile(Player), 2, 2), slate);
    EXPECT_NE(strip.Tile(Player), floor);
    EXPECT_NE(strip.Tile(PlayerOnGoal), strip.Tile(Player));
    int teal = 0;
    const QImage keeperOnGoal = strip.Tile(PlayerOnGoal);
    for (int y = 40; y < 60; ++y) {
        for (int x = 0; x < 60; ++x) {
            teal += tealish(RgbAt(keeperOnGoal, x, y)) ? 1 : 0;
        }
    }
    EXPECT_GT(teal, 100);
    const QRgb brick = RgbAt(strip.Tile(Wall), 10, 8);
    EXPECT_GT(qRed(brick), 2 * qGreen(brick));
}

} // namespace
} // namespace lodrin
