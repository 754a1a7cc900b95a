#include "board/LevelCollection.h"

#include "board/JsonLevelText.h"
#include "board/LevelFile.h"
#include "board/LevelFromLurd.h"
#include "board/Lurd.h"
#include "board/RunLengthText.h"
#include "board/SlcLevelText.h"

#include <algorithm>
#include <optional>

namespace lodrin {
namespace {

constexpr std::size_t LinesBetweenStopChecks = 4096;

bool Stopped(const std::atomic<bool>* stop) {
    return stop != nullptr && stop->load(std::memory_order_relaxed);
}

std::string_view WithoutTrailingBreaks(std::string_view text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

// The moves of a text that is one line of moves, counts written out; or nothing.
std::optional<std::string> SolutionMoves(std::string_view text) {
    const std::string_view line = WithoutTrailingBreaks(text);
    if (line.find_first_of("\r\n") != std::string_view::npos) {
        return std::nullopt;
    }
    if (!IsLurdText(line)) {
        return ExpandRunLengthLurd(line);
    }
    const auto moves =
        static_cast<std::size_t>(std::count_if(line.begin(), line.end(), IsLurdChar));
    return moves <= MaxLurdLength ? std::optional<std::string>(line) : std::nullopt;
}

// Makes the collection the one level the moves solve; false when they solve none.
bool TakeSolutionLevel(LevelCollection& collection, std::string moves) {
    const std::optional<std::vector<std::string>> rows = LevelFromLurd(moves);
    if (!rows) {
        return false;
    }
    CollectionLevel level;
    level.End = moves.size();
    for (const std::string& row : *rows) {
        AddRowToShape(level.Shape, row);
    }
    collection.Text = std::move(moves);
    collection.Levels = {std::move(level)};
    return true;
}

// The first character that is not a blank.
char FirstMark(std::string_view text) {
    const std::size_t i = text.find_first_not_of(" \t\r\n");
    return i == std::string_view::npos ? '\0' : text[i];
}

std::optional<std::string> SlcReading(std::string_view text) {
    return FirstMark(text) == '<' ? LevelTextFromSlc(text) : std::nullopt;
}

std::optional<std::string> JsonReading(std::string_view text) {
    const char mark = FirstMark(text);
    return mark == '[' || mark == '{' ? LevelTextFromJson(text) : std::nullopt;
}

} // namespace

std::vector<CollectionLevel> ScanLevelRecords(std::string_view text,
                                              const std::atomic<bool>* stop) {
    std::vector<CollectionLevel> levels;
    TMapNode node;
    TLevelLineWalker walker(node, 0); // the shape is counted, the rows are not kept
    std::size_t begin = 0;
    const auto close = [&](std::size_t end) {
        if (walker.Shape().HasCells) {
            levels.push_back({begin, end, node.Title, node.Author, walker.Shape()});
        }
        begin = end;
        walker.Restart();
    };
    TTextLineCursor lines(text);
    std::size_t count = 0;
    while (std::optional<std::string_view> line = lines.Next()) {
        if (++count % LinesBetweenStopChecks == 0 && Stopped(stop)) {
            return {};
        }
        if (!walker.Take(*line)) {
            close(lines.LineStart());
            walker.Take(*line);
        }
    }
    close(text.size());
    return levels;
}

LevelCollection MakeLevelCollection(DecodedText text, const std::atomic<bool>* stop) {
    LevelCollection collection;
    collection.Encoding = text.Encoding;
    if (std::optional<std::string> moves = SolutionMoves(text.Utf8);
        moves && TakeSolutionLevel(collection, std::move(*moves))) {
        return collection;
    }
    collection.Levels = ScanLevelRecords(text.Utf8, stop);
    collection.Text = std::move(text.Utf8);
    if (!collection.Levels.empty() || Stopped(stop)) {
        return collection;
    }
    for (const auto reading : {&SlcReading, &JsonReading, &ExpandRunLengthLevels}) {
        std::optional<std::string> written = reading(collection.Text);
        if (!written) {
            continue;
        }
        std::vector<CollectionLevel> levels = ScanLevelRecords(*written, stop);
        if (!levels.empty()) {
            collection.Text = std::move(*written);
            collection.Levels = std::move(levels);
            break;
        }
    }
    return collection;
}

bool ReadCollectionLevel(const LevelCollection& collection, std::size_t index, TMapNode& node,
                         std::size_t keepLimit) {
    if (index >= collection.Levels.size()) {
        return false;
    }
    const CollectionLevel& level = collection.Levels[index];
    const std::string_view text(collection.Text);
    return ReadLevelText(text.substr(level.Begin, level.End - level.Begin), node, keepLimit);
}

LevelFileRead ReadLevelFile(std::string_view fileName, const std::atomic<bool>* stop) {
    LevelFileRead read;
    std::string bytes;
    switch (ReadLevelFileBytes(fileName, MaxLevelFileBytes, bytes, stop)) {
    case FileBytesResult::Ok:
        break;
    case FileBytesResult::Unreadable:
        read.Error = LevelFileError::Unreadable;
        return read;
    case FileBytesResult::TooLarge:
        read.Error = LevelFileError::TooLarge;
        return read;
    case FileBytesResult::Stopped:
        read.Error = LevelFileError::Stopped;
        return read;
    }
    read.Collection = MakeLevelCollection(DecodeText(std::move(bytes)), stop);
    if (Stopped(stop)) {
        read.Error = LevelFileError::Stopped;
    } else if (read.Collection.Levels.empty()) {
        read.Error = LevelFileError::NoLevel;
    }
    return read;
}

} // namespace lodrin
