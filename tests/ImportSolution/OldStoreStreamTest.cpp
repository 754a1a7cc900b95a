#include "ImportSolution/OldStoreStream.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace lodrin {
namespace {

OldStoreMessage RowMessage(std::string text, bool hasDate, double date) {
    OldStoreMessage row{OldStoreMessageKind::Row, 0, {}, {}};
    row.Record.Row = {INT32_MIN, 7, 99, -1, INT64_MAX, -5, std::move(text), {}, {}};
    row.Record.HasDate = hasDate;
    row.Record.OleDate = date;
    return row;
}

// A stream of every kind of message; `ends` receives where each message ends.
std::string FullStream(std::vector<std::size_t>* ends = nullptr) {
    const OldStoreMessage messages[] = {
        {OldStoreMessageKind::RowCount, 1ULL << 40, {}, {}},
        RowMessage(std::string("R'\0x\xff", 5), true, 43531.5874884259),
        RowMessage("", false, 0),
        {OldStoreMessageKind::CutRow, 0, {}, {}},
        {OldStoreMessageKind::Failure, 0, {}, "no table"},
        {OldStoreMessageKind::End, 0, {}, {}},
    };
    std::string out(StreamTag());
    for (const OldStoreMessage& message : messages) {
        if (ends != nullptr) {
            ends->push_back(out.size());
        }
        EncodeStreamMessage(message, out);
    }
    return out;
}

// Decodes the whole stream into messages; the stream error's text when it breaks.
std::vector<OldStoreMessage> Decode(std::string_view bytes, std::string* error = nullptr) {
    TMemoryByteSource in(bytes);
    TOldStoreStreamReader reader(in);
    std::vector<OldStoreMessage> messages;
    try {
        reader.ReadTag();
        while (!reader.AtEndOfStream()) {
            messages.push_back(reader.Next());
        }
    } catch (const TStreamError& e) {
        if (error != nullptr) {
            *error = e.what();
        }
    }
    return messages;
}

TEST(OldStoreStream, MessagesComeBackAsSent) {
    std::string error;
    const std::vector<OldStoreMessage> got = Decode(FullStream(), &error);
    EXPECT_EQ(error, "");
    ASSERT_EQ(got.size(), 6u);
    EXPECT_EQ(got[0].Kind, OldStoreMessageKind::RowCount);
    EXPECT_EQ(got[0].RowCount, 1ULL << 40);
    const SolutionRow& r = got[1].Record.Row;
    EXPECT_EQ(got[1].Kind, OldStoreMessageKind::Row);
    EXPECT_EQ(r.XsbCrc32, INT32_MIN);
    EXPECT_EQ(r.TurnNum, 7);
    EXPECT_EQ(r.Goals, 99);
    EXPECT_EQ(r.SolCrc32, -1);
    EXPECT_EQ(r.Moves, INT64_MAX);
    EXPECT_EQ(r.Pushs, -5);
    EXPECT_EQ(r.SolText, std::string("R'\0x\xff", 5));
    EXPECT_TRUE(got[1].Record.HasDate);
    EXPECT_EQ(got[1].Record.OleDate, 43531.5874884259);
    EXPECT_FALSE(got[2].Record.HasDate);
    EXPECT_EQ(got[3].Kind, OldStoreMessageKind::CutRow);
    EXPECT_EQ(got[4].Kind, OldStoreMessageKind::Failure);
    EXPECT_EQ(got[4].Reason, "no table");
    EXPECT_EQ(got[5].Kind, OldStoreMessageKind::End);
}

TEST(OldStoreStream, EveryCutOfAStreamIsAnErrorNotACrash) {
    std::vector<std::size_t> ends;
    const std::string full = FullStream(&ends);
    for (std::size_t size = 0; size < full.size(); ++size) {
        std::string error;
        const std::size_t decoded = Decode(std::string_view(full).substr(0, size), &error).size();
        const auto boundary = std::find(ends.begin(), ends.end(), size);
        if (boundary == ends.end()) {
            EXPECT_NE(error, "") << "cut after " << size << " bytes";
        } else {
            EXPECT_EQ(decoded, static_cast<std::size_t>(boundary - ends.begin())) << size;
        }
    }
}

TEST(OldStoreStream, GarbageIsRefused) {
    const std::string tag(StreamTag());
    const std::string bigLength = tag + "F" + std::string("\xff\xff\xff\x7f", 4);
    std::string badDateFlag = tag;
    EncodeStreamMessage(RowMessage("x", true, 1), badDateFlag);
    badDateFlag[tag.size() + 1 + 32] = 2;
    const std::pair<std::string, const char*> cases[] = {
        {"", "sent nothing"},
        {"Lodrin", "ends inside a message"},
        {"LodrinOldStore2xxxxxxxxx", "does not begin with its tag"},
        {tag + "Q", "unknown message"},
        {bigLength, "longer than it may be"},
        {badDateFlag, "cannot have written"},
    };
    for (const auto& [bytes, expected] : cases) {
        std::string error;
        Decode(bytes, &error);
        EXPECT_NE(error.find(expected), std::string::npos) << error;
    }
}

TEST(OldStoreStream, TooLongTextsBecomeACutRowOrAShorterReason) {
    std::string out(StreamTag());
    EncodeStreamMessage(RowMessage(std::string(MaxStreamText + 1, 'l'), false, 0), out);
    EncodeStreamMessage(RowMessage(std::string(MaxStreamText, 'l'), false, 0), out);
    EncodeStreamMessage({OldStoreMessageKind::Failure, 0, {}, std::string(10000, 'r')}, out);
    const std::vector<OldStoreMessage> got = Decode(out);
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[0].Kind, OldStoreMessageKind::CutRow);
    EXPECT_EQ(got[1].Record.Row.SolText.size(), MaxStreamText);
    EXPECT_EQ(got[2].Reason.size(), MaxStreamReason);
}

} // namespace
} // namespace lodrin
