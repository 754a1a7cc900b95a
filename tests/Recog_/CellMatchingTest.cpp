// Cell matching: colours, grey, hue bins, patterns, the comparison and the sweep, with the
// fast sweep held against the straightforward one.

#include "Recog_/CellMatching.h"

#include "ReferenceMatching.h"
#include "SyntheticLevel.h"

#include <gtest/gtest.h>

#include <random>

namespace lodrin {
namespace {

RgbPicture Uniform(int w, int h, Rgb colour) {
    RgbPicture picture(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            picture.SetPixel(x, y, colour);
        }
    }
    return picture;
}

RgbPicture Noise(int w, int h, unsigned seed) {
    std::mt19937 rng(seed);
    RgbPicture picture(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            picture.SetPixel(x, y,
                             {static_cast<std::uint8_t>(rng()), static_cast<std::uint8_t>(rng()),
                              static_cast<std::uint8_t>(rng())});
        }
    }
    return picture;
}

// A pattern with the first `ones` positions set.
CellPattern FirstOnes(int ones) {
    CellPattern pattern;
    for (int k = 0; k < ones; ++k) {
        pattern.Set(static_cast<std::size_t>(k), true);
    }
    return pattern;
}

TEST(CellColours, RgbToHslOfPlainColours) {
    const Hsl red = rgbToHsl(255, 0, 0);
    EXPECT_DOUBLE_EQ(red.Hue, 0);
    EXPECT_DOUBLE_EQ(red.Saturation, 100);
    EXPECT_DOUBLE_EQ(red.Lightness, 50);
    EXPECT_DOUBLE_EQ(rgbToHsl(0, 255, 0).Hue, 120);
    EXPECT_DOUBLE_EQ(rgbToHsl(0, 0, 255).Hue, 240);
    EXPECT_DOUBLE_EQ(rgbToHsl(255, 255, 0).Hue, 60); // red and green share the maximum: red wins
    EXPECT_DOUBLE_EQ(rgbToHsl(255, 0, 255).Hue, 300);
    EXPECT_EQ(static_cast<int>(rgbToHsl(248, 200, 0).Hue), 48);
    const Hsl grey = rgbToHsl(90, 90, 90);
    EXPECT_EQ(grey.Hue, 0);
    EXPECT_EQ(grey.Saturation, 0);
    EXPECT_NEAR(rgbToHsl(255, 255, 255).Lightness, 100, 1e-12);
}

TEST(CellColours, HueBinsAndTheirBorders) {
    const std::pair<int, int> cases[] = {
        {0, 0},   {19, 0},  {20, 1},  {40, 1},  {41, 2},  {75, 2},  {76, 3},  {155, 3}, {156, 4},
        {190, 4}, {191, 5}, {270, 5}, {271, 6}, {295, 6}, {296, 7}, {315, 7}, {316, 0}, {359, 0}};
    for (const auto& [hue, bin] : cases) {
        EXPECT_EQ(HueBinOfDegrees(hue), bin) << hue;
    }
    EXPECT_EQ(HueBinOf({255, 0, 0}), 0);
    EXPECT_EQ(HueBinOf({250, 2, 3}), 0); // pure red once the low bits are cleared
    EXPECT_EQ(HueBinOf({255, 200, 0}), 2);
    EXPECT_EQ(HueBinOf({7, 7, 7}), 0);
    EXPECT_EQ(HueBinOf({0, 255, 0}), 3);
    EXPECT_EQ(HueBinOf({0, 0, 255}), 5);
}

TEST(CellColours, HueTableAgreesWithTheConversionForEveryColour) {
    std::mt19937 rng(3);
    for (int r = 0; r < 256; ++r) {
        for (int g = 0; g < 256; ++g) {
            for (int b = 0; b < 256; b += 8) {
                const Rgb p{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                            static_cast<std::uint8_t>(b + rng() % 8)};
                ASSERT_EQ(HueBinOf(p), reference::HueBin(p)) << r << " " << g << " " << int(p.B);
            }
        }
    }
}

TEST(CellColours, GreyAgreesWithTheExtendedFormulaForEveryColour) {
    EXPECT_EQ(GreyOf({100, 100, 100}), 100);
    EXPECT_EQ(GreyOf({0, 0, 255}), 28);
    EXPECT_EQ(GreyOf({255, 255, 255}), 255);
    for (int r = 0; r < 256; ++r) {
        for (int g = 0; g < 256; ++g) {
            for (int b = 0; b < 256; ++b) {
                const Rgb p{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                            static_cast<std::uint8_t>(b)};
                if (GreyOf(p) != reference::Grey(r, g, b)) {
                    FAIL() << r << " " << g << " " << b;
                }
            }
        }
    }
}

