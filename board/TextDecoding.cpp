#include "board/TextDecoding.h"

#include <iconv.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>

namespace lodrin {
namespace {

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LeBom = "\xFF\xFE";
constexpr std::string_view Utf16BeBom = "\xFE\xFF";
constexpr std::string_view Replacement = "\xEF\xBF\xBD"; // U+FFFD

bool IsContinuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// Length of the well-formed UTF-8 sequence at bytes[i], or 0 when there is none.
std::size_t Utf8SequenceLength(std::string_view bytes, std::size_t i) {
    const auto b0 = static_cast<unsigned char>(bytes[i]);
    if (b0 < 0x80) {
        return 1;
    }
    std::size_t n = 0;
    unsigned char low = 0x80, high = 0xBF; // range of the second byte
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        n = 2;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        n = 3;
        low = b0 == 0xE0 ? 0xA0 : 0x80;
        high = b0 == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        n = 4;
        low = b0 == 0xF0 ? 0x90 : 0x80;
        high = b0 == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + n > bytes.size()) {
        return 0;
    }
    const auto b1 = static_cast<unsigned char>(bytes[i + 1]);
    if (b1 < low || b1 > high) {
        return 0;
    }
    for (std::size_t k = 2; k < n; ++k) {
        if (!IsContinuation(static_cast<unsigned char>(bytes[i + k]))) {
            return 0;
        }
    }
    return n;
}

// UTF-8 with every malformed byte replaced by U+FFFD.
std::string RepairUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t n = Utf8SequenceLength(bytes, i);
        if (n == 0) {
            out += Replacement;
            ++i;
        } else {
            out.append(bytes.substr(i, n));
            i += n;
        }
    }
    return out;
}

// The encoding named by an XML declaration at the start of the text, if any.
std::string DeclaredEncoding(std::string_view bytes) {
    if (bytes.substr(0, 5) != "<?xml") {
        return {};
    }
    const std::string_view head = bytes.substr(0, bytes.find("?>"));
    const std::size_t key = head.find("encoding");
    if (key == std::string_view::npos) {
        return {};
    }
    const std::size_t open = head.find_first_of("\"'", key);
    if (open == std::string_view::npos) {
        return {};
    }
    const std::size_t close = head.find(head[open], open + 1);
    if (close == std::string_view::npos || close - open > 40) {
        return {};
    }
    const std::string_view name = head.substr(open + 1, close - open - 1);
    const bool plain = std::all_of(name.begin(), name.end(), [](char ch) {
        return std::isalnum(static_cast<unsigned char>(ch)) || ch == '-' || ch == '_' || ch == '.';
    });
    return plain ? std::string(name) : std::string(); // no iconv suffixes or paths
}

// An iconv descriptor that closes itself.
class IconvHandle {
public:
    explicit IconvHandle(const char* from) : Cd_(iconv_open("UTF-8", from)) {}
    ~IconvHandle() {
        if (Valid()) {
            iconv_close(Cd_);
        }
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;
    bool Valid() const { return Cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t Get() const { return Cd_; }

private:
    iconv_t Cd_;
};

// The width of the encoding's smallest unit: a malformed unit is skipped whole.
std::size_t UnitSize(std::string_view encoding) {
    return encoding.substr(0, 6) == "UTF-16" ? 2 : 1;
}

} // namespace

void AppendUtf8(std::string& out, char32_t code) {
    if ((code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
        out += Replacement;
    } else if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (code >> 18)));
        out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        const std::size_t n = Utf8SequenceLength(bytes, i);
        if (n == 0) {
            return false;
        }
        i += n;
    }
    return true;
}

bool ConvertToUtf8(std::string_view bytes, const char* encoding, std::string& utf8) {
    IconvHandle cd(encoding);
    if (!cd.Valid()) {
        return false;
    }
    const std::size_t unit = UnitSize(encoding);
    utf8.assign(bytes.size() + bytes.size() / 2 + 16, '\0');
    char* in = const_cast<char*>(bytes.data()); // iconv takes char** but does not write
    std::size_t inLeft = bytes.size();
    std::size_t used = 0;
    while (inLeft > 0) {
        char* out = utf8.data() + used;
        std::size_t outLeft = utf8.size() - used;
        const std::size_t done = iconv(cd.Get(), &in, &inLeft, &out, &outLeft);
        used = utf8.size() - outLeft;
        if (done != static_cast<std::size_t>(-1)) {
            break;
        }
        if (errno == E2BIG) {
            utf8.resize(utf8.size() * 2);
            continue;
        }
        // A malformed or cut-off unit: mark it and go on after it.
        const std::size_t skip = std::min(unit, inLeft);
        in += skip;
        inLeft -= skip;
        utf8.resize(std::max(utf8.size(), used + Replacement.size() + 16));
        utf8.replace(used, Replacement.size(), Replacement);
        used += Replacement.size();
        iconv(cd.Get(), nullptr, nullptr, nullptr, nullptr); // reset the shift state
    }
    utf8.resize(used);
    return true;
}

DecodedText DecodeText(std::string bytes) {
    const std::string_view view(bytes);
    DecodedText text;
    if (view.substr(0, 3) == Utf8Bom) {
        text.Encoding = TextEncoding::Utf8Bom;
        text.Utf8 = RepairUtf8(view.substr(3));
    } else if (view.substr(0, 2) == Utf16LeBom || view.substr(0, 2) == Utf16BeBom) {
        const bool little = view.substr(0, 2) == Utf16LeBom;
        text.Encoding = little ? TextEncoding::Utf16Le : TextEncoding::Utf16Be;
        ConvertToUtf8(view.substr(2), little ? "UTF-16LE" : "UTF-16BE", text.Utf8);
    } else if (IsValidUtf8(view)) {
        text.Utf8 = std::move(bytes);
    } else if (const std::string declared = DeclaredEncoding(view);
               !declared.empty() && ConvertToUtf8(view, declared.c_str(), text.Utf8)) {
        text.Encoding = TextEncoding::Declared;
    } else if (ConvertToUtf8(view, "GB18030", text.Utf8)) {
        text.Encoding = TextEncoding::Gb18030;
    } else {
        text.Utf8 = RepairUtf8(view);
    }
    return text;
}

} // namespace lodrin
