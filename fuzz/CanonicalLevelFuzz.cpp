// The importer's canonical level and key of any level text: the grid stays within its
// limits, and the canonical text is its own canonical text. (Its turns need not give the
// same key: an unreached space beside a square outside the level marks its neighbours
// in the order of the walk, which a turn changes; stored keys rely on that order.)

#include "ImportSolution/CanonicalLevel.h"
#include "fuzz/FuzzInput.h"

using namespace lodrin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TLevelCanonicalizer canonicalizer;
    CanonicalLevel level;
    if (!canonicalizer.Canonicalize(fuzz::AsText(data, size), level)) {
        return 0;
    }
    fuzz::Require(level.Goals >= 1, "a level with a key has goals");
    fuzz::Require(level.TurnNum >= 0 && level.TurnNum < 8, "a turn number of 0 to 7");
    const std::vector<std::string> rows = SplitLevelLines(level.XsbText);
    fuzz::Require(rows.size() <= 98, "at most 98 rows");
    for (const std::string& row : rows) {
        fuzz::Require(row.size() <= 98, "at most 98 columns");
    }
    CanonicalLevel again;
    fuzz::Require(canonicalizer.Canonicalize(level.XsbText, again), "the canonical text has a key");
    fuzz::Require(again.XsbText == level.XsbText && again.XsbCrc32 == level.XsbCrc32 &&
                      again.Goals == level.Goals && again.TurnNum == level.TurnNum,
                  "the canonical text is its own canonical text");
    return 0;
}
