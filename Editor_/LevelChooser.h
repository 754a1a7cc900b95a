#pragma once

#include "board/LevelCollection.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lodrin {

// The chooser's list of a collection's levels: the filter on title and author,
// the rows it leaves, the current row and the moves through the list.
class TLevelChooser {
public:
    explicit TLevelChooser(std::shared_ptr<const LevelCollection> collection);

    const LevelCollection& Collection() const { return *Collection_; }
    // Keeps the levels whose title or author holds the text (letters of either
    // case match); an empty or blank text keeps all. The current level stays
    // current when it is kept, else the first row becomes current.
    void SetFilter(std::string_view text);
    std::size_t RowCount() const { return Rows_.size(); }
    // The collection index (from 0) of the level a row shows.
    std::size_t LevelAt(std::size_t row) const { return Rows_[row]; }
    // The current row, or nothing when the filter left no row.
    std::optional<std::size_t> CurrentRow() const { return Current_; }
    // Makes a row current (rows past the end are ignored).
    void SetCurrentRow(std::size_t row);
    // Moves the current row by delta rows, stopping at the first and the last.
    void Move(long delta);
    void MoveToFirst();
    void MoveToLast();
    // The collection index of the current row's level.
    std::optional<std::size_t> ChosenLevel() const;

private:
    std::shared_ptr<const LevelCollection> Collection_;
    std::vector<std::size_t> Rows_;
    std::optional<std::size_t> Current_;
};

// The text a size is shown with: rows × columns.
std::string LevelSizeText(const LevelShape& shape);

} // namespace lodrin
