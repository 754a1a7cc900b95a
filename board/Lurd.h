#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace lodrin {

// Longest move text the trial field keeps, and longest path the finder builds.
inline constexpr std::size_t MaxLurdLength = 200000;

// One direction of the path finder's order (left, right, up, down).
struct FinderDirection {
    char Step; // l r u d
    char Push; // L R U D
    int DRow;
    int DCol;
    int Bit;      // 1, 2, 4, 8
    int Opposite; // index of the opposite direction
};

// The path finder's direction order: every search visits neighbours in it.
inline constexpr std::array<FinderDirection, 4> FinderDirectionOrder = {{
    {'l', 'L', 0, -1, 1, 1},
    {'r', 'R', 0, +1, 2, 0},
    {'u', 'U', -1, 0, 4, 3},
    {'d', 'D', +1, 0, 8, 2},
}};

// Index k gives the step character, 4 + k the push or pull character.
inline constexpr std::string_view FinderChars = "lrudLRUD";

// The turn table's direction order (l, u, r, d, then the upper-case forms).
inline constexpr std::string_view TurnDirectionOrder = "lurdLURD";

// Whether ch is one of the eight move characters.
constexpr bool IsLurdChar(char ch) {
    return FinderChars.find(ch) != std::string_view::npos;
}

// Whether ch is a push (forward) or pull (reverse): L U R D.
constexpr bool IsPushChar(char ch) {
    return ch == 'L' || ch == 'U' || ch == 'R' || ch == 'D';
}

// FinderDirectionOrder index of a move character (either case), or -1.
constexpr int LurdDirection(char ch) {
    const std::size_t i = FinderChars.find(ch);
    return i == std::string_view::npos ? -1 : static_cast<int>(i % 4);
}

// Lower-case step character of a move character; other characters unchanged.
constexpr char LurdLower(char ch) {
    return IsPushChar(ch) ? static_cast<char>(ch - 'A' + 'a') : ch;
}
// Upper-case push character of a move character; other characters unchanged.
constexpr char LurdUpper(char ch) {
    return IsLurdChar(ch) && !IsPushChar(ch) ? static_cast<char>(ch - 'a' + 'A') : ch;
}

} // namespace lodrin
