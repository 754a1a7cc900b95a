#pragma once

// Builds mobile answer stores ("Lodrin_An.db", table G_State) for tests and benchmarks.

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

#include <cstdint>
#include <string>
#include <vector>

namespace lodrin::test {

// One G_State row; Solution is G_Solution (1 for a solved level).
struct GStateRow {
    std::string Level;
    std::string Answer;
    std::int64_t Moves = 0;
    std::int64_t Pushs = 0;
    std::string DateTime = "2023-04-05 06:07:08";
    int Solution = 1;
};

// The worked level: keeper, one box, one goal.
inline const std::string SmallLevel = "  ####\n###  #\n#.@$ #\n######";

// Writes a G_State table with the given rows into a new or existing file.
inline void WriteMobileStore(const std::string& path, const std::vector<GStateRow>& rows,
                             const std::string& columns =
                                 "L_thin_XSB TEXT, G_Ans TEXT, G_Moves INTEGER, G_Pushs INTEGER, "
                                 "G_DateTime TEXT") {
    SQLite::Database db(path, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    db.exec("CREATE TABLE G_State (G_ID INTEGER PRIMARY KEY, G_Solution INTEGER, " + columns + ")");
    SQLite::Statement insert(db, "INSERT INTO G_State (G_Solution, L_thin_XSB, G_Ans, G_Moves, "
                                 "G_Pushs, G_DateTime) VALUES (?, ?, ?, ?, ?, ?)");
    SQLite::Transaction transaction(db);
    for (const GStateRow& row : rows) {
        insert.bind(1, row.Solution);
        insert.bind(2, row.Level);
        insert.bind(3, row.Answer);
        insert.bind(4, static_cast<int64_t>(row.Moves));
        insert.bind(5, static_cast<int64_t>(row.Pushs));
        insert.bind(6, row.DateTime);
        insert.exec();
        insert.reset();
    }
    transaction.commit();
}

// Rows of Tab_Solution in a store file, 0 when there is no such table.
inline std::int64_t StoreRowCount(const std::string& path) {
    SQLite::Database db(path, SQLite::OPEN_READONLY);
    if (!db.tableExists("Tab_Solution")) {
        return 0;
    }
    return db.execAndGet("SELECT count(*) FROM Tab_Solution").getInt64();
}

} // namespace lodrin::test
