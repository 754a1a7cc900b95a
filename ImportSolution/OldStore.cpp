#include "ImportSolution/OldStore.h"

#include "board/Lurd.h"

// mdbtools.h includes glib.h inside its own extern "C" block; glib must come first.
#include <glib.h>
#include <mdbtools.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <vector>

namespace lodrin {
namespace {

// Room for the longest move text and its terminator, and a sign of anything longer.
constexpr std::size_t BindSize = MaxLurdLength + 2;

// The columns of Tab_Solution the run reads, in the order of ColumnIndex.
constexpr std::array<const char*, 8> OldColumnNames = {"XSB_CRC32", "XSB_CRC_TrunNum", "Goals",
                                                       "Sol_CRC32", "Moves",           "Pushs",
                                                       "Sol_Text",  "Sol_DateTime"};
enum ColumnIndex { XsbCrc, TurnNum, Goals, SolCrc, Moves, Pushs, SolText, DateTime };

// Days since 1970-01-01 to year, month, day (proleptic Gregorian calendar).
void CivilFromDays(long long z, long long& y, unsigned& m, unsigned& d) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<long long>(yoe) + era * 400 + (m <= 2);
}

std::int64_t ParseInteger(const char* text, int length) {
    std::int64_t value = 0;
    if (length == 0) {
        return 0; // NULL reads as 0
    }
    const auto [end, error] = std::from_chars(text, text + length, value);
    if (error != std::errc() || end != text + length) {
        throw std::runtime_error("old store: not an integer");
    }
    return value;
}

std::int32_t ParseInt32(const char* text, int length) {
    const std::int64_t value = ParseInteger(text, length);
    if (value < INT32_MIN || value > INT32_MAX) {
        throw std::runtime_error("old store: integer out of range");
    }
    return static_cast<std::int32_t>(value);
}

} // namespace

std::string OldDateText(double oleDate) {
    // 100-01-01 and the last moment of 9999-12-31, the range of the old store's dates.
    if (!std::isfinite(oleDate) || oleDate < -657434.0 || oleDate >= 2958466.0) {
        return {};
    }
    const double day = std::trunc(oleDate);
    auto days = static_cast<long long>(day);
    // The time of day is the fraction's size, before and after the day-0 date alike.
    auto ms = std::llround(std::fabs(oleDate - day) * 86400000.0);
    if (ms >= 86400000) {
        ms -= 86400000;
        ++days;
    }
    long long year = 0;
    unsigned month = 0, dayOfMonth = 0;
    CivilFromDays(days - 25569, year, month, dayOfMonth);
    std::array<char, 32> text{};
    const int hour = static_cast<int>(ms / 3600000);
    const int minute = static_cast<int>(ms / 60000 % 60);
    std::snprintf(text.data(), text.size(), " %04d-%02u-%02u %02d:%02d", static_cast<int>(year),
                  month % 13, dayOfMonth % 32, hour % 24, minute);
    return text.data();
}

struct TOldStoreFile::Handle {
    MdbHandle* Mdb = nullptr;
};

TOldStoreFile::TOldStoreFile(std::unique_ptr<Handle> handle) : Handle_(std::move(handle)) {}

TOldStoreFile::~TOldStoreFile() {
    mdb_close(Handle_->Mdb);
}

std::unique_ptr<TOldStoreFile> TOldStoreFile::Open(const std::string& path) {
    MdbHandle* mdb = mdb_open(path.c_str(), MDB_NOFLAGS);
    if (mdb == nullptr) {
        return nullptr;
    }
    // Before the catalog is read: a longer memo would be cut off without a word.
    mdb_set_bind_size(mdb, BindSize);
    // The catalog is read once per handle: reading it again frees the table entries.
    if (mdb_read_catalog(mdb, MDB_TABLE) == nullptr) {
        mdb_close(mdb);
        return nullptr;
    }
    auto handle = std::make_unique<Handle>();
    handle->Mdb = mdb;
    return std::unique_ptr<TOldStoreFile>(new TOldStoreFile(std::move(handle)));
}

