#include "board/LurdMoveText.h"

#include "board/Lurd.h"

#include <algorithm>

namespace lodrin {
namespace {

bool IsSeparator(char ch) {
    const auto u = static_cast<unsigned char>(ch);
    return u >= 1 && u <= 32;
}

bool IsMoveTextChar(char ch) {
    return ch == '\t' || ch == ' ' || ch == ',' || (ch >= '0' && ch <= '9') || ch == '[' ||
           ch == ']' || IsLurdChar(ch);
}

// Cuts the text the way a comma-separated list is cut and calls keep() for each
// non-empty token; a token opening with a double quote runs to its closing quote,
// a doubled quote inside standing for one.
template <typename Keep> void ForEachToken(std::string_view text, Keep keep) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    std::string token;
    while (i < n) {
        while (i < n && (IsSeparator(text[i]) || text[i] == ',')) {
            ++i;
        }
        if (i >= n) {
            break;
        }
        token.clear();
        if (text[i] == '"') {
            ++i;
            while (i < n) {
                if (text[i] == '"') {
                    if (i + 1 < n && text[i + 1] == '"') {
                        token.push_back('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                token.push_back(text[i++]);
            }
        } else {
            while (i < n && !IsSeparator(text[i]) && text[i] != ',') {
                token.push_back(text[i++]);
            }
        }
        if (!token.empty()) {
            keep(token);
        }
    }
}

} // namespace

std::optional<std::string> ReadLurdMoves(std::string_view text, bool reverse) {
    std::string work;
    ForEachToken(text, [&work](const std::string& token) {
        if (std::all_of(token.begin(), token.end(), IsMoveTextChar)) {
            work.push_back('\n');
            work += token;
        }
    });

    std::string_view rest = work;
    const std::size_t open = rest.find('[');
    if (!reverse) {
        rest = rest.substr(0, open);
    } else {
        const std::size_t close = rest.find(']');
        if (open != std::string_view::npos && close != std::string_view::npos && open < close) {
            rest.remove_prefix(close + 1);
        } else if (open != std::string_view::npos || close != std::string_view::npos) {
            const std::size_t first = open == std::string_view::npos    ? close
                                      : close == std::string_view::npos ? open
                                                                        : std::max(open, close);
            rest.remove_prefix(first + 1);
        }
    }
    // The limit is what the redo tail can hold, so a full record copied out comes back in.
    std::string moves;
    for (const char ch : rest) {
        if (IsLurdChar(ch)) {
            if (moves.size() == MaxLurdLength) {
                return std::nullopt;
            }
            moves.push_back(ch);
        }
    }
    return moves;
}

std::optional<std::string> LurdCopyText(std::string_view record) {
    if (record.empty()) {
        return std::nullopt;
    }
    return std::string(record);
}

} // namespace lodrin
