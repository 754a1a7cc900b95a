#pragma once

// The straightforward cell matching, pixel by pixel as the method is written: every patch
// copied into its own picture (black outside the screenshot), turned grey in place, the hue
// of every pixel converted and binned, the grey picture stretched to 32 x 32. The fast
// matching of the library must agree with it bit for bit; the benchmark times both.

#include "Recog_/CellMatching.h"
#include "Recog_/RgbPicture.h"

#include <cmath>
#include <cstdint>
#include <optional>

namespace lodrin::reference {

// 0.30 R + 0.59 G + 0.11 B in extended precision, rounded to the nearest, halves to even.
inline int Grey(int r, int g, int b) {
    return static_cast<int>(std::rint(0.30L * r + 0.59L * g + 0.11L * b));
}

// The hue bin of a pixel: channels masked with 248, converted, the hue truncated, binned.
inline int HueBin(Rgb p) {
    const double hue = rgbToHsl(p.R & 248, p.G & 248, p.B & 248).Hue;
    return HueBinOfDegrees(static_cast<int>(hue));
}

// The plain stretch to 32 x 32: every target pixel takes its nearest source pixel.
inline RgbPicture Stretch32(const RgbPicture& picture) {
    RgbPicture scaled(PatternSide, PatternSide);
    for (int y = 0; y < PatternSide; ++y) {
        for (int x = 0; x < PatternSide; ++x) {
            const int sx = (2 * x + 1) * picture.Width() / (2 * PatternSide);
            const int sy = (2 * y + 1) * picture.Height() / (2 * PatternSide);
            scaled.SetPixel(x, y, picture.Pixel(sx, sy));
        }
    }
    return scaled;
}

// getAverageGrey as written; turns the picture grey in place.
inline CellFeatures AverageGrey(RgbPicture& picture) {
    CellFeatures features;
    std::uint64_t sum = 0;
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            const Rgb p = picture.Pixel(x, y);
            ++features.HueHistogram[static_cast<std::size_t>(HueBin(p))];
            const auto g = static_cast<std::uint8_t>(Grey(p.R, p.G, p.B));
            picture.SetPixel(x, y, {g, g, g});
            sum += g;
        }
    }
    const std::uint64_t count =
        static_cast<std::uint64_t>(picture.Width()) * static_cast<std::uint64_t>(picture.Height());
    features.AverageGrey = static_cast<int>(sum / count) & 248;
    const RgbPicture scaled = Stretch32(picture);
    int total = 0;
    for (int y = 0; y < PatternSide; ++y) {
        for (int x = 0; x < PatternSide; ++x) {
            total += scaled.Pixel(x, y).R;
        }
    }
    const int mean = total / PatternSize;
    for (int y = 0; y < PatternSide; ++y) {
        for (int x = 0; x < PatternSide; ++x) {
            features.Pattern.Set(static_cast<std::size_t>(y * PatternSide + x),
                                 scaled.Pixel(x, y).R > mean);
        }
    }
    return features;
}

// The similarity percentage by counting equal positions one by one.
inline int Similarity(const CellPattern& a, const CellPattern& b) {
    int equal = 0;
    for (std::size_t k = 0; k < PatternSize; ++k) {
        equal += a[k] == b[k];
    }
    const double share = static_cast<double>(equal) / PatternSize;
    return static_cast<int>(share * share * 100);
}

// isSubimage as written: analyse the patch, compare with the sample under the settings.
inline MatchOutcome IsSubimage(RgbPicture& patch, const CellFeatures& sample,
                               const MatchSettings& settings) {
    const CellFeatures cell = AverageGrey(patch);
    MatchOutcome outcome{Similarity(sample.Pattern, cell.Pattern), false};
    outcome.Matches = outcome.Similarity >= settings.Threshold &&
                      (!settings.GreyCheck || sample.AverageGrey == cell.AverageGrey) &&
                      (!settings.HueCheck || hueAgrees(sample.HueHistogram, cell.HueHistogram));
    return outcome;
}

// findSubimages as written, with a fresh patch picture per cell.
inline std::optional<CellFeatures> FindSubimages(const RgbPicture& picture, const SweepGrid& grid,
                                                 const DisplayRect& sampleCell, char elementChar,
                                                 const MatchSettings& settings,
                                                 RecogCharGrid& recogMap,
                                                 SimilarityGrid& similarityMap) {
    const int z = grid.Zoom;
    const int w = (sampleCell.Right - sampleCell.Left) / z - 4;
    const int h = (sampleCell.Bottom - sampleCell.Top) / z - 4;
    if (w <= 0 || h <= 0) {
        return std::nullopt;
    }
    RgbPicture samplePatch = picture.Block(sampleCell.Left / z + 2, sampleCell.Top / z + 2, w, h);
    const CellFeatures sample = AverageGrey(samplePatch);
    for (int i = 0; i < grid.Rows; ++i) {
        for (int j = 0; j < grid.Cols; ++j) {
            const int x = grid.Left / z + j * (grid.ColWidth / z) + 2;
            const int y = grid.Top / z + i * (grid.RowHeight / z) + 2;
            RgbPicture patch = picture.Block(x, y, w, h);
            const MatchOutcome outcome = IsSubimage(patch, sample, settings);
            if (recogMap.At(i, j) == '-' && outcome.Matches) {
                recogMap.At(i, j) = elementChar;
            }
            similarityMap.At(i, j) = outcome.Similarity;
        }
    }
    return sample;
}

} // namespace lodrin::reference
