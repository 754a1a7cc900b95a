#include "ImportSolution/MobileStore.h"

#include "ImportSolution/CRC_32.h"
#include "board/Lurd.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

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
    if (in.Answer.size() > MaxLurdLength || !canonicalizer.Canonicalize(in.LevelText, level)) {
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

bool TMobileSource::Open() {
    Rows_.clear();
    Next_ = 0;
    std::error_code error;
    if (!std::filesystem::is_regular_file(Path_, error)) {
        return false; // never let SQLite create an empty store in its place
    }
    SQLite::Database db(Path_, SQLite::OPEN_READONLY);
    if (!HasTableNoCase(db, "G_State")) {
        return false;
    }
    SQLite::Statement query(db, "select * from G_State where G_Solution = 1");
    const std::array<int, 5> at = FindColumns(query);
    const bool complete = std::none_of(at.begin(), at.end(), [](int index) { return index < 0; });
    while (query.executeStep()) {
        if (!complete) {
            throw std::runtime_error("G_State lacks a solution column");
        }
        Rows_.push_back(ReadRow(query, at));
    }
    return !Rows_.empty();
}

SourceRow TMobileSource::Next(SolutionRow& row) {
    MobileRow& in = Rows_[Next_++];
    const bool valid = MobileRowToSolution(in, Canonicalizer_, Level_, row);
    in = MobileRow(); // the run needs each source row once
    return valid ? SourceRow::Valid : SourceRow::Invalid;
}

} // namespace lodrin
