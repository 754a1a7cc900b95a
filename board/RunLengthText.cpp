#include "board/RunLengthText.h"

#include "board/LevelFromLurd.h"
#include "board/LevelText.h"
#include "board/Lurd.h"
#include "board/XsbRows.h"

#include <algorithm>

namespace lodrin {
namespace {

constexpr int MaxGroupDepth = 16;
constexpr std::size_t GrowthFactor = 16;
constexpr std::size_t GrowthSlack = std::size_t{1} << 20;
constexpr std::size_t GrowthCeiling = std::size_t{64} << 20;

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

// Reads the number at text[i], saturating just past limit.
std::size_t ReadCount(std::string_view text, std::size_t& i, std::size_t limit) {
    std::size_t count = 0;
    while (i < text.size() && IsDigit(text[i])) {
        count = std::min(count * 10 + static_cast<std::size_t>(text[i] - '0'), limit + 1);
        ++i;
    }
    return count;
}

// Appends `count` copies of piece, unless out would grow past limit.
bool AppendRepeated(std::string& out, std::string_view piece, std::size_t count,
                    std::size_t limit) {
    if (piece.empty()) {
        return true;
    }
    if (count > (limit - std::min(limit, out.size())) / piece.size()) {
        return false;
    }
    for (std::size_t k = 0; k < count; ++k) {
        out.append(piece);
    }
    return true;
}

// Expands text from i up to the end, or up to the ')' that closes a group.
RunResult ExpandFrom(std::string_view text, std::size_t& i, std::size_t limit, int depth,
                     std::string& out) {
    while (i < text.size()) {
        if (text[i] == ')') {
            if (depth == 0) {
                return RunResult::Malformed;
            }
            ++i;
            return RunResult::Ok;
        }
        const bool counted = IsDigit(text[i]);
        const std::size_t count = counted ? ReadCount(text, i, limit) : 1;
        if (i == text.size() || text[i] == ')') {
            return RunResult::Malformed; // a number with nothing to repeat
        }
        if (text[i] == '(') {
            if (depth >= MaxGroupDepth) {
                return RunResult::Malformed;
            }
            ++i;
            // The group shares what is left of the limit, so the strings under
            // construction never hold more than twice the limit together.
            std::string group;
            const RunResult inner =
                ExpandFrom(text, i, limit - std::min(limit, out.size()), depth + 1, group);
            if (inner != RunResult::Ok) {
                return inner;
            }
            if (!AppendRepeated(out, group, count, limit)) {
                return RunResult::TooLong;
            }
        } else {
            if (!AppendRepeated(out, text.substr(i, 1), count, limit)) {
                return RunResult::TooLong;
            }
            ++i;
        }
    }
    return depth == 0 ? RunResult::Ok : RunResult::Malformed;
}

// Whether the line may be run-length board rows: board characters, digits, '|'
// and brackets, with a digit or a '|' among them.
bool MayBeRunLengthRows(std::string_view line) {
    bool marked = false;
    for (const char ch : line) {
        if (IsDigit(ch) || ch == '|') {
            marked = true;
        } else if (!IsXsbRowChar(ch) && ch != '(' && ch != ')') {
            return false;
        }
    }
    return marked;
}

// Whether every non-empty piece between the '|' is a board row, and one is there.
bool SplitsIntoRows(std::string_view expanded) {
    bool any = false;
    std::size_t start = 0;
    while (start <= expanded.size()) {
        const std::size_t bar = std::min(expanded.find('|', start), expanded.size());
        const std::string_view piece = expanded.substr(start, bar - start);
        if (!piece.empty()) {
            if (!IsBoardRow(piece)) {
                return false;
            }
            any = true;
        }
        start = bar + 1;
    }
    return any;
}

// Appends the pieces between the '|' as lines; empty pieces vanish like empty lines.
void AppendRows(std::string& out, std::string_view expanded) {
    std::size_t start = 0;
    while (start <= expanded.size()) {
        const std::size_t bar = std::min(expanded.find('|', start), expanded.size());
        if (bar > start) {
            out.append(expanded.substr(start, bar - start));
            out.push_back('\n');
        }
        start = bar + 1;
    }
}

} // namespace

RunResult ExpandRuns(std::string_view text, std::size_t limit, std::string& out) {
    std::size_t i = 0;
    return ExpandFrom(text, i, limit, 0, out);
}

std::optional<std::string> ExpandRunLengthLevels(std::string_view text) {
    const std::size_t budget = std::min(text.size() * GrowthFactor + GrowthSlack, GrowthCeiling);
    std::string out;
    std::string expanded;
    bool any = false;
    bool spent = false;
    TTextLineCursor lines(text);
    while (std::optional<std::string_view> line = lines.Next()) {
        if (!spent && MayBeRunLengthRows(*line)) {
            expanded.clear();
            const RunResult result =
                ExpandRuns(*line, budget - std::min(budget, out.size()), expanded);
            spent = result == RunResult::TooLong;
            if (result == RunResult::Ok && SplitsIntoRows(expanded)) {
                AppendRows(out, expanded);
                any = true;
                continue;
            }
        }
        out.append(*line);
        out.push_back('\n');
    }
    return any ? std::optional<std::string>(std::move(out)) : std::nullopt;
}

std::optional<std::string> ExpandRunLengthLurd(std::string_view line) {
    const bool fits = std::all_of(line.begin(), line.end(), [](char ch) {
        return IsDigit(ch) || IsLurdChar(ch) || ch == ' ' || ch == '\t' || ch == '(' || ch == ')';
    });
    if (!fits || std::none_of(line.begin(), line.end(), IsDigit)) {
        return std::nullopt;
    }
    std::string moves;
    if (ExpandRuns(line, MaxLurdLength, moves) != RunResult::Ok || !IsLurdText(moves)) {
        return std::nullopt;
    }
    return moves;
}

} // namespace lodrin
