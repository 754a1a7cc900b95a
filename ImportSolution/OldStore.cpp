#include "ImportSolution/OldStore.h"

#include "ImportSolution/ImportMessages.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace lodrin {
namespace {

// How long a reader whose stream broke may take to end by itself before it is killed.
constexpr std::int64_t BrokenReaderGraceMs = 1000;

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

SolutionRow ToSolutionRow(OldStoreRecord&& record) {
    SolutionRow row = std::move(record.Row);
    row.XsbText.clear(); // the old store holds no level text
    row.DateTime = record.HasDate ? OldDateText(record.OleDate) : std::string();
    return row;
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

bool HasJetSignature(std::string_view firstBytes) {
    // Page 0 names its engine at byte 4: Jet for Access 97 to 2003, ACE after.
    constexpr std::string_view Jet("\x00\x01\x00\x00Standard Jet DB\x00", 20);
    constexpr std::string_view Ace("\x00\x01\x00\x00Standard ACE DB\x00", 20);
    return firstBytes.substr(0, Jet.size()) == Jet || firstBytes.substr(0, Ace.size()) == Ace;
}

TOldSource::TOldSource(std::string path, OldStoreReaderCommand command)
    : Path_(std::move(path)), Command_(std::move(command)) {}

TOldSource::~TOldSource() = default;

void TOldSource::Fail(std::string reason) {
    Ended_ = true;
    if (Child_) {
        // The child's own end tells more than a stream that broke because of it.
        const std::string ended = Child_->Finish(BrokenReaderGraceMs);
        if (!ended.empty()) {
            reason += "; " + ended;
        }
        Child_.reset();
    }
    throw TSourceError(Delivered_ == 0 ? OldStoreOpenFailedText : ImportFailedText, reason);
}

bool TOldSource::Open(const std::atomic<bool>& StopRequested) {
    std::vector<std::string> argv = Command_.Program;
    argv.push_back(Path_);
    try {
        Child_ =
            std::make_unique<TReaderChild>(argv, Command_.Limits, StopRequested, Command_.Clock);
        Stream_ = std::make_unique<TOldStoreStreamReader>(*Child_);
        Stream_->ReadTag();
        const OldStoreMessage first = Receive();
        if (first.Kind != OldStoreMessageKind::RowCount) {
            Fail("the old-store reader sent no row count");
        }
        RowCount_ = static_cast<std::size_t>(first.RowCount);
    } catch (const TReadStopped&) {
        Ended_ = true; // stopped before the first row: the report shows nothing done
    } catch (const TStreamError& error) {
        Fail(error.what());
    }
    return true;
}

OldStoreMessage TOldSource::Receive() {
    OldStoreMessage message = Stream_->Next();
    if (message.Kind == OldStoreMessageKind::Failure) {
        Fail("the old-store reader failed: " + message.Reason);
    }
    return message;
}

void TOldSource::CheckEnd() {
    if (!Stream_->AtEndOfStream()) {
        Fail("the old-store reader sent more after its end");
    }
    const std::string ended = Child_->Finish(Command_.Limits.StallMs);
    if (!ended.empty()) {
        Fail(ended);
    }
    Ended_ = true;
}

bool TOldSource::AtEnd() {
    if (Ended_ || Pending_) {
        return Ended_;
    }
    try {
        OldStoreMessage message = Receive();
        switch (message.Kind) {
        case OldStoreMessageKind::Row:
        case OldStoreMessageKind::CutRow:
            Pending_ = std::move(message);
            return false;
        case OldStoreMessageKind::End:
            CheckEnd();
            return true;
        default:
            Fail("the old-store reader sent a second row count");
        }
    } catch (const TReadStopped&) {
        Ended_ = true;
    } catch (const TStreamError& error) {
        Fail(error.what());
    }
    return true;
}

void TOldSource::Close() {
    Stream_.reset();
    Child_.reset();
    Pending_.reset();
    Ended_ = true;
}

SourceRow TOldSource::Next(SolutionRow& row) {
    OldStoreMessage message = std::move(*Pending_);
    Pending_.reset();
    ++Delivered_;
    if (message.Kind == OldStoreMessageKind::CutRow) {
        return SourceRow::Invalid; // its solution could not be read whole: not stored
    }
    row = ToSolutionRow(std::move(message.Record));
    return SourceRow::Valid;
}

} // namespace lodrin
