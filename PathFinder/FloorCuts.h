#pragma once

#include "PathFinder/FinderGrid.h"

#include <array>
#include <cstdint>

namespace lodrin::finder {

// A run of depth-first entry numbers [Begin, End).
struct TinRange {
    int Begin = 0;
    int End = 0;
};

// The pieces of one component of the free floor when a box blocks square P:
// each child subtree of P that cuts off on its own, and the rest.
struct FloorSplit {
    static constexpr int RestPiece = 4;
    int Square = -1;
    int Comp = -1;
    int Children = 0;
    std::array<int, 4> Child{}; // child squares in entry order
    std::array<bool, 4> Cuts{}; // whether P separates that child's subtree
};

// Depth-first numbering of the free squares of the cell map: components, entry
// and exit numbers, low points and blocks (the biconnected parts of the floor).
// From them it tells in constant time on which side of a blocked square any other
// free square lies, that is whether two free squares stay connected when a box
// stands on a third; two squares of one block stay connected whatever single
// other square is blocked.
class TFloorCuts {
public:
    // Numbers the free squares of the map as it stands.
    void Build(const TFinderGrid& grid);

    int Comp(int i) const { return Comp_[static_cast<std::size_t>(i)]; }
    int Tin(int i) const { return Tin_[static_cast<std::size_t>(i)]; }
    int Tout(int i) const { return Tout_[static_cast<std::size_t>(i)]; }
    int Order(int tin) const { return Order_[static_cast<std::size_t>(tin)]; }
    int Count() const { return Count_; }
    int CompCount() const { return CompCount_; }
    TinRange CompRange(int comp) const { return CompRange_[static_cast<std::size_t>(comp)]; }

    // The pieces P's component falls into with P blocked (P a free square).
    FloorSplit SplitAt(int p) const;
    // Piece of free square x != P: its component for other components, else
    // CompCount() + the index of P's cutting child whose subtree holds it, or
    // CompCount() + RestPiece.
    int PieceOf(int x, const FloorSplit& split) const;
    // The entry-number runs of a piece; returns how many (at most 6).
    int PieceRanges(int piece, const FloorSplit& split, std::array<TinRange, 6>& out) const;
    // Whether free squares a and b of one component lie in a common block.
    bool ShareBlock(const TFinderGrid& grid, int a, int b) const;

private:
    void NumberComponent(const TFinderGrid& grid, int root);
    void CloseBlock(int closing, int& edges);

    std::array<int, GridCells> Comp_;
    std::array<int, GridCells> Tin_;
    std::array<int, GridCells> Tout_;
    std::array<int, GridCells> Low_;
    std::array<int, GridCells> Parent_;
    std::array<int, GridCells> Order_;
    std::array<TinRange, GridCells> CompRange_;
    std::array<int, GridCells> Stack_;
    std::array<std::uint8_t, GridCells> NextDir_;
    std::array<int, 2 * GridCells> EdgeStack_; // floor edges, 2 * square + (0 right, 1 down)
    std::array<int, 2 * GridCells> BlockOf_;
    int Count_ = 0;
    int CompCount_ = 0;
    int BlockCount_ = 0;
};

} // namespace lodrin::finder
