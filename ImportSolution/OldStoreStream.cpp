#include "ImportSolution/OldStoreStream.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace lodrin {
namespace {

constexpr std::string_view Tag = "LodrinOldStore1";
constexpr std::size_t ReadChunk = 64 * 1024;

constexpr char RowCountTag = 'N';
constexpr char RowTag = 'R';
constexpr char CutRowTag = 'C';
constexpr char EndTag = 'E';
constexpr char FailureTag = 'F';

void PutUnsigned(std::uint64_t value, std::size_t size, std::string& out) {
    for (std::size_t i = 0; i < size; ++i) {
        out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
    }
}

void PutText(std::string_view text, std::string& out) {
    PutUnsigned(text.size(), 4, out);
    out.append(text);
}

void PutRecord(const OldStoreRecord& record, std::string& out) {
    const SolutionRow& r = record.Row;
    for (const std::int32_t value : {r.XsbCrc32, r.TurnNum, r.Goals, r.SolCrc32}) {
        PutUnsigned(static_cast<std::uint32_t>(value), 4, out);
    }
    PutUnsigned(static_cast<std::uint64_t>(r.Moves), 8, out);
    PutUnsigned(static_cast<std::uint64_t>(r.Pushs), 8, out);
    out.push_back(record.HasDate ? 1 : 0);
    PutUnsigned(std::bit_cast<std::uint64_t>(record.OleDate), 8, out);
    PutText(r.SolText, out);
}

} // namespace

std::string_view StreamTag() {
    return Tag;
}

void EncodeStreamMessage(const OldStoreMessage& message, std::string& out) {
    switch (message.Kind) {
    case OldStoreMessageKind::RowCount:
        out.push_back(RowCountTag);
        PutUnsigned(message.RowCount, 8, out);
        return;
    case OldStoreMessageKind::Row:
        if (message.Record.Row.SolText.size() > MaxStreamText) {
            out.push_back(CutRowTag);
            return;
        }
        out.push_back(RowTag);
        PutRecord(message.Record, out);
        return;
    case OldStoreMessageKind::CutRow:
        out.push_back(CutRowTag);
        return;
    case OldStoreMessageKind::End:
        out.push_back(EndTag);
        return;
    case OldStoreMessageKind::Failure:
        out.push_back(FailureTag);
        PutText(std::string_view(message.Reason).substr(0, MaxStreamReason), out);
        return;
    }
}

std::size_t TMemoryByteSource::Read(char* into, std::size_t size) {
    const std::size_t n = std::min(size, Bytes_.size());
    std::memcpy(into, Bytes_.data(), n);
    Bytes_.remove_prefix(n);
    return n;
}

void TOldStoreStreamReader::Need(std::size_t size) {
    if (Begin_ > 0 && Buffer_.size() - Begin_ < size) {
        Buffer_.erase(Buffer_.begin(), Buffer_.begin() + static_cast<std::ptrdiff_t>(Begin_));
        Begin_ = 0;
    }
    while (Buffer_.size() - Begin_ < size) {
        const std::size_t have = Buffer_.size();
        Buffer_.resize(have + std::max(ReadChunk, size - (have - Begin_)));
        const std::size_t got = In_.Read(Buffer_.data() + have, Buffer_.size() - have);
        Buffer_.resize(have + got);
        Received_ += got;
        if (got == 0) {
            throw TStreamError(Received_ == 0 ? "the reader sent nothing"
                                              : "the reader's stream ends inside a message");
        }
    }
}

std::uint64_t TOldStoreStreamReader::Unsigned(std::size_t size) {
    Need(size);
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < size; ++i) {
        value |= std::uint64_t{static_cast<unsigned char>(Buffer_[Begin_ + i])} << (8 * i);
    }
    Begin_ += size;
    return value;
}

std::string TOldStoreStreamReader::Text(std::size_t limit) {
    const std::uint64_t size = Unsigned(4);
    if (size > limit) {
        throw TStreamError("the reader's stream holds a text longer than it may be");
    }
    Need(static_cast<std::size_t>(size));
    std::string text(Buffer_.data() + Begin_, static_cast<std::size_t>(size));
    Begin_ += static_cast<std::size_t>(size);
    return text;
}

OldStoreRecord TOldStoreStreamReader::Record() {
    OldStoreRecord record;
    SolutionRow& r = record.Row;
    for (std::int32_t* value : {&r.XsbCrc32, &r.TurnNum, &r.Goals, &r.SolCrc32}) {
        *value = static_cast<std::int32_t>(static_cast<std::uint32_t>(Unsigned(4)));
    }
    r.Moves = static_cast<std::int64_t>(Unsigned(8));
    r.Pushs = static_cast<std::int64_t>(Unsigned(8));
    const std::uint64_t hasDate = Unsigned(1);
    if (hasDate > 1) {
        throw TStreamError("the reader's stream holds a row it cannot have written");
    }
    record.HasDate = hasDate == 1;
    record.OleDate = std::bit_cast<double>(Unsigned(8));
    r.SolText = Text(MaxStreamText);
    return record;
}

void TOldStoreStreamReader::ReadTag() {
    Need(Tag.size());
    if (std::string_view(Buffer_.data() + Begin_, Tag.size()) != Tag) {
        throw TStreamError("the reader's stream does not begin with its tag");
    }
    Begin_ += Tag.size();
}

OldStoreMessage TOldStoreStreamReader::Next() {
    OldStoreMessage message;
    switch (static_cast<char>(Unsigned(1))) {
    case RowCountTag:
        message.Kind = OldStoreMessageKind::RowCount;
        message.RowCount = Unsigned(8);
        break;
    case RowTag:
        message.Kind = OldStoreMessageKind::Row;
        message.Record = Record();
        break;
    case CutRowTag:
        message.Kind = OldStoreMessageKind::CutRow;
        break;
    case EndTag:
        message.Kind = OldStoreMessageKind::End;
        break;
    case FailureTag:
        message.Kind = OldStoreMessageKind::Failure;
        message.Reason = Text(MaxStreamReason);
        break;
    default:
        throw TStreamError("the reader's stream holds an unknown message");
    }
    return message;
}

bool TOldStoreStreamReader::AtEndOfStream() {
    if (Buffer_.size() > Begin_) {
        return false;
    }
    Buffer_.clear();
    Begin_ = 0;
    char byte = 0;
    if (In_.Read(&byte, 1) == 0) {
        return true;
    }
    Buffer_.push_back(byte);
    ++Received_;
    return false;
}

} // namespace lodrin
