#include "ImportSolution/CanonicalLevel.h"

#include "ImportSolution/CRC_32.h"
#include "board/Turn.h"

#include <algorithm>
#include <cstring>

namespace lodrin {
namespace {

bool IsLineFeed(char ch) {
    return ch == '\n' || ch == '\r';
}

// Hands each line of the text to `take` (a string_view into the text) until it returns
// false; returns whether every line was taken.
template <class Take> bool ForEachLevelLine(std::string_view text, Take&& take) {
    const std::size_t n = text.size();
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < n) {
        if (!IsLineFeed(text[i])) {
            ++i;
            continue;
        }
        if (!take(text.substr(start, i - start))) {
            return false;
        }
        i += i + 1 < n && IsLineFeed(text[i + 1]) ? 2 : 1;
        start = i;
    }
    return start >= n || take(text.substr(start));
}

bool IsInside(char ch) {
    return ch != '#' && ch != '_';
}

} // namespace

std::vector<std::string> SplitLevelLines(std::string_view text) {
    std::vector<std::string> lines;
    ForEachLevelLine(text, [&](std::string_view line) {
        lines.emplace_back(line);
        return true;
    });
    return lines;
}

CanonicalLevel CanonicalizeLevel(std::string_view text) {
    TLevelCanonicalizer canonicalizer;
    CanonicalLevel level;
    canonicalizer.Canonicalize(text, level);
    return level;
}

std::int32_t TurnedGridCrc32(std::string_view cells, int rows, int cols, int turn) {
    if (rows <= 0 || cols <= 0 || cells.size() < static_cast<std::size_t>(rows) * cols) {
        return 0;
    }
    // The board cell under view square (x, y) moves by fixed steps along x and y.
    const BoardCell origin = ViewToBoard(turn, 0, 0, rows, cols);
    const BoardCell alongX = ViewToBoard(turn, 1, 0, rows, cols);
    const BoardCell alongY = ViewToBoard(turn, 0, 1, rows, cols);
    const long base = static_cast<long>(origin.Row) * cols + origin.Col;
    const long dx = static_cast<long>(alongX.Row - origin.Row) * cols + (alongX.Col - origin.Col);
    const long dy = static_cast<long>(alongY.Row - origin.Row) * cols + (alongY.Col - origin.Col);
    const ViewCell size = ViewSize(turn, rows, cols);
    std::array<char, 128> chunk{};
    std::uint32_t crc = 0;
    for (int y = 0; y < size.Y; ++y) {
        for (int x0 = 0; x0 < size.X; x0 += static_cast<int>(chunk.size())) {
            const int n = std::min(size.X - x0, static_cast<int>(chunk.size()));
            long from = base + y * dy + x0 * dx;
            for (int x = 0; x < n; ++x, from += dx) {
                chunk[static_cast<std::size_t>(x)] = cells[static_cast<std::size_t>(from)];
            }
            crc = Crc32Update(crc, std::string_view(chunk.data(), static_cast<std::size_t>(n)));
        }
    }
    return SignedCrc(crc);
}

bool TLevelCanonicalizer::Canonicalize(std::string_view text, CanonicalLevel& out) {
    out.Ok = false;
    int keeper = 0;
    if (!LayLines(text) || !FindKeeper(keeper)) {
        return false;
    }
    const Region region = Flood(keeper);
    if (region.Boxes != region.Goals || region.Goals < 1) {
        return false;
    }
    H_ = region.Bottom - region.Top + 3;
    W_ = region.Right - region.Left + 3;
    if (H_ > CanonicalGridMax || W_ > CanonicalGridMax) {
        return false;
    }
    BuildCanonical(region);
    WriteText(out.XsbText);
    out.Goals = region.Goals;
    PickSmallestTurn(out);
    out.Ok = true;
    return true;
}

bool TLevelCanonicalizer::LayLines(std::string_view text) {
    Work_.fill('_');
    Lines_ = 0;
    Width_ = 0;
    return ForEachLevelLine(text, [this](std::string_view line) {
        if (Lines_ == Size || line.size() > static_cast<std::size_t>(Size)) {
            return false;
        }
        std::memcpy(&Work_[static_cast<std::size_t>(Lines_) * Size], line.data(), line.size());
        Width_ = std::max(Width_, static_cast<int>(line.size()));
        ++Lines_;
        return true;
    });
}