TEST(CellFeaturesTest, UniformCellsHaveAnEmptyPatternAndTheirGrey) {
    const CellFeatures red = getAverageGrey(Uniform(20, 30, {255, 0, 0}));
    EXPECT_TRUE(red.Pattern.None());
    EXPECT_EQ(red.AverageGrey, GreyOf({255, 0, 0}) & 248);
    EXPECT_EQ(red.HueHistogram, (HueCounts{600, 0, 0, 0, 0, 0, 0, 0}));
    const CellFeatures green = getAverageGrey(Uniform(5, 7, {0, 200, 0}));
    EXPECT_EQ(green.HueHistogram[3], 35);
    EXPECT_EQ(calSimilarity(red.Pattern, green.Pattern), 1.0);

    for (const auto& [level, quantised] : {std::pair{120, 120}, {127, 120}, {128, 128}, {7, 0}}) {
        const auto v = static_cast<std::uint8_t>(level);
        EXPECT_EQ(getAverageGrey(Uniform(9, 9, {v, v, v})).AverageGrey, quantised) << level;
    }
}

TEST(CellFeaturesTest, PatternMarksPixelsStrictlyAboveTheMean) {
    // A quarter at 50, half at 100, a quarter at 150: the mean is exactly 100.
    RgbPicture picture(64, 64);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const std::uint8_t v = x < 16 ? 50 : (x < 48 ? 100 : 150);
            picture.SetPixel(x, y, {v, v, v});
        }
    }
    const CellFeatures features = getAverageGrey(picture);
    EXPECT_EQ(features.AverageGrey, 96);
    EXPECT_EQ(features.Pattern.Count(), 32 * 8);
    EXPECT_TRUE(features.Pattern[31]);
    EXPECT_FALSE(features.Pattern[23]); // 100, equal to the mean
    EXPECT_FALSE(features.Pattern[0]);

    const RgbPicture shown = PatternPicture(features.Pattern);
    EXPECT_EQ(shown.Pixel(31, 5), (Rgb{255, 255, 255}));
    EXPECT_EQ(shown.Pixel(10, 5), (Rgb{0, 0, 0}));
}

TEST(CellFeaturesTest, SmallPicturesAreStretchedUp) {
    RgbPicture picture(2, 1);
    picture.SetPixel(1, 0, {200, 200, 200});
    const CellFeatures features = getAverageGrey(picture);
    EXPECT_EQ(features.AverageGrey, 96);
    for (int y = 0; y < PatternSide; ++y) {
        for (int x = 0; x < PatternSide; ++x) {
            EXPECT_EQ(features.Pattern[static_cast<std::size_t>(y * 32 + x)], x >= 16);
        }
    }
    EXPECT_EQ(getAverageGrey(RgbPicture()), CellFeatures{});
}

TEST(CellFeaturesTest, PixelsOutsideThePictureReadAsBlack) {
    const RgbPicture picture = Noise(40, 30, 5);
    const CellFeatures outside = PatchFeatures(picture, 50, 10, 6, 4);
    EXPECT_EQ(outside.AverageGrey, 0);
    EXPECT_TRUE(outside.Pattern.None());
    EXPECT_EQ(outside.HueHistogram[0], 24);
    for (const auto& [x0, y0] : {std::pair{35, 25}, {-3, -2}, {-10, 20}, {0, 0}}) {
        RgbPicture block = picture.Block(x0, y0, 12, 9);
        EXPECT_EQ(PatchFeatures(picture, x0, y0, 12, 9), reference::AverageGrey(block)) << x0;
    }
}

TEST(CellComparison, SimilarityThresholds) {
    const CellPattern sample;
    const std::pair<int, int> cases[] = {{794, 60},  {793, 59},  {561, 30},   {560, 29},
                                         {1019, 99}, {1018, 98}, {1024, 100}, {0, 0}};
    for (const auto& [equal, percent] : cases) {
        const CellPattern cell = FirstOnes(1024 - equal);
        EXPECT_EQ(SimilarityPercent(sample, cell), percent) << equal;
        EXPECT_EQ(reference::Similarity(sample, cell), percent) << equal;
    }
    EXPECT_DOUBLE_EQ(calSimilarity(sample, FirstOnes(512)), 0.25);

    CellFeatures a, b;
    b.Pattern = FirstOnes(1024 - 794);
    EXPECT_TRUE(CompareWithSample(a, b, {}).Matches);
    b.Pattern = FirstOnes(1024 - 793);
    const MatchOutcome below = CompareWithSample(a, b, {});
    EXPECT_FALSE(below.Matches);
    EXPECT_EQ(below.Similarity, 59);
    EXPECT_TRUE(CompareWithSample(a, b, {.Threshold = 59}).Matches);
}

