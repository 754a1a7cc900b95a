#include "board/LurdMoveText.h"

#include <gtest/gtest.h>

namespace lodrin {
namespace {

TEST(ReadLurdMoves, TokensAndFilter) {
    struct Case {
        std::string text;
        bool reverse;
        std::string moves;
    };
    const Case cases[] = {
        {"lurD, LLdd", false, "lurDLLdd"},
        {"lurD 12 xyz", false, "lurD"},
        {"the word dull", false, "dull"},
        {"\"l u r\"", false, "lur"},
        {"\"l \"\"u\"rd", false, "rd"}, // the quoted token holds a quote and is dropped
        {"lurD\n[3, 5]\nULdr", false, "lurD"},
        {"lurD\n[3, 5]\nULdr", true, "ULdr"},
        {"]ULdr[", true, ""},
        {"ULdr]", true, ""},
        {"ld[ru", true, "ru"},
        {"", false, ""},
        {std::string("lu\0rd", 5), false, ""},
        {"lu,,rd", false, "lurd"},
    };
    for (const Case& c : cases) {
        const auto moves = ReadLurdMoves(c.text, c.reverse);
        ASSERT_TRUE(moves.has_value()) << c.text;
        EXPECT_EQ(*moves, c.moves) << c.text << (c.reverse ? " (reverse)" : "");
    }
}

TEST(ReadLurdMoves, MoreMovesThanTheTailHoldsLeaveItAlone) {
    // A full record copied out is read back whole, whatever else the text holds.
    EXPECT_EQ(ReadLurdMoves(std::string(200000, 'l'), false)->size(), 200000u);
    EXPECT_EQ(ReadLurdMoves(std::string(200000, 'l') + "\n[1, 1]", false)->size(), 200000u);
    EXPECT_EQ(ReadLurdMoves(
                  "[1, 1]\n" + std::string(100000, 'r') + " 12 " + std::string(100000, 'u'), true)
                  ->size(),
              200000u);
    EXPECT_FALSE(ReadLurdMoves(std::string(200001, 'l'), false).has_value());
    EXPECT_FALSE(ReadLurdMoves(std::string(10000000, 'r'), true).has_value());
}

TEST(LurdCopyText, EmptyRecordCopiesNothing) {
    EXPECT_FALSE(LurdCopyText("").has_value());
    EXPECT_EQ(*LurdCopyText("lurD"), "lurD");
}

} // namespace
} // namespace lodrin
