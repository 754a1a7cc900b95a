#include "board/JsonLevelText.h"

#include "board/LevelText.h"
#include "board/TextDecoding.h"
#include "board/XsbRows.h"

#include <algorithm>
#include <vector>

namespace lodrin {
namespace {

constexpr std::size_t MaxDepth = 256;

// An open object or array, with what an object has said about a level so far.
struct Frame {
    bool Object = false;
    bool ExpectKey = false;
    std::string Key;
    std::string Title;
    std::string Author;
    std::vector<std::string> Rows;
};

std::string Lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](char ch) {
        return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
    });
    return out;
}

// The lines of a string when every one is a board row and one holds more than floor.
std::vector<std::string> BoardRowsOf(std::string_view value) {
    std::vector<std::string> rows;
    LevelShape shape;
    TTextLineCursor lines(value);
    while (std::optional<std::string_view> line = lines.Next()) {
        if (!IsBoardRow(*line)) {
            return {};
        }
        AddRowToShape(shape, *line);
        rows.emplace_back(*line);
    }
    return shape.HasCells ? rows : std::vector<std::string>{};
}

// Reads the JSON text and writes the levels it finds.
class JsonLevels {
public:
    explicit JsonLevels(std::string_view json) : Json_(json) {}

    std::optional<std::string> Read() {
        while (I_ < Json_.size()) {
            if (!Step()) {
                return std::nullopt;
            }
        }
        if (Count_ == 0 || !Stack_.empty()) {
            return std::nullopt;
        }
        return std::move(Out_);
    }

private:
    bool Step() {
        switch (Json_[I_]) {
        case '{':
        case '[':
            if (Stack_.size() >= MaxDepth) {
                return false;
            }
            Stack_.push_back({Json_[I_] == '{', Json_[I_] == '{', {}, {}, {}, {}});
            ++I_;
            return true;
        case '}':
        case ']':
            if (Stack_.empty()) {
                return false;
            }
            EndFrame(Stack_.back());
            Stack_.pop_back();
            ++I_;
            return true;
        case ',':
            if (!Stack_.empty() && Stack_.back().Object) {
                Stack_.back().ExpectKey = true;
            }
            ++I_;
            return true;
        case '"': {
            std::string s;
            if (!ReadString(s)) {
                return false;
            }
            Take(std::move(s));
            return true;
        }
        default: // blanks, ':', numbers, true, false, null
            ++I_;
            return true;
        }
    }

    void Take(std::string s) {
        if (Stack_.empty() || !Stack_.back().Object) {
            return;
        }
        Frame& f = Stack_.back();
        if (f.ExpectKey) {
            f.Key = Lower(s);
            f.ExpectKey = false;
        } else if ((f.Key == "title" || f.Key == "name") && f.Title.empty()) {
            f.Title = std::move(s);
        } else if (f.Key == "author") {
            f.Author = std::move(s);
        } else if (f.Rows.empty()) {
            f.Rows = BoardRowsOf(s);
        }
    }

    void EndFrame(const Frame& f) {
        if (f.Object && !f.Rows.empty()) {
            AppendLevelRecordText(Out_, f.Rows, f.Title, f.Author);
            ++Count_;
        }
    }

    // Four hex digits at I_, or nothing.
    std::optional<char32_t> Hex4() {
        if (I_ + 4 > Json_.size()) {
            return std::nullopt;
        }
        char32_t value = 0;
        for (int k = 0; k < 4; ++k) {
            const char ch = Json_[I_++];
            const int d = ch >= '0' && ch <= '9'   ? ch - '0'
                          : ch >= 'a' && ch <= 'f' ? ch - 'a' + 10
                          : ch >= 'A' && ch <= 'F' ? ch - 'A' + 10
                                                   : -1;
            if (d < 0) {
                return std::nullopt;
            }
            value = value * 16 + static_cast<char32_t>(d);
        }
        return value;
    }

    // A \u escape (I_ after the 'u'), joining a surrogate pair.
    bool UnicodeEscape(std::string& out) {
        std::optional<char32_t> code = Hex4();
        if (!code) {
            return false;
        }
        if (*code >= 0xD800 && *code <= 0xDBFF && Json_.substr(I_, 2) == "\\u") {
            const std::size_t back = I_;
            I_ += 2;
            const std::optional<char32_t> low = Hex4();
            if (low && *low >= 0xDC00 && *low <= 0xDFFF) {
                code = 0x10000 + ((*code - 0xD800) << 10) + (*low - 0xDC00);
            } else {
                I_ = back;
            }
        }
        AppendUtf8(out, *code);
        return true;
    }

    bool Escape(std::string& out) {
        if (I_ >= Json_.size()) {
            return false;
        }
        const char ch = Json_[I_++];
        switch (ch) {
        case 'n':
            out.push_back('\n');
            return true;
        case 'r':
            out.push_back('\r');
            return true;
        case 't':
            out.push_back('\t');
            return true;
        case 'b':
            out.push_back('\b');
            return true;
        case 'f':
            out.push_back('\f');
            return true;
        case 'u':
            return UnicodeEscape(out);
        default:
            out.push_back(ch);
            return true; // '"', '\\', '/'
        }
    }

    // The string at I_ (a '"'), its escapes written out.
    bool ReadString(std::string& out) {
        ++I_;
        while (I_ < Json_.size()) {
            const char ch = Json_[I_++];
            if (ch == '"') {
                return true;
            }
            if (ch == '\\') {
                if (!Escape(out)) {
                    return false;
                }
            } else {
                out.push_back(ch);
            }
        }
        return false;
    }

    std::string_view Json_;
    std::size_t I_ = 0;
    std::vector<Frame> Stack_;
    std::string Out_;
    std::size_t Count_ = 0;
};

} // namespace

std::optional<std::string> LevelTextFromJson(std::string_view json) {
    return JsonLevels(json).Read();
}

} // namespace lodrin
