// Move text read for the trial field, forward and in reverse: only moves, never more
// than the limit, and the copy text of the moves reads back to them.

#include "board/Lurd.h"
#include "board/LurdMoveText.h"
#include "fuzz/FuzzInput.h"

#include <algorithm>

using namespace lodrin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    for (const bool reverse : {false, true}) {
        const std::optional<std::string> moves = ReadLurdMoves(text, reverse);
        if (!moves) {
            continue;
        }
        fuzz::Require(moves->size() <= MaxLurdLength, "at most the longest move text");
        fuzz::Require(std::all_of(moves->begin(), moves->end(), IsLurdChar), "only moves");
        if (const std::optional<std::string> copy = LurdCopyText(*moves)) {
            fuzz::Require(ReadLurdMoves(*copy, false) == moves, "copied moves read back");
        }
    }
    return 0;
}
