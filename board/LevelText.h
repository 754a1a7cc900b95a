#pragma once

#include "board/Board.h"
#include "board/MapNode.h"

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lodrin {

// Walks a text line by line exactly as SplitTextLines cuts it, without copying.
class TTextLineCursor {
public:
    explicit TTextLineCursor(std::string_view text) : Text_(text) {}
    // The next line, or nothing after the last one.
    std::optional<std::string_view> Next();
    // Where the line Next returned last begins in the text.
    std::size_t LineStart() const { return LineStart_; }

private:
    std::string_view Text_;
    std::size_t Pos_ = 0;
    std::size_t LineStart_ = 0;
    bool Started_ = false;
};

// Cuts a text into lines: CR counts as LF, empty lines vanish except one at the
// very start of the text.
std::vector<std::string> SplitTextLines(std::string_view text);

// What the board rows of a level show: how many there are, the longest, the
// boxes, and whether any cell is more than floor.
struct LevelShape {
    std::size_t Rows = 0;
    std::size_t Cols = 0;
    std::size_t Boxes = 0;
    bool HasCells = false;
};

// Counts one more board row into the shape.
void AddRowToShape(LevelShape& shape, std::string_view row);

// The level reader's walk, one line at a time: the first run of board rows and
// the title, author and comment lines after it go into the record.
class TLevelLineWalker {
public:
    static constexpr std::size_t KeepAll = std::numeric_limits<std::size_t>::max();
    // keepLimit bounds the rows kept in the record and the characters kept of
    // each; the shape counts every row all the same.
    explicit TLevelLineWalker(TMapNode& node, std::size_t keepLimit = KeepAll)
        : Node_(node), KeepLimit_(keepLimit) {}
    // Takes the next line. False when the line begins a second level: the first
    // is complete and the line was not taken.
    bool Take(std::string_view line);
    // Starts afresh on an empty record, for the level that follows.
    void Restart();
    const LevelShape& Shape() const { return Shape_; }

private:
    void TakeRow(std::string_view line);

    TMapNode& Node_;
    std::size_t KeepLimit_;
    LevelShape Shape_;
    bool InComment_ = false;
    bool InBoard_ = false;
};

// Reads the first level of a clipboard text into the record (a one-line Lurd
// solution becomes the level it solves). The record is cleared first; returns
// whether it holds rows afterwards. keepLimit bounds the rows kept and the
// characters kept of each (a small picture needs no more than the board holds).
bool ReadLevelText(std::string_view text, TMapNode& node,
                   std::size_t keepLimit = TLevelLineWalker::KeepAll);

// Smallest rectangle of the board holding every cell not written '-'.
struct BoundingBox {
    int Top = 0;
    int Left = 0;
    int Bottom = -1; // inclusive; Bottom < Top when the board is all floor
    int Right = -1;
    bool IsEmpty() const { return Bottom < Top; }
};
BoundingBox LevelBounds(const Board& board);

// The level text of Copy and Save: each row of the bounding box after an LF, then
// the Title and Author lines and the comment block when the comment has text.
// An all-floor board gives the empty text.
std::string MakeLevelText(const Board& board, const TMapNode& node);

// Appends a level as level text for the reader: its rows, one per line, then a
// Title line and, when there is an author, an Author line (line breaks in them
// become spaces). Other notations are read by writing them this way.
void AppendLevelRecordText(std::string& out, const std::vector<std::string>& rows,
                           std::string_view title, std::string_view author);

} // namespace lodrin
