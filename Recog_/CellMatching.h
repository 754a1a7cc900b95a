#pragma once

#include "Recog_/RecogGrid.h"
#include "Recog_/RgbPicture.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace lodrin {

// Side of the binary shape pattern: every cell picture is stretched to 32 x 32 pixels.
inline constexpr int PatternSide = 32;
inline constexpr int PatternSize = PatternSide * PatternSide;
// Number of hue bins.
inline constexpr int HueBinCount = 8;

// A 32 x 32 binary pattern, position y * 32 + x, held 64 positions to a word (position k is
// bit k % 64 of word k / 64).
struct CellPattern {
    std::array<std::uint64_t, PatternSize / 64> Words{};

    bool operator[](std::size_t k) const { return (Words[k / 64] >> (k % 64) & 1U) != 0; }
    void Set(std::size_t k, bool value);
    // The number of positions that are 1.
    int Count() const;
    bool None() const { return Count() == 0; }
    friend bool operator==(const CellPattern&, const CellPattern&) = default;
};

// The number of positions at which two patterns agree.
int EqualPositions(const CellPattern& a, const CellPattern& b);
// Pixel counts per hue bin.
using HueCounts = std::array<int, HueBinCount>;

// The features of one cell picture.
struct CellFeatures {
    int AverageGrey = 0; // mean grey with its lowest three bits cleared: 0, 8, ..., 248
    CellPattern Pattern; // 1 where the stretched grey picture is brighter than its mean
    HueCounts HueHistogram{};
    friend bool operator==(const CellFeatures&, const CellFeatures&) = default;
};

// Lightness and saturation in percent, hue in degrees (0 <= hue < 360).
struct Hsl {
    double Lightness = 0;
    double Saturation = 0;
    double Hue = 0;
};

// The standard RGB to HSL conversion; when red and green share the maximum red wins.
Hsl rgbToHsl(int red, int green, int blue);

// The bin of a truncated hue in whole degrees (0..359).
int HueBinOfDegrees(int hue);

// The hue bin of a pixel: its channels with the lowest three bits cleared, converted to HSL,
// the hue truncated and binned. Read from a table of the 32 x 32 x 32 masked colours.
int HueBinOf(Rgb pixel);

// Grey of a pixel: 0.30 R + 0.59 G + 0.11 B in extended precision, rounded half to even.
int GreyOf(Rgb pixel);

// The source index of stretched index i (0..31) for a side of n >= 1 pixels (nearest pixel).
constexpr int StretchSource(int i, int n) {
    return (2 * i + 1) * n / (2 * PatternSide);
}

// Analyses a whole picture of at least 1 x 1 pixels (an empty picture gives empty features).
CellFeatures getAverageGrey(const RgbPicture& picture);

// Analyses the w x h block of the picture whose top-left pixel is (x0, y0); pixels outside
// the picture read as black. w and h must be at least 1.
CellFeatures PatchFeatures(const RgbPicture& picture, int x0, int y0, int w, int h);

// The sample pattern picture: 32 x 32, white where the pattern is 1, black where it is 0.
RgbPicture PatternPicture(const CellPattern& pattern);

// Shape similarity of two patterns: the squared share of equal positions, 0..1.
double calSimilarity(const CellPattern& a, const CellPattern& b);

// The similarity as a truncated percentage, 0..100.
int SimilarityPercent(const CellPattern& a, const CellPattern& b);

// Whether, after every bin, the first bin holding the largest count so far is the same.
bool hueAgrees(const HueCounts& p, const HueCounts& q);

// The comparison settings of the recognition window.
struct MatchSettings {
    int Threshold = 60; // similarity threshold in percent, 30..99
    bool HueCheck = true;
    bool GreyCheck = true;
};

// One comparison: the similarity percentage and whether the cell matches the sample.
struct MatchOutcome {
    int Similarity = 0;
    bool Matches = false;
};

// Compares a cell's features with the sample's under the settings.
MatchOutcome CompareWithSample(const CellFeatures& sample, const CellFeatures& cell,
                               const MatchSettings& settings);

// Analyses a cell picture and compares it with the sample.
MatchOutcome isSubimage(const RgbPicture& cellPicture, const CellFeatures& sample,
                        const MatchSettings& settings);

// The grid a sweep cuts its patches along, in display coordinates.
struct SweepGrid {
    int Zoom = 1;
    int Left = 0;
    int Top = 0;
    int RowHeight = 50;
    int ColWidth = 50;
    int Rows = 1;
    int Cols = 1;
};

// The picture size of every patch of a sweep: the cell in picture pixels less 2 on each side.
struct PatchSize {
    int Width = 0;
    int Height = 0;
    bool HasPixels() const { return Width > 0 && Height > 0; }
};
PatchSize SweepPatchSize(const DisplayRect& sampleCell, int zoom);

// The picture rectangle a sweep cuts from the sample cell: inset by 2 pixels on every side.
PictureRect SamplePatch(const DisplayRect& sampleCell, int zoom);

// The top-left picture pixel of the patch of grid cell (row, col).
PictureRect CellPatch(const SweepGrid& grid, PatchSize size, int row, int col);

// The sweep: analyses the sample cell, compares every cell of the grid with it, marks the
// matching '-' cells with elementChar ('#', '$', '*' or '.') and records every similarity.
// Returns the sample's features, or nothing when the patches have no pixels or the
// character is not an element a sweep marks (then nothing is changed).
std::optional<CellFeatures> findSubimages(const RgbPicture& picture, const SweepGrid& grid,
                                          const DisplayRect& sampleCell, char elementChar,
                                          const MatchSettings& settings, RecogCharGrid& recogMap,
                                          SimilarityGrid& similarityMap);

} // namespace lodrin
