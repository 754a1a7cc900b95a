#include "ImportSolution/SolutionStore.h"

#include <SQLiteCpp/Exception.h>

namespace lodrin {

bool HasTableNoCase(SQLite::Database& db, std::string_view name) {
    SQLite::Statement query(
        db, "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE");
    query.bind(1, std::string(name));
    return query.executeStep() && query.getColumn(0).getInt64() != 0;
}

void PrepareSolutionStore(SQLite::Database& db) {
    if (!HasTableNoCase(db, "Tab_Solution")) {
        db.exec(std::string(CreateSolutionTableSql));
    }
    try {
        db.exec("DROP INDEX sol_Index");
    } catch (const SQLite::Exception&) {
        // The index may be missing; it is built anew below either way.
    }
    db.exec(std::string(CreateSolutionIndexSql));
}

bool PrepareSolutionStoreAt(const std::string& path, std::string* reason) {
    try {
        SQLite::Database db(path, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        PrepareSolutionStore(db);
        return true;
    } catch (const std::exception& error) {
        if (reason != nullptr) {
            *reason = error.what();
        }
        return false;
    }
}

TSolutionStore::TSolutionStore(SQLite::Database& db)
    : CountKey_(db, "SELECT COUNT (*) as _NUM_ FROM Tab_Solution WHERE XSB_CRC32 = ? and Goals = "
                    "? and Sol_CRC32 = ?"),
      FindKey_(db,
               "SELECT ID FROM Tab_Solution WHERE XSB_CRC32 = ? and Goals = ? and Sol_CRC32 = ?"),
      InsertMobile_(db, "INSERT INTO Tab_Solution (XSB_CRC32, XSB_CRC_TrunNum, Goals, Sol_CRC32, "
                        "Moves, Pushs, Sol_Text, XSB_Text, Sol_DateTime) VALUES (?, ?, ?, ?, ?, ?, "
                        "?, ?, ?)"),
      InsertOld_(db,
                 "INSERT INTO Tab_Solution (XSB_CRC32, XSB_CRC_TrunNum, Goals, Sol_CRC32, Moves, "
                 "Pushs, Sol_Text, Sol_DateTime) VALUES (?, ?, ?, ?, ?, ?, ?, ?)") {}

void TSolutionStore::BindKey(SQLite::Statement& query, const SolutionKey& key) {
    query.reset();
    query.bind(1, key.XsbCrc32);
    query.bind(2, key.Goals);
    query.bind(3, key.SolCrc32);
}

bool TSolutionStore::IsMobileDuplicate(const SolutionKey& key) {
    BindKey(CountKey_, key);
    const bool found = CountKey_.executeStep() && CountKey_.getColumn("_NUM_").getInt64() != 0;
    CountKey_.reset();
    return found;
}

bool TSolutionStore::IsOldDuplicate(const SolutionKey& key) {
    BindKey(FindKey_, key);
    const bool found = FindKey_.executeStep();
    FindKey_.reset();
    return found;
}

void TSolutionStore::BindCommon(SQLite::Statement& insert, const SolutionRow& row) {
    insert.reset();
    insert.bind(1, row.XsbCrc32);
    insert.bind(2, row.TurnNum);
    insert.bind(3, row.Goals);
    insert.bind(4, row.SolCrc32);
    insert.bind(5, row.Moves);
    insert.bind(6, row.Pushs);
    insert.bindNoCopy(7, row.SolText);
}

void TSolutionStore::InsertMobile(const SolutionRow& row) {
    BindCommon(InsertMobile_, row);
    InsertMobile_.bindNoCopy(8, row.XsbText);
    InsertMobile_.bindNoCopy(9, row.DateTime);
    InsertMobile_.exec();
    InsertMobile_.clearBindings();
}

void TSolutionStore::InsertOld(const SolutionRow& row) {
    BindCommon(InsertOld_, row);
    InsertOld_.bindNoCopy(8, row.DateTime);
    InsertOld_.exec();
    InsertOld_.clearBindings();
}

} // namespace lodrin
