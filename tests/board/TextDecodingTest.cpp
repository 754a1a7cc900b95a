#include "board/TextDecoding.h"
#include "board/LevelCollection.h"

#include <gtest/gtest.h>

namespace lodrin {
namespace {

// "第一关" in each encoding; the bytes are written out here, not made with iconv.
const std::string TitleUtf8 = "\xE7\xAC\xAC\xE4\xB8\x80\xE5\x85\xB3";
const std::string TitleGb18030 = "\xB5\xDA\xD2\xBB\xB9\xD8";
const std::u16string TitleUtf16 = u"\u7B2C\u4E00\u5173";

std::string Utf16Bytes(const std::string& ascii, const std::u16string& wide, bool little) {
    std::u16string units(ascii.begin(), ascii.end());
    units += wide;
    units += u"\n";
    std::string bytes = little ? "\xFF\xFE" : "\xFE\xFF";
    for (const char16_t u : units) {
        const char lo = static_cast<char>(u & 0xFF);
        const char hi = static_cast<char>(u >> 8);
        bytes += little ? std::string{lo, hi} : std::string{hi, lo};
    }
    return bytes;
}

const std::string Board = "#####\n#@$.#\n#####\nTitle: ";

TEST(DecodeText, EveryEncodingGivesTheSameChineseTitle) {
    struct Case {
        const char* name;
        std::string bytes;
        TextEncoding encoding;
    };
    const Case cases[] = {
        {"UTF-8", Board + TitleUtf8 + "\n", TextEncoding::Utf8},
        {"UTF-8 with BOM", "\xEF\xBB\xBF" + Board + TitleUtf8 + "\n", TextEncoding::Utf8Bom},
        {"UTF-16 LE", Utf16Bytes(Board, TitleUtf16, true), TextEncoding::Utf16Le},
        {"UTF-16 BE", Utf16Bytes(Board, TitleUtf16, false), TextEncoding::Utf16Be},
        {"GB18030", Board + TitleGb18030 + "\r\n", TextEncoding::Gb18030},
    };
    for (const Case& c : cases) {
        const LevelCollection collection = MakeLevelCollection(DecodeText(c.bytes));
        ASSERT_EQ(collection.Levels.size(), 1u) << c.name;
        EXPECT_EQ(collection.Levels[0].Title, TitleUtf8) << c.name;
        EXPECT_EQ(collection.Encoding, c.encoding) << c.name;
        TMapNode node;
        ASSERT_TRUE(ReadCollectionLevel(collection, 0, node)) << c.name;
        EXPECT_EQ(node.Rows, (std::vector<std::string>{"#####", "#@$.#", "#####"})) << c.name;
    }
}

TEST(DecodeText, MalformedBytesBecomeReplacementCharacters) {
    const std::string fffd = "\xEF\xBF\xBD";
    // A lone lead byte after a byte-order mark; a cut-off UTF-16 unit at the end.
    EXPECT_EQ(DecodeText("\xEF\xBB\xBFok\xE7").Utf8, "ok" + fffd);
    EXPECT_EQ(DecodeText(std::string("\xFF\xFEo\0k\0\x41", 7)).Utf8, "ok" + fffd);
    // Bytes that are neither UTF-8 nor GB18030 still give text, never a crash.
    const DecodedText binary = DecodeText(std::string("\x80\xFF\x00\xFE", 4));
    EXPECT_EQ(binary.Encoding, TextEncoding::Gb18030);
    EXPECT_TRUE(IsValidUtf8(binary.Utf8));
}

TEST(DecodeText, XmlDeclarationNamesTheEncoding) {
    const std::string latin1 = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a>caf\xE9</a>";
    const DecodedText text = DecodeText(latin1);
    EXPECT_EQ(text.Encoding, TextEncoding::Declared);
    EXPECT_EQ(text.Utf8, "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a>caf\xC3\xA9</a>");
    // A name that is not a plain charset name is not handed to iconv.
    EXPECT_EQ(DecodeText("<?xml encoding=\"../x//IGNORE\"?>\xB5\xDA").Encoding,
              TextEncoding::Gb18030);
}

TEST(IsValidUtf8, RejectsOverlongSurrogatesAndCutSequences) {
    EXPECT_TRUE(IsValidUtf8("plain \xE7\xAC\xAC \xF0\x9F\x98\x80"));
    for (const char* bad : {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE7\xAC", "\x80"}) {
        EXPECT_FALSE(IsValidUtf8(bad)) << bad;
    }
}

TEST(AppendUtf8, EncodesEachLengthAndReplacesSurrogates) {
    std::string out;
    for (const char32_t code : {U'A', U'\u00E9', U'\u7B2C', U'\U0001F600', char32_t{0xD800}}) {
        AppendUtf8(out, code);
    }
    EXPECT_EQ(out, "A\xC3\xA9\xE7\xAC\xAC\xF0\x9F\x98\x80\xEF\xBF\xBD");
}

} // namespace
} // namespace lodrin
