// The picture of the trial board: the board under a turn looks exactly like the
// turned board drawn unturned (walls joined on the screen, corner pieces never
// covered), and the tiles, odd squares, grid lines and marks land where they should.

#include "TrialUnit/TrialPicture.h"
#include "LoadSkin/SkinFile.h"
#include "LoadSkin/SkinPictures.h"
#include "TrialFixture.h"

#include <QDir>

#include <gtest/gtest.h>

namespace lodrin {
namespace {

using Rows = std::vector<std::string>;

// Thick walls with 2 x 2 blocks, single walls, boxes, goals and outside squares.
const Rows Walls = {
    "__#######_", "_###  ####", "##  $ .  #", "## ##*## #",
    "#  ##@## #", "# $  .   #", "###  #####", "__####____",
};

// A trial field on the rows with the given turn and square size.
struct Drawn {
    Drawn(const Rows& rows, int turn, int cell, int tile) {
        field.HandOver(test::TrialBoardFromRows(rows), PlayMode::Forward);
        field.Open();
        field.SetTurn(turn);
        // A panel exactly large enough for `cell` squares.
        const ViewCell view = field.ViewSize();
        field.FitView(view.X * cell, view.Y * cell, tile);
    }
    TTrialField field;
    TTrialPicture picture;
};

// The rows as shown under the turn, outside squares kept as '_'.
Rows Turned(const Rows& rows, int turn) {
    return TurnBoard(rows, turn);
}

SkinTiles PlainSkin(int size) {
    SkinTiles tiles;
    EXPECT_TRUE(CutSkinPicture(test::SyntheticSkin(size), tiles));
    return tiles;
}

QColor At(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

TEST(TrialPicture, EveryTurnShowsTheTurnedBoardWithSeamlessWalls) {
    const QDir skins(QStringLiteral(LODRIN_SKINS_DIR));
    int seamless = 0;
    for (const QString& name : skins.entryList({QStringLiteral("*.bmp")})) {
        SkinTiles tiles;
        ASSERT_TRUE(LoadSkinFile(skins.filePath(name).toStdString(), tiles));
        if (!tiles.Seamless) {
            continue;
        }
        ++seamless;
        // The tile size, and an odd size the tiles are smoothed to.
        for (const int cell : {tiles.TileSize, 27}) {
            for (int turn = 0; turn < TurnCount; ++turn) {
                Drawn turned(Walls, turn, cell, tiles.TileSize);
                Drawn plain(Turned(Walls, turn), 0, cell, tiles.TileSize);
                ASSERT_EQ(turned.field.CellSize(), cell);
                const QImage& a = turned.picture.DrawMap(turned.field, tiles);
                const QImage& b = plain.picture.DrawMap(plain.field, tiles);
                EXPECT_EQ(a, b) << name.toStdString() << " turn " << turn << " at " << cell;
            }
        }
    }
    EXPECT_GE(seamless, 3) << "no seamless skins in " << LODRIN_SKINS_DIR;
}

TEST(TrialPicture, CornerPiecesCoverTheMeetingPointsOfBlocks) {
    const QDir skins(QStringLiteral(LODRIN_SKINS_DIR));
    SkinTiles tiles;
    ASSERT_TRUE(LoadSkinFile(skins.filePath(QStringLiteral("Stone40.bmp")).toStdString(), tiles));
    ASSERT_TRUE(tiles.Seamless);
    const int a = tiles.TileSize;
    Drawn block({"###", "###", "###"}, 0, a, a);
    const QImage& image = block.picture.DrawMap(block.field, tiles);
    // The meeting point of the four upper-left squares shows the corner piece's middle.
    const QImage corner = tiles.CornerPiece;
    for (int d = -2; d < 2; ++d) {
        EXPECT_EQ(At(image, a + d, a + d), corner.pixelColor(a / 2 + d, a / 2 + d)) << d;
    }
}

TEST(TrialPicture, TilesOutsideSquaresAndOddSquares) {
    SkinTiles tiles = PlainSkin(40);
    const QColor floor = test::FileOrderColours[0], box = test::FileOrderColours[2],
                 wall = test::FileOrderColours[3], keeper = test::FileOrderColours[1];
    Drawn d({"_#$", "@  ", "###"}, 0, 40, 40);
    const QColor outside(1, 2, 3);
    QImage image = d.picture.DrawMap(d.field, tiles, outside);
    EXPECT_EQ(image.size(), QSize(120, 120));
    EXPECT_EQ(At(image, 20, 20), outside);
    EXPECT_EQ(At(image, 60, 20), wall);
    EXPECT_EQ(At(image, 100, 20), box);
    EXPECT_EQ(At(image, 20, 60), keeper);
    EXPECT_EQ(At(image, 60, 60), floor);
    // Odd squares (row + column odd, on the board) are darkened while odd/even is shown.
    d.field.Do({TrialAction::OddEvenOn});
    image = d.picture.DrawMap(d.field, tiles, outside);
    const auto darker = [](QColor c) {
        return QColor(std::max(c.red() - 10, 0), std::max(c.green() - 10, 0),
                      std::max(c.blue() - 10, 0));
    };
    EXPECT_EQ(At(image, 60, 20), wall) << "walls have no dark tile";
    EXPECT_EQ(At(image, 100, 20), box) << "row 0, column 2: even";
    EXPECT_EQ(At(image, 20, 60), darker(keeper));
    EXPECT_EQ(At(image, 60, 60), floor);
    // Under turn 1 the parity still counts on the board.
    d.field.SetTurn(1);
    image = d.picture.DrawMap(d.field, tiles, outside);
    EXPECT_EQ(At(image, 60, 20), darker(keeper)) << "board (1, 0) at view (1, 0)";
}

TEST(TrialPicture, GridLinesAlongTheTopAndLeftOfFlaggedSquaresOnly) {
    SkinTiles tiles = PlainSkin(40);
    tiles.GridColour = QColor(250, 0, 250);
    tiles.GridFlags = {true, false, false, false, true, false}; // floor and box
    Drawn d({"# $", ". @", "###"}, 0, 40, 40);
    QImage image = d.picture.DrawMap(d.field, tiles);
    const QColor grid = tiles.GridColour;
    for (const auto& [x, y] : {std::pair{40, 0}, {79, 0}, {40, 39}, {80, 0}, {80, 39}, {119, 0}}) {
        EXPECT_EQ(At(image, x, y), grid) << x << "," << y;
    }
    EXPECT_NE(At(image, 41, 1), grid) << "one pixel wide";
    EXPECT_NE(At(image, 0, 0), grid) << "no lines on walls";
    EXPECT_NE(At(image, 0, 40), grid) << "the goal's flag is off";
    EXPECT_EQ(At(image, 40, 40), grid) << "floor";
    EXPECT_NE(At(image, 80, 40), grid) << "the keeper's flag is off";
    d.field.Do({TrialAction::OddEvenOn});
    image = d.picture.DrawMap(d.field, tiles);
    EXPECT_NE(At(image, 40, 0), grid) << "no lines while odd/even is shown";
}

TEST(TrialPicture, MarksAreCentredWithTheirSizes) {
    SkinTiles tiles = PlainSkin(60);
    const QColor floor = test::FileOrderColours[0];
    // Keeper, floor, a box to go through, floor beyond it.
    Drawn d({"#######", "#@$   #", "##   ##", "#######"}, 0, 60, 60);
    d.field.MouseDown({1, 1}, true);
    ASSERT_TRUE(d.field.ShowKeeperReach());
    const QImage& image = d.picture.DrawMap(d.field, tiles);
    const int s = 10; // 60 / 6
    const auto dark = [](QColor c) { return c.lightness() < 60; };
    const auto light = [](QColor c) { return c.lightness() > 200; };
    // Reachable: a black ring around a white disc, on the keeper's square.
    const QPoint keeper(90, 90);
    EXPECT_TRUE(light(At(image, keeper.x(), keeper.y())));
    EXPECT_TRUE(dark(At(image, keeper.x() + s - 1, keeper.y())));
    EXPECT_FALSE(light(At(image, keeper.x() + s + 1, keeper.y())));
    // A box to go through: a white ring around a black disc.
    const QPoint box(150, 90);
    EXPECT_TRUE(dark(At(image, box.x(), box.y())));
    EXPECT_TRUE(light(At(image, box.x() + s - 1, box.y())));
    // Reached only by going through: a white square with a black square inside.
    const QPoint passed(210, 90);
    EXPECT_TRUE(dark(At(image, passed.x(), passed.y())));
    EXPECT_TRUE(light(At(image, passed.x() - s, passed.y() - s)));
    EXPECT_TRUE(light(At(image, passed.x() + s - 1, passed.y() + s - 1)));
    EXPECT_TRUE(dark(At(image, passed.x() + s - 2, passed.y())));
    EXPECT_EQ(At(image, passed.x() + s, passed.y()), floor);
    EXPECT_EQ(At(image, passed.x() - s - 1, passed.y()), floor);
}

TEST(TrialPicture, SmallSquaresKeepMarksOfFourPixels) {
    SkinTiles tiles = PlainSkin(40);
    Drawn d({"#####", "#@$ #", "#####"}, 0, 10, 40);
    ASSERT_EQ(d.field.CellSize(), 10);
    d.field.MouseDown({2, 1}, true); // select the box
    ASSERT_TRUE(d.field.BoxSelected());
    const QImage& image = d.picture.DrawMap(d.field, tiles);
    const QPoint target(35, 15); // the square right of the box
    EXPECT_GT(At(image, target.x(), target.y()).lightness(), 200);
    EXPECT_LT(At(image, target.x() + 3, target.y()).lightness(), 60);
    EXPECT_LT(At(image, target.x() - 4, target.y()).lightness(), 60);
}

} // namespace
} // namespace lodrin
