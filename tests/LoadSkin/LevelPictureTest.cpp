#include "LoadSkin/LevelPicture.h"

#include <gtest/gtest.h>

namespace lodrin {
namespace {

// A strip whose tile k is one plain colour: (10 k, 20, 200 - 10 k).
SkinStrip PlainStrip() {
    SkinStrip strip;
    for (int k = 0; k < SkinStrip::TileCount; ++k) {
        for (int y = 0; y < SkinStrip::TileSize; ++y) {
            for (int x = 0; x < SkinStrip::TileSize; ++x) {
                strip.Image.setPixelColor(SkinStrip::TileSize * k + x, y,
                                          QColor(10 * k, 20, 200 - 10 * k));
            }
        }
    }
    return strip;
}

QColor TileColour(int code) {
    return QColor(10 * code, 20, 200 - 10 * code);
}

TEST(DrawLevelPicture, SquareCellsAsLargeAsFitOutsideTransparent) {
    const LevelPreview preview = MakeLevelPreview({"  ###", "###.#", "#@$ #", "#####"});
    const QImage picture = DrawLevelPicture(PlainStrip(), preview, QSize(96, 58));
    ASSERT_EQ(picture.size(), QSize(70, 56));       // 14-pixel cells: 58 / 4 rows
    EXPECT_EQ(picture.pixelColor(3, 3).alpha(), 0); // outside the walls
    EXPECT_EQ(picture.pixelColor(14 * 2 + 7, 7), TileColour(Wall));
    EXPECT_EQ(picture.pixelColor(14 * 3 + 7, 14 + 7), TileColour(Goal));
    EXPECT_EQ(picture.pixelColor(14 * 1 + 7, 28 + 7), TileColour(Player));
    EXPECT_EQ(picture.pixelColor(14 * 3 + 7, 28 + 7), TileColour(Floor)); // inside
}

TEST(DrawLevelPicture, LargeLevelsShrinkIntoTheBoxWithMeanColours) {
    const LevelPreview preview =
        MakeLevelPreview(std::vector<std::string>(100, std::string(100, '#')));
    const QImage picture = DrawLevelPicture(PlainStrip(), preview, QSize(96, 58));
    EXPECT_EQ(picture.size(), QSize(58, 58));
    EXPECT_EQ(picture.pixelColor(29, 29), TileColour(Wall));
    EXPECT_TRUE(DrawLevelPicture(PlainStrip(), LevelPreview{}, QSize(96, 58)).isNull());
}

} // namespace
} // namespace lodrin
