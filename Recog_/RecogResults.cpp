#include "Recog_/RecogResults.h"

#include "board/CellCode.h"

#include <algorithm>

namespace lodrin {

namespace {

GridSize Clip(GridSize size) {
    return {std::clamp(size.Rows, 0, RecogSize), std::clamp(size.Cols, 0, RecogSize)};
}

bool IsKeeperChar(char ch) {
    return ch == '@' || ch == '+';
}

// The characters the map holds; anything else read from a snapshot becomes '-'.
char MapChar(char ch) {
    return CellToXsbChar(XsbCharToCell(ch)) == ch ? ch : '-';
}

} // namespace

char ToolElementChar(RecogTool tool) {
    switch (tool) {
    case RecogTool::ToolWall:
        return '#';
    case RecogTool::ToolBox:
        return '$';
    case RecogTool::ToolBoxOnGoal:
        return '*';
    case RecogTool::ToolGoal:
        return '.';
    case RecogTool::ToolPlayer:
        return '@';
    case RecogTool::ToolFrame:
    case RecogTool::ToolErase:
        break;
    }
    return '\0';
}

bool IsRecognisedElement(char ch) {
    return ch != '\0' && std::string_view("#$*+.@").find(ch) != std::string_view::npos;
}

std::string TRecogResults::SnapshotText(GridSize size) const {
    const GridSize grid = Clip(size);
    std::string text;
    for (int r = 0; r < grid.Rows; ++r) {
        if (r > 0) {
            text.push_back('\n');
        }
        for (int c = 0; c < grid.Cols; ++c) {
            text.push_back(RecogMap.At(r, c));
        }
    }
    return text;
}

void TRecogResults::SetUnDoReDo(bool toRedo, GridSize size) {
    (toRedo ? RedoList : UndoList).push_back(SnapshotText(size));
}

void TRecogResults::SetXSB(std::string_view text) {
    ClearMaps();
    if (text.empty()) {
        return;
    }
    const std::size_t width = std::min(text.find('\n'), text.size());
    int row = 0;
    std::size_t start = 0;
    while (start <= text.size() && row < RecogSize) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = text.substr(start, end - start);
        const std::size_t n = std::min({width, line.size(), static_cast<std::size_t>(RecogSize)});
        for (std::size_t j = 0; j < n; ++j) {
            const int col = static_cast<int>(j);
            RecogMap.At(row, col) = MapChar(line[j]);
            if (IsKeeperChar(RecogMap.At(row, col))) {
                RecogKeeperCell = {col, row};
            }
        }
        ++row;
        start = end + 1;
    }
}

bool TRecogResults::Undo(GridSize size) {
    return Restore(UndoList, true, size);
}

bool TRecogResults::Redo(GridSize size) {
    return Restore(RedoList, false, size);
}

bool TRecogResults::Restore(std::vector<std::string>& from, bool toRedo, GridSize size) {
    if (from.empty()) {
        return false;
    }
    SetUnDoReDo(toRedo, size);
    SetXSB(from.back());
    from.pop_back();
    return true;
}

void TRecogResults::ClearMaps() {
    RecogMap.Fill('-');
    SimilarityMap.Fill(0);
    RecogKeeperCell = {};
}

void TRecogResults::Reset() {
    ClearMaps();
    UndoList.clear();
    RedoList.clear();
}

std::string TRecogResults::XsbText(GridSize size) const {
    std::string text = SnapshotText(size);
    if (Clip(size).Rows > 0) {
        text.push_back('\n');
    }
    return text;
}

RecogCounts TRecogResults::Counts(GridSize size, RecogCell skipped) const {
    const GridSize grid = Clip(size);
    RecogCounts counts;
    for (int r = 0; r < grid.Rows; ++r) {
        for (int c = 0; c < grid.Cols; ++c) {
            if (skipped == RecogCell{c, r}) {
                continue;
            }
            const CellCode code = XsbCharToCell(RecogMap.At(r, c));
            counts.Boxes += HasBox(code);
            counts.Goals += HasGoal(code);
        }
    }
    return counts;
}

// Writes an element or '-'; the keeper goes when its cell is overwritten.
void TRecogResults::Write(int row, int col, char ch) {
    if (RecogKeeperCell == RecogCell{col, row}) {
        RecogKeeperCell = {};
    }
    RecogMap.At(row, col) = ch;
}

void TRecogResults::EraseCell(int row, int col) {
    if (InRecogGrid(row, col)) {
        Write(row, col, '-');
    }
}

void TRecogResults::PutElement(int row, int col, char element) {
    if (InRecogGrid(row, col)) {
        Write(row, col, element);
    }
}

void TRecogResults::ToggleElement(int row, int col, char element) {
    if (InRecogGrid(row, col)) {
        Write(row, col, RecogMap.At(row, col) == element ? '-' : element);
    }
}

void TRecogResults::PlaceKeeper(int row, int col) {
    if (!InRecogGrid(row, col)) {
        return;
    }
    char& cell = RecogMap.At(row, col);
    if (IsKeeperChar(cell)) {
        cell = cell == '@' ? '+' : '@';
        RecogKeeperCell = {col, row};
        return;
    }
    const RecogCell old = RecogKeeperCell;
    if (!old.IsNone() && InRecogGrid(old.Row, old.Col) &&
        IsKeeperChar(RecogMap.At(old.Row, old.Col))) {
        char& previous = RecogMap.At(old.Row, old.Col);
        previous = previous == '+' ? '.' : '-';
    }
    cell = '@';
    RecogKeeperCell = {col, row};
}

} // namespace lodrin
