#include "PathFinder/KeeperTestIndex.h"

#include <algorithm>

namespace lodrin::finder {
namespace {

constexpr int MaxEdges = 4 * MaxSide * MaxSide;
constexpr int MaxPieces = MaxSide * MaxSide + FloorSplit::RestPiece + 1;
constexpr int PoolSize = 1 << 19;
constexpr int WitnessLimit = 1024;

void AllocateSide(std::unique_ptr<std::uint32_t[]>& seen, std::unique_ptr<int[]>& queue) {
    seen.reset(new std::uint32_t[MaxPieces]());
    queue.reset(new int[MaxPieces]);
}

} // namespace

TKeeperTestIndex::TKeeperTestIndex(TFinderGrid& grid, TPassProbe& probe)
    : Grid_(grid), Probe_(probe) {
    for (PassEdges& edges : Modes_) {
        edges.Edges.reset(new PassEdge[MaxEdges]);
        edges.StartAt.reset(new int[MaxSide * MaxSide + 1]);
        edges.ByTarget.reset(new int[MaxEdges]);
        edges.TargetStartAt.reset(new int[MaxSide * MaxSide + 2]);
        edges.Status.reset(new std::uint8_t[MaxEdges]);
        edges.WitnessAt.reset(new int[MaxEdges]);
        edges.WitnessSize.reset(new int[MaxEdges]);
        edges.LastBlock.reset(new int[MaxEdges]);
        edges.LastOpen.reset(new std::uint8_t[MaxEdges]);
        edges.Pool.reset(new std::int16_t[PoolSize]);
    }
    AllocateSide(Forward_.Seen, Forward_.Queue);
    AllocateSide(Backward_.Seen, Backward_.Queue);
    Backward_.Backward = true;
}

void TKeeperTestIndex::PrepareCuts() {
    if (CutsGeneration_ != Grid_.Generation()) {
        Cuts_.Build(Grid_);
        CutsGeneration_ = Grid_.Generation();
        SplitGeneration_ = 0;
    }
}

// The pass edges whose keeper starts on free square s.
void TKeeperTestIndex::AddEdges(PassEdges& edges, PlayMode mode, int s) {
    for (int k = 0; k < 4; ++k) {
        const int d = Delta[static_cast<std::size_t>(k)];
        // x inner keeps every square read here inside the walled frame.
        const int x = IsReverse(mode) ? s - 2 * d : s + 2 * d;
        if (!Grid_.Inner(x) || !Grid_.Free(x)) {
            continue;
        }
        const int box = IsReverse(mode) ? s - d : s + d;
        const int extra = IsReverse(mode) ? s + d : x + d;
        if (!Grid_.IsBox(box) || !Grid_.Free(extra)) {
            continue;
        }
        const bool internal = Cuts_.Comp(x) == Cuts_.Comp(s);
        if (internal && Cuts_.ShareBlock(Grid_, s, x)) {
            continue;
        }
        const auto e = static_cast<std::size_t>(edges.Count++);
        edges.Edges[e] = {x, k, s, extra, internal};
        edges.Status[e] = EdgeUnknown;
        edges.LastBlock[e] = -1;
    }
}

// Counting sort of the edges by the entry number of X.
void TKeeperTestIndex::IndexTargets(PassEdges& edges) {
    const int n = Cuts_.Count();
    int* starts = edges.TargetStartAt.get();
    std::fill(starts, starts + n + 2, 0);
    for (int e = 0; e < edges.Count; ++e) {
        ++starts[Cuts_.Tin(edges.Edges[static_cast<std::size_t>(e)].X) + 2];
    }
    for (int t = 2; t <= n + 1; ++t) {
        starts[t] += starts[t - 1];
    }
    // starts[t + 1] serves as the cursor of entry number t while placing.
    for (int e = 0; e < edges.Count; ++e) {
        const int t = Cuts_.Tin(edges.Edges[static_cast<std::size_t>(e)].X);
        edges.ByTarget[static_cast<std::size_t>(starts[t + 1]++)] = e;
    }
}

void TKeeperTestIndex::PrepareEdges(PlayMode mode) {
    PassEdges& edges = Modes_[IsReverse(mode) ? 1 : 0];
    if (edges.Generation == Grid_.Generation()) {
        return;
    }
    edges.Generation = Grid_.Generation();
    edges.Count = 0;
    edges.PoolUsed = 0;
    for (int t = 0; t < Cuts_.Count(); ++t) {
        edges.StartAt[static_cast<std::size_t>(t)] = edges.Count;
        AddEdges(edges, mode, Cuts_.Order(t));
    }
    edges.StartAt[static_cast<std::size_t>(Cuts_.Count())] = edges.Count;
    IndexTargets(edges);
    Key_.Generation = 0;
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

bool TKeeperTestIndex::IsOpen(PassEdges& edges, PlayMode mode, int e, int p) {
    const auto i = static_cast<std::size_t>(e);
    const PassEdge& edge = edges.Edges[i];
    if (edges.Status[i] == EdgeUnknown) {
        TPassProbe::Witness witness{&edges.Pool[static_cast<std::size_t>(edges.PoolUsed)],
                                    std::min(WitnessLimit, PoolSize - edges.PoolUsed), -1};
        const bool passed = Probe_.Probe(Grid_, mode, edge.X, edge.Dir, &witness).Passed;
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
        edges.LastOpen[i] = Probe_.Probe(Grid_, mode, edge.X, edge.Dir).Passed;
        Grid_.Set(p, FreeSquare);
        edges.LastBlock[i] = p;
    }
    return edges.LastOpen[i] != 0;
}

void TKeeperTestIndex::Restart(Side& side, int start) {
    if (side.Stamp == 0xFFFFFFFFu) {
        std::fill(side.Seen.get(), side.Seen.get() + MaxPieces, 0u);
        side.Stamp = 0;
    }
    ++side.Stamp;
    side.Head = side.Tail = 0;
    side.RangeCount = side.RangeIndex = side.EdgeIndex = side.EdgeEnd = 0;
    side.Exhausted = false;
    side.Seen[static_cast<std::size_t>(start)] = side.Stamp;
    side.Queue[static_cast<std::size_t>(side.Tail++)] = start;
}

// The next pass edge out of (forward) or into (backward) the pieces the side
// holds; -1 when there is none.
int TKeeperTestIndex::NextEdge(Side& side, const PassEdges& edges) {
    const int* starts = side.Backward ? edges.TargetStartAt.get() : edges.StartAt.get();
    while (side.EdgeIndex == side.EdgeEnd) {
        if (side.RangeIndex < side.RangeCount) {
            const TinRange range = side.Ranges[static_cast<std::size_t>(side.RangeIndex++)];
            side.EdgeIndex = starts[range.Begin];
            side.EdgeEnd = starts[range.End];
            continue;
        }
        if (side.Head == side.Tail) {
            return -1;
        }
        const int piece = side.Queue[static_cast<std::size_t>(side.Head++)];
        side.RangeCount = Cuts_.PieceRanges(piece, Split_, side.Ranges);
        side.RangeIndex = 0;
        side.InSplit = piece >= Cuts_.CompCount();
    }
    const int i = side.EdgeIndex++;
    return side.Backward ? edges.ByTarget[static_cast<std::size_t>(i)] : i;
}

// Follows one edge on one side; true when the two sides meet.
bool TKeeperTestIndex::Advance(Side& own, const Side& other, PlayMode mode, int p) {
    PassEdges& edges = Modes_[IsReverse(mode) ? 1 : 0];
    const int e = NextEdge(own, edges);
    if (e < 0) {
        own.Exhausted = true;
        return false;
    }
    const PassEdge& edge = edges.Edges[static_cast<std::size_t>(e)];
    // Inside a component the box does not split, both ends are in one piece.
    if ((edge.Internal && !own.InSplit) || edge.X == p || edge.Extra == p || edge.Source == p) {
        return false;
    }
    const int piece = Cuts_.PieceOf(own.Backward ? edge.Source : edge.X, Split_);
    if (own.Has(piece) || !IsOpen(edges, mode, e, p)) {
        return false;
    }
    own.Seen[static_cast<std::size_t>(piece)] = own.Stamp;
    own.Queue[static_cast<std::size_t>(own.Tail++)] = piece;
    return other.Has(piece);
}

bool TKeeperTestIndex::Connects(PlayMode mode, int p, int start, int goal) {
    const ForwardKey key{Grid_.Generation(), mode, p, start};
    if (!(Key_ == key)) {
        Restart(Forward_, start);
        Key_ = key;
    }
    if (Forward_.Has(goal)) {
        return true;
    }
    if (Forward_.Exhausted) {
        return false;
    }
    Restart(Backward_, goal);
    for (;;) {
        if (Advance(Forward_, Backward_, mode, p)) {
            return true;
        }
        if (Forward_.Exhausted) {
            return false;
        }
        if (Advance(Backward_, Forward_, mode, p)) {
            return true;
        }
        if (Backward_.Exhausted) {
            return false;
        }
    }
}

bool TKeeperTestIndex::CanReach(PlayMode mode, bool goThrough, int p, int k, int q) {
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
    PrepareEdges(mode);
    return Connects(mode, p, keeperPiece, goalPiece);
}

} // namespace lodrin::finder
