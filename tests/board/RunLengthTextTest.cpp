#include "board/RunLengthText.h"
#include "board/LevelCollection.h"

#include <gtest/gtest.h>

namespace lodrin {
namespace {

using Lines = std::vector<std::string>;

TEST(ExpandRuns, CountsRepeatCharactersAndGroups) {
    struct Case {
        std::string text;
        RunResult result;
        std::string out;
    };
    const Case cases[] = {
        {"3#4-@.#", RunResult::Ok, "###----@.#"},
        {"12#", RunResult::Ok, "############"},
        {"2(3(#-)#)", RunResult::Ok, "#-#-#-##-#-#-#"},
        {"0#-", RunResult::Ok, "-"},
        {"3()#", RunResult::Ok, "#"},
        {"#3", RunResult::Malformed, ""},
        {"2(#-", RunResult::Malformed, ""},
        {"#)", RunResult::Malformed, ""},
        {"3)", RunResult::Malformed, ""},
        {"99999999999999999999#", RunResult::TooLong, ""},
        {"9(9(9(9(9(9(9(9(9(9(#))))))))))", RunResult::TooLong, ""},
        {std::string(40, '(') + "#" + std::string(40, ')'), RunResult::Malformed, ""},
    };
    for (const Case& c : cases) {
        std::string out;
        EXPECT_EQ(ExpandRuns(c.text, 1000, out), c.result) << c.text;
        if (c.result == RunResult::Ok) {
            EXPECT_EQ(out, c.out) << c.text;
        }
    }
}

TEST(ExpandRunLengthLevels, BoardLinesBecomeRowsOtherLinesStay) {
    EXPECT_EQ(ExpandRunLengthLevels("Title: a\n5#|#@$.#|5#|\n; 2\n3#|#.#\n"),
              "Title: a\n#####\n#@$.#\n#####\n; 2\n###\n#.#\n");
    EXPECT_EQ(ExpandRunLengthLevels("no level\n#3\n"), std::nullopt);
    EXPECT_EQ(ExpandRunLengthLevels("a||b\n"), std::nullopt); // letters are no rows
}

TEST(ExpandRunLengthLevels, GrowthIsBounded) {
    std::string text;
    for (int i = 0; i < 2000; ++i) {
        text += "99999#|99999#|99999#\n";
    }
    const std::optional<std::string> out = ExpandRunLengthLevels(text);
    ASSERT_TRUE(out.has_value());
    EXPECT_LE(out->size(), text.size() * 17 + (1u << 20));
}

TEST(ExpandRunLengthLurd, OneLineOfCountedMoves) {
    EXPECT_EQ(ExpandRunLengthLurd("2r3U"), "rrUUU");
    EXPECT_EQ(ExpandRunLengthLurd("2(3(dr)R)"), "drdrdrRdrdrdrR");
    EXPECT_EQ(ExpandRunLengthLurd("rrr"), std::nullopt);     // no count: plain moves
    EXPECT_EQ(ExpandRunLengthLurd("3#"), std::nullopt);      // not moves
    EXPECT_EQ(ExpandRunLengthLurd("200001r"), std::nullopt); // past the move limit
    EXPECT_EQ(ExpandRunLengthLurd("200000r")->size(), 200000u);
}

// The first level of a file's text, read through its collection.
TMapNode FirstLevel(const std::string& text, std::size_t expectedLevels = 1) {
    const LevelCollection collection = MakeLevelCollection({text, TextEncoding::Utf8});
    EXPECT_EQ(collection.Levels.size(), expectedLevels) << text;
    TMapNode node;
    ReadCollectionLevel(collection, 0, node);
    return node;
}

TEST(MakeLevelCollection, RunLengthOnlyWhenTheTextGivesNoLevel) {
    const TMapNode rle = FirstLevel("5#|#@$.#|5#\nTitle: packed\n4#|#..#|4#\n", 2);
    EXPECT_EQ(rle.Rows, (Lines{"#####", "#@$.#", "#####"}));
    EXPECT_EQ(rle.Title, "packed");
    // A plain level reads exactly as before: the counted line beside it is no row.
    const TMapNode plain = FirstLevel("####\n#@.#\n####\nTitle: plain\n5#|#@$.#|5#\n");
    EXPECT_EQ(plain.Rows, (Lines{"####", "#@.#", "####"}));
    EXPECT_EQ(plain.Title, "plain");
}

TEST(MakeLevelCollection, OneLineSolutionsPlainOrCounted) {
    const Lines corridor{"######", "#@---#", "######"};
    EXPECT_EQ(FirstLevel("rrr").Rows, corridor);
    EXPECT_EQ(FirstLevel("rrr\r\n").Rows, corridor); // a file's last line break
    EXPECT_EQ(FirstLevel("3r\n").Rows, corridor);
    EXPECT_EQ(FirstLevel("rR").Rows, (Lines{"######", "#@-$.#", "######"}));
    FirstLevel("r", 0);                            // too small a level
    FirstLevel(std::string(200001, 'l') + "r", 0); // past the move limit
    FirstLevel("rrr\nrrr\n", 0);                   // two lines are no solution
}

} // namespace
} // namespace lodrin
