#pragma once

// Trial boards written as rows of characters for the finder and trial play tests:
// '#' wall, '.' goal, '$' box, '*' box on goal, '@' keeper, '+' keeper on goal,
// '_' nothing, every other character floor.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace lodrin::test {

struct TrialText {
    int Rows = 0;
    int Cols = 0;
    std::vector<std::int32_t> Cells;
    int Keeper = -1; // first keeper in index order

    int At(int row, int col) const { return row * Cols + col; }
};

inline std::int32_t TrialCodeOf(char ch) {
    switch (ch) {
    case '_':
        return 0;
    case '#':
        return 1;
    case '.':
        return 3;
    case '$':
        return 4;
    case '*':
        return 5;
    case '@':
        return 6;
    case '+':
        return 7;
    default:
        return 2;
    }
}

inline char TrialCharOf(std::int32_t code) {
    static constexpr char chars[] = "_# .$*@+";
    return code >= 0 && code <= 7 ? chars[code] : '?';
}

inline TrialText TrialFromRows(const std::vector<std::string>& rows) {
    TrialText t;
    t.Rows = static_cast<int>(rows.size());
    for (const std::string& row : rows) {
        t.Cols = std::max(t.Cols, static_cast<int>(row.size()));
    }
    t.Cells.assign(static_cast<std::size_t>(t.Rows * t.Cols), 2);
    for (int r = 0; r < t.Rows; ++r) {
        const std::string& row = rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < static_cast<int>(row.size()); ++c) {
            t.Cells[static_cast<std::size_t>(t.At(r, c))] =
                TrialCodeOf(row[static_cast<std::size_t>(c)]);
        }
    }
    for (int i = 0; i < t.Rows * t.Cols; ++i) {
        if (t.Keeper < 0 && (t.Cells[static_cast<std::size_t>(i)] == 6 ||
                             t.Cells[static_cast<std::size_t>(i)] == 7)) {
            t.Keeper = i;
        }
    }
    return t;
}

inline std::vector<std::string> RowsOfCells(const std::int32_t* cells, int rows, int cols) {
    std::vector<std::string> out;
    for (int r = 0; r < rows; ++r) {
        std::string row;
        for (int c = 0; c < cols; ++c) {
            row.push_back(TrialCharOf(cells[r * cols + c]));
        }
        out.push_back(row);
    }
    return out;
}

} // namespace lodrin::test
