// The current skin: built-in at start, a file or the drawn skin on a change,
// the built-in skin again on LoadDefault, and a change notice each time.

#include "LoadSkin/CurrentSkin.h"
#include "LoadSkin/DrawnSkin.h"
#include "board/CellCode.h"
#include "SkinPictures.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lodrin {
namespace {

class CurrentSkinTest : public ::testing::Test {
protected:
    CurrentSkinTest() {
        QObject::connect(&skin, &TCurrentSkin::Changed, [this] { ++changes; });
    }
    // The tiles show the strip's pictures at its own size.
    void ExpectBuiltIn() const {
        EXPECT_EQ(skin.Tiles().TileSize, SkinStrip::TileSize);
        EXPECT_FALSE(skin.Tiles().Seamless);
        EXPECT_EQ(skin.Tiles().Tile(SkinTile::Box), skin.Strip().Tile(Box));
        EXPECT_EQ(skin.Tiles().Tile(SkinTile::Wall), skin.Strip().Tile(Wall));
    }

    TCurrentSkin skin;
    int changes = 0;
};

TEST_F(CurrentSkinTest, StartsWithTheBuiltInSkin) {
    ExpectBuiltIn();
    EXPECT_EQ(skin.Strip().Image, SkinStrip().Image);
}

TEST_F(CurrentSkinTest, AFileReplacesTilesAndStripAndTellsOnce) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("skin.bmp"));
    ASSERT_TRUE(test::SyntheticSkin(40).save(path, "BMP"));
    EXPECT_TRUE(skin.LoadFile(path.toStdString()));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(skin.Tiles().TileSize, 40);
    EXPECT_EQ(skin.Strip().Image.pixelColor(60 * Box + 30, 30), test::FileOrderColours[2]);

    skin.LoadDefault();
    EXPECT_EQ(changes, 2);
    ExpectBuiltIn();
}

TEST_F(CurrentSkinTest, AFileThatCannotBeUsedGivesTheDrawnSkin) {
    EXPECT_FALSE(skin.LoadFile("/nonexistent/skin.bmp"));
    EXPECT_EQ(changes, 1);
    SkinTiles drawn;
    BuildDrawnSkin(drawn);
    EXPECT_EQ(skin.Tiles().TileSize, DrawnSkinTileSize);
    SkinStrip expected;
    RewriteSkinStrip(drawn, expected);
    EXPECT_EQ(skin.Strip().Image, expected.Image);
}

} // namespace
} // namespace lodrin
