#include "ImportSolution/MobileStore.h"

#include "ImportSolution/CRC_32.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <stdexcept>
#include <strings.h>

namespace lodrin {
namespace {

// The G_State columns the run reads, in MobileRow order.
constexpr std::array<const char*, 5> MobileColumnNames = {"L_thin_XSB", "G_Ans", "G_Moves",
                                                          "G_Pushs", "G_DateTime"};

// Where each wanted column stands in the result, -1 when it is missing.
std::array<int, 5> FindColumns(const SQLite::Statement& query) {
    std::array<int, 5> at{-1, -1, -1, -1, -1};
    for (int i = query.getColumnCount() - 1; i >= 0; --i) {
        const char* name = query.getColumnName(i);
        for (std::size_t k = 0; k < MobileColumnNames.size(); ++k) {
            if (strcasecmp(name, MobileColumnNames[k]) == 0) {
                at[k] = i;
            }
        }
    }
    return at;
}

std::string TextAt(const SQLite::Statement& query, int index) {
    const SQLite::Column column = query.getColumn(index);
    return column.isNull() ? std::string() : column.getString();
}

MobileRow ReadRow(const SQLite::Statement& query, const std::array<int, 5>& at) {
    MobileRow row;
    row.LevelText = TextAt(query, at[0]);
    row.Answer = TextAt(query, at[1]);
    row.Moves = query.getColumn(at[2]).getInt64();
    row.Pushs = query.getColumn(at[3]).getInt64();
    row.DateTime = TextAt(query, at[4]);
    return row;
}

} // namespace

std::string MobileDateText(std::string_view dateTime) {
    const std::size_t length = dateTime.size();
    const std::size_t from = length >= 19 ? length - 19 : 0;
    return std::string(dateTime.substr(from, 16));
}

bool MobileRowToSolution(MobileRow& in, TLevelCanonicalizer& canonicalizer, CanonicalLevel& level,
                         SolutionRow& out) {
    if (!canonicalizer.Canonicalize(in.LevelText, level)) {
        return false;
    }
    out.XsbCrc32 = level.XsbCrc32;
    out.TurnNum = level.TurnNum;
    out.Goals = level.Goals;
    out.SolCrc32 = Crc32(in.Answer);
    out.Moves = in.Moves;
    out.Pushs = in.Pushs;
    out.SolText.swap(in.Answer);
    out.XsbText.swap(level.XsbText);
    out.DateTime = MobileDateText(in.DateTime);
    return true;
}

TMobileSource::TMobileSource(std::string path) : Path_(std::move(path)) {}

TMobileSource::~TMobileSource() = default;

bool TMobileSource::Open(const std::atomic<bool>&) {
    Query_.reset();
    Db_.reset();
    Fetched_ = false;
    std::error_code error;
    if (!std::filesystem::is_regular_file(Path_, error)) {
        return false; // never let SQLite create an empty store in its place
    }
    Db_ = std::make_unique<SQLite::Database>(Path_, SQLite::OPEN_READONLY);
    if (!HasTableNoCase(*Db_, "G_State")) {
        return false;
    }
    // The progress maximum; the rows themselves are read one at a time.
    RowCount_ = static_cast<std::size_t>(
        Db_->execAndGet("select count(*) from G_State where G_Solution = 1").getInt64());
    if (RowCount_ == 0) {
        return false;
    }
    Query_ =
        std::make_unique<SQLite::Statement>(*Db_, "select * from G_State where G_Solution = 1");
    Columns_ = FindColumns(*Query_);
    if (std::any_of(Columns_.begin(), Columns_.end(), [](int index) { return index < 0; })) {
        throw std::runtime_error("G_State lacks a solution column (L_thin_XSB, G_Ans, G_Moves, "
                                 "G_Pushs or G_DateTime)");
    }
    return true;
}

bool TMobileSource::AtEnd() {
    if (!Query_) {
        return true;
    }
    if (!Fetched_) {
        HasRow_ = Query_->executeStep();
        Fetched_ = true;
    }
    return !HasRow_;
}

void TMobileSource::Close() {
    Query_.reset();
    Db_.reset();
}

SourceRow TMobileSource::Next(SolutionRow& row) {
    Fetched_ = false;
    MobileRow in = ReadRow(*Query_, Columns_);
    return MobileRowToSolution(in, Canonicalizer_, Level_, row) ? SourceRow::Valid
                                                                : SourceRow::Invalid;
}

} // namespace lodrin
