#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lodrin {

// Lines and columns a level text may have for a level key.
inline constexpr int LevelTextMaxLines = 100;
// Rows and columns of a canonical grid, border included.
inline constexpr int CanonicalGridMax = 98;

// A level's canonical text and its turn-independent key.
struct CanonicalLevel {
    bool Ok = false;           // false: the level gives no key
    std::string XsbText;       // canonical grid rows joined by LF
    int Goals = 0;             // goals (and boxes) of the keeper's region
    std::int32_t XsbCrc32 = 0; // smallest checksum of the eight turns
    int TurnNum = 0;           // the turn that gives XsbCrc32
};

// Cuts a level text into lines: CR counts as LF, each pair of line feeds counts as
// one, and a last piece without a line feed is a line only when it is not empty.
std::vector<std::string> SplitLevelLines(std::string_view text);

// The canonical form and key of a level text; Ok is false when the text gives none.
CanonicalLevel CanonicalizeLevel(std::string_view text);

// CRC-32 of a row-major grid of rows x cols characters as seen under the turn (0 to 7).
std::int32_t TurnedGridCrc32(std::string_view cells, int rows, int cols, int turn);

// CanonicalizeLevel with its working grids kept between calls, so that a run over
// many levels allocates nothing but the result text.
class TLevelCanonicalizer {
public:
    // Fills `out` (reusing its text's storage); returns out.Ok.
    bool Canonicalize(std::string_view text, CanonicalLevel& out);

private:
    // The lines lie at rows and columns 1 to 100 of the work grid, inside a ring of '_'
    // that no flood passes, so that no step needs a bounds test.
    static constexpr int Size = LevelTextMaxLines;
    static constexpr int Stride = Size + 2;
    static constexpr std::size_t Cells = static_cast<std::size_t>(Stride) * Stride;

    // What the flood from the keeper found (work grid rows and columns).
    struct Region {
        int Boxes = 0, Goals = 0;
        int Top = 0, Left = 0, Bottom = 0, Right = 0;
    };

    bool LayLines(std::string_view text);
    Region Flood(int keeper);
    void BuildCanonical(const Region& region);
    void WriteText(std::string& text) const;
    void PickSmallestTurn(CanonicalLevel& out);

    std::array<char, Cells> Work_{};
    std::array<std::uint8_t, Cells> Open_{}; // 1: a square the flood may still enter
    std::array<std::uint16_t, Cells> Queue_{};
    std::array<char, CanonicalGridMax * CanonicalGridMax> Canon_{};
    int Lines_ = 0;
    int Keepers_ = 0, Keeper_ = 0;
    int H_ = 0, W_ = 0;
};

} // namespace lodrin
