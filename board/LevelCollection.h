#pragma once

#include "board/LevelText.h"
#include "board/MapNode.h"
#include "board/TextDecoding.h"

#include <atomic>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lodrin {

// One level of a collection: where its record lies in the collection's text,
// and what a list of the levels shows of it.
struct CollectionLevel {
    std::size_t Begin = 0; // the record is Text[Begin, End)
    std::size_t End = 0;
    std::string Title;
    std::string Author;
    LevelShape Shape;
};

// The levels of a level text, each read from a record of its own.
struct LevelCollection {
    std::string Text; // UTF-8 level text; other notations already written as level text
    TextEncoding Encoding = TextEncoding::Utf8;
    std::vector<CollectionLevel> Levels;
};

// Cuts a level text into records, one per level, the way the level reader walks
// it: a record ends where the reader's walk stops, at the first row of the next
// level, so reading a record gives what the walk read. Records whose rows hold
// only floor are left out. A set stop flag ends the scan with no levels.
std::vector<CollectionLevel> ScanLevelRecords(std::string_view text,
                                              const std::atomic<bool>* stop = nullptr);

// The collection of a file's decoded text. A text that is one line of moves
// (counts allowed) gives the level it solves; any other text gives its records.
// When that gives no level, the first of these readings that gives one is
// taken: SokobanLevels XML, JSON, run-length board lines.
LevelCollection MakeLevelCollection(DecodedText text, const std::atomic<bool>* stop = nullptr);

// Reads level `index` (from 0) of the collection into the record through the
// level reader; false when there is no such level.
bool ReadCollectionLevel(const LevelCollection& collection, std::size_t index, TMapNode& node,
                         std::size_t keepLimit = TLevelLineWalker::KeepAll);

// How reading a level file ended.
enum class LevelFileError { None, Unreadable, TooLarge, NoLevel, Stopped };

// A level file read: the error, or the collection of its levels.
struct LevelFileRead {
    LevelFileError Error = LevelFileError::None;
    LevelCollection Collection;
};

// Reads a level file (name in UTF-8): its bytes, their encoding and its levels.
LevelFileRead ReadLevelFile(std::string_view fileName, const std::atomic<bool>* stop = nullptr);

} // namespace lodrin
