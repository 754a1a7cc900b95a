#pragma once

#include <string>
#include <string_view>

namespace lodrin {

// The encodings a level file comes in.
enum class TextEncoding {
    Utf8,     // no byte-order mark
    Utf8Bom,  // UTF-8 after the mark EF BB BF
    Utf16Le,  // after the mark FF FE
    Utf16Be,  // after the mark FE FF
    Gb18030,  // GB18030 (and so GBK and GB2312), from older Chinese Windows tools
    Declared, // the encoding an XML declaration names
};

// A file's text in UTF-8, with the encoding it was found in.
struct DecodedText {
    std::string Utf8;
    TextEncoding Encoding = TextEncoding::Utf8;
};

// Appends the code point in UTF-8; surrogates and values past U+10FFFF give U+FFFD.
void AppendUtf8(std::string& out, char32_t code);

// Whether the bytes are well-formed UTF-8.
bool IsValidUtf8(std::string_view bytes);

// Converts bytes in the named encoding (as iconv names it) to UTF-8. Bytes that
// do not convert become U+FFFD. False when the encoding is unknown.
bool ConvertToUtf8(std::string_view bytes, const char* encoding, std::string& utf8);

// Finds the encoding of a file's bytes and converts them to UTF-8: a byte-order
// mark decides first; text that is well-formed UTF-8 is taken as it is; an XML
// declaration's encoding comes next; anything else is read as GB18030. The mark
// is not part of the text.
DecodedText DecodeText(std::string bytes);

} // namespace lodrin
