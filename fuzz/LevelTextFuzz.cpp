// Clipboard text read as a level: the rows stay within the board, and the level text
// written from what was read reads back to the same board.

#include "board/LevelText.h"
#include "board/XsbRows.h"
#include "fuzz/FuzzInput.h"

using namespace lodrin;

namespace {

// The board the record's rows give, as Copy writes it (rows only).
std::string BoardText(const TMapNode& node) {
    Board board;
    ReadRowsIntoBoard(node.Rows, board);
    return MakeLevelText(board, TMapNode{});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TMapNode node;
    if (!ReadLevelText(fuzz::AsText(data, size), node)) {
        return 0;
    }
    for (const std::string& row : node.Rows) {
        fuzz::Require(IsBoardRow(row), "every row read is a board row");
    }
    const std::string written = BoardText(node);
    TMapNode again;
    if (ReadLevelText(written, again)) {
        fuzz::Require(BoardText(again) == written, "a written level reads back the same");
    }
    return 0;
}
