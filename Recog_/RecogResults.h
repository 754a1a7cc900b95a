#pragma once

#include "Recog_/RecogGrid.h"

#include <string>
#include <string_view>
#include <vector>

namespace lodrin {

// The tools of the recognition window.
enum class RecogTool {
    ToolFrame = 0,
    ToolWall = 1,
    ToolBox = 2,
    ToolBoxOnGoal = 3,
    ToolGoal = 4,
    ToolPlayer = 5,
    ToolErase = 6,
};

// The element character of a tool: '#', '$', '*', '.', '@'; '\0' for the frame and erase tools.
char ToolElementChar(RecogTool tool);

// Whether a RecogMap character is a recognised element: '#', '$', '*', '+', '.' or '@'.
bool IsRecognisedElement(char ch);

// The mouse button of a cell action: any button but the left one erases.
enum class RecogButton { Left, Right, Middle };

// Rows and columns of the grid an operation works on (each clipped to 0..100).
struct GridSize {
    int Rows = 0;
    int Cols = 0;
};

// Boxes ('$', '*') and goals ('.', '+', '*') of the grid.
struct RecogCounts {
    int Boxes = 0;
    int Goals = 0;
    friend bool operator==(const RecogCounts&, const RecogCounts&) = default;
};

// The recognized level: the element map, the similarity figures, the keeper cell and the undo
// and redo lists of snapshot texts. Every operation stays within the 100 x 100 map.
class TRecogResults {
public:
    RecogCharGrid RecogMap;
    SimilarityGrid SimilarityMap;
    RecogCell RecogKeeperCell; // none when no cell placed by these operations holds the keeper
    std::vector<std::string> UndoList; // newest last
    std::vector<std::string> RedoList; // newest last

    // The grid's cells as XSB rows joined by line feeds, no line feed after the last row.
    std::string SnapshotText(GridSize size) const;
    // Pushes a snapshot onto the redo list (toRedo) or the undo list.
    void SetUnDoReDo(bool toRedo, GridSize size);
    // Restores the map from a snapshot text; everything outside it becomes '-'.
    void SetXSB(std::string_view text);
    // Undo and Redo; false (and nothing changes) when the list is empty.
    bool Undo(GridSize size);
    bool Redo(GridSize size);
    // Every cell '-', every similarity 0, no keeper; the lists stay.
    void ClearMaps();
    // Reset for a new picture: the maps cleared and both lists emptied.
    void Reset();
    // The grid as XSB rows, each ended by a line feed: the clipboard text.
    std::string XsbText(GridSize size) const;
    // The counts of the grid; a skipped cell (hidden on the display) is not counted.
    RecogCounts Counts(GridSize size, RecogCell skipped = {}) const;

    // Single-cell edits; cells outside the map are ignored.
    void EraseCell(int row, int col);
    // The cell becomes the element; overwriting the keeper removes it.
    void PutElement(int row, int col, char element);
    // Manual editing: the element when the cell holds something else, '-' when it holds it.
    void ToggleElement(int row, int col, char element);
    // The keeper tool: '@' and '+' toggle in place; elsewhere the keeper moves here.
    void PlaceKeeper(int row, int col);

private:
    // Restores the newest snapshot of one list, the current state going onto the other.
    bool Restore(std::vector<std::string>& from, bool toRedo, GridSize size);
    void Write(int row, int col, char ch);
};

} // namespace lodrin
