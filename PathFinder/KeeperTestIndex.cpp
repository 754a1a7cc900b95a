#include "PathFinder/KeeperTestIndex.h"

#include <algorithm>

namespace lodrin::finder {
namespace {

constexpr int MaxEdges = 4 * MaxSide * MaxSide;
constexpr int MaxPieces = MaxSide * MaxSide + FloorSplit::RestPiece + 1;
constexpr int PoolSize = 1 << 19;
constexpr int WitnessLimit = 1024;

} // namespace

TKeeperTestIndex::TKeeperTestIndex(TFinderGrid& grid, TPassProbe& probe)
    : Grid_(grid), Probe_(probe), PieceSeen_(new std::uint32_t[MaxPieces]()),
      PieceQueue_(new int[MaxPieces]) {
    for (PassEdges& mode : Modes_) {
        mode.Edges.reset(new PassEdge[MaxEdges]);
        mode.StartAt.reset(new int[MaxSide * MaxSide + 1]);
        mode.Status.reset(new std::uint8_t[MaxEdges]);
        mode.WitnessAt.reset(new int[MaxEdges]);
        mode.WitnessSize.reset(new int[MaxEdges]);
        mode.LastBlock.reset(new int[MaxEdges]);
        mode.LastOpen.reset(new std::uint8_t[MaxEdges]);
        mode.Pool.reset(new std::int16_t[PoolSize]);
    }
}

void TKeeperTestIndex::PrepareCuts() {
    if (CutsGeneration_ != Grid_.Generation()) {
        Cuts_.Build(Grid_);
        CutsGeneration_ = Grid_.Generation();
        SplitGeneration_ = 0;
    }
}

TKeeperTestIndex::PassEdges& TKeeperTestIndex::PrepareEdges(bool reverse) {
    PassEdges& mode = Modes_[reverse ? 1 : 0];
    if (mode.Generation == Grid_.Generation()) {
        return mode;
    }
    mode.Generation = Grid_.Generation();
    mode.Count = 0;
    mode.PoolUsed = 0;
    for (int t = 0; t < Cuts_.Count(); ++t) {
        mode.StartAt[static_cast<std::size_t>(t)] = mode.Count;
        const int s = Cuts_.Order(t);
        for (int k = 0; k < 4; ++k) {
            const int d = Delta[static_cast<std::size_t>(k)];
            // x inner keeps every square read here inside the walled frame.
            const int x = reverse ? s - 2 * d : s + 2 * d;
            if (!Grid_.Inner(x) || !Grid_.Free(x)) {
                continue;
            }
            const int box = reverse ? s - d : s + d;
            const int extra = reverse ? s + d : x + d;
            if (Grid_.IsBox(box) && Grid_.Free(extra)) {
                const auto e = static_cast<std::size_t>(mode.Count++);
                mode.Edges[e] = {x, k, s, extra};
                mode.Status[e] = EdgeUnknown;
                mode.LastBlock[e] = -1;
            }
        }
    }
    mode.StartAt[static_cast<std::size_t>(Cuts_.Count())] = mode.Count;
    Closure_.Generation = 0;
    return mode;
}

const FloorSplit& TKeeperTestIndex::SplitFor(int p) {
    if (SplitGeneration_ != CutsGeneration_ || Split_.Square != p) {
        Split_ = Cuts_.SplitAt(p);
        SplitGeneration_ = CutsGeneration_;
    }
    return Split_;
}

bool TKeeperTestIndex::WitnessHolds(const PassEdges& edges, int e, int p) const {
    const auto i = static_cast<std::size_t>(e);
    const std::int16_t* begin = &edges.Pool[static_cast<std::size_t>(edges.WitnessAt[i])];
    const std::int16_t* end = begin + edges.WitnessSize[i];
    return std::find(begin, end, static_cast<std::int16_t>(p)) == end;
}

bool TKeeperTestIndex::IsOpen(PassEdges& edges, bool reverse, int e, int p) {
    const auto i = static_cast<std::size_t>(e);
    const PassEdge& edge = edges.Edges[i];
    if (edges.Status[i] == EdgeUnknown) {
        TPassProbe::Witness witness{&edges.Pool[static_cast<std::size_t>(edges.PoolUsed)],
                                    std::min(WitnessLimit, PoolSize - edges.PoolUsed), -1};
        const bool passed = Probe_.Probe(Grid_, reverse, edge.X, edge.Dir, &witness).Passed;
        edges.Status[i] = passed ? EdgeOpen : EdgeClosed;
        edges.WitnessAt[i] = edges.PoolUsed;
        edges.WitnessSize[i] = passed ? witness.Size : -1;
        if (passed && witness.Size > 0) {
            edges.PoolUsed += witness.Size;
        }
    }
    if (edges.Status[i] == EdgeClosed) {
        return false;
    }
    if (edges.WitnessSize[i] >= 0 && WitnessHolds(edges, e, p)) {
        return true;
    }
    if (edges.LastBlock[i] != p) {
        Grid_.Set(p, BoxSquare);
        edges.LastOpen[i] = Probe_.Probe(Grid_, reverse, edge.X, edge.Dir).Passed;
        Grid_.Set(p, FreeSquare);
        edges.LastBlock[i] = p;
    }
    return edges.LastOpen[i] != 0;
}

void TKeeperTestIndex::StartClosure(bool reverse, int p, int start) {
    if (SeenStamp_ == 0xFFFFFFFFu) {
        std::fill(PieceSeen_.get(), PieceSeen_.get() + MaxPieces, 0u);
        SeenStamp_ = 0;
    }
    ++SeenStamp_;
    Closure_ = {};
    Closure_.Generation = Grid_.Generation();
    Closure_.Reverse = reverse;
    Closure_.P = p;
    Closure_.Start = start;
    PieceSeen_[static_cast<std::size_t>(start)] = SeenStamp_;
    PieceQueue_[static_cast<std::size_t>(Closure_.Tail++)] = start;
}

// The next pass edge out of the pieces reached so far; false when there is none.
bool TKeeperTestIndex::NextEdge(int& e) {
    Closure& c = Closure_;
    const PassEdges& edges = Modes_[c.Reverse ? 1 : 0];
    while (c.EdgeIndex == c.EdgeEnd) {
        if (c.RangeIndex < c.RangeCount) {
            const TinRange range = c.Ranges[static_cast<std::size_t>(c.RangeIndex++)];
            c.EdgeIndex = edges.StartAt[static_cast<std::size_t>(range.Begin)];
            c.EdgeEnd = edges.StartAt[static_cast<std::size_t>(range.End)];
            continue;
        }
        if (c.Head == c.Tail) {
            return false;
        }
        const int piece = PieceQueue_[static_cast<std::size_t>(c.Head++)];
        c.RangeCount = Cuts_.PieceRanges(piece, Split_, c.Ranges);
        c.RangeIndex = 0;
    }
    e = c.EdgeIndex++;
    return true;
}

bool TKeeperTestIndex::ClosureReaches(bool reverse, int p, int start, int goal) {
    Closure& c = Closure_;
    if (c.Generation != Grid_.Generation() || c.Reverse != reverse || c.P != p ||
        c.Start != start) {
        StartClosure(reverse, p, start);
    }
    PassEdges& edges = Modes_[reverse ? 1 : 0];
    while (PieceSeen_[static_cast<std::size_t>(goal)] != SeenStamp_) {
        int e = 0;
        if (c.Exhausted || !NextEdge(e)) {
            c.Exhausted = true;
            return false;
        }
        const PassEdge& edge = edges.Edges[static_cast<std::size_t>(e)];
        if (edge.X == p || edge.Extra == p) {
            continue;
        }
        const int piece = Cuts_.PieceOf(edge.X, Split_);
        if (PieceSeen_[static_cast<std::size_t>(piece)] == SeenStamp_ ||
            !IsOpen(edges, reverse, e, p)) {
            continue;
        }
        PieceSeen_[static_cast<std::size_t>(piece)] = SeenStamp_;
        PieceQueue_[static_cast<std::size_t>(c.Tail++)] = piece;
    }
    return true;
}

bool TKeeperTestIndex::CanReach(bool reverse, bool goThrough, int p, int k, int q) {
    PrepareCuts();
    const FloorSplit& split = SplitFor(p);
    const int keeperPiece = Cuts_.PieceOf(k, split);
    const int goalPiece = Cuts_.PieceOf(q, split);
    if (keeperPiece == goalPiece) {
        return true;
    }
    if (!goThrough) {
        return false;
    }
    PrepareEdges(reverse);
    return ClosureReaches(reverse, p, keeperPiece, goalPiece);
}

} // namespace lodrin::finder