struct TOldSource::Table {
    MdbHandle* Mdb = nullptr;
    MdbTableDef* Def = nullptr;
    std::array<std::vector<char>, 8> Buffers;
    std::array<int, 8> Lengths{};
    std::array<MdbColumn*, 8> Columns{};
    bool Fetched = false;
    bool HasRow = false;

    ~Table() {
        if (Def != nullptr) {
            mdb_free_tabledef(Def);
        }
    }
    const char* Text(int k) const { return Buffers[static_cast<std::size_t>(k)].data(); }
    int Length(int k) const { return Lengths[static_cast<std::size_t>(k)]; }
    void Bind();
    void Read(SolutionRow& row) const;
};

void TOldSource::Table::Bind() {
    for (std::size_t k = 0; k < OldColumnNames.size(); ++k) {
        Buffers[k].assign(Mdb->bind_size, '\0');
        std::string name = OldColumnNames[k];
        const int column =
            mdb_bind_column_by_name(Def, name.data(), Buffers[k].data(), &Lengths[k]);
        if (column < 1) {
            throw std::runtime_error("old store: Tab_Solution lacks a column");
        }
        Columns[k] = static_cast<MdbColumn*>(g_ptr_array_index(Def->columns, column - 1));
    }
    if (Columns[DateTime]->col_type != MDB_DATETIME) {
        throw std::runtime_error("old store: Sol_DateTime is no date");
    }
}

void TOldSource::Table::Read(SolutionRow& row) const {
    row.XsbCrc32 = ParseInt32(Text(XsbCrc), Length(XsbCrc));
    row.TurnNum = ParseInt32(Text(TurnNum), Length(TurnNum));
    row.Goals = ParseInt32(Text(Goals), Length(Goals));
    row.SolCrc32 = ParseInt32(Text(SolCrc), Length(SolCrc));
    row.Moves = ParseInteger(Text(Moves), Length(Moves));
    row.Pushs = ParseInteger(Text(Pushs), Length(Pushs));
    row.SolText.assign(Text(SolText), static_cast<std::size_t>(Length(SolText)));
    row.XsbText.clear();
    const MdbColumn* date = Columns[DateTime];
    row.DateTime = date->cur_value_len == 8
                       ? OldDateText(mdb_get_double(Mdb->pg_buf, date->cur_value_start))
                       : std::string();
}

TOldSource::TOldSource(TOldStoreFile& file) : File_(file) {}

TOldSource::~TOldSource() = default;

bool TOldSource::Open() {
    auto table = std::make_unique<Table>();
    table->Mdb = File_.Get().Mdb;
    std::string name = "Tab_Solution";
    MdbCatalogEntry* entry = mdb_get_catalogentry_by_name(table->Mdb, name.data());
    if (entry == nullptr || entry->object_type != MDB_TABLE) {
        throw std::runtime_error("old store: no table Tab_Solution");
    }
    table->Def = mdb_read_table(entry);
    if (table->Def == nullptr || mdb_read_columns(table->Def) == nullptr) {
        throw std::runtime_error("old store: Tab_Solution cannot be read");
    }
    mdb_rewind_table(table->Def);
    table->Bind();
    Table_ = std::move(table);
    return true;
}

std::size_t TOldSource::RowCount() const {
    return Table_ ? Table_->Def->num_rows : 0;
}

bool TOldSource::AtEnd() {
    if (!Table_) {
        return true;
    }
    if (!Table_->Fetched) {
        Table_->HasRow = mdb_fetch_row(Table_->Def) != 0;
        Table_->Fetched = true;
    }
    return !Table_->HasRow;
}

SourceRow TOldSource::Next(SolutionRow& row) {
    Table_->Fetched = false;
    if (Table_->Length(SolText) > static_cast<int>(MaxLurdLength)) {
        return SourceRow::Invalid; // longer than a move text may be, or cut off by the reader
    }
    Table_->Read(row);
    return SourceRow::Valid;
}

} // namespace lodrin
