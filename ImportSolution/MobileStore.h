#pragma once

#include "ImportSolution/CanonicalLevel.h"
#include "ImportSolution/SolutionSource.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lodrin {

// One solution row of the mobile store's G_State, as read.
struct MobileRow {
    std::string LevelText; // L_thin_XSB
    std::string Answer;    // G_Ans
    std::int64_t Moves = 0;
    std::int64_t Pushs = 0;
    std::string DateTime; // G_DateTime
};

// G_DateTime cut to Sol_DateTime: at most 16 characters before the last three.
std::string MobileDateText(std::string_view dateTime);

// Turns a mobile row into a store row with its canonical level and keys; false when
// the level gives no key. The row's texts are moved out.
bool MobileRowToSolution(MobileRow& in, TLevelCanonicalizer& canonicalizer, CanonicalLevel& level,
                         SolutionRow& out);

// The mobile store "Lodrin_An.db": an SQLite file opened read-only, its solution rows
// read one at a time, so that a read error late in the store keeps the rows before it.
class TMobileSource : public TSolutionSource {
public:
    explicit TMobileSource(std::string path);
    ~TMobileSource() override;

    ImportSource Kind() const override { return ImportSource::Mobile; }
    bool Open(const std::atomic<bool>& StopRequested) override;
    std::size_t RowCount() const override { return RowCount_; }
    bool AtEnd() override;
    SourceRow Next(SolutionRow& row) override;
    void Close() override;

private:
    std::string Path_;
    std::unique_ptr<SQLite::Database> Db_;
    std::unique_ptr<SQLite::Statement> Query_;
    std::array<int, 5> Columns_{};
    std::size_t RowCount_ = 0;
    bool Fetched_ = false;
    bool HasRow_ = false;
    TLevelCanonicalizer Canonicalizer_;
    CanonicalLevel Level_;
};

} // namespace lodrin
