#include "Recog_/CellMatching.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <string_view>

namespace lodrin {

namespace {

// Hue bins of the 32 x 32 x 32 colours whose channels have their low three bits cleared,
// indexed (R >> 3) << 10 | (G >> 3) << 5 | (B >> 3).
using HueBinTable = std::array<std::uint8_t, 32 * 32 * 32>;

HueBinTable BuildHueBinTable() {
    HueBinTable table{};
    for (int r = 0; r < 32; ++r) {
        for (int g = 0; g < 32; ++g) {
            for (int b = 0; b < 32; ++b) {
                const double hue = rgbToHsl(r << 3, g << 3, b << 3).Hue;
                table[static_cast<std::size_t>(r << 10 | g << 5 | b)] =
                    static_cast<std::uint8_t>(HueBinOfDegrees(static_cast<int>(hue)));
            }
        }
    }
    return table;
}

const HueBinTable& HueBins() {
    static const HueBinTable table = BuildHueBinTable();
    return table;
}

int TableBin(const HueBinTable& table, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return table[static_cast<std::size_t>((r >> 3) << 10 | (g >> 3) << 5 | (b >> 3))];
}

// The grey of the weights in extended precision; the slow path of GreyOf.
int ExtendedGrey(int r, int g, int b) {
    return static_cast<int>(std::rint(0.30L * r + 0.59L * g + 0.11L * b));
}

// GreyOf on channel values. The exact value is s / 100 with s = 30 R + 59 G + 11 B; unless it
// is an exact half, it lies at least 0.01 from one, far beyond the error of the extended
// computation, so the integer rounding gives the same result. Halves take the slow path,
// where the extended computation's own error decides, as it does in the plain formula.
int FastGrey(int r, int g, int b) {
    const int s = 30 * r + 59 * g + 11 * b;
    return s % 100 != 50 ? (s + 50) / 100 : ExtendedGrey(r, g, b);
}

// Analyses patches of one size: keeps the grey values of the patch and the stretch indices.
class TPatchAnalyzer {
public:
    TPatchAnalyzer(int w, int h)
        : W_(w), H_(h), Grey_(static_cast<std::size_t>(w) * static_cast<std::size_t>(h)) {
        for (int i = 0; i < PatternSide; ++i) {
            Xs_[static_cast<std::size_t>(i)] = StretchSource(i, w);
            Ys_[static_cast<std::size_t>(i)] = StretchSource(i, h);
        }
    }

    CellFeatures Analyze(const RgbPicture& picture, int x0, int y0) {
        CellFeatures features;
        const std::uint64_t sum = ReadPixels(picture, x0, y0, features.HueHistogram);
        const std::uint64_t count = static_cast<std::uint64_t>(W_) * static_cast<std::uint64_t>(H_);
        features.AverageGrey = static_cast<int>(sum / count) & 248;
        FillPattern(features.Pattern);
        return features;
    }

private:
    // Greys every pixel into Grey_, counts the hue bins and returns the sum of the greys.
    std::uint64_t ReadPixels(const RgbPicture& picture, int x0, int y0, HueCounts& bins) {
        const int xa = std::clamp(x0, 0, picture.Width());
        const int xb = std::max(xa, std::clamp(x0 + W_, 0, picture.Width()));
        std::uint64_t sum = 0;
        std::uint64_t black = 0;
        std::fill(Grey_.begin(), Grey_.end(), std::uint8_t{0});
        for (int row = 0; row < H_; ++row) {
            const int y = y0 + row;
            if (y < 0 || y >= picture.Height() || xa == xb) {
                black += static_cast<std::uint64_t>(W_);
                continue;
            }
            black += static_cast<std::uint64_t>(W_ - (xb - xa));
            const std::uint8_t* p = picture.Row(y) + static_cast<std::ptrdiff_t>(xa) * 3;
            std::uint8_t* grey = Grey_.data() + static_cast<std::ptrdiff_t>(row) * W_ + (xa - x0);
            sum += ReadRow(p, grey, xb - xa, bins);
        }
        bins[static_cast<std::size_t>(TableBin(HueBins(), 0, 0, 0))] += static_cast<int>(black);
        return sum;
    }

