#pragma once

// The path finder's work areas: fixed sizes, allocated once with the finder.

#include "PathFinder/FinderGrid.h"
#include "PathFinder/KeeperTestIndex.h"
#include "PathFinder/PassProbe.h"
#include "board/Lurd.h"

#include <array>
#include <cstdint>

namespace lodrin::finder {

// Pushes or pulls of going through run along one line of the board.
inline constexpr int MaxPassPushes = MaxSide;
// One pass: n pushes, a walk of at most every square, n pushes back.
inline constexpr int SegmentLimit = 2 * MaxPassPushes + MaxSide * MaxSide;
// A push (square, direction) is accepted at most once per box search.
inline constexpr int StepLimit = 4 * MaxSide * MaxSide;
inline constexpr int RouteLimit = StepLimit + 1;

// Per-search memory of pass tests: the map does not change during one keeper
// search, so a pass test (square, direction) is decided once.
struct TPassMemo {
    std::array<std::uint32_t, GridCells * 4> Stamp{};
    std::array<std::uint8_t, GridCells * 4> Passed;
    std::array<std::uint8_t, GridCells * 4> Pushes;
    std::uint32_t Current = 0;

    void NextSearch() {
        if (++Current == 0) {
            Stamp.fill(0);
            Current = 1;
        }
    }
};

// A state of the box reach search.
struct BoxState {
    int Box;
    int Keeper;
};

// A node of the route search's ordered list.
struct RouteNode {
    int Box;
    int Keeper;
    int Distance;
    int Pushes;
    int Turns;     // -1 at the start
    int Direction; // -1 at the start
    int Next;      // -1 at the end of the list
    int Order;     // insertion number: equal keys leave in the order they came
};

// Bits of the two mark layers: forward marks in the low half of a byte, reverse
// marks in the high half.
constexpr std::uint8_t HalfMask(PlayMode mode) {
    return IsReverse(mode) ? 0xF0 : 0x0F;
}
// Keeper layer: reached; box layer: the selected box can get there.
constexpr std::uint8_t ReachBit(PlayMode mode) {
    return IsReverse(mode) ? 16 : 1;
}
// Keeper layer: reached only by going through a box.
constexpr std::uint8_t ThroughBit(PlayMode mode) {
    return IsReverse(mode) ? 32 : 2;
}
// Keeper layer: a box the keeper went through.
constexpr std::uint8_t PassBoxBit(PlayMode mode) {
    return IsReverse(mode) ? 64 : 4;
}

// Clears the forward (low) or reverse (high) half of a mark layer over the board.
inline void ClearHalf(std::array<std::uint8_t, GridCells>& layer, const TFinderGrid& grid,
                      PlayMode mode) {
    const auto keep = static_cast<std::uint8_t>(~HalfMask(mode));
    for (int r = 0; r < grid.Height(); ++r) {
        std::uint8_t* row = &layer[static_cast<std::size_t>(GridIndex(r, 0))];
        for (int c = 0; c < grid.Width(); ++c) {
            row[c] &= keep;
        }
    }
}

// Buffers that every search writes before it reads them are left uninitialised,
// so that a new finder does not touch memory it may never use.
struct TFinderWork {
    TFinderWork() : Index(Grid, Probe) {}

    TFinderGrid Grid;
    std::array<std::uint8_t, GridCells> KeeperLayer{};
    std::array<std::uint8_t, GridCells> BoxLayer{};

    // Keeper searches.
    std::array<int, QueueLimit> Queue;
    std::array<std::int16_t, GridCells> Parent;
    std::array<int, GridCells> ScanList;
    int ScanCount = -1; // -1: not built for this search
    TPassMemo Memo;

    // Pass test and pass segment.
    std::array<std::uint32_t, GridCells> PassVisited{};
    std::uint32_t PassStamp = 0;
    std::array<int, QueueLimit> PassQueue;
    std::array<std::int16_t, GridCells> PassParent;
    int PassCount = 0;
    std::array<char, SegmentLimit> Segment;

    // Keeper path output, written from its end.
    std::array<char, MaxLurdLength> Path;
    int PathStart = static_cast<int>(MaxLurdLength);

    // Box searches.
    std::array<std::uint8_t, GridCells * 4> PushDone;
    std::array<BoxState, QueueLimit> States;
    std::array<RouteNode, RouteLimit> Nodes;
    int FreeNode = -1;  // released nodes
    int UnusedNode = 0; // nodes never handed out in this search
    int Head = -1;      // the ordered list of the straightforward search
    // The fast search keeps the same order in a binary heap.
    std::array<int, RouteLimit> Heap;
    int HeapSize = 0;
    int NextOrder = 0;
    std::array<std::uint32_t, StepLimit> Steps;
    int StepCount = 0;
    std::array<int, StepLimit> Taken;
    std::array<char, MaxLurdLength> Moves;
    int MoveCount = 0;

    TPassProbe Probe;
    TKeeperTestIndex Index;
};

} // namespace lodrin::finder
