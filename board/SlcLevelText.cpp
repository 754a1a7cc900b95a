#include "board/SlcLevelText.h"

#include "board/LevelText.h"
#include "board/TextDecoding.h"

#include <vector>

namespace lodrin {
namespace {

bool IsSpace(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n';
}

bool StartsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

// The value of a numeric character reference's digits, or nothing.
std::optional<char32_t> CharacterNumber(std::string_view digits) {
    const bool hex = !digits.empty() && (digits[0] == 'x' || digits[0] == 'X');
    if (hex) {
        digits.remove_prefix(1);
    }
    if (digits.empty() || digits.size() > 8) {
        return std::nullopt;
    }
    char32_t value = 0;
    for (const char ch : digits) {
        int d = -1;
        if (ch >= '0' && ch <= '9') {
            d = ch - '0';
        } else if (hex && ch >= 'a' && ch <= 'f') {
            d = ch - 'a' + 10;
        } else if (hex && ch >= 'A' && ch <= 'F') {
            d = ch - 'A' + 10;
        }
        if (d < 0) {
            return std::nullopt;
        }
        value = value * (hex ? 16 : 10) + static_cast<char32_t>(d);
    }
    return value;
}

// The text with XML's character references written out; line breaks dropped.
std::string DecodeXmlText(std::string_view text) {
    static constexpr std::pair<std::string_view, char> Named[] = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        const std::size_t semi = ch == '&' ? text.find(';', i) : std::string_view::npos;
        if (semi == std::string_view::npos || semi - i > 12) {
            if (ch != '\r' && ch != '\n') {
                out.push_back(ch);
            }
            continue;
        }
        const std::string_view name = text.substr(i + 1, semi - i - 1);
        bool known = false;
        for (const auto& [entity, value] : Named) {
            if (name == entity) {
                out.push_back(value);
                known = true;
            }
        }
        if (!known && StartsWith(name, "#")) {
            if (const std::optional<char32_t> code = CharacterNumber(name.substr(1))) {
                AppendUtf8(out, *code);
                known = true;
            }
        }
        if (known) {
            i = semi;
        } else {
            out.push_back(ch);
        }
    }
    return out;
}

// The value of an attribute in a start tag's text, or empty.
std::string Attribute(std::string_view tag, std::string_view wanted) {
    std::size_t i = 0;
    while (i < tag.size() && !IsSpace(tag[i])) {
        ++i; // the element's name
    }
    while (i < tag.size()) {
        while (i < tag.size() && IsSpace(tag[i])) {
            ++i;
        }
        const std::size_t nameStart = i;
        while (i < tag.size() && tag[i] != '=' && !IsSpace(tag[i])) {
            ++i;
        }
        const std::string_view name = tag.substr(nameStart, i - nameStart);
        while (i < tag.size() && IsSpace(tag[i])) {
            ++i;
        }
        if (i >= tag.size() || tag[i] != '=') {
            return {};
        }
        ++i;
        while (i < tag.size() && IsSpace(tag[i])) {
            ++i;
        }
        if (i >= tag.size() || (tag[i] != '"' && tag[i] != '\'')) {
            return {};
        }
        const std::size_t close = tag.find(tag[i], i + 1);
        if (close == std::string_view::npos) {
            return {};
        }
        if (name == wanted) {
            return DecodeXmlText(tag.substr(i + 1, close - i - 1));
        }
        i = close + 1;
    }
    return {};
}

// The name of the element a tag's text opens or closes ("Level", "/Level").
std::string_view ElementName(std::string_view tag) {
    std::size_t end = 0;
    while (end < tag.size() && !IsSpace(tag[end]) && (tag[end] != '/' || end == 0)) {
        ++end;
    }
    return tag.substr(0, end);
}

// Collects the levels while the tags go by.
class SlcLevels {
public:
    explicit SlcLevels(std::string_view xml) : Xml_(xml) {}

    std::optional<std::string> Read() {
        std::size_t pos = 0;
        while ((pos = Xml_.find('<', pos)) != std::string_view::npos) {
            pos = Step(pos);
        }
        if (Count_ == 0) {
            return std::nullopt;
        }
        return std::move(Out_);
    }

private:
    // Handles the markup at pos ('<') and returns where to go on.
    std::size_t Step(std::size_t pos) {
        const std::string_view rest = Xml_.substr(pos);
        if (StartsWith(rest, "<!--")) {
            return After(Xml_.find("-->", pos + 4), 3);
        }
        if (StartsWith(rest, "<![CDATA[")) {
            return After(Xml_.find("]]>", pos + 9), 3);
        }
        const std::size_t gt = Xml_.find('>', pos);
        if (gt == std::string_view::npos) {
            return Xml_.size();
        }
        const std::string_view tag = Xml_.substr(pos + 1, gt - pos - 1);
        const std::string_view name = ElementName(tag);
        const bool empty = !tag.empty() && tag.back() == '/';
        if (name == "LevelCollection") {
            CollectionAuthor_ = Attribute(tag, "Copyright");
        } else if (name == "Level") {
            BeginLevel(tag);
        } else if (name == "/Level") {
            EndLevel();
        } else if (name == "L" && InLevel_ && !empty) {
            const std::size_t end = Xml_.find("</L>", gt + 1);
            if (end == std::string_view::npos) {
                return Xml_.size();
            }
            Rows_.push_back(DecodeXmlText(Xml_.substr(gt + 1, end - gt - 1)));
            return end + 4;
        }
        return gt + 1;
    }

    std::size_t After(std::size_t found, std::size_t length) const {
        return found == std::string_view::npos ? Xml_.size() : found + length;
    }

    void BeginLevel(std::string_view tag) {
        InLevel_ = true;
        Rows_.clear();
        Id_ = Attribute(tag, "Id");
        Author_ = Attribute(tag, "Copyright");
        if (Author_.empty()) {
            Author_ = CollectionAuthor_;
        }
    }

    void EndLevel() {
        if (InLevel_ && !Rows_.empty()) {
            AppendLevelRecordText(Out_, Rows_, Id_, Author_);
            ++Count_;
        }
        InLevel_ = false;
    }

    std::string_view Xml_;
    std::string Out_;
    std::size_t Count_ = 0;
    std::string CollectionAuthor_;
    bool InLevel_ = false;
    std::vector<std::string> Rows_;
    std::string Id_;
    std::string Author_;
};

} // namespace

std::optional<std::string> LevelTextFromSlc(std::string_view xml) {
    return SlcLevels(xml).Read();
}

} // namespace lodrin
