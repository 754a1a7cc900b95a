#include "board/LevelText.h"

#include "board/LevelFromLurd.h"
#include "board/XsbRows.h"

#include <algorithm>

namespace lodrin {
namespace {

bool IsLineBreak(char ch) {
    return ch == '\n' || ch == '\r';
}

bool IsBlankOrControl(char ch) {
    return static_cast<unsigned char>(ch) <= 32;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlankOrControl(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && IsBlankOrControl(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
    if (s.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char ch = s[i];
        if (ch >= 'A' && ch <= 'Z') {
            ch = static_cast<char>(ch - 'A' + 'a');
        }
        if (ch != prefix[i]) {
            return false;
        }
    }
    return true;
}

// The value of a header line: what follows its first ':', or, without a colon,
// what follows the keyword (from the 1-based character `from` on), trimmed.
std::string HeaderValue(std::string_view t, std::size_t from) {
    const std::size_t colon = t.find(':');
    if (colon != std::string_view::npos) {
        return std::string(Trim(t.substr(colon + 1)));
    }
    return from - 1 < t.size() ? std::string(Trim(t.substr(from - 1))) : std::string();
}

// Walks the lines for the first level and the header lines after it.
void ReadLevelLines(const std::vector<std::string>& lines, TMapNode& node) {
    bool inComment = false;
    bool inBoard = false;
    for (const std::string& line : lines) {
        const std::string_view t = Trim(line);
        if (!inComment && IsBoardRow(line)) {
            if (!inBoard) {
                if (!node.Rows.empty()) {
                    return;
                }
                inBoard = true;
                inComment = false;
                node.Clear();
            }
            node.Rows.push_back(line);
        } else if (!inComment && StartsWithNoCase(t, "title")) {
            node.Title = HeaderValue(t, 6);
            inBoard = false;
        } else if (!inComment && StartsWithNoCase(t, "author")) {
            node.Author = HeaderValue(t, 7);
            inBoard = false;
        } else if (StartsWithNoCase(t, "comment-end") || StartsWithNoCase(t, "comment_end")) {
            inComment = false;
        } else if (StartsWithNoCase(t, "comment")) {
            inBoard = false;
            std::string value = HeaderValue(t, 8);
            if (!value.empty()) {
                node.Comment = std::move(value);
            } else {
                inComment = true;
            }
        } else if (inComment) {
            if (!node.Comment.empty()) {
                node.Comment.push_back('\n');
            }
            node.Comment += line;
            inBoard = false;
        } else {
            inBoard = false;
        }
    }
}

bool CommentHasText(std::string_view comment) {
    return std::any_of(comment.begin(), comment.end(),
                       [](char ch) { return ch != '\t' && ch != '\n' && ch != '\r' && ch != ' '; });
}

} // namespace

std::vector<std::string> SplitTextLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t i = 0;
    if (!text.empty() && IsLineBreak(text.front())) {
        lines.emplace_back();
    }
    while (i < text.size()) {
        while (i < text.size() && IsLineBreak(text[i])) {
            ++i;
        }
        const std::size_t start = i;
        while (i < text.size() && !IsLineBreak(text[i])) {
            ++i;
        }
        if (i > start) {
            lines.emplace_back(text.substr(start, i - start));
        }
    }
    return lines;
}

bool ReadLevelText(std::string_view text, TMapNode& node) {
    node.Clear();
    if (IsLurdText(text)) {
        if (std::optional<std::vector<std::string>> rows = LevelFromLurd(text)) {
            node.Rows = std::move(*rows);
        }
    } else {
        ReadLevelLines(SplitTextLines(text), node);
    }
    return !node.Rows.empty();
}

BoundingBox LevelBounds(const Board& board) {
    BoundingBox box{BoardSize, BoardSize, -1, -1};
    for (int r = 0; r < BoardSize; ++r) {
        for (int c = 0; c < BoardSize; ++c) {
            if (CellToXsbChar(board.At(r, c)) != '-') {
                box.Top = std::min(box.Top, r);
                box.Left = std::min(box.Left, c);
                box.Bottom = std::max(box.Bottom, r);
                box.Right = std::max(box.Right, c);
            }
        }
    }
    return box.Bottom < 0 ? BoundingBox{} : box;
}

std::string MakeLevelText(const Board& board, const TMapNode& node) {
    const BoundingBox box = LevelBounds(board);
    if (box.IsEmpty()) {
        return {};
    }
    std::string text;
    for (int r = box.Top; r <= box.Bottom; ++r) {
        text.push_back('\n');
        for (int c = box.Left; c <= box.Right; ++c) {
            text.push_back(CellToXsbChar(board.At(r, c)));
        }
    }
    text += "\nTitle: " + node.Title;
    text += "\nAuthor: " + node.Author;
    if (CommentHasText(node.Comment)) {
        text += "\nComment: \n" + node.Comment + "\nComment_End: \n";
    }
    return text;
}

} // namespace lodrin