    // One row of n pixels. The bin counts run in eight 8-bit lanes of one register, emptied
    // into the histogram every 255 pixels, so that runs of one colour do not wait on memory.
    static std::uint64_t ReadRow(const std::uint8_t* p, std::uint8_t* grey, int n,
                                 HueCounts& bins) {
        const HueBinTable& table = HueBins();
        std::uint64_t sum = 0;
        for (int done = 0; done < n;) {
            const int chunk = std::min(n - done, 255);
            std::uint64_t lanes = 0;
            for (int x = 0; x < chunk; ++x, p += 3) {
                const int g = FastGrey(p[0], p[1], p[2]);
                *grey++ = static_cast<std::uint8_t>(g);
                sum += static_cast<std::uint64_t>(g);
                lanes += std::uint64_t{1} << (8 * TableBin(table, p[0], p[1], p[2]));
            }
            for (std::size_t b = 0; b < bins.size(); ++b) {
                bins[b] += static_cast<int>(lanes >> (8 * b) & 0xFF);
            }
            done += chunk;
        }
        return sum;
    }

    // The stretched picture's rows; a source row used twice (patches under 32 pixels high)
    // is read once.
    void FillPattern(CellPattern& pattern) const {
        std::array<std::array<std::uint8_t, PatternSide>, PatternSide> v{};
        std::array<int, PatternSide> rowSums{};
        int total = 0;
        for (std::size_t i = 0; i < PatternSide; ++i) {
            if (i > 0 && Ys_[i] == Ys_[i - 1]) {
                v[i] = v[i - 1];
                rowSums[i] = rowSums[i - 1];
            } else {
                const std::uint8_t* row = Grey_.data() + static_cast<std::ptrdiff_t>(Ys_[i]) * W_;
                for (std::size_t j = 0; j < PatternSide; ++j) {
                    v[i][j] = row[Xs_[j]];
                    rowSums[i] += row[Xs_[j]];
                }
            }
            total += rowSums[i];
        }
        const int mean = total / PatternSize;
        std::array<std::uint32_t, PatternSide> rowBits{};
        for (std::size_t i = 0; i < PatternSide; ++i) {
            if (i > 0 && Ys_[i] == Ys_[i - 1]) {
                rowBits[i] = rowBits[i - 1];
                continue;
            }
            for (std::size_t j = 0; j < PatternSide; ++j) {
                rowBits[i] |= static_cast<std::uint32_t>(v[i][j] > mean) << j;
            }
        }
        // Position y * 32 + x: rows 2w and 2w + 1 share word w.
        for (std::size_t w = 0; w < pattern.Words.size(); ++w) {
            pattern.Words[w] = rowBits[2 * w] | static_cast<std::uint64_t>(rowBits[2 * w + 1])
                                                    << 32;
        }
    }

