#include "board/LevelFromLurd.h"

#include "board/Lurd.h"

#include <algorithm>
#include <array>
#include <memory>

namespace lodrin {
namespace {

constexpr int GridSize = 200; // rows and columns 1..200
constexpr int StartRow = 100;
constexpr int StartCol = 100;

// The 200 x 200 replay grid with the keeper and the bounding box of what it touched.
class ReplayGrid {
public:
    ReplayGrid() { Cells_.fill('_'); }

    char At(int r, int c) const { return Cells_[Index(r, c)]; }
    void Set(int r, int c, char ch) { Cells_[Index(r, c)] = ch; }
    static bool Inside(int r, int c) { return r >= 2 && r <= 199 && c >= 2 && c <= 199; }
    void Touch(int r, int c) {
        Top = std::min(Top, r);
        Bottom = std::max(Bottom, r);
        Left = std::min(Left, c);
        Right = std::max(Right, c);
    }

    int KeeperRow = StartRow;
    int KeeperCol = StartCol;
    int Top = StartRow, Bottom = StartRow, Left = StartCol, Right = StartCol;

private:
    static std::size_t Index(int r, int c) {
        return static_cast<std::size_t>(r - 1) * GridSize + static_cast<std::size_t>(c - 1);
    }
    std::array<char, GridSize * GridSize> Cells_{};
};

bool HoldsBox(char ch) {
    return ch == '$' || ch == '*';
}

// Takes back one step: the keeper returns to the square it came from.
bool UndoStep(ReplayGrid& g, const FinderDirection& d) {
    const int tr = g.KeeperRow - d.DRow;
    const int tc = g.KeeperCol - d.DCol;
    if (!ReplayGrid::Inside(tr, tc) || HoldsBox(g.At(tr, tc))) {
        return false;
    }
    if (g.At(tr, tc) == '_') {
        g.Set(tr, tc, '-');
    }
    g.KeeperRow = tr;
    g.KeeperCol = tc;
    g.Touch(tr, tc);
    return true;
}

// Takes back one push: the keeper steps back and pulls the box onto its old square.
bool UndoPush(ReplayGrid& g, const FinderDirection& d) {
    const int kr = g.KeeperRow, kc = g.KeeperCol;
    const int tr = kr - d.DRow, tc = kc - d.DCol;
    const int br = kr + d.DRow, bc = kc + d.DCol;
    if (!ReplayGrid::Inside(tr, tc) || !ReplayGrid::Inside(br, bc) || HoldsBox(g.At(tr, tc)) ||
        g.At(br, bc) == '-') {
        return false;
    }
    if (g.At(tr, tc) == '_') {
        g.Set(tr, tc, '-');
    }
    const char b = g.At(br, bc);
    g.Set(br, bc, b == '$' ? '-' : '.');
    g.Set(kr, kc, g.At(kr, kc) == '.' ? '*' : '$');
    g.KeeperRow = tr;
    g.KeeperCol = tc;
    g.Touch(tr, tc);
    g.Touch(br, bc);
    return true;
}

void CloseWithWalls(ReplayGrid& g) {
    for (int r = g.Top; r <= g.Bottom; ++r) {
        for (int c = g.Left; c <= g.Right; ++c) {
            const char ch = g.At(r, c);
            if (ch == '_' || ch == '#') {
                continue;
            }
            for (int dr = -1; dr <= 1; ++dr) {
                for (int dc = -1; dc <= 1; ++dc) {
                    if (g.At(r + dr, c + dc) == '_') {
                        g.Set(r + dr, c + dc, '#');
                    }
                }
            }
        }
    }
}

} // namespace

bool IsLurdText(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char ch) {
        return ch == '\t' || ch == ' ' || IsLurdChar(ch);
    });
}

std::optional<std::vector<std::string>> LevelFromLurd(std::string_view text) {
    auto grid = std::make_unique<ReplayGrid>();
    ReplayGrid& g = *grid;
    g.Set(StartRow, StartCol, '-');
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        const char ch = *it;
        const int k = LurdDirection(ch);
        if (k < 0) {
            continue; // TAB and space
        }
        const FinderDirection& d = FinderDirectionOrder[static_cast<std::size_t>(k)];
        if (!(IsPushChar(ch) ? UndoPush(g, d) : UndoStep(g, d))) {
            return std::nullopt;
        }
    }
    if (g.Right - g.Left < 2 && g.Bottom - g.Top < 2) {
        return std::nullopt;
    }
    g.Set(g.KeeperRow, g.KeeperCol, g.At(g.KeeperRow, g.KeeperCol) == '.' ? '+' : '@');
    CloseWithWalls(g);

    std::vector<std::string> rows;
    for (int r = g.Top - 1; r <= g.Bottom + 1; ++r) {
        std::string row;
        for (int c = g.Left - 1; c <= g.Right + 1; ++c) {
            row.push_back(g.At(r, c));
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace lodrin
