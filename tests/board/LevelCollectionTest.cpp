#include "board/LevelCollection.h"
#include "board/JsonLevelText.h"
#include "board/LevelFile.h"
#include "board/LevelPreview.h"
#include "board/SlcLevelText.h"
#include "support/SharedData.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

namespace lodrin {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

LevelCollection FromText(const std::string& text) {
    return MakeLevelCollection({text, TextEncoding::Utf8});
}

// Every level of the collection is what the clipboard reader reads from the
// text that starts at the level's record: the records cut nothing the reader sees.
void ExpectRecordsReadLikeThePasteReader(const LevelCollection& collection,
                                         const std::string& name) {
    const std::string_view text(collection.Text);
    for (std::size_t i = 0; i < collection.Levels.size(); ++i) {
        TMapNode fromRecord;
        TMapNode fromHere;
        ASSERT_TRUE(ReadCollectionLevel(collection, i, fromRecord)) << name << " level " << i;
        ReadLevelText(text.substr(collection.Levels[i].Begin), fromHere);
        ASSERT_EQ(fromRecord, fromHere) << name << " level " << i;
        EXPECT_EQ(fromRecord.Title, collection.Levels[i].Title) << name << " level " << i;
        EXPECT_EQ(fromRecord.Rows.size(), collection.Levels[i].Shape.Rows) << name;
    }
}

TEST(ScanLevelRecords, RecordsFollowTheReadersWalk) {
    const std::string text = "Title: dropped\n"
                             "####\n#@.#\n####\n"
                             "Title: one\nComment:\n###\nComment_End\n"
                             "   \n"
                             "Title: belongs to the blank row\n"
                             "#####\n#@$.#\n\n#####\nAuthor: me\n";
    const LevelCollection collection = FromText(text);
    ASSERT_EQ(collection.Levels.size(), 2u); // the blank row is no level
    EXPECT_EQ(collection.Levels[0].Title, "one");
    EXPECT_EQ(collection.Levels[1].Title, "");
    EXPECT_EQ(collection.Levels[1].Author, "me");
    EXPECT_EQ(collection.Levels[1].Shape.Rows, 3u);
    EXPECT_EQ(collection.Levels[1].Shape.Cols, 5u);
    EXPECT_EQ(collection.Levels[1].Shape.Boxes, 1u);
    TMapNode first;
    ReadLevelText(text, first);
    TMapNode fromCollection;
    ReadCollectionLevel(collection, 0, fromCollection);
    EXPECT_EQ(fromCollection, first); // the first level is what Paste reads
    EXPECT_EQ(first.Comment, "###");
    ExpectRecordsReadLikeThePasteReader(collection, "inline text");
    EXPECT_FALSE(ReadCollectionLevel(collection, 2, fromCollection));
}

TEST(ScanLevelRecords, AStopEndsTheScanWithNoLevels) {
    std::string text;
    for (int i = 0; i < 5000; ++i) {
        text += "###\n#.#\nTitle: x\n";
    }
    std::atomic<bool> stop{true};
    EXPECT_TRUE(ScanLevelRecords(text, &stop).empty());
    stop = false;
    EXPECT_EQ(ScanLevelRecords(text, &stop).size(), 5000u);
}

TEST(ReadCollectionLevel, KeepLimitBoundsRowsAndColumns) {
    std::string text;
    for (int r = 0; r < 150; ++r) {
        text += std::string(300, '#') + "\n";
    }
    const LevelCollection collection = FromText(text);
    ASSERT_EQ(collection.Levels.size(), 1u);
    EXPECT_EQ(collection.Levels[0].Shape.Rows, 150u);
    EXPECT_EQ(collection.Levels[0].Shape.Cols, 300u);
    TMapNode node;
    ReadCollectionLevel(collection, 0, node, 100);
    EXPECT_EQ(node.Rows, Lines(100, std::string(100, '#')));
}

TEST(LevelTextFromSlc, LevelsWithEntitiesIdsAndCopyright) {
    const std::string xml =
        "<?xml version=\"1.0\"?><!-- <Level Id=\"no\"> -->\n"
        "<SokobanLevels><LevelCollection Copyright=\"A &amp; B\">\n"
        "<Level Id=\"One &#x26; only\" Width=\"4\"><L>####</L><L>#@.#</L><L>####</L></Level>\n"
        "<Level Id='2' Copyright=\"Me\"><L>###</L><L/><L>#.#</L></Level>\n"
        "<Level Id=\"empty\"></Level></LevelCollection></SokobanLevels>\n";
    const LevelCollection collection = FromText(xml);
    ASSERT_EQ(collection.Levels.size(), 2u);
    EXPECT_EQ(collection.Levels[0].Title, "One & only");
    EXPECT_EQ(collection.Levels[0].Author, "A & B");
    EXPECT_EQ(collection.Levels[1].Title, "2");
    EXPECT_EQ(collection.Levels[1].Author, "Me");
    TMapNode node;
    ReadCollectionLevel(collection, 1, node);
    EXPECT_EQ(node.Rows, (Lines{"###", "#.#"}));
    EXPECT_FALSE(LevelTextFromSlc("<Level Id=\"cut\"><L>###").has_value());
}

TEST(LevelTextFromJson, ObjectsWithABoardString) {
    const std::string json = R"([{"title": "A \"q\" \u7B2C", "definition": "####\n#@.#\n####",
        "solution": "lr"}, {"Name": "B", "n": [1, true, null], "map": "###\r\n#.#",
        "Author": "\ud83d\ude00"}, {"title": "no board", "definition": "#x#"}])";
    const LevelCollection collection = FromText(json);
    ASSERT_EQ(collection.Levels.size(), 2u);
    EXPECT_EQ(collection.Levels[0].Title, "A \"q\" \xE7\xAC\xAC");
    EXPECT_EQ(collection.Levels[0].Shape.Rows, 3u);
    EXPECT_EQ(collection.Levels[1].Title, "B");
    EXPECT_EQ(collection.Levels[1].Author, "\xF0\x9F\x98\x80");
    for (const char* broken : {"[{\"t\": \"###\"", "[{\"a\": \"###\\", "]", "{\"a\":\"###\"}}"}) {
        EXPECT_FALSE(LevelTextFromJson(broken).has_value()) << broken;
    }
    EXPECT_FALSE(LevelTextFromJson(std::string(1000, '[')).has_value()); // too deep
}

