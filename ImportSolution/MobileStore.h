#pragma once

#include "ImportSolution/CanonicalLevel.h"
#include "ImportSolution/SolutionSource.h"

#include <cstdint>
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
// the level gives no key or the solution is longer than a move text may be. The row's
// texts are moved out.
bool MobileRowToSolution(MobileRow& in, TLevelCanonicalizer& canonicalizer, CanonicalLevel& level,
                         SolutionRow& out);

// The mobile store "Lodrin_An.db": an SQLite file opened read-only, its solution rows
// read whole before the run goes through them.
class TMobileSource : public TSolutionSource {
public:
    explicit TMobileSource(std::string path) : Path_(std::move(path)) {}

    ImportSource Kind() const override { return ImportSource::Mobile; }
    bool Open() override;
    std::size_t RowCount() const override { return Rows_.size(); }
    bool AtEnd() override { return Next_ >= Rows_.size(); }
    SourceRow Next(SolutionRow& row) override;

private:
    std::string Path_;
    std::vector<MobileRow> Rows_;
    std::size_t Next_ = 0;
    TLevelCanonicalizer Canonicalizer_;
    CanonicalLevel Level_;
};

} // namespace lodrin
