#include "ImportSolution/OldStoreReader.h"

#include "ImportSolution/OldStoreStream.h"

// mdbtools.h includes glib.h inside its own extern "C" block; glib must come first.
#include <glib.h>
#include <mdbtools.h>

#include <array>
#include <cerrno>
#include <charconv>
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

std::int64_t ParseInteger(const char* text, int length) {
    std::int64_t value = 0;
    if (length == 0) {
        return 0; // NULL reads as 0
    }
    const auto [end, error] = std::from_chars(text, text + length, value);
    if (error != std::errc() || end != text + length) {
        throw std::runtime_error("Tab_Solution holds a value that is not an integer");
    }
    return value;
}

std::int32_t ParseInt32(const char* text, int length) {
    const std::int64_t value = ParseInteger(text, length);
    if (value < INT32_MIN || value > INT32_MAX) {
        throw std::runtime_error("Tab_Solution holds an integer out of range");
    }
    return static_cast<std::int32_t>(value);
}

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

// Tab_Solution of an open file, its eight columns bound.
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
    void Bind();
    const char* Text(int k) const { return Buffers_[static_cast<std::size_t>(k)].get(); }
    int Length(int k) const { return Lengths_[static_cast<std::size_t>(k)]; }
    bool SolutionIsWhole() const;

    MdbHandle* Mdb_;
    MdbTableDef* Def_ = nullptr;
    std::array<std::unique_ptr<char[]>, 8> Buffers_;
    std::array<int, 8> Lengths_{};
    std::array<MdbColumn*, 8> Columns_{};
};

void TOldTable::Open() {
    std::string name = "Tab_Solution";
    MdbCatalogEntry* entry = mdb_get_catalogentry_by_name(Mdb_, name.data());
    if (entry == nullptr || entry->object_type != MDB_TABLE) {
        throw std::runtime_error("the old store holds no table Tab_Solution");
    }
    Def_ = mdb_read_table(entry);
    if (Def_ == nullptr || mdb_read_columns(Def_) == nullptr) {
        throw std::runtime_error("Tab_Solution cannot be read");
    }
    mdb_rewind_table(Def_);
    Bind();
}

void TOldTable::Bind() {
    for (std::size_t k = 0; k < OldColumnNames.size(); ++k) {
        // libmdb may write up to its bind size into every bound buffer.
        Buffers_[k].reset(new char[Mdb_->bind_size]);
        std::string name = OldColumnNames[k];
        const int column =
            mdb_bind_column_by_name(Def_, name.data(), Buffers_[k].get(), &Lengths_[k]);
        if (column < 1) {
            throw std::runtime_error("Tab_Solution lacks the column " + name);
        }
        Columns_[k] = static_cast<MdbColumn*>(g_ptr_array_index(Def_->columns, column - 1));
    }
    if (Columns_[DateTime]->col_type != MDB_DATETIME) {
        throw std::runtime_error("Sol_DateTime of Tab_Solution is no date");
    }
    if (Columns_[SolText]->col_type != MDB_MEMO && Columns_[SolText]->col_type != MDB_TEXT) {
        throw std::runtime_error("Sol_Text of Tab_Solution is no text");
    }
}

bool TOldTable::SolutionIsWhole() const {
    const MdbColumn* column = Columns_[SolText];
    std::size_t stored = 0;
    if (column->col_type == MDB_MEMO && column->cur_value_len >= MemoHeaderBytes) {
        stored = mdb_get_int32(Mdb_->pg_buf, column->cur_value_start) & 0x3FFFFFFF;
    }
    return IsMemoTextWhole(static_cast<std::size_t>(Length(SolText)), stored, Mdb_->bind_size);
}

OldStoreMessage TOldTable::Read() const {
    OldStoreMessage message;
    if (!SolutionIsWhole()) {
        message.Kind = OldStoreMessageKind::CutRow;
        return message;
    }
    message.Kind = OldStoreMessageKind::Row;
    SolutionRow& r = message.Record.Row;
    r.XsbCrc32 = ParseInt32(Text(XsbCrc), Length(XsbCrc));
    r.TurnNum = ParseInt32(Text(TurnNum), Length(TurnNum));
    r.Goals = ParseInt32(Text(Goals), Length(Goals));
    r.SolCrc32 = ParseInt32(Text(SolCrc), Length(SolCrc));
    r.Moves = ParseInteger(Text(Moves), Length(Moves));
    r.Pushs = ParseInteger(Text(Pushs), Length(Pushs));
    r.SolText.assign(Text(SolText), static_cast<std::size_t>(Length(SolText)));
    const MdbColumn* date = Columns_[DateTime];
    message.Record.HasDate = date->cur_value_len == 8;
    message.Record.OleDate =
        message.Record.HasDate ? mdb_get_double(Mdb_->pg_buf, date->cur_value_start) : 0.0;
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