TEST(MakeLevelPreview, FloorTheEdgeReachesIsOutside) {
    const LevelPreview preview = MakeLevelPreview({"  ####", "###  #", "#@$. #", "######", ""});
    ASSERT_EQ(preview.Rows, 5);
    ASSERT_EQ(preview.Cols, 6);
    EXPECT_EQ(preview.At(0, 0), LevelPreview::Outside);
    EXPECT_EQ(preview.At(0, 2), Wall);
    EXPECT_EQ(preview.At(1, 3), Floor); // inside the walls
    EXPECT_EQ(preview.At(2, 1), Player);
    EXPECT_EQ(preview.At(2, 3), Goal);
    EXPECT_EQ(preview.At(4, 5), LevelPreview::Outside);
    EXPECT_EQ(MakeLevelPreview({}).Rows, 0);
    const LevelPreview huge = MakeLevelPreview(Lines(150, std::string(150, '#')));
    EXPECT_EQ(huge.Rows, 100);
    EXPECT_EQ(huge.Cols, 100);
}

// Level counts of the shared collections (from their SOURCES note) and the title
// of their first level where the file gives titles the reader knows.
struct SharedFile {
    const char* path;
    std::size_t levels;
    const char* firstTitle;
};

const SharedFile SharedFiles[] = {
    {"festival-cosmos/MicroCosmos.sol", 40, ""},
    {"festival-cosmos/MicroCosmos.txt", 40, ""},
    {"festival-cosmos/MiniCosmos.sol", 40, ""},
    {"festival-cosmos/MiniCosmos.txt", 40, ""},
    {"festival-cosmos/NaboCosmos.sol", 40, ""},
    {"festival-cosmos/NaboCosmos.txt", 40, ""},
    {"festival-cosmos/PicoCosmos.sol", 20, ""},
    {"festival-cosmos/PicoCosmos.txt", 20, ""},
    {"festival-cosmos/cosmonotes.sol", 20, ""},
    {"festival-cosmos/cosmonotes.txt", 20, ""},
    {"festival-cosmos/Monster_Sokoban.sol", 56, ""},
    {"festival-cosmos/Monster_Sokoban.txt", 56, ""},
    {"jsoko/SokEvo.sok", 107, "Level 1"},
    {"jsoko/696.sok", 696, "Level 1"},
    {"jsoko/Grigr_2001.sok", 100, "Level 1"},
    {"michaelhoste-slc/Original.slc", 90, "1"},
    {"michaelhoste-slc/Boxxle1.slc", 108, "#1"},
    {"redcapital/levels-with-solutions.json", 255, "microban - level 001"},
    {"redcapital/levels-with-optimized-solutions.json", 255, "microban - level 001"},
    {"sokoban-rs/microban_155.xsb", 155, ""},
    {"sokoban-rs/microban_II_135.xsb", 135, ""},
    {"sokoban-rs/box_world_100.xsb", 100, "Boxworld 1"},
    {"sokoenginepy/Original_and_Extra.sok", 91, ""},
    {"ksokoban-retroban/Original_Extra.xsb", 90, ""},
    {"ksokoban-retroban/Microban.xsb", 155, ""},
    {"ksokoban-retroban/MicrobanII.xsb", 135, ""},
    {"ksokoban-retroban/Sasquatch.xsb", 53, ""},
    {"ksokoban-retroban/SasquatchVII.xsb", 50, ""},
    {"ksokoban-retroban/Boxxle1.xsb", 108, ""},
    {"ksokoban-retroban/Boxxle2.xsb", 120, ""},
    {"ksokoban-retroban/Atlas03.xsb", 100, ""},
    {"ksokoban-retroban/PassionFruit.xsb", 96, ""},
    {"ksokoban-retroban/SokobanOriginalPuzzlesTributeL.xsb", 14, ""},
    {"ksokoban-retroban/Longevity.xsb", 6, ""},
    {"ksokoban-retroban/Aeternus.xsb", 1, ""},
    {"ksokoban-retroban/1000001candlelights.xsb", 100, ""},
    {"ksokoban-retroban/Dushi13.xsb", 49, ""},
    {"ksokoban-retroban/ChrysalisCollection7.xsb", 50, ""},
    {"ksokoban-retroban/SoundextensionsandCircles.xsb", 7, ""},
    {"ksokoban-retroban/SBMendonca01.xsb", 100, ""},
    {"ksokoban-retroban/MassRemodel.xsb", 2304, ""},
    {"ksokoban-retroban/derived-lurd/Original_Extra.lurd.xsb", 90, "Original&Extra 1"},
    {"ksokoban-retroban/derived-lurd/Microban.lurd.xsb", 155, "Microban 1"},
    {"ksokoban-retroban/derived-lurd/MicrobanII.lurd.xsb", 135, "MicrobanII 1"},
    {"ksokoban-retroban/derived-lurd/Sasquatch.lurd.xsb", 52, "Sasquatch 1"},
    {"ksokoban-retroban/derived-lurd/SasquatchVII.lurd.xsb", 35, "SasquatchVII 1"},
    {"ksokoban-retroban/derived-lurd/Boxxle1.lurd.xsb", 108, "Boxxle1 1"},
    {"ksokoban-retroban/derived-lurd/Boxxle2.lurd.xsb", 120, "Boxxle2 1"},
    {"ksokoban-retroban/derived-lurd/Atlas03.lurd.xsb", 100, "Atlas03 1"},
    {"ksokoban-retroban/derived-lurd/PassionFruit.lurd.xsb", 56, "PassionFruit 1"},
    {"ksokoban-retroban/derived-lurd/SokobanOriginalPuzzlesTributeL.lurd.xsb", 2,
     "SokobanOriginalPuzzlesTributeL 1"},
    {"ksokoban-retroban/derived-lurd/Longevity.lurd.xsb", 3, "Longevity 1"},
    {"ksokoban-retroban/derived-lurd/1000001candlelights.lurd.xsb", 24, "1,000,001candlelights 1"},
    {"ksokoban-retroban/derived-lurd/Dushi13.lurd.xsb", 40, "Dushi13 1"},
    {"ksokoban-retroban/derived-lurd/ChrysalisCollection7.lurd.xsb", 1, "ChrysalisCollection7 1"},
    {"ksokoban-retroban/derived-lurd/SoundextensionsandCircles.lurd.xsb", 7,
     "SoundextensionsandCircles 1"},
    {"ksokoban-retroban/derived-lurd/SBMendonca01.lurd.xsb", 9, "SBMendonca01 1"},
    {"ksokoban-retroban/derived-lurd/MassRemodel.lurd.xsb", 190, "MassRemodel 1"},
};

