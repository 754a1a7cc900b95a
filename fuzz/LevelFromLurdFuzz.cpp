// A one-line solution turned into the level it replays in: the rows fit the work grid,
// hold level characters only and one keeper. (A text that is no real solution may pull a
// box off a goal that held none, so boxes and goals need not match.)

#include "board/LevelFromLurd.h"
#include "fuzz/FuzzInput.h"

#include <algorithm>

using namespace lodrin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<std::vector<std::string>> rows = LevelFromLurd(fuzz::AsText(data, size));
    if (!rows) {
        return 0;
    }
    fuzz::Require(rows->size() <= 200, "the rows fit the work grid");
    int keepers = 0;
    for (const std::string& row : *rows) {
        fuzz::Require(row.size() <= 200, "the columns fit the work grid");
        fuzz::Require(row.find_first_not_of("#$*+-.@_") == std::string::npos, "level characters");
        keepers += static_cast<int>(
            std::count_if(row.begin(), row.end(), [](char ch) { return ch == '@' || ch == '+'; }));
    }
    fuzz::Require(keepers == 1, "one keeper");
    return 0;
}
