#pragma once

#include "PathFinder/FinderGrid.h"
#include "PathFinder/FloorCuts.h"
#include "PathFinder/PassProbe.h"

#include <array>
#include <cstdint>
#include <memory>

namespace lodrin::finder {

// Answers the keeper tests of the box searches without a keeper search each:
// whether the keeper on K reaches Q while the selected box stands on P.
//
// The keeper's reach is the least set of squares closed under walking and going
// through other boxes, whatever order a search finds it in. Walking is read from
// the cut squares of the free floor (numbered once per map): with the box on P
// the floor falls into pieces, and K reaches Q on foot when both lie in the same
// piece. Going through is a pass edge from the piece of the keeper's starting
// square to the piece of the square it lands on; an edge whose two ends lie in
// one block of the floor never joins two pieces and is left out. The pass tests
// behind the edges run once per map and mode with P absent, keep the squares each
// success relies on, and are run again only when P lies on one of those squares;
// a box adds an obstacle, so a test that fails without P fails with it too.
// Reaching Q's piece over pass edges is searched from both ends, one edge each in
// turn, so a test costs about the smaller side.
class TKeeperTestIndex {
public:
    TKeeperTestIndex(TFinderGrid& grid, TPassProbe& probe);

    // K, Q and P are distinct free squares of the map as it stands.
    bool CanReach(PlayMode mode, bool goThrough, int p, int k, int q);

private:
    // One possible go-through: the keeper on Source lands on X; Extra is the other
    // square that must be free (forward the square beyond X, reverse the square
    // the keeper steps back to).
    struct PassEdge {
        int X;
        int Dir;
        int Source;
        int Extra;
        bool Internal; // X lies in the source's component (then only P can part them)
    };
    enum : std::uint8_t { EdgeUnknown = 0, EdgeClosed = 1, EdgeOpen = 2 };

    // The pass edges of one mode, sorted by the entry number of their source, and
    // an index of them sorted by the entry number of X. Fixed-size buffers.
    struct PassEdges {
        std::uint32_t Generation = 0;
        int Count = 0;
        std::unique_ptr<PassEdge[]> Edges;
        std::unique_ptr<int[]> StartAt;       // first edge whose source has entry number >= t
        std::unique_ptr<int[]> ByTarget;      // edge indices in order of X's entry number
        std::unique_ptr<int[]> TargetStartAt; // first of ByTarget whose X has entry number >= t
        std::unique_ptr<std::uint8_t[]> Status;
        std::unique_ptr<int[]> WitnessAt;
        std::unique_ptr<int[]> WitnessSize; // -1: none kept, test again for every P
        std::unique_ptr<int[]> LastBlock;
        std::unique_ptr<std::uint8_t[]> LastOpen;
        std::unique_ptr<std::int16_t[]> Pool;
        int PoolUsed = 0;
    };

    // One end of the search over pieces: forward it follows edges out of the
    // pieces it holds, backward edges into them.
    struct Side {
        bool Backward = false;
        std::unique_ptr<std::uint32_t[]> Seen;
        std::uint32_t Stamp = 0;
        std::unique_ptr<int[]> Queue;
        int Head = 0;
        int Tail = 0;
        std::array<TinRange, 6> Ranges{};
        int RangeCount = 0;
        int RangeIndex = 0;
        int EdgeIndex = 0;
        int EdgeEnd = 0;
        bool InSplit = false; // the piece being scanned is one of P's component
        bool Exhausted = false;
        bool Has(int piece) const { return Seen[static_cast<std::size_t>(piece)] == Stamp; }
    };

    // What the forward side was started from; the next test with the same key continues it.
    struct ForwardKey {
        std::uint32_t Generation = 0;
        PlayMode Mode = PlayMode::Forward;
        int P = -1;
        int Start = -1;
        friend bool operator==(const ForwardKey&, const ForwardKey&) = default;
    };

    void PrepareCuts();
    void PrepareEdges(PlayMode mode);
    void AddEdges(PassEdges& edges, PlayMode mode, int s);
    void IndexTargets(PassEdges& edges);
    const FloorSplit& SplitFor(int p);
    bool IsOpen(PassEdges& edges, PlayMode mode, int e, int p);
    bool WitnessHolds(const PassEdges& edges, int e, int p) const;
    void Restart(Side& side, int start);
    int NextEdge(Side& side, const PassEdges& edges);
    bool Advance(Side& own, const Side& other, PlayMode mode, int p);
    bool Connects(PlayMode mode, int p, int start, int goal);

    TFinderGrid& Grid_;
    TPassProbe& Probe_;
    TFloorCuts Cuts_;
    std::uint32_t CutsGeneration_ = 0;
    FloorSplit Split_;
    std::uint32_t SplitGeneration_ = 0;
    std::array<PassEdges, 2> Modes_;
    Side Forward_;
    Side Backward_;
    ForwardKey Key_;
};

} // namespace lodrin::finder