TEST(ReadLevelFile, EverySharedFileGivesTheLevelsItsNotesCount) {
    const fs::path folder = test::SharedDir() / "data" / "levels";
    LODRIN_REQUIRE_SHARED(folder);
    std::map<std::string, const SharedFile*> expected;
    for (const SharedFile& file : SharedFiles) {
        expected[file.path] = &file;
    }
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        const std::string name = fs::relative(entry.path(), folder).generic_string();
        const LevelFileRead read = ReadLevelFile(entry.path().string());
        const auto known = expected.find(name);
        if (known == expected.end()) { // the notes, a licence, a read-me
            EXPECT_EQ(read.Error, LevelFileError::NoLevel) << name;
            continue;
        }
        ASSERT_EQ(read.Error, LevelFileError::None) << name;
        ASSERT_EQ(read.Collection.Levels.size(), known->second->levels) << name;
        EXPECT_EQ(read.Collection.Levels.front().Title, known->second->firstTitle) << name;
        ExpectRecordsReadLikeThePasteReader(read.Collection, name);
        expected.erase(known);
    }
    for (const auto& [name, file] : expected) {
        ADD_FAILURE() << "missing shared file " << name;
    }
}

TEST(ReadLevelFile, SolvedCollectionHasEveryTitle) {
    const fs::path path = test::SharedDir() / "data" / "solved.xsb";
    LODRIN_REQUIRE_SHARED(path);
    const LevelFileRead read = ReadLevelFile(path.string());
    ASSERT_EQ(read.Collection.Levels.size(), 280u);
    EXPECT_EQ(read.Collection.Levels.front().Title, "Original & Extra 1");
    for (const CollectionLevel& level : read.Collection.Levels) {
        EXPECT_FALSE(level.Title.empty());
    }
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

TEST(ReadLevelFile, UntrustedFilesGiveAnErrorNeverACrash) {
    test::TempDir dir;
    const fs::path empty = dir.Path() / "empty.xsb";
    WriteFile(empty, "");
    std::string binary(1 << 20, '\0');
    for (std::size_t i = 0; i < binary.size(); ++i) {
        const auto b = static_cast<char>((i * 7919 + i / 253) % 256);
        binary[i] = b == '\n' || b == '\r' ? '\0' : b; // one long line of noise
    }
    const fs::path noise = dir.Path() / "noise.bin";
    WriteFile(noise, binary);
    const fs::path large = dir.Path() / "large.xsb";
    { std::ofstream(large).close(); }
    fs::resize_file(large, MaxLevelFileBytes + 1); // sparse: costs no disk
    struct Case {
        fs::path path;
        LevelFileError error;
    };
    const Case cases[] = {
        {dir.Path() / "missing.xsb", LevelFileError::Unreadable},
        {dir.Path(), LevelFileError::Unreadable},
        {"/dev/zero", LevelFileError::Unreadable},
        {empty, LevelFileError::NoLevel},
        {noise, LevelFileError::NoLevel},
        {large, LevelFileError::TooLarge},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadLevelFile(c.path.string()).Error, c.error) << c.path;
    }
}

TEST(ReadLevelFile, AHundredMegabyteLineIsOneBoundedLevel) {
    test::TempDir dir;
    const fs::path path = dir.Path() / "line.xsb";
    WriteFile(path, std::string(100'000'000, '#'));
    const LevelFileRead read = ReadLevelFile(path.string());
    ASSERT_EQ(read.Collection.Levels.size(), 1u);
    EXPECT_EQ(read.Collection.Levels[0].Shape.Cols, 100'000'000u);
    TMapNode node;
    ReadCollectionLevel(read.Collection, 0, node, 100);
    EXPECT_EQ(node.Rows, Lines{std::string(100, '#')});
    std::atomic<bool> stop{true};
    EXPECT_EQ(ReadLevelFile(path.string(), &stop).Error, LevelFileError::Stopped);
}

} // namespace
} // namespace lodrin
