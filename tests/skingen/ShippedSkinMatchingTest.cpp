// Every skin can be recognised from a picture of itself: with the recognition's
// default settings, a sweep sampled on any tile marks the squares showing that
// tile and no square showing another kind of element.

#include "LoadSkin/BuiltInSkin.h"
#include "LoadSkin/DrawnSkin.h"
#include "LoadSkin/ShippedSkins.h"
#include "LoadSkin/SkinStrip.h"
#include "Recog_/CellMatching.h"
#include "Recog_/PictureFile.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lodrin {
namespace {

// One square picture in a row of them, and the element it shows.
struct RowTile {
    QImage Picture;
    const char* Element;
};

// The tiles as the trial field shows them at the skin's own size. The wall
// extension shows a wall too: it only has to be told apart from the others.
std::vector<RowTile> OwnSizeTiles(const SkinTiles& tiles) {
    return {
        {tiles.Tile(SkinTile::Floor), "floor"},
        {tiles.Tile(SkinTile::Goal), "goal"},
        {tiles.Tile(SkinTile::Box), "box"},
        {tiles.Tile(SkinTile::BoxOnGoal), "box on goal"},
        {tiles.Tile(SkinTile::Keeper), "keeper"},
        {tiles.Tile(SkinTile::KeeperOnGoal), "keeper on goal"},
        {tiles.Tile(SkinTile::Wall), "wall"},
        {tiles.Tile(SkinTile::WallExtension), "wall"},
    };
}

// The strip's tiles as the editor's grid and the recognition window show them.
std::vector<RowTile> StripTiles(const SkinStrip& strip) {
    const char* elements[] = {"floor",  "goal",           "box", "box on goal",
                              "keeper", "keeper on goal", "wall"};
    std::vector<RowTile> row;
    for (int k = 0; k < SkinStrip::TileCount; ++k) {
        row.push_back({strip.Tile(k), elements[k]});
    }
    return row;
}

std::vector<RowTile> StripTiles(const SkinTiles& tiles) {
    SkinStrip strip;
    RewriteSkinStrip(tiles, strip);
    return StripTiles(strip);
}

RgbPicture RowPicture(const std::vector<RowTile>& row, int a) {
    QImage picture(static_cast<int>(row.size()) * a, a, QImage::Format_RGB32);
    QPainter painter(&picture);
    for (std::size_t k = 0; k < row.size(); ++k) {
        painter.drawImage(static_cast<int>(k) * a, 0, row[k].Picture);
    }
    painter.end();
    return RgbPictureFromImage(picture);
}

// Lays the tiles side by side at their size and sweeps the picture once per
// tile, as a user clicking it with the default settings would.
void ExpectEveryTileToldApart(const std::vector<RowTile>& row, const std::string& skin) {
    const int a = row.front().Picture.width();
    const int n = static_cast<int>(row.size());
    const RgbPicture picture = RowPicture(row, a);
    const SweepGrid grid{1, 0, 0, a, a, 1, n};
    for (int sample = 0; sample < n; ++sample) {
        RecogCharGrid marks;
        SimilarityGrid similarity;
        const DisplayRect cell{sample * a, 0, (sample + 1) * a, a};
        ASSERT_TRUE(findSubimages(picture, grid, cell, '$', MatchSettings{}, marks, similarity));
        const std::string sampled = row[static_cast<std::size_t>(sample)].Element;
        EXPECT_EQ(marks.At(0, sample), '$') << skin << ": " << sampled;
        for (int k = 0; k < n; ++k) {
            const std::string shown = row[static_cast<std::size_t>(k)].Element;
            if (shown != sampled) {
                EXPECT_EQ(marks.At(0, k), '-')
                    << skin << ": a sweep sampled on the " << sampled << " marks the " << shown
                    << " (similarity " << similarity.At(0, k) << ")";
            }
        }
    }
}

TEST(SkinMatching, ShippedSkinsAreToldApartAtTheirOwnSizeAndInTheStrip) {
    const std::vector<test::ShippedSkin> skins = test::LoadShippedSkins();
    ASSERT_FALSE(skins.empty()) << "no skins in " << LODRIN_SKINS_DIR;
    for (const test::ShippedSkin& skin : skins) {
        ExpectEveryTileToldApart(OwnSizeTiles(skin.Tiles), skin.Name);
        ExpectEveryTileToldApart(StripTiles(skin.Tiles), skin.Name + " in the strip");
    }
}

TEST(SkinMatching, BuiltInAndDrawnSkinsAreToldApart) {
    ExpectEveryTileToldApart(StripTiles(SkinStrip()), "the built-in skin");
    SkinTiles drawn;
    BuildDrawnSkin(drawn);
    std::vector<RowTile> row = OwnSizeTiles(drawn);
    row.pop_back(); // the drawn skin repeats its wall as the extension
    ExpectEveryTileToldApart(row, "the drawn skin");
}

} // namespace
} // namespace lodrin