TEST(CellComparison, HueHistogramsAgreeBinByBin) {
    EXPECT_FALSE(hueAgrees({5, 3, 9, 0, 0, 0, 0, 0}, {0, 4, 9, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(hueAgrees({5, 3, 9, 0, 0, 0, 0, 0}, {6, 3, 10, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(hueAgrees({}, {}));
    EXPECT_FALSE(hueAgrees({4, 4, 0, 0, 0, 0, 0, 0}, {4, 5, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(hueAgrees({3, 3, 0, 0, 0, 0, 0, 0}, {3, 2, 0, 0, 0, 0, 0, 0})); // ties keep bin 0
    EXPECT_FALSE(hueAgrees({0, 0, 0, 0, 0, 0, 0, 1}, {}));
}

TEST(CellComparison, GreyAndHueChecksTellUniformCellsApart) {
    const CellFeatures sample = getAverageGrey(Uniform(10, 10, {120, 120, 120}));
    const CellFeatures near = getAverageGrey(Uniform(10, 10, {127, 127, 127}));
    const CellFeatures next = getAverageGrey(Uniform(10, 10, {128, 128, 128}));
    EXPECT_TRUE(CompareWithSample(sample, near, {}).Matches);
    EXPECT_FALSE(CompareWithSample(near, next, {}).Matches);
    EXPECT_EQ(CompareWithSample(near, next, {}).Similarity, 100);
    EXPECT_TRUE(CompareWithSample(near, next, {.GreyCheck = false}).Matches);

    // Red and a green of the same grey: only the hue check tells them apart.
    const CellFeatures red = getAverageGrey(Uniform(10, 10, {200, 0, 0}));
    const CellFeatures green = getAverageGrey(Uniform(10, 10, {0, 102, 0}));
    ASSERT_EQ(red.AverageGrey, green.AverageGrey);
    EXPECT_FALSE(CompareWithSample(red, green, {}).Matches);
    EXPECT_TRUE(CompareWithSample(red, green, {.HueCheck = false}).Matches);

    RgbPicture copy = Uniform(10, 10, {0, 102, 0});
    EXPECT_FALSE(isSubimage(copy, red, {}).Matches);
    EXPECT_EQ(isSubimage(copy, red, {}).Similarity, 100);
}

// The sweep over a screenshot of a level with the sample taken from one cell of each kind.
class SweepTest : public ::testing::Test {
protected:
    const std::vector<std::string> rows = test::RandomLayout(9, 12, 11);
    const RgbPicture picture = test::PaintLevel(rows, 30, 17, 9, 420, 300);
    const SweepGrid grid{1, 17, 9, 30, 30, 9, 12};

    DisplayRect Cell(int r, int c) const {
        return {grid.Left + c * grid.ColWidth, grid.Top + r * grid.RowHeight,
                grid.Left + (c + 1) * grid.ColWidth, grid.Top + (r + 1) * grid.RowHeight};
    }
};

TEST_F(SweepTest, EveryCellOfTheSampledKindIsMarked) {
    RecogCharGrid map;
    SimilarityGrid similarity;
    const std::optional<CellFeatures> sample =
        findSubimages(picture, grid, Cell(0, 0), '#', {}, map, similarity);
    ASSERT_TRUE(sample);
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 12; ++c) {
            EXPECT_EQ(map.At(r, c) == '#', rows[r][c] == '#') << r << ", " << c;
        }
    }
    EXPECT_EQ(similarity.At(0, 0), 100);
    EXPECT_EQ(map.At(9, 0), '-');
    EXPECT_EQ(similarity.At(9, 0), 0); // outside the grid nothing is written
}

TEST_F(SweepTest, RecognisedCellsKeepTheirCharacterButGetNewFigures) {
    RecogCharGrid map;
    SimilarityGrid similarity;
    map.At(0, 0) = '$';
    similarity.At(0, 0) = 3;
    int boxRow = 0, boxCol = 0;
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 12; ++c) {
            if (rows[r][c] == '$') {
                boxRow = r, boxCol = c;
            }
        }
    }
    findSubimages(picture, grid, Cell(boxRow, boxCol), '$', {}, map, similarity);
    EXPECT_EQ(map.At(0, 0), '$'); // a wall marked as a box stays so
    EXPECT_NE(similarity.At(0, 0), 3);
    EXPECT_EQ(map.At(boxRow, boxCol), '$');
    findSubimages(picture, grid, Cell(0, 1), '#', {}, map, similarity);
    EXPECT_EQ(map.At(0, 0), '$');
    EXPECT_EQ(map.At(0, 1), '#');
}

TEST_F(SweepTest, PatchesWithoutPixelsAreNeverCompared) {
    RecogCharGrid map;
    SimilarityGrid similarity;
    similarity.At(0, 0) = 42;
    const SweepGrid zoomed{4, 68, 36, 19, 19, 9, 12};
    EXPECT_FALSE(findSubimages(picture, zoomed, {68, 36, 87, 55}, '#', {}, map, similarity));
    const SweepGrid narrow{1, 17, 9, 30, 4, 9, 12};
    EXPECT_FALSE(findSubimages(picture, narrow, {17, 9, 21, 39}, '#', {}, map, similarity));
    EXPECT_FALSE(findSubimages(picture, grid, Cell(0, 0), '@', {}, map, similarity));
    EXPECT_EQ(map, RecogCharGrid{});
    EXPECT_EQ(similarity.At(0, 0), 42);
    const SweepGrid smallest{4, 68, 36, 20, 20, 9, 12}; // one pixel a patch
    EXPECT_TRUE(findSubimages(picture, smallest, {68, 36, 88, 56}, '#', {}, map, similarity));
}

TEST_F(SweepTest, TheClickedCellIsAlwaysMarkedAtZoomOne) {
    std::mt19937 rng(17);
    const RgbPicture noise = Noise(300, 200, 23);
    for (int trial = 0; trial < 40; ++trial) {
        const int cw = 10 + static_cast<int>(rng() % 40), rh = 10 + static_cast<int>(rng() % 40);
        const SweepGrid g{1, static_cast<int>(rng() % 60), static_cast<int>(rng() % 60), rh, cw, 8,
                          9};
        const int r = static_cast<int>(rng() % 8), c = static_cast<int>(rng() % 9);
        const DisplayRect cell{g.Left + c * cw, g.Top + r * rh, g.Left + (c + 1) * cw,
                               g.Top + (r + 1) * rh};
        RecogCharGrid map;
        SimilarityGrid similarity;
        findSubimages(noise, g, cell, '.', {.Threshold = 99}, map, similarity);
        EXPECT_EQ(map.At(r, c), '.') << trial;
        EXPECT_EQ(similarity.At(r, c), 100) << trial;
    }
}

// The fast sweep gives exactly what the straightforward one gives: maps and sample features,
// on levels and on noise, at every zoom, with frames reaching past the picture's edges.
TEST_F(SweepTest, FastSweepAgreesWithTheStraightforwardOne) {
    std::mt19937 rng(29);
    const RgbPicture noise = Noise(150, 110, 31);
    for (int trial = 0; trial < 60; ++trial) {
        const RgbPicture& shot = trial % 2 ? noise : picture;
        const int zoom = 1 << (trial % 3);
        const int cw = 10 + static_cast<int>(rng() % 100), rh = 10 + static_cast<int>(rng() % 100);
        const int rowsCount = 1 + static_cast<int>(rng() % 15),
                  colsCount = 1 + static_cast<int>(rng() % 15);
        const SweepGrid g{zoom,
                          static_cast<int>(rng() % 400),
                          static_cast<int>(rng() % 300),
                          rh,
                          cw,
                          rowsCount,
                          colsCount};
        const int r = static_cast<int>(rng() % rowsCount), c = static_cast<int>(rng() % colsCount);
        const DisplayRect cell{g.Left + c * cw, g.Top + r * rh, g.Left + (c + 1) * cw,
                               g.Top + (r + 1) * rh};
        const MatchSettings settings{30 + static_cast<int>(rng() % 70), rng() % 2 == 0,
                                     rng() % 2 == 0};
        RecogCharGrid fastMap, plainMap;
        SimilarityGrid fastSimilarity, plainSimilarity;
        fastMap.At(0, 0) = plainMap.At(0, 0) = '*';
        const auto fast = findSubimages(shot, g, cell, '$', settings, fastMap, fastSimilarity);
        const auto plain =
            reference::FindSubimages(shot, g, cell, '$', settings, plainMap, plainSimilarity);
        ASSERT_EQ(fast.has_value(), plain.has_value()) << trial;
        if (fast) {
            EXPECT_EQ(*fast, *plain) << trial;
        }
        EXPECT_EQ(fastMap, plainMap) << trial;
        EXPECT_EQ(fastSimilarity, plainSimilarity) << trial;
    }
}

} // namespace
} // namespace lodrin
