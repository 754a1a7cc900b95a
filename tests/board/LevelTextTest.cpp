#include "board/LevelText.h"
#include "support/BoardText.h"

#include <gtest/gtest.h>

namespace lodrin {
namespace {

using Lines = std::vector<std::string>;

TEST(SplitTextLines, EmptyLinesVanishButOneAtTheStart) {
    struct Case {
        std::string text;
        Lines lines;
    };
    const Case cases[] = {
        {"", {}},
        {"\n", {""}},
        {"\r\n\r\nab\r\n", {"", "ab"}},
        {"a\n\n\nb\rc", {"a", "b", "c"}},
        {"a\r\r\n\nb\n", {"a", "b"}},
        {std::string("x\0y\nz", 5), {std::string("x\0y", 3), "z"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitTextLines(c.text), c.lines) << c.text;
    }
}

TEST(SplitTextLines, MillionEmptyLinesAreOneBreak) {
    const std::string text = "a" + std::string(1000000, '\n') + "b";
    EXPECT_EQ(SplitTextLines(text), (Lines{"a", "b"}));
}

TMapNode Read(const std::string& text, bool expected = true) {
    TMapNode node;
    node.Title = "old";
    EXPECT_EQ(ReadLevelText(text, node), expected) << text;
    return node;
}

TEST(ReadLevelText, HeaderLinesBeforeTheBoardAreDropped) {
    const TMapNode node = Read("Title: A\n####\n#@.#\n####\nTitle: B\nAuthor: me\n");
    EXPECT_EQ(node.Rows, (Lines{"####", "#@.#", "####"}));
    EXPECT_EQ(node.Title, "B");
    EXPECT_EQ(node.Author, "me");
}

TEST(ReadLevelText, FirstOfTwoLevelsIsTaken) {
    const TMapNode node = Read("###\nTitle: one\n#.#\nTitle: two\n");
    EXPECT_EQ(node.Rows, (Lines{"###"}));
    EXPECT_EQ(node.Title, "one");
}

TEST(ReadLevelText, BoardsJoinedByEmptyOrBlankLinesAreOneLevel) {
    EXPECT_EQ(Read("###\n\n\n#.#\n").Rows, (Lines{"###", "#.#"}));
    EXPECT_EQ(Read("###\n   \n#.#\n").Rows, (Lines{"###", "   ", "#.#"}));
}

TEST(ReadLevelText, HeaderKeywordsIgnoreCaseAndColon) {
    EXPECT_EQ(Read("#\nTITLE:x").Title, "x");
    EXPECT_EQ(Read("#\nTitled level").Title, "d level");
    EXPECT_EQ(Read("#\n  author   Smith  ").Author, "Smith");
    EXPECT_EQ(Read("#\nTitle").Title, "");
    EXPECT_EQ(Read("#\ncomment: inline words").Comment, "inline words");
}

TEST(ReadLevelText, CommentBlock) {
    const TMapNode node = Read("#\nComment:\n  first  \nTitle: inside\n\nauthor x\n"
                               "Comment_End\nTitle: after\n");
    EXPECT_EQ(node.Comment, "  first  \nTitle: inside\nauthor x");
    EXPECT_EQ(node.Title, "after");
    EXPECT_EQ(Read("#\nComment:\nline a\ncomment: replaced\nline b\ncomment-end\n").Comment,
              "replaced\nline b");
}

TEST(ReadLevelText, NoLevel) {
    const TMapNode node = Read("Title: nothing here\nhello\n", false);
    EXPECT_TRUE(node.Rows.empty());
    EXPECT_EQ(node.Title, "nothing here"); // the record was cleared, then read
    Read("", false);
    Read(std::string("\0\x01\xff", 3), false);
    EXPECT_EQ(Read("\r\n#@$.#\n").Rows, (Lines{"#@$.#"})); // empty first line is no header
}

TEST(ReadLevelText, OneLineSolutionBecomesALevel) {
    EXPECT_EQ(Read("rrr").Rows, (Lines{"######", "#@---#", "######"}));
    EXPECT_FALSE(
        Read("rrr\nrrr", false).Rows.size()); // two lines: searched for XSB, 'rrr' is no row
}

TEST(MakeLevelText, RowsOfTheBoundingBoxThenHeaders) {
    Board board = test::BoardFromRows({"", "   ####", "   #@.#", "   ####"});
    TMapNode node;
    node.Title = "T";
    EXPECT_EQ(MakeLevelText(board, node), "\n####\n#@.#\n####\nTitle: T\nAuthor: ");
    node.Comment = " \t\r\n";
    EXPECT_EQ(MakeLevelText(board, node), "\n####\n#@.#\n####\nTitle: T\nAuthor: ");
    node.Comment = "a\r\nb";
    EXPECT_EQ(MakeLevelText(board, node),
              "\n####\n#@.#\n####\nTitle: T\nAuthor: \nComment: \na\r\nb\nComment_End: \n");
    EXPECT_EQ(MakeLevelText(Board{}, node), "");
}

TEST(MakeLevelText, PastedBackGivesTheSameLevelAtTheCorner) {
    Board board = test::BoardFromRows({"", "", "  #####", "  #@$.#", "  # * #", "  #####"});
    TMapNode node{{}, "Title x", "Someone", "line 1\r\n\r\nline 2"};
    TMapNode back;
    ASSERT_TRUE(ReadLevelText(MakeLevelText(board, node), back));
    EXPECT_EQ(back.Rows, (Lines{"#####", "#@$.#", "#-*-#", "#####"}));
    EXPECT_EQ(back.Title, "Title x");
    EXPECT_EQ(back.Author, "Someone");
    EXPECT_EQ(back.Comment, "line 1\nline 2");
}

TEST(ReadLevelText, HugeAndBinaryTextsStayBounded) {
    std::string text;
    for (int i = 0; i < 300; ++i) {
        text += std::string(500, '#') + "\n";
    }
    TMapNode node;
    ASSERT_TRUE(ReadLevelText(text, node));
    EXPECT_EQ(node.Rows.size(), 300u);
    Board board;
    ReadRowsIntoBoard(node.Rows, board);
    EXPECT_EQ(board.At(99, 99), Wall);

    std::string binary(1 << 20, '\0');
    for (std::size_t i = 0; i < binary.size(); ++i) {
        binary[i] = static_cast<char>((i * 7919) % 256);
    }
    ReadLevelText(binary, node); // must not crash; any result is fine
}

} // namespace
} // namespace lodrin
