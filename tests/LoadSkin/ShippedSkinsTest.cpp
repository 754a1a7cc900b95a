#include "ShippedSkins.h"

#include "LoadSkin/WallLayout.h"

#include <gtest/gtest.h>

#include <set>

namespace lodrin {
namespace {

using test::LoadShippedSkins;
using test::ShippedSkin;

TEST(ShippedSkins, CoverTheTileSizesSeamlessWallsAndAGridlessFloor) {
    const std::vector<ShippedSkin> skins = LoadShippedSkins();
    ASSERT_GE(skins.size(), 4u) << "no skins in " << LODRIN_SKINS_DIR;
    std::set<int> sizes;
    int seamless = 0, gridless = 0;
    for (const ShippedSkin& skin : skins) {
        sizes.insert(skin.Tiles.TileSize);
        seamless += skin.Tiles.Seamless ? 1 : 0;
        const auto& flags = skin.Tiles.GridFlags;
        gridless += std::none_of(flags.begin(), flags.end(), [](bool f) { return f; }) ? 1 : 0;
    }
    for (int size : {20, 40, 64, 96}) {
        EXPECT_TRUE(sizes.count(size)) << "no skin with " << size << "-pixel tiles";
    }
    EXPECT_GE(seamless, 2);
    EXPECT_GE(gridless, 1);
}

// Inside walls drawn piece by piece, the surface repeats every quarter tile
// with no seam where two squares meet: across a solid block, along a run, and
// up a column.
TEST(ShippedSkins, SeamlessWallsRepeatWithoutASeam) {
    for (const ShippedSkin& skin : LoadShippedSkins()) {
        if (!skin.Tiles.Seamless) {
            continue;
        }
        const int a = skin.Tiles.TileSize;
        const int q = a / 4;
        const QImage block = PaintWallLayout(
            skin.Tiles, {"------", "-####-", "-####-", "-####-", "-####-", "------"}, a);
        int seams = 0;
        for (int y = a + q; y < 5 * a - q; ++y) {
            for (int x = a + q; x + q < 5 * a - q; ++x) {
                seams += block.pixel(x, y) != block.pixel(x + q, y) ? 1 : 0;
                seams += block.pixel(y, x) != block.pixel(y, x + q) ? 1 : 0;
            }
        }
        EXPECT_EQ(seams, 0) << skin.Name << " inside a 4 x 4 block";
        const QImage run = PaintWallLayout(skin.Tiles, {"-----", "-###-", "-----"}, a);
        const QImage column = PaintWallLayout(skin.Tiles, {"---", "-#-", "-#-", "-#-", "---"}, a);
        seams = 0;
        for (int t = a + q; t < 2 * a - q; ++t) {
            for (int s = a + q; s + q < 4 * a - q; ++s) {
                seams += run.pixel(s, t) != run.pixel(s + q, t) ? 1 : 0;
                seams += column.pixel(t, s) != column.pixel(t, s + q) ? 1 : 0;
            }
        }
        EXPECT_EQ(seams, 0) << skin.Name << " along a run or a column";
    }
}

} // namespace
} // namespace lodrin
