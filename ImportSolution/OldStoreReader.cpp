#include "ImportSolution/OldStoreReader.h"

#include "ImportSolution/OldStoreStream.h"

// mdbtools.h includes glib.h inside its own extern "C" block; glib must come first.
#include <glib.h>
#include <mdbtools.h>

#include <array>
#include <cerrno>
#include <memory>
#include <stdexcept>
#include <unistd.h>

namespace lodrin {
namespace {

// The columns of Tab_Solution the run reads, in the order of ColumnIndex.
constexpr std::array<const char*, 8> OldColumnNames = {"XSB_CRC32", "XSB_CRC_TrunNum", "Goals",
                                                       "Sol_CRC32", "Moves",           "Pushs",
                                                       "Sol_Text",  "Sol_DateTime"};
enum ColumnIndex { XsbCrc, TurnNum, Goals, SolCrc, Moves, Pushs, SolText, DateTime };

// The stream is written in pieces of about this size.
constexpr std::size_t FlushSize = 64 * 1024;
// The bytes of a memo's header in its row: its stored length and flags come first.
constexpr int MemoHeaderBytes = 12;

// Writes the stream on a descriptor in pieces; a parent that has gone ends the reader.
class TStreamOut {
public:
    explicit TStreamOut(int fd) : Fd_(fd), Buffer_(StreamTag()) {}
    std::string& Buffer() { return Buffer_; }
    void FlushIfFull() {
        if (Buffer_.size() >= FlushSize) {
            Flush();
        }
    }
    bool Flush() {
        std::size_t done = 0;
        while (done < Buffer_.size()) {
            const ssize_t n = write(Fd_, Buffer_.data() + done, Buffer_.size() - done);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                return false;
            }
            done += static_cast<std::size_t>(n);
        }
        Buffer_.clear();
        return true;
    }

private:
    int Fd_;
    std::string Buffer_;
};

// Tab_Solution of an open file. Only the solution is bound, so libmdb turns only it
// into text; the numbers and the date are read as stored.
class TOldTable {
public:
    explicit TOldTable(MdbHandle* mdb) : Mdb_(mdb) {}
    ~TOldTable() {
        if (Def_ != nullptr) {
            mdb_free_tabledef(Def_);
        }
    }
    TOldTable(const TOldTable&) = delete;
    TOldTable& operator=(const TOldTable&) = delete;

    void Open();
    std::uint64_t RowCount() const { return Def_->num_rows; }
    bool Fetch() { return mdb_fetch_row(Def_) != 0; }
    // The fetched row; Kind is CutRow when its solution may not be whole.
    OldStoreMessage Read() const;

private:
    void FindColumns();
    // Where the fetched value of column k stands in the page, checked to hold `size`
    // bytes; -1 for NULL.
    int ValueAt(int k, int size) const;
    std::int64_t Integer(int k) const;
    bool SolutionIsWhole() const;

