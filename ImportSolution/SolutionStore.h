#pragma once

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace lodrin {

// The statement that creates the solution table.
inline constexpr std::string_view CreateSolutionTableSql =
    "CREATE TABLE Tab_Solution ( [ID] INTEGER PRIMARY KEY AUTOINCREMENT, [XSB_CRC32] INTEGER NOT "
    "NULL DEFAULT 0, [XSB_CRC_TrunNum] INTEGER NOT NULL DEFAULT 0, [Goals] INTEGER NOT NULL "
    "DEFAULT "
    "0, [Sol_CRC32] INTEGER NOT NULL DEFAULT 0, [Moves] INTEGER NOT NULL DEFAULT 0, [Pushs] "
    "INTEGER "
    "NOT NULL DEFAULT 0, [Sol_Text] TEXT NOT NULL DEFAULT \"\", [XSB_Text] TEXT NOT NULL DEFAULT "
    "\"\", [Sol_DateTime] TEXT NOT NULL DEFAULT \"\" )";

// The statement that builds the key index.
inline constexpr std::string_view CreateSolutionIndexSql =
    "CREATE INDEX sol_Index ON Tab_Solution(XSB_CRC32, Goals, Sol_CRC32)";

// The key under which a solution is filed: two equal keys are the same solution.
struct SolutionKey {
    std::int32_t XsbCrc32 = 0;
    std::int32_t Goals = 0;
    std::int32_t SolCrc32 = 0;
};

// One row of Tab_Solution as the importer writes it (ID is SQLite's).
struct SolutionRow {
    std::int32_t XsbCrc32 = 0;
    std::int32_t TurnNum = 0;
    std::int32_t Goals = 0;
    std::int32_t SolCrc32 = 0;
    std::int64_t Moves = 0;
    std::int64_t Pushs = 0;
    std::string SolText;
    std::string XsbText; // empty for rows of the old store
    std::string DateTime;

    SolutionKey Key() const { return {XsbCrc32, Goals, SolCrc32}; }
};

// Whether the database holds a table of that name, letter case ignored.
bool HasTableNoCase(SQLite::Database& db, std::string_view name);

// Creates Tab_Solution when it is missing and rebuilds sol_Index. Throws SQLite::Exception.
void PrepareSolutionStore(SQLite::Database& db);

// Opens the store file (creating it when missing), prepares it and closes it again.
// Returns false when any step fails, with the SQLite error in `reason` when given.
bool PrepareSolutionStoreAt(const std::string& path, std::string* reason = nullptr);

// The duplicate tests and inserts of a run, prepared once and reused for every row.
class TSolutionStore {
public:
    // Prepares the statements on a connection to a prepared store. Throws SQLite::Exception.
    explicit TSolutionStore(SQLite::Database& db);

    // Duplicate test of a mobile row: counts the rows with the key.
    bool IsMobileDuplicate(const SolutionKey& key);
    // Duplicate test of an old-store row: looks for one row with the key.
    bool IsOldDuplicate(const SolutionKey& key);
    // Inserts a mobile row with all nine columns.
    void InsertMobile(const SolutionRow& row);
    // Inserts an old-store row; XSB_Text keeps its default.
    void InsertOld(const SolutionRow& row);

private:
    static void BindKey(SQLite::Statement& query, const SolutionKey& key);
    static void BindCommon(SQLite::Statement& insert, const SolutionRow& row);

    SQLite::Statement CountKey_;
    SQLite::Statement FindKey_;
    SQLite::Statement InsertMobile_;
    SQLite::Statement InsertOld_;
};

} // namespace lodrin
