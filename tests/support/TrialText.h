#pragma once

// Trial boards written as rows of characters for the finder and trial play tests:
// '#' wall, '.' goal, '$' box, '*' box on goal, '@' keeper, '+' keeper on goal,
// '_' nothing, every other character floor.

#include "board/TrialCode.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace lodrin::test {

struct TrialText {
    int Rows = 0;
    int Cols = 0;
    std::vector<TrialCode> Cells;
    int Keeper = -1; // first keeper in index order

    int At(int row, int col) const { return row * Cols + col; }
};

inline TrialCode TrialCodeOf(char ch) {
    switch (ch) {
    case '_':
        return TrialCode::Nothing;
    case '#':
        return TrialCode::Wall;
    case '.':
        return TrialCode::Goal;
    case '$':
        return TrialCode::Box;
    case '*':
        return TrialCode::BoxOnGoal;
    case '@':
        return TrialCode::Keeper;
    case '+':
        return TrialCode::KeeperOnGoal;
    default:
        return TrialCode::Floor;
    }
}

inline char TrialCharOf(TrialCode code) {
    static constexpr char chars[] = "_# .$*@+";
    const auto i = static_cast<int>(code);
    return i >= 0 && i <= 7 ? chars[i] : '?';
}

inline TrialText TrialFromRows(const std::vector<std::string>& rows) {
    TrialText t;
    t.Rows = static_cast<int>(rows.size());
    for (const std::string& row : rows) {
        t.Cols = std::max(t.Cols, static_cast<int>(row.size()));
    }
    t.Cells.assign(static_cast<std::size_t>(t.Rows * t.Cols), TrialCode::Floor);
    for (int r = 0; r < t.Rows; ++r) {
        const std::string& row = rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < static_cast<int>(row.size()); ++c) {
            t.Cells[static_cast<std::size_t>(t.At(r, c))] =
                TrialCodeOf(row[static_cast<std::size_t>(c)]);
        }
    }
    for (int i = 0; i < t.Rows * t.Cols; ++i) {
        if (t.Keeper < 0 && IsKeeperCode(t.Cells[static_cast<std::size_t>(i)])) {
            t.Keeper = i;
        }
    }
    return t;
}

inline std::vector<std::string> RowsOfCells(std::span<const TrialCode> cells, int rows, int cols) {
    std::vector<std::string> out;
    for (int r = 0; r < rows; ++r) {
        std::string row;
        for (int c = 0; c < cols; ++c) {
            row.push_back(TrialCharOf(cells[static_cast<std::size_t>(r * cols + c)]));
        }
        out.push_back(row);
    }
    return out;
}

} // namespace lodrin::test
