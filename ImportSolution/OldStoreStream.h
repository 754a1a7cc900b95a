#pragma once

#include "ImportSolution/SolutionStore.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace lodrin {

// One row of Tab_Solution as the old-store reader sends it: the columns as stored (the
// texts of the date and the level stay empty), the date as its OLE value (days since
// 1899-12-30).
struct OldStoreRecord {
    SolutionRow Row;
    bool HasDate = false; // false: the date is NULL
    double OleDate = 0;
};

// Longest solution text a row message carries, and longest failure reason.
inline constexpr std::size_t MaxStreamText = std::size_t{1} << 20;
inline constexpr std::size_t MaxStreamReason = 4096;

// What one message of the reader's stream says.
enum class OldStoreMessageKind {
    RowCount, // the table's row count, before the first row
    Row,      // a row, read whole
    CutRow,   // a row whose solution could not be read whole: counted, not stored
    End,      // every row has been sent
    Failure,  // the reader stopped with a reason
};

// One message of the stream.
struct OldStoreMessage {
    OldStoreMessageKind Kind = OldStoreMessageKind::End;
    std::uint64_t RowCount = 0; // for RowCount
    OldStoreRecord Record;      // for Row
    std::string Reason;         // for Failure
};

// The bytes that open the stream, before its messages.
std::string_view StreamTag();

// Appends one message to `out`. Texts longer than the stream's limits are shortened
// (a reason) or sent as a cut row (a solution).
void EncodeStreamMessage(const OldStoreMessage& message, std::string& out);

// A stream that breaks its form: bytes that are no message, or an end inside one.
class TStreamError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Where the stream's bytes come from: the reader's pipe, or memory.
class TByteSource {
public:
    virtual ~TByteSource() = default;
    // Reads up to `size` bytes into `into`; 0 only at the end of the stream.
    virtual std::size_t Read(char* into, std::size_t size) = 0;
};

// A stream held in memory.
class TMemoryByteSource final : public TByteSource {
public:
    explicit TMemoryByteSource(std::string_view bytes) : Bytes_(bytes) {}
    std::size_t Read(char* into, std::size_t size) override;

private:
    std::string_view Bytes_;
};

// Decodes the stream message by message, trusting nothing: every length is bounded,
// every tag checked. Throws TStreamError where the stream breaks its form.
class TOldStoreStreamReader {
public:
    explicit TOldStoreStreamReader(TByteSource& in) : In_(in) {}

    // Reads the bytes that open the stream.
    void ReadTag();
    // Reads the next message.
    OldStoreMessage Next();
    // Whether the stream has ended (no byte follows).
    bool AtEndOfStream();

private:
    void Need(std::size_t size);
    std::uint64_t Unsigned(std::size_t size);
    std::string Text(std::size_t limit);
    OldStoreRecord Record();

    TByteSource& In_;
    std::vector<char> Buffer_;
    std::size_t Begin_ = 0;
    std::uint64_t Received_ = 0; // bytes read from the source so far
};

} // namespace lodrin