    int W_;
    int H_;
    std::vector<std::uint8_t> Grey_;
    std::array<int, PatternSide> Xs_{};
    std::array<int, PatternSide> Ys_{};
};

bool IsSweepElement(char ch) {
    return std::string_view("#$*.").find(ch) != std::string_view::npos;
}

} // namespace

Hsl rgbToHsl(int red, int green, int blue) {
    const double r = red / 255.0;
    const double g = green / 255.0;
    const double b = blue / 255.0;
    const double max = std::max({r, g, b});
    const double min = std::min({r, g, b});
    Hsl hsl;
    const double l = (max + min) / 2;
    hsl.Lightness = l * 100;
    if (max == min) {
        return hsl;
    }
    const double d = max - min;
    const double s = l < 0.5 ? d / (max + min) : d / (2 - max - min);
    double h = 0;
    if (r == max) {
        h = (g - b) / d;
    } else if (g == max) {
        h = (b - r) / d + 2;
    } else {
        h = (r - g) / d + 4;
    }
    h /= 6;
    if (h < 0) {
        h += 1;
    }
    hsl.Saturation = s * 100;
    hsl.Hue = h * 360;
    return hsl;
}

int HueBinOfDegrees(int hue) {
    if (hue > 315 || hue < 20) {
        return 0;
    }
    if (hue > 295) {
        return 7;
    }
    if (hue > 270) {
        return 6;
    }
    if (hue > 190) {
        return 5;
    }
    if (hue > 155) {
        return 4;
    }
    if (hue > 75) {
        return 3;
    }
    return hue > 40 ? 2 : 1;
}

int HueBinOf(Rgb pixel) {
    return TableBin(HueBins(), pixel.R, pixel.G, pixel.B);
}

int GreyOf(Rgb pixel) {
    return FastGrey(pixel.R, pixel.G, pixel.B);
}

CellFeatures getAverageGrey(const RgbPicture& picture) {
    return PatchFeatures(picture, 0, 0, picture.Width(), picture.Height());
}

CellFeatures PatchFeatures(const RgbPicture& picture, int x0, int y0, int w, int h) {
    if (w <= 0 || h <= 0) {
        return {};
    }
    return TPatchAnalyzer(w, h).Analyze(picture, x0, y0);
}

RgbPicture PatternPicture(const CellPattern& pattern) {
    RgbPicture picture(PatternSide, PatternSide);
    for (int y = 0; y < PatternSide; ++y) {
        for (int x = 0; x < PatternSide; ++x) {
            if (pattern[static_cast<std::size_t>(y * PatternSide + x)]) {
                picture.SetPixel(x, y, {255, 255, 255});
            }
        }
    }
    return picture;
}

void CellPattern::Set(std::size_t k, bool value) {
    const std::uint64_t bit = std::uint64_t{1} << (k % 64);
    Words[k / 64] = value ? Words[k / 64] | bit : Words[k / 64] & ~bit;
}

int CellPattern::Count() const {
    int count = 0;
    for (const std::uint64_t word : Words) {
        count += std::popcount(word);
    }
    return count;
}

int EqualPositions(const CellPattern& a, const CellPattern& b) {
    int differing = 0;
    for (std::size_t w = 0; w < a.Words.size(); ++w) {
        differing += std::popcount(a.Words[w] ^ b.Words[w]);
    }
    return PatternSize - differing;
}

double calSimilarity(const CellPattern& a, const CellPattern& b) {
    const double share = static_cast<double>(EqualPositions(a, b)) / PatternSize;
    return share * share;
}

int SimilarityPercent(const CellPattern& a, const CellPattern& b) {
    return static_cast<int>(calSimilarity(a, b) * 100);
}

bool hueAgrees(const HueCounts& p, const HueCounts& q) {
    int maxP = 0, a = 0, maxQ = 0, b = 0;
    for (int i = 0; i < HueBinCount; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        if (p[k] > maxP) {
            maxP = p[k];
            a = i;
        }
        if (q[k] > maxQ) {
            maxQ = q[k];
            b = i;
        }
        if (a != b) {
            return false;
        }
    }
    return true;
}

MatchOutcome CompareWithSample(const CellFeatures& sample, const CellFeatures& cell,
                               const MatchSettings& settings) {
    MatchOutcome outcome;
    outcome.Similarity = SimilarityPercent(sample.Pattern, cell.Pattern);
    outcome.Matches = outcome.Similarity >= settings.Threshold &&
                      (!settings.GreyCheck || sample.AverageGrey == cell.AverageGrey) &&
                      (!settings.HueCheck || hueAgrees(sample.HueHistogram, cell.HueHistogram));
    return outcome;
}

MatchOutcome isSubimage(const RgbPicture& cellPicture, const CellFeatures& sample,
                        const MatchSettings& settings) {
    return CompareWithSample(sample, getAverageGrey(cellPicture), settings);
}

PatchSize SweepPatchSize(const DisplayRect& sampleCell, int zoom) {
    return {(sampleCell.Right - sampleCell.Left) / zoom - 4,
            (sampleCell.Bottom - sampleCell.Top) / zoom - 4};
}

PictureRect SamplePatch(const DisplayRect& sampleCell, int zoom) {
    const PatchSize size = SweepPatchSize(sampleCell, zoom);
    return {sampleCell.Left / zoom + 2, sampleCell.Top / zoom + 2, size.Width, size.Height};
}

PictureRect CellPatch(const SweepGrid& grid, PatchSize size, int row, int col) {
    const int z = grid.Zoom;
    return {grid.Left / z + col * (grid.ColWidth / z) + 2,
            grid.Top / z + row * (grid.RowHeight / z) + 2, size.Width, size.Height};
}

std::optional<CellFeatures> findSubimages(const RgbPicture& picture, const SweepGrid& grid,
                                          const DisplayRect& sampleCell, char elementChar,
                                          const MatchSettings& settings, RecogCharGrid& recogMap,
                                          SimilarityGrid& similarityMap) {
    if (grid.Zoom < 1 || !IsSweepElement(elementChar)) {
        return std::nullopt;
    }
    const PictureRect samplePatch = SamplePatch(sampleCell, grid.Zoom);
    const PatchSize size{samplePatch.Width, samplePatch.Height};
    if (!size.HasPixels()) {
        return std::nullopt;
    }
    TPatchAnalyzer analyzer(size.Width, size.Height);
    const CellFeatures sample = analyzer.Analyze(picture, samplePatch.X, samplePatch.Y);
    const int rows = std::clamp(grid.Rows, 0, RecogSize);
    const int cols = std::clamp(grid.Cols, 0, RecogSize);
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < cols; ++j) {
            const PictureRect patch = CellPatch(grid, size, i, j);
            const MatchOutcome outcome =
                CompareWithSample(sample, analyzer.Analyze(picture, patch.X, patch.Y), settings);
            if (recogMap.At(i, j) == '-' && outcome.Matches) {
                recogMap.At(i, j) = elementChar;
            }
            similarityMap.At(i, j) = outcome.Similarity;
        }
    }
    return sample;
}

} // namespace lodrin
