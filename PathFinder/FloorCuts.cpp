#include "PathFinder/FloorCuts.h"

#include <algorithm>
#include <cstdlib>

namespace lodrin::finder {

namespace {

// The floor edge between neighbouring squares a and b: the right or down edge of
// the upper-left one.
int EdgeBetween(int a, int b) {
    const int low = std::min(a, b);
    return low * 2 + (std::abs(a - b) == 1 ? 0 : 1);
}

} // namespace

void TFloorCuts::Build(const TFinderGrid& grid) {
    Tin_.fill(-1);
    Comp_.fill(-1);
    Count_ = 0;
    CompCount_ = 0;
    BlockCount_ = 0;
    for (int r = 0; r < grid.Height(); ++r) {
        for (int c = 0; c < grid.Width(); ++c) {
            const int root = GridIndex(r, c);
            if (grid.Free(root) && Tin_[static_cast<std::size_t>(root)] < 0) {
                NumberComponent(grid, root);
            }
        }
    }
}

// Depth-first from root without recursion; a child whose low point does not
// climb above its parent closes a block of the edges stacked since it was entered.
void TFloorCuts::NumberComponent(const TFinderGrid& grid, int root) {
    const int comp = CompCount_++;
    const int begin = Count_;
    int top = 0;
    int edges = 0;
    auto enter = [&](int v, int parent) {
        const auto i = static_cast<std::size_t>(v);
        Tin_[i] = Low_[i] = Count_;
        Order_[static_cast<std::size_t>(Count_++)] = v;
        Comp_[i] = comp;
        Parent_[i] = parent;
        NextDir_[i] = 0;
        Stack_[static_cast<std::size_t>(top++)] = v;
    };
    enter(root, -1);
    while (top > 0) {
        const int u = Stack_[static_cast<std::size_t>(top - 1)];
        const auto iu = static_cast<std::size_t>(u);
        if (NextDir_[iu] < 4) {
            const int v = u + Delta[NextDir_[iu]++];
            const auto iv = static_cast<std::size_t>(v);
            if (!grid.Free(v) || v == Parent_[iu]) {
                continue;
            }
            if (Tin_[iv] < 0) {
                EdgeStack_[static_cast<std::size_t>(edges++)] = EdgeBetween(u, v);
                enter(v, u);
            } else if (Tin_[iv] < Tin_[iu]) {
                EdgeStack_[static_cast<std::size_t>(edges++)] = EdgeBetween(u, v);
                Low_[iu] = std::min(Low_[iu], Tin_[iv]);
            }
            continue;
        }
        --top;
        Tout_[iu] = Count_;
        const int parent = Parent_[iu];
        if (parent < 0) {
            continue;
        }
        const auto ip = static_cast<std::size_t>(parent);
        Low_[ip] = std::min(Low_[ip], Low_[iu]);
        if (Low_[iu] >= Tin_[ip]) {
            CloseBlock(EdgeBetween(parent, u), edges);
        }
    }
    CompRange_[static_cast<std::size_t>(comp)] = {begin, Count_};
}

// The edges stacked down to and including the closing one form one block.
void TFloorCuts::CloseBlock(int closing, int& edges) {
    const int block = BlockCount_++;
    int e = -1;
    do {
        e = EdgeStack_[static_cast<std::size_t>(--edges)];
        BlockOf_[static_cast<std::size_t>(e)] = block;
    } while (e != closing);
}

bool TFloorCuts::ShareBlock(const TFinderGrid& grid, int a, int b) const {
    for (const int da : Delta) {
        if (!grid.Free(a + da)) {
            continue;
        }
        const int blockA = BlockOf_[static_cast<std::size_t>(EdgeBetween(a, a + da))];
        for (const int db : Delta) {
            if (grid.Free(b + db) &&
                BlockOf_[static_cast<std::size_t>(EdgeBetween(b, b + db))] == blockA) {
                return true;
            }
        }
    }
    return false;
}

FloorSplit TFloorCuts::SplitAt(int p) const {
    FloorSplit split;
    split.Square = p;
    split.Comp = Comp(p);
    const bool root = Parent_[static_cast<std::size_t>(p)] < 0;
    for (const int d : Delta) {
        const int v = p + d;
        if (Comp(v) == split.Comp && Parent_[static_cast<std::size_t>(v)] == p) {
            split.Child[static_cast<std::size_t>(split.Children++)] = v;
        }
    }
    // P enters its children in direction order, so they come in entry order already.
    for (int j = 0; j < split.Children; ++j) {
        const int child = split.Child[static_cast<std::size_t>(j)];
        split.Cuts[static_cast<std::size_t>(j)] =
            root || Low_[static_cast<std::size_t>(child)] >= Tin(p);
    }
    return split;
}

int TFloorCuts::PieceOf(int x, const FloorSplit& split) const {
    const int comp = Comp(x);
    if (comp != split.Comp) {
        return comp;
    }
    const int t = Tin(x);
    for (int j = 0; j < split.Children; ++j) {
        const int child = split.Child[static_cast<std::size_t>(j)];
        if (split.Cuts[static_cast<std::size_t>(j)] && t >= Tin(child) && t < Tout(child)) {
            return CompCount_ + j;
        }
    }
    return CompCount_ + FloorSplit::RestPiece;
}

int TFloorCuts::PieceRanges(int piece, const FloorSplit& split,
                            std::array<TinRange, 6>& out) const {
    if (piece < CompCount_) {
        out[0] = CompRange(piece);
        return 1;
    }
    const int j = piece - CompCount_;
    if (j != FloorSplit::RestPiece) {
        const int child = split.Child[static_cast<std::size_t>(j)];
        out[0] = {Tin(child), Tout(child)};
        return 1;
    }
    // The rest: the component without P's subtree, plus the child subtrees P does not cut off.
    const TinRange comp = CompRange(split.Comp);
    int n = 0;
    out[static_cast<std::size_t>(n++)] = {comp.Begin, Tin(split.Square)};
    for (int c = 0; c < split.Children; ++c) {
        if (!split.Cuts[static_cast<std::size_t>(c)]) {
            const int child = split.Child[static_cast<std::size_t>(c)];
            out[static_cast<std::size_t>(n++)] = {Tin(child), Tout(child)};
        }
    }
    out[static_cast<std::size_t>(n++)] = {Tout(split.Square), comp.End};
    return n;
}

} // namespace lodrin::finder