bool TLevelCanonicalizer::FindKeeper(int& index) const {
    int keepers = 0;
    for (int r = 0; r < Lines_; ++r) {
        for (int c = 0; c < Width_; ++c) {
            const char ch = Work_[static_cast<std::size_t>(r * Size + c)];
            if (ch == '@' || ch == '+') {
                ++keepers;
                index = r * Size + c;
            }
        }
    }
    return keepers == 1;
}

TLevelCanonicalizer::Region TLevelCanonicalizer::Flood(int keeper) {
    Seen_.fill(0);
    Region region{0, 0, keeper / Size, keeper % Size, keeper / Size, keeper % Size};
    std::size_t head = 0, tail = 0;
    Queue_[tail++] = static_cast<std::uint16_t>(keeper);
    Seen_[static_cast<std::size_t>(keeper)] = 1;
    while (head < tail) {
        const int at = Queue_[head++];
        const int r = at / Size, c = at % Size;
        const char ch = Work_[static_cast<std::size_t>(at)];
        region.Boxes += ch == '$' || ch == '*';
        region.Goals += ch == '*' || ch == '+' || ch == '.';
        region.Top = std::min(region.Top, r);
        region.Bottom = std::max(region.Bottom, r);
        region.Left = std::min(region.Left, c);
        region.Right = std::max(region.Right, c);
        const int next[4][2] = {{r, c - 1}, {r, c + 1}, {r - 1, c}, {r + 1, c}};
        for (const auto& [nr, nc] : next) {
            const auto n = static_cast<std::size_t>(nr * Size + nc);
            if (nr < 0 || nr >= Lines_ || nc < 0 || nc >= Width_ || Seen_[n] != 0 ||
                !IsInside(Work_[n])) {
                continue;
            }
            Seen_[n] = 1;
            Queue_[tail++] = static_cast<std::uint16_t>(n);
        }
    }
    return region;
}

void TLevelCanonicalizer::BuildCanonical(const Region& region) {
    const auto at = [this](int r, int c) -> char& {
        return Canon_[static_cast<std::size_t>(r * W_ + c)];
    };
    std::memset(Canon_.data(), '_', static_cast<std::size_t>(H_ * W_));
    for (int r = region.Top; r <= region.Bottom; ++r) {
        for (int c = region.Left; c <= region.Right; ++c) {
            const int cr = r - region.Top + 1, cc = c - region.Left + 1;
            const char ch = Work_[static_cast<std::size_t>(r * Size + c)];
            at(cr, cc) = ch;
            if (!IsInside(ch)) {
                continue;
            }
            for (int nr = cr - 1; nr <= cr + 1; ++nr) {
                for (int nc = cc - 1; nc <= cc + 1; ++nc) {
                    if (at(nr, nc) == '_') {
                        at(nr, nc) = '#';
                    }
                }
            }
        }
    }
}

void TLevelCanonicalizer::WriteText(std::string& text) const {
    text.clear();
    text.reserve(static_cast<std::size_t>(H_ * (W_ + 1)));
    for (int r = 0; r < H_; ++r) {
        if (r > 0) {
            text.push_back('\n');
        }
        text.append(&Canon_[static_cast<std::size_t>(r * W_)], static_cast<std::size_t>(W_));
    }
}

void TLevelCanonicalizer::PickSmallestTurn(CanonicalLevel& out) {
    const std::string_view cells(Canon_.data(), static_cast<std::size_t>(H_ * W_));
    out.XsbCrc32 = TurnedGridCrc32(cells, H_, W_, 0);
    out.TurnNum = 0;
    for (int turn = 1; turn < TurnCount; ++turn) {
        const std::int32_t crc = TurnedGridCrc32(cells, H_, W_, turn);
        if (crc < out.XsbCrc32) {
            out.XsbCrc32 = crc;
            out.TurnNum = turn;
        }
    }
}

} // namespace lodrin
