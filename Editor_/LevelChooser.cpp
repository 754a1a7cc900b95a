#include "Editor_/LevelChooser.h"

#include <algorithm>
#include <numeric>

namespace lodrin {
namespace {

char LowerAscii(char ch) {
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

std::string Lowered(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), LowerAscii);
    return out;
}

std::string_view TrimBlanks(std::string_view s) {
    const std::size_t first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// Whether the text holds the lowered needle, letters of either case matching.
bool Holds(std::string_view text, const std::string& needle) {
    const auto found = std::search(text.begin(), text.end(), needle.begin(), needle.end(),
                                   [](char a, char b) { return LowerAscii(a) == b; });
    return found != text.end() || needle.empty();
}

} // namespace

TLevelChooser::TLevelChooser(std::shared_ptr<const LevelCollection> collection)
    : Collection_(std::move(collection)) {
    SetFilter({});
}

void TLevelChooser::SetFilter(std::string_view text) {
    const std::optional<std::size_t> chosen = ChosenLevel();
    const std::string needle = Lowered(TrimBlanks(text));
    const std::vector<CollectionLevel>& levels = Collection_->Levels;
    Rows_.clear();
    if (needle.empty()) {
        Rows_.resize(levels.size());
        std::iota(Rows_.begin(), Rows_.end(), std::size_t{0});
    } else {
        for (std::size_t i = 0; i < levels.size(); ++i) {
            if (Holds(levels[i].Title, needle) || Holds(levels[i].Author, needle)) {
                Rows_.push_back(i);
            }
        }
    }
    Current_.reset();
    if (chosen) {
        const auto kept = std::lower_bound(Rows_.begin(), Rows_.end(), *chosen);
        if (kept != Rows_.end() && *kept == *chosen) {
            Current_ = static_cast<std::size_t>(kept - Rows_.begin());
        }
    }
    if (!Current_ && !Rows_.empty()) {
        Current_ = 0;
    }
}

void TLevelChooser::SetCurrentRow(std::size_t row) {
    if (row < Rows_.size()) {
        Current_ = row;
    }
}

void TLevelChooser::Move(long delta) {
    if (Rows_.empty()) {
        return;
    }
    const long last = static_cast<long>(Rows_.size()) - 1;
    const long from = Current_ ? static_cast<long>(*Current_) : 0;
    Current_ = static_cast<std::size_t>(std::clamp(from + delta, 0L, last));
}

void TLevelChooser::MoveToFirst() {
    SetCurrentRow(0);
}

void TLevelChooser::MoveToLast() {
    if (!Rows_.empty()) {
        Current_ = Rows_.size() - 1;
    }
}

std::optional<std::size_t> TLevelChooser::ChosenLevel() const {
    if (!Current_) {
        return std::nullopt;
    }
    return Rows_[*Current_];
}

std::string LevelSizeText(const LevelShape& shape) {
    return std::to_string(shape.Rows) + " × " + std::to_string(shape.Cols);
}

} // namespace lodrin
