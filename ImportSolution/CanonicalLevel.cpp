#include "ImportSolution/CanonicalLevel.h"

#include "ImportSolution/CRC_32.h"
#include "board/CellCode.h"
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

// What each character counts in the keeper's region: the board's boxes and goals.
struct CharCounts {
    std::array<std::uint8_t, 256> Box{}, Goal{};
    constexpr CharCounts() {
        for (std::size_t ch = 0; ch < Box.size(); ++ch) {
            const CellCode code = XsbCharToCell(static_cast<char>(ch));
            Box[ch] = HasBox(code);
            Goal[ch] = HasGoal(code);
        }
    }
};
constexpr CharCounts Counts;

// Turns a square that holds '_' into `mark`; a no-op when `mark` is '_'.
void Mark(char& square, char mark) {
    square = square == '_' ? mark : square;
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
    // Rows follow each other with nothing between them, so the turned cells are gathered
    // into a buffer across row ends and checksummed a buffer at a time.
    std::array<char, 4096> buffer;
    std::size_t filled = 0;
    std::uint32_t crc = 0;
    for (int y = 0; y < size.Y; ++y) {
        long from = base + y * dy;
        for (int x = 0; x < size.X; ++x, from += dx) {
            buffer[filled++] = cells[static_cast<std::size_t>(from)];
            if (filled == buffer.size()) {
                crc = Crc32Update(crc, std::string_view(buffer.data(), filled));
                filled = 0;
            }
        }
    }
    crc = Crc32Update(crc, std::string_view(buffer.data(), filled));
    return SignedCrc(crc);
}

bool TLevelCanonicalizer::Canonicalize(std::string_view text, CanonicalLevel& out) {
    out.Ok = false;
    if (!LayLines(text) || Keepers_ != 1) {
        return false;
    }
    const Region region = Flood(Keeper_);
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
    Open_.fill(0);
    Lines_ = Keepers_ = 0;
    return ForEachLevelLine(text, [this](std::string_view line) {
        if (Lines_ == Size || line.size() > static_cast<std::size_t>(Size)) {
            return false;
        }
        const int start = (Lines_ + 1) * Stride + 1;
        std::memcpy(&Work_[static_cast<std::size_t>(start)], line.data(), line.size());
        for (std::size_t c = 0; c < line.size(); ++c) {
            const char ch = line[c];
            Open_[static_cast<std::size_t>(start) + c] = IsInside(ch);
            if (ch == '@' || ch == '+') {
                ++Keepers_;
                Keeper_ = start + static_cast<int>(c);
            }
        }
        ++Lines_;
        return true;
    });
}

TLevelCanonicalizer::Region TLevelCanonicalizer::Flood(int keeper) {
    Region region{0, 0, keeper / Stride, keeper % Stride, keeper / Stride, keeper % Stride};
    std::size_t head = 0, tail = 0;
    Queue_[tail++] = static_cast<std::uint16_t>(keeper);
    Open_[static_cast<std::size_t>(keeper)] = 0;
    while (head < tail) {
        const int at = Queue_[head++];
        const auto ch = static_cast<unsigned char>(Work_[static_cast<std::size_t>(at)]);
        region.Boxes += Counts.Box[ch];
        region.Goals += Counts.Goal[ch];
        region.Top = std::min(region.Top, at / Stride);
        region.Bottom = std::max(region.Bottom, at / Stride);
        region.Left = std::min(region.Left, at % Stride);
        region.Right = std::max(region.Right, at % Stride);
        for (const int step : {-1, +1, -Stride, +Stride}) {
            // Written always, kept only when the square is open: no branch per step.
            const auto next = static_cast<std::size_t>(at + step);
            Queue_[tail] = static_cast<std::uint16_t>(next);
            tail += Open_[next];
            Open_[next] = 0;
        }
    }
    return region;
}

void TLevelCanonicalizer::BuildCanonical(const Region& region) {
    std::memset(Canon_.data(), '_', static_cast<std::size_t>(H_ * W_));
    const int width = region.Right - region.Left + 1;
    for (int r = region.Top; r <= region.Bottom; ++r) {
        const char* from = &Work_[static_cast<std::size_t>(r * Stride + region.Left)];
        char* to = &Canon_[static_cast<std::size_t>((r - region.Top + 1) * W_ + 1)];
        for (int c = 0; c < width; ++c) {
            char* square = to + c;
            *square = from[c];
            // Every '_' around a square of the level becomes a wall ('_' marks nothing).
            const char mark = IsInside(from[c]) ? '#' : '_';
            for (char* row : {square - W_, square, square + W_}) {
                Mark(row[-1], mark);
                Mark(row[0], mark);
                Mark(row[1], mark);
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
