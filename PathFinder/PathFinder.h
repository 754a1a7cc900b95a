#pragma once

#include "board/PlayMode.h"
#include "board/TrialCode.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

namespace lodrin {

namespace finder {
struct TFinderWork;
struct RouteNode;
} // namespace finder

// The trial field's path finder: where the keeper can walk (also by going
// through a box), the keeper's shortest moves to a square, where a selected box
// can be pushed (forward) or pulled (reverse), and the moves that bring it there.
//
// Positions are cell indices r * W + c of the board set by SetBoardSize; a
// position off the board gives no marks and no moves. Cells are the W x H trial
// codes of the board in row order; squares past the end of a shorter span count
// as walls. Moves are Lurd text, valid until the next search.
//
// Two mark layers (keeper and box) keep forward marks in the low half of each
// byte and reverse marks in the high half; a search clears only its own half.
// The work areas are allocated once with the finder; searches allocate nothing.
class TPathFinder {
public:
    TPathFinder();
    ~TPathFinder();
    TPathFinder(const TPathFinder&) = delete;
    TPathFinder& operator=(const TPathFinder&) = delete;
    TPathFinder(TPathFinder&&) noexcept;
    TPathFinder& operator=(TPathFinder&&) noexcept;

    // Board width and height (each clamped to 0..100); clears both mark layers.
    void SetBoardSize(int width, int height);
    // Whether the keeper may go through boxes.
    void SetGoThrough(bool on);
    bool GoThrough() const { return GoThrough_; }
    int Width() const;
    int Height() const;

    // The straightforward searches the fast box searches must agree with: every
    // keeper test of a box search runs a whole keeper search, and every go-through
    // scan runs its pass tests again. For tests and benchmarks.
    void UseReferenceSearch(bool on) { Reference_ = on; }
    bool ReferenceSearch() const { return Reference_; }

    // Keeper layer, forward: reachable, reached only by going through, a box gone through.
    bool IsReachFwd(int p) const;
    bool IsPassedFwd(int p) const;
    bool IsPassableBoxFwd(int p) const;
    // Keeper layer, reverse.
    bool IsReachRev(int p) const;
    bool IsPassedRev(int p) const;
    bool IsPassableBoxRev(int p) const;
    // Box layer: where the selected box can be pushed (forward) or pulled (reverse).
    bool IsBoxReachFwd(int p) const;
    bool IsBoxReachRev(int p) const;
    // The same marks for the mode.
    bool IsReach(PlayMode mode, int p) const;
    bool IsPassed(PlayMode mode, int p) const;
    bool IsPassableBox(PlayMode mode, int p) const;
    bool IsBoxReach(PlayMode mode, int p) const;
    // The whole byte of either layer at a position (0 off the board).
    std::uint8_t KeeperMarks(int p) const;
    std::uint8_t BoxMarks(int p) const;

    // Marks every square the keeper can reach, and with going through on the
    // squares reached only through a box and the boxes gone through.
    void KeeperReach(PlayMode mode, std::span<const TrialCode> cells, int keeper);
    // The keeper's moves from start to target (steps, and the pushes or pulls of
    // going through); empty when they are the same square or there is no way.
    // Of a path longer than 200000 moves the ones nearest the start are left out.
    std::string_view KeeperPath(PlayMode mode, std::span<const TrialCode> cells, int target,
                                int start);
    // The same on the cell map as it stands (as a box search left it).
    std::string_view KeeperPath(PlayMode mode, int target, int start);
    // One step of going through on the cell map as it stands (the caller has lifted
    // the box): can the keeper on s walk to t while the displaced box stands on a,
    // pushing or pulling it further along direction k when it cannot?
    bool PassTest(PlayMode mode, int a, int s, int t, int k);
    // Pushes or pulls of the last successful PassTest.
    int PassCount() const;
    // The moves of going through to square x in direction k with n pushes or pulls.
    std::string_view PassSegment(PlayMode mode, int x, int k, int n);

    // Rebuilds the cell map from the cells and lifts the selected box from it.
    // BoxReach and BoxPath run on the map as SelectBox left it. A box search leaves
    // the keeper marks of its mode meaningless: the fast finder clears them, the
    // straightforward one leaves those of its last keeper test.
    void SelectBox(std::span<const TrialCode> cells, int box);
    // Marks every square the selected box can be pushed or pulled to; the search
    // queues at most 10000 states and drops the pushes it finds after that.
    void BoxReach(PlayMode mode, int box, int keeper);
    // Walks and pushes or pulls that bring the selected box to the target: the route
    // with the fewest turns the ordered search meets first, at most 200000 moves.
    std::string_view BoxPath(PlayMode mode, int box, int target, int keeper);
    // Whether the keeper on k can reach q while the box stands on p.
    bool KeeperCanReach(PlayMode mode, int p, int k, int q);
    // The keeper search behind KeeperCanReach, with the box already on p.
    bool KeeperReachTo(PlayMode mode, int p, int k, int q);

private:
    // What one keeper search does besides spreading the reach marks.
    struct KeeperSearch {
        PlayMode Mode = PlayMode::Forward;
        int Target = -1;            // stop when this square is marked
        int SkipBox = -1;           // never go through the box on this square
        bool MarkThrough = false;   // mark squares reached only by going through, and the boxes
        bool RecordParents = false; // record how each square was entered
    };
    // What a keeper search has done so far: the value it marks with, its queue.
    struct SearchState {
        int MarkValue = 0;
        int Head = 0;
        int Tail = 0;
    };
    bool SearchKeeper(const KeeperSearch& search, int start);
    bool Spread(const KeeperSearch& search, SearchState& state);
    bool ScanPasses(const KeeperSearch& search, SearchState& state);
    bool PassReady(PlayMode mode, int x, int k) const;
    bool TryPasses(const KeeperSearch& search, SearchState& state, int x);
    bool PassResult(PlayMode mode, int x, int k, int& pushes);
    void BuildScanList();
    void ClearKeeperHalf(PlayMode mode);
    bool PassTestAt(PlayMode mode, int a, int s, int t, int k);
    bool WalkAround(int from, int to, int avoid, bool keepParents);
    int PassSegmentAt(PlayMode mode, int x, int k, int n);
    int WriteWalk(int keeper, int goal, int at);
    int KeeperPathAt(PlayMode mode, int target, int start);
    bool KeeperReachToAt(PlayMode mode, int p, int k, int q);
    bool CanReachAt(PlayMode mode, int p, int k, int q);
    bool PushSquares(PlayMode mode, int p, int k, int& q, int& end) const;
    bool TakePush(PlayMode mode, int p, int keeper, int k, int& end);
    bool SearchRoute(PlayMode mode, int box, int target, int keeper);
    bool ExpandRoute(PlayMode mode, const finder::RouteNode& node, int target);
    int TakeRoute(int target);
    int ReplayRoute(PlayMode mode, int box, int keeper, int pushes);
    bool Emit(char ch);
    int NewNode();
    void InsertNode(int node);
    int TakeFirstNode();

    std::unique_ptr<finder::TFinderWork> Work_;
    bool GoThrough_ = false;
    bool Reference_ = false;
};

} // namespace lodrin
