#include "Editor_/LevelChooser.h"
#include "Editor_/CollectionCursor.h"
#include "Editor_/RecentFiles.h"

#include <gtest/gtest.h>

namespace lodrin {
namespace {

using Lines = std::vector<std::string>;

// Five levels: "Alpha", "beta" by Zed, "Gamma", "Delta" by Gabe, and one untitled.
std::shared_ptr<const LevelCollection> FiveLevels() {
    const std::string text = "####\n#@.#\n####\nTitle: Alpha\n"
                             "#####\n#@$.#\n#####\nTitle: beta\nAuthor: Zed\n"
                             "###\n#.#\n###\nTitle: Gamma\n"
                             "####\n#..#\n####\nTitle: Delta\nAuthor: Gabe\n"
                             "#####\n#$$.#\n#####\n";
    return std::make_shared<const LevelCollection>(MakeLevelCollection({text, TextEncoding::Utf8}));
}

std::vector<std::size_t> Rows(const TLevelChooser& chooser) {
    std::vector<std::size_t> rows;
    for (std::size_t r = 0; r < chooser.RowCount(); ++r) {
        rows.push_back(chooser.LevelAt(r));
    }
    return rows;
}

TEST(LevelChooser, FilterOnTitleAndAuthorIgnoringCase) {
    TLevelChooser chooser(FiveLevels());
    ASSERT_EQ(chooser.RowCount(), 5u);
    struct Case {
        const char* filter;
        std::vector<std::size_t> rows;
    };
    const Case cases[] = {
        {"", {0, 1, 2, 3, 4}}, {"  ", {0, 1, 2, 3, 4}}, {"ga", {2, 3}}, // Gamma, Gabe
        {"ZED", {1}},          {" beta ", {1}},         {"a", {0, 1, 2, 3}}, {"nothing", {}},
    };
    for (const Case& c : cases) {
        chooser.SetFilter(c.filter);
        EXPECT_EQ(Rows(chooser), c.rows) << c.filter;
    }
}

TEST(LevelChooser, CurrentLevelStaysThroughAFilterThatKeepsIt) {
    TLevelChooser chooser(FiveLevels());
    EXPECT_EQ(chooser.ChosenLevel(), 0u);
    chooser.SetCurrentRow(3); // Delta
    chooser.SetFilter("ga");
    EXPECT_EQ(chooser.CurrentRow(), 1u);
    EXPECT_EQ(chooser.ChosenLevel(), 3u);
    chooser.SetFilter("alpha"); // Delta is gone: the first row
    EXPECT_EQ(chooser.ChosenLevel(), 0u);
    chooser.SetFilter("nothing");
    EXPECT_EQ(chooser.CurrentRow(), std::nullopt);
    EXPECT_EQ(chooser.ChosenLevel(), std::nullopt);
    chooser.Move(1); // no rows: nothing to move
    EXPECT_EQ(chooser.CurrentRow(), std::nullopt);
    chooser.SetFilter("");
    EXPECT_EQ(chooser.ChosenLevel(), 0u);
}

TEST(LevelChooser, MovesStopAtTheEnds) {
    TLevelChooser chooser(FiveLevels());
    chooser.Move(-1);
    EXPECT_EQ(chooser.CurrentRow(), 0u);
    chooser.Move(3);
    EXPECT_EQ(chooser.CurrentRow(), 3u);
    chooser.Move(10);
    EXPECT_EQ(chooser.CurrentRow(), 4u);
    chooser.MoveToFirst();
    EXPECT_EQ(chooser.CurrentRow(), 0u);
    chooser.MoveToLast();
    EXPECT_EQ(chooser.CurrentRow(), 4u);
    chooser.SetCurrentRow(9); // past the end: ignored
    EXPECT_EQ(chooser.CurrentRow(), 4u);
}

TEST(LevelChooser, SizeText) {
    LevelShape shape;
    shape.Rows = 7;
    shape.Cols = 19;
    EXPECT_EQ(LevelSizeText(shape), "7 × 19");
}

// Answers the overwrite question from a list and records how often it was asked.
struct Answers {
    std::vector<bool> queue;
    int asked = 0;
    ConfirmFn Fn() {
        return [this](std::string_view) {
            ++asked;
            const bool answer = queue.empty() || queue.front();
            if (!queue.empty()) {
                queue.erase(queue.begin());
            }
            return answer;
        };
    }
};

TEST(CollectionCursor, OpensLevelsAndStepsThroughTheCollection) {
    TEditorDocument doc;
    TCollectionCursor cursor;
    Answers answers;
    EXPECT_FALSE(cursor.OpenNext(doc, answers.Fn())); // nothing opened yet
    EXPECT_EQ(cursor.PositionText(), "");
    ASSERT_TRUE(cursor.OpenLevel(doc, FiveLevels(), 3, answers.Fn()));
    EXPECT_EQ(answers.asked, 0); // the board held nothing
    EXPECT_EQ(doc.MapNode.Title, "Delta");
    EXPECT_EQ(doc.MapNode.Author, "Gabe");
    EXPECT_EQ(cursor.PositionText(), "第 4 / 5 关");
    ASSERT_TRUE(cursor.OpenNext(doc, answers.Fn()));
    EXPECT_EQ(answers.asked, 1);
    EXPECT_EQ(cursor.PositionText(), "第 5 / 5 关");
    EXPECT_FALSE(cursor.OpenNext(doc, answers.Fn())); // past the last level
    EXPECT_EQ(answers.asked, 1);
    EXPECT_EQ(cursor.Index(), 4u);
    answers.queue = {false};
    EXPECT_FALSE(cursor.OpenPrevious(doc, answers.Fn())); // cancelled
    EXPECT_EQ(cursor.Index(), 4u);
    EXPECT_EQ(doc.board.At(1, 1), Box);
    ASSERT_TRUE(cursor.OpenPrevious(doc, answers.Fn()));
    EXPECT_EQ(cursor.PositionText(), "第 4 / 5 关");
    EXPECT_FALSE(cursor.OpenLevel(doc, FiveLevels(), 5, answers.Fn())); // no such level
}

TEST(EditorDocumentOpenLevel, AsksOnlyWhenTheBoardHoldsSomethingAndUndoes) {
    TEditorDocument doc;
    Answers answers;
    TMapNode level{{"###", "#@#", "###"}, "T", "A", "C"};
    ASSERT_TRUE(doc.OpenLevel(level, answers.Fn()));
    EXPECT_EQ(answers.asked, 0);
    EXPECT_FALSE(doc.Saved);
    EXPECT_EQ(doc.PlayerPos, (ColRow{2, 2}));
    const Board first = doc.board;
    answers.queue = {false};
    TMapNode other{{"$.@"}, "Other", "", ""};
    EXPECT_FALSE(doc.OpenLevel(other, answers.Fn()));
    EXPECT_EQ(doc.board, first); // Cancel changes nothing, not even the title
    EXPECT_EQ(doc.MapNode.Title, "T");
    ASSERT_TRUE(doc.OpenLevel(other, answers.Fn()));
    EXPECT_EQ(doc.MapNode.Title, "Other");
    EXPECT_EQ(doc.BoxCount, 1);
    doc.Undo();
    EXPECT_EQ(doc.board, first);
    EXPECT_FALSE(doc.OpenLevel(TMapNode{}, answers.Fn())); // a record without rows
}

TEST(RecentFiles, MostRecentFirstNoRepeatsAtMostTen) {
    std::vector<std::string> recent;
    for (int i = 0; i < 12; ++i) {
        recent = AddRecentFile(std::move(recent), "f" + std::to_string(i));
    }
    ASSERT_EQ(recent.size(), MaxRecentFiles);
    EXPECT_EQ(recent.front(), "f11");
    EXPECT_EQ(recent.back(), "f2");
    recent = AddRecentFile(std::move(recent), "f5");
    EXPECT_EQ(recent.size(), MaxRecentFiles);
    EXPECT_EQ(recent[0], "f5");
    EXPECT_EQ(recent[1], "f11");
    EXPECT_EQ(std::count(recent.begin(), recent.end(), "f5"), 1);
}

} // namespace
} // namespace lodrin