    MdbHandle* Mdb_;
    MdbTableDef* Def_ = nullptr;
    std::unique_ptr<char[]> Solution_;
    int SolutionLength_ = 0;
    std::array<MdbColumn*, 8> Columns_{};
};

void TOldTable::Open() {
    std::string table = "Tab_Solution";
    MdbCatalogEntry* entry = mdb_get_catalogentry_by_name(Mdb_, table.data());
    if (entry == nullptr || entry->object_type != MDB_TABLE) {
        throw std::runtime_error("the old store holds no table Tab_Solution");
    }
    Def_ = mdb_read_table(entry);
    if (Def_ == nullptr || mdb_read_columns(Def_) == nullptr) {
        throw std::runtime_error("Tab_Solution cannot be read");
    }
    mdb_rewind_table(Def_);
    FindColumns();
    // libmdb may write up to its bind size into the bound buffer.
    Solution_.reset(new char[Mdb_->bind_size]);
    std::string solution = OldColumnNames[SolText];
    mdb_bind_column_by_name(Def_, solution.data(), Solution_.get(), &SolutionLength_);
}

void TOldTable::FindColumns() {
    for (std::size_t k = 0; k < OldColumnNames.size(); ++k) {
        std::string name = OldColumnNames[k];
        const int column = mdb_bind_column_by_name(Def_, name.data(), nullptr, nullptr);
        if (column < 1) {
            throw std::runtime_error("Tab_Solution lacks the column " + name);
        }
        Columns_[k] = static_cast<MdbColumn*>(g_ptr_array_index(Def_->columns, column - 1));
        const int type = Columns_[k]->col_type;
        const bool fits = k == SolText ? type == MDB_MEMO || type == MDB_TEXT
                          : k == DateTime
                              ? type == MDB_DATETIME
                              : type == MDB_BYTE || type == MDB_INT || type == MDB_LONGINT;
        if (!fits) {
            throw std::runtime_error("the column " + name + " of Tab_Solution has another type");
        }
    }
}

int TOldTable::ValueAt(int k, int size) const {
    const MdbColumn* column = Columns_[static_cast<std::size_t>(k)];
    if (column->cur_value_len == 0) {
        return -1; // NULL
    }
    const int start = column->cur_value_start;
    if (column->cur_value_len < size || start < 0 ||
        start > static_cast<int>(Mdb_->fmt->pg_size) - size) {
        throw std::runtime_error("a row of Tab_Solution is damaged");
    }
    return start;
}

std::int64_t TOldTable::Integer(int k) const {
    switch (Columns_[static_cast<std::size_t>(k)]->col_type) {
    case MDB_BYTE: {
        const int at = ValueAt(k, 1);
        return at < 0 ? 0 : mdb_get_byte(Mdb_->pg_buf, at);
    }
    case MDB_INT: {
        const int at = ValueAt(k, 2);
        return at < 0 ? 0 : static_cast<std::int16_t>(mdb_get_int16(Mdb_->pg_buf, at));
    }
    default: {
        const int at = ValueAt(k, 4);
        // libmdb hands the 32 bits over unsigned; the column holds them signed.
        return at < 0 ? 0
                      : static_cast<std::int32_t>(
                            static_cast<std::uint32_t>(mdb_get_int32(Mdb_->pg_buf, at)));
    }
    }
}

bool TOldTable::SolutionIsWhole() const {
    std::size_t stored = 0;
    if (Columns_[SolText]->col_type == MDB_MEMO) {
        const int at = ValueAt(SolText, MemoHeaderBytes);
        stored = at < 0 ? 0 : mdb_get_int32(Mdb_->pg_buf, at) & 0x3FFFFFFF;
    }
    return IsMemoTextWhole(static_cast<std::size_t>(SolutionLength_), stored, Mdb_->bind_size);
}

OldStoreMessage TOldTable::Read() const {
    OldStoreMessage message;
    if (!SolutionIsWhole()) {
        message.Kind = OldStoreMessageKind::CutRow;
        return message;
    }
    message.Kind = OldStoreMessageKind::Row;
    SolutionRow& r = message.Record.Row;
    r.XsbCrc32 = static_cast<std::int32_t>(Integer(XsbCrc));
    r.TurnNum = static_cast<std::int32_t>(Integer(TurnNum));
    r.Goals = static_cast<std::int32_t>(Integer(Goals));
    r.SolCrc32 = static_cast<std::int32_t>(Integer(SolCrc));
    r.Moves = Integer(Moves);
    r.Pushs = Integer(Pushs);
    r.SolText.assign(Solution_.get(), static_cast<std::size_t>(SolutionLength_));
    const int date = ValueAt(DateTime, 8);
    message.Record.HasDate = date >= 0;
    message.Record.OleDate = date >= 0 ? mdb_get_double(Mdb_->pg_buf, date) : 0.0;
    return message;
}

// Opens the file, reads its catalog once and closes it at the end.
class TOldFile {
public:
    explicit TOldFile(const std::string& path) {
        Mdb_ = mdb_open(path.c_str(), MDB_NOFLAGS);
        if (Mdb_ == nullptr) {
            throw std::runtime_error("libmdb cannot open the file as a Jet database");
        }
        // Before the catalog is read: a longer value would be cut off without a word.
        mdb_set_bind_size(Mdb_, OldStoreBindSize);
        // The catalog is read once per handle: reading it again frees the table entries.
        if (mdb_read_catalog(Mdb_, MDB_TABLE) == nullptr) {
            mdb_close(Mdb_);
            throw std::runtime_error("libmdb cannot read the catalog of the old store");
        }
    }
    ~TOldFile() {
        if (Mdb_ != nullptr) {
            mdb_close(Mdb_);
        }
    }
    TOldFile(const TOldFile&) = delete;
    TOldFile& operator=(const TOldFile&) = delete;
    MdbHandle* Get() const { return Mdb_; }

private:
    MdbHandle* Mdb_ = nullptr;
};

// Streams every row; false when the parent stopped listening.
bool StreamRows(const std::string& path, TStreamOut& out) {
    TOldFile file(path);
    TOldTable table(file.Get());
    table.Open();
    OldStoreMessage count{OldStoreMessageKind::RowCount, table.RowCount(), {}, {}};
    EncodeStreamMessage(count, out.Buffer());
    while (table.Fetch()) {
        EncodeStreamMessage(table.Read(), out.Buffer());
        out.FlushIfFull();
    }
    EncodeStreamMessage({OldStoreMessageKind::End, 0, {}, {}}, out.Buffer());
    return out.Flush();
}

} // namespace

bool IsMemoTextWhole(std::size_t length, std::size_t storedBytes, std::size_t bindSize) {
    // A character takes at most three UTF-8 bytes, plus the terminator: a text this
    // far from the end of the buffer was not stopped by it.
    const bool roomLeft = length + 4 <= bindSize;
    // Every character takes at most three stored bytes (a compressed text switching to
    // UCS-2 for it), after the two bytes that mark compression.
    const bool coversStored = 3 * length + 2 >= storedBytes;
    return roomLeft && coversStored;
}

int RunOldStoreReader(const std::string& path, int fd) {
    TStreamOut out(fd);
    try {
        return StreamRows(path, out) ? 0 : 1;
    } catch (const std::exception& error) {
        // A failure after some rows: the rows so far are sent, then the reason.
        EncodeStreamMessage({OldStoreMessageKind::Failure, 0, {}, error.what()}, out.Buffer());
        out.Flush();
        return 1;
    }
}

} // namespace lodrin
