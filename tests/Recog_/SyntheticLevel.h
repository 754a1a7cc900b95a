#pragma once

// Screenshots of levels drawn by code: a distinct, textured tile for every element, laid out
// like a game shows a level. Used by the recognition tests and the sweep benchmark.

#include "Recog_/RgbPicture.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace lodrin::test {

inline Rgb Tint(Rgb c, int d) {
    auto ch = [d](int v) { return static_cast<std::uint8_t>(std::clamp(v + d, 0, 255)); };
    return {ch(c.R), ch(c.G), ch(c.B)};
}

// A small deterministic texture, -3 .. 3.
inline int Grain(int x, int y) {
    const unsigned h = static_cast<unsigned>(x) * 73856093U ^ static_cast<unsigned>(y) * 19349663U;
    return static_cast<int>((h >> 7) % 7) - 3;
}

inline Rgb FloorPixel(int x, int y, int s) {
    const bool seam = x % std::max(2, s / 4) == 0 || y % std::max(2, s / 4) == 0;
    return Tint(seam ? Rgb{176, 152, 108} : Rgb{196, 172, 128}, 3 * Grain(x, y));
}

inline Rgb WallPixel(int x, int y, int s) {
    const int brickHeight = std::max(3, s / 4);
    const int brickWidth = std::max(4, s / 2);
    const int offset = (y / brickHeight) % 2 * (brickWidth / 2);
    if (y % brickHeight == 0 || (x + offset) % brickWidth == 0) {
        return {100, 100, 105};
    }
    return Tint({160, 64, 44}, 4 * Grain(x, y));
}

// A box: a square with a dark band and diagonal planks, in the given colours.
inline Rgb BoxPixel(int x, int y, int s, Rgb light, Rgb dark) {
    const int inset = s / 8;
    const int band = std::max(2, s / 10);
    if (x < inset || y < inset || x >= s - inset || y >= s - inset) {
        return FloorPixel(x, y, s);
    }
    const int u = x - inset, v = y - inset, n = s - 2 * inset;
    if (u < band || v < band || u >= n - band || v >= n - band || std::abs(u - v) <= 1 ||
        std::abs(u + v - (n - 1)) <= 1) {
        return dark;
    }
    return Tint(light, 3 * Grain(x, y));
}

inline double Distance(int x, int y, double cx, double cy) {
    return std::hypot(x + 0.5 - cx, y + 0.5 - cy);
}

inline Rgb GoalPixel(int x, int y, int s) {
    const double d = Distance(x, y, s / 2.0, s / 2.0);
    return d >= s * 0.18 && d <= s * 0.32 ? Rgb{20, 190, 150} : FloorPixel(x, y, s);
}

// The keeper over the given background pixel: a head and a blue body.
inline Rgb KeeperPixel(int x, int y, int s, Rgb background) {
    if (Distance(x, y, s / 2.0, s * 0.3) <= s * 0.16) {
        return {240, 200, 160};
    }
    if (y >= s * 0.45 && y < s * 0.88 && x >= s * 0.28 && x < s * 0.72) {
        return Tint({40, 80, 220}, 2 * Grain(x, y));
    }
    return background;
}

// The pixel (x, y) of the tile for an XSB character; ' ' is the background outside a level.
inline Rgb TilePixel(char kind, int x, int y, int s) {
    switch (kind) {
    case '#':
        return WallPixel(x, y, s);
    case '$':
        return BoxPixel(x, y, s, {214, 150, 62}, {110, 70, 24});
    case '*':
        return BoxPixel(x, y, s, {70, 130, 210}, {20, 50, 110});
    case '.':
        return GoalPixel(x, y, s);
    case '@':
        return KeeperPixel(x, y, s, FloorPixel(x, y, s));
    case '+':
        return KeeperPixel(x, y, s, GoalPixel(x, y, s));
    case ' ':
        return Tint({28, 30, 44}, Grain(x, y));
    default:
        return FloorPixel(x, y, s);
    }
}

// Floor inside the walls as '-', everything the keeper cannot reach as ' ' (outside).
inline std::vector<std::string> MarkInside(std::vector<std::string> rows) {
    std::size_t width = 0;
    for (const std::string& row : rows) {
        width = std::max(width, row.size());
    }
    std::vector<std::pair<int, int>> todo;
    for (std::string& row : rows) {
        row.resize(width, ' ');
        std::replace(row.begin(), row.end(), '-', ' ');
        std::replace(row.begin(), row.end(), '_', ' ');
    }
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        for (int c = 0; c < static_cast<int>(width); ++c) {
            if (rows[r][c] == '@' || rows[r][c] == '+') {
                todo.emplace_back(r, c);
            }
        }
    }
    std::vector<std::vector<bool>> seen(rows.size(), std::vector<bool>(width, false));
    while (!todo.empty()) {
        const auto [r, c] = todo.back();
        todo.pop_back();
        for (const auto& [dr, dc] : {std::pair{0, 1}, {0, -1}, {1, 0}, {-1, 0}}) {
            const int nr = r + dr, nc = c + dc;
            if (nr < 0 || nr >= static_cast<int>(rows.size()) || nc < 0 ||
                nc >= static_cast<int>(width) || seen[nr][nc] || rows[nr][nc] == '#') {
                continue;
            }
            seen[nr][nc] = true;
            if (rows[nr][nc] == ' ') {
                rows[nr][nc] = '-';
            }
            todo.emplace_back(nr, nc);
        }
    }
    return rows;
}

// A width x height screenshot with the level's cell (r, c) at (x0 + c * cell, y0 + r * cell).
inline RgbPicture PaintLevel(const std::vector<std::string>& rows, int cell, int x0, int y0,
                             int width, int height) {
    RgbPicture picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            char kind = ' ';
            const int r = (y - y0) / cell, c = (x - x0) / cell;
            if (y >= y0 && x >= x0 && r < static_cast<int>(rows.size()) &&
                c < static_cast<int>(rows[r].size())) {
                kind = rows[r][c];
            }
            picture.SetPixel(x, y,
                             TilePixel(kind, (x - x0 + cell) % cell, (y - y0 + cell) % cell, cell));
        }
    }
    return picture;
}

// A walled level-like layout of rows x cols with walls, boxes, goals and one keeper.
inline std::vector<std::string> RandomLayout(int rows, int cols, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<std::string> layout(static_cast<std::size_t>(rows), std::string(cols, '-'));
    const char inner[] = "----------##$*.";
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const bool edge = r == 0 || c == 0 || r == rows - 1 || c == cols - 1;
            layout[r][c] = edge ? '#' : inner[rng() % (sizeof inner - 1)];
        }
    }
    layout[rows / 2][cols / 2] = '@';
    return layout;
}

} // namespace lodrin::test
