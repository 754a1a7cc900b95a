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

bool CommentHasText(std::string_view comment) {
    return std::any_of(comment.begin(), comment.end(),
                       [](char ch) { return ch != '\t' && ch != '\n' && ch != '\r' && ch != ' '; });
}

bool IsFloorChar(char ch) {
    return ch == ' ' || ch == '-' || ch == '_';
}

} // namespace

std::optional<std::string_view> TTextLineCursor::Next() {
    if (!Started_) {
        Started_ = true;
        if (!Text_.empty() && IsLineBreak(Text_.front())) {
            LineStart_ = 0;
            return std::string_view(); // an empty line at the very start
        }
    }
    while (Pos_ < Text_.size() && IsLineBreak(Text_[Pos_])) {
        ++Pos_;
    }
    if (Pos_ >= Text_.size()) {
        return std::nullopt;
    }
    LineStart_ = Pos_;
    while (Pos_ < Text_.size() && !IsLineBreak(Text_[Pos_])) {
        ++Pos_;
    }
    return Text_.substr(LineStart_, Pos_ - LineStart_);
}

std::vector<std::string> SplitTextLines(std::string_view text) {
    std::vector<std::string> lines;
    TTextLineCursor cursor(text);
    while (std::optional<std::string_view> line = cursor.Next()) {
        lines.emplace_back(*line);
    }
    return lines;
}

void AddRowToShape(LevelShape& shape, std::string_view row) {
    ++shape.Rows;
    shape.Cols = std::max(shape.Cols, row.size());
    for (const char ch : row) {
        if (HasBox(XsbCharToCell(ch))) {
            ++shape.Boxes;
        }
        if (!IsFloorChar(ch)) {
            shape.HasCells = true;
        }
    }
}

void TLevelLineWalker::Restart() {
    Node_.Clear();
    Shape_ = {};
    InComment_ = false;
    InBoard_ = false;
}

void TLevelLineWalker::TakeRow(std::string_view line) {
    if (Shape_.Rows < KeepLimit_) {
        Node_.Rows.emplace_back(line.substr(0, KeepLimit_));
    }
    AddRowToShape(Shape_, line);
}

bool TLevelLineWalker::Take(std::string_view line) {
    const std::string_view t = Trim(line);
    if (!InComment_ && IsBoardRow(line)) {
        if (!InBoard_) {
            if (Shape_.Rows > 0) {
                return false; // the first level is complete
            }
            InBoard_ = true;
            InComment_ = false;
            Node_.Clear(); // header lines met before the board are dropped
        }
        TakeRow(line);
    } else if (!InComment_ && StartsWithNoCase(t, "title")) {
        Node_.Title = HeaderValue(t, 6);
        InBoard_ = false;
    } else if (!InComment_ && StartsWithNoCase(t, "author")) {
        Node_.Author = HeaderValue(t, 7);
        InBoard_ = false;
    } else if (StartsWithNoCase(t, "comment-end") || StartsWithNoCase(t, "comment_end")) {
        InComment_ = false;
    } else if (StartsWithNoCase(t, "comment")) {
        InBoard_ = false;
        std::string value = HeaderValue(t, 8);
        if (!value.empty()) {
            Node_.Comment = std::move(value);
        } else {
            InComment_ = true;
        }
    } else if (InComment_) {
        if (!Node_.Comment.empty()) {
            Node_.Comment.push_back('\n');
        }
        Node_.Comment += line;
        InBoard_ = false;
    } else {
        InBoard_ = false;
    }
    return true;
}

bool ReadLevelText(std::string_view text, TMapNode& node, std::size_t keepLimit) {
    node.Clear();
    if (IsLurdText(text)) {
        if (std::optional<std::vector<std::string>> rows = LevelFromLurd(text)) {
            node.Rows = std::move(*rows);
            if (node.Rows.size() > keepLimit) {
                node.Rows.resize(keepLimit);
            }
            for (std::string& row : node.Rows) {
                row.resize(std::min(row.size(), keepLimit));
            }
        }
    } else {
        TLevelLineWalker walker(node, keepLimit);
        TTextLineCursor lines(text);
        while (std::optional<std::string_view> line = lines.Next()) {
            if (!walker.Take(*line)) {
                break;
            }
        }
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

namespace {

void AppendHeaderLine(std::string& out, std::string_view key, std::string_view value) {
    out += key;
    for (const char ch : value) {
        out.push_back(IsLineBreak(ch) ? ' ' : ch);
    }
    out.push_back('\n');
}

} // namespace

void AppendLevelRecordText(std::string& out, const std::vector<std::string>& rows,
                           std::string_view title, std::string_view author) {
    for (const std::string& row : rows) {
        out += row;
        out.push_back('\n');
    }
    AppendHeaderLine(out, "Title: ", title); // always there: it ends the run of rows
    if (!Trim(author).empty()) {
        AppendHeaderLine(out, "Author: ", author);
    }
}

} // namespace lodrin
