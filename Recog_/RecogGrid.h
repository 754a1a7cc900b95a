#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace lodrin {

// Rows and columns of the recognition grid: the frame never yields more cells than this.
inline constexpr int RecogSize = 100;

// A grid cell as (column, row), 0-based; (-1, -1) is none.
struct RecogCell {
    int Col = -1;
    int Row = -1;
    bool IsNone() const { return Col < 0 || Row < 0; }
    friend bool operator==(const RecogCell&, const RecogCell&) = default;
};

// Whether (row, col) lies on the 100 x 100 recognition grid.
constexpr bool InRecogGrid(int row, int col) {
    return row >= 0 && row < RecogSize && col >= 0 && col < RecogSize;
}

// 100 x 100 values, row-major, row 0 at the top.
template <class T> struct RecogGrid {
    std::array<T, static_cast<std::size_t>(RecogSize) * RecogSize> Cells{};

    T& At(int row, int col) { return Cells[Index(row, col)]; }
    const T& At(int row, int col) const { return Cells[Index(row, col)]; }
    void Fill(T value) { Cells.fill(value); }

    friend bool operator==(const RecogGrid&, const RecogGrid&) = default;

private:
    static std::size_t Index(int row, int col) {
        return static_cast<std::size_t>(row) * RecogSize + static_cast<std::size_t>(col);
    }
};

// The recognized elements: XSB characters, '-' for nothing recognized.
struct RecogCharGrid : RecogGrid<char> {
    RecogCharGrid() { Fill('-'); }
};

// The similarity percentages of the last sweep, 0 when none was computed.
using SimilarityGrid = RecogGrid<std::int32_t>;

// A rectangle in display coordinates; right and bottom are exclusive.
struct DisplayRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    friend bool operator==(const DisplayRect&, const DisplayRect&) = default;
};

// A rectangle in picture coordinates: top-left pixel and size.
struct PictureRect {
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    friend bool operator==(const PictureRect&, const PictureRect&) = default;
};

} // namespace lodrin
