// The selected box's searches: where it can be pushed or pulled, and the route there.

#include "PathFinder/FinderWork.h"
#include "PathFinder/PathFinder.h"

#include <cstdlib>

namespace lodrin {

using namespace finder;

namespace {

int Manhattan(int a, int b) {
    return std::abs(GridRow(a) - GridRow(b)) + std::abs(GridCol(a) - GridCol(b));
}

// A step record: arrival direction (255 for none), push direction, column, row.
std::uint32_t StepRecord(int arrival, int dir, int square) {
    const auto from = static_cast<std::uint32_t>(arrival < 0 ? 255 : arrival);
    return from << 24 | static_cast<std::uint32_t>(dir) << 16 |
           static_cast<std::uint32_t>(GridCol(square)) << 8 |
           static_cast<std::uint32_t>(GridRow(square));
}
int StepArrival(std::uint32_t step) {
    return static_cast<int>(step >> 24);
}
int StepDirection(std::uint32_t step) {
    return static_cast<int>(step >> 16 & 0xFF);
}
int StepCol(std::uint32_t step) {
    return static_cast<int>(step >> 8 & 0xFF);
}
int StepRow(std::uint32_t step) {
    return static_cast<int>(step & 0xFF);
}

// Order of the route list: (turns, distance, pushes), then insertion.
int CompareKeys(const RouteNode& a, const RouteNode& b) {
    if (a.Turns != b.Turns) {
        return a.Turns < b.Turns ? -1 : 1;
    }
    if (a.Distance != b.Distance) {
        return a.Distance < b.Distance ? -1 : 1;
    }
    return a.Pushes == b.Pushes ? 0 : a.Pushes < b.Pushes ? -1 : 1;
}

bool LeavesFirst(const RouteNode& a, const RouteNode& b) {
    const int keys = CompareKeys(a, b);
    return keys < 0 || (keys == 0 && a.Order < b.Order);
}

} // namespace

void TPathFinder::SelectBox(std::span<const TrialCode> cells, int box) {
    TFinderGrid& grid = Work_->Grid;
    grid.Rebuild(cells);
    const int i = grid.ToGrid(box);
    if (i >= 0 && grid.IsBox(i)) {
        grid.Set(i, FreeSquare);
        grid.Touch();
    }
}

// The keeper square a push or pull of the box on p in direction k needs, and
// where the keeper ends; false when the squares of the move are not free.
bool TPathFinder::PushSquares(PlayMode mode, int p, int k, int& q, int& end) const {
    const TFinderGrid& grid = Work_->Grid;
    const int d = Delta[static_cast<std::size_t>(k)];
    const int n = p + d;
    if (IsReverse(mode)) {
        q = n;
        end = p + 2 * d;
        return grid.Free(n) && grid.Free(end);
    }
    q = p - d;
    end = p;
    return grid.Free(n) && grid.Free(q);
}

// Accepts the push or pull of the box on p in direction k, with the keeper on
// `keeper`, when this search has not accepted it before and the keeper can make it;
// `end` is where the keeper ends.
bool TPathFinder::TakePush(PlayMode mode, int p, int keeper, int k, int& end) {
    const auto done = static_cast<std::size_t>(p * 4 + k);
    int q = 0;
    if (Work_->PushDone[done] != 0 || !PushSquares(mode, p, k, q, end) ||
        !CanReachAt(mode, p, keeper, q)) {
        return false;
    }
    Work_->PushDone[done] = 1;
    return true;
}

bool TPathFinder::CanReachAt(PlayMode mode, int p, int k, int q) {
    TFinderGrid& grid = Work_->Grid;
    if (k == q) {
        return true;
    }
    if (!grid.Free(q)) {
        return false;
    }
    if (!Reference_ && grid.Free(p) && grid.Free(k) && k != p && q != p) {
        return Work_->Index.CanReach(mode, GoThrough_, p, k, q);
    }
    const std::uint8_t was = grid.At(p);
    grid.Set(p, BoxSquare);
    const bool reached = KeeperReachToAt(mode, p, k, q);
    grid.Set(p, was);
    return reached;
}

void TPathFinder::BoxReach(PlayMode mode, int box, int keeper) {
    TFinderWork& w = *Work_;
    ClearHalf(w.BoxLayer, w.Grid, mode);
    w.PushDone.fill(0);
    const int p0 = w.Grid.ToGrid(box);
    const int k0 = w.Grid.ToGrid(keeper);
    if (p0 < 0 || k0 < 0) {
        return;
    }
    if (!Reference_) {
        ClearKeeperHalf(mode);
    }
    const std::uint8_t mark = ReachBit(mode);
    int head = 0;
    int tail = 0;
    w.States[static_cast<std::size_t>(tail++)] = {p0, k0};
    w.BoxLayer[static_cast<std::size_t>(p0)] |= mark;
    while (tail < QueueLimit && head < tail) {
        const BoxState state = w.States[static_cast<std::size_t>(head++)];
        for (int k = 0; k < 4; ++k) {
            int end = 0;
            // A push found once 10000 states are queued is dropped whole.
            if (tail >= QueueLimit || !TakePush(mode, state.Box, state.Keeper, k, end)) {
                continue;
            }
            const int n = state.Box + Delta[static_cast<std::size_t>(k)];
            w.States[static_cast<std::size_t>(tail++)] = {n, end};
            w.BoxLayer[static_cast<std::size_t>(n)] |= mark;
        }
    }
}

int TPathFinder::NewNode() {
    TFinderWork& w = *Work_;
    const int node = w.FreeNode;
    if (node >= 0) {
        w.FreeNode = w.Nodes[static_cast<std::size_t>(node)].Next;
        return node;
    }
    return w.UnusedNode < RouteLimit ? w.UnusedNode++ : -1;
}

// Inserts after every node whose key is less than or equal to the node's own; the
// fast search keeps a heap that releases the nodes in the same order.
void TPathFinder::InsertNode(int node) {
    TFinderWork& w = *Work_;
    RouteNode& fresh = w.Nodes[static_cast<std::size_t>(node)];
    fresh.Order = w.NextOrder++;
    if (!Reference_) {
        int at = w.HeapSize++;
        while (at > 0) {
            const int up = (at - 1) / 2;
            const int parent = w.Heap[static_cast<std::size_t>(up)];
            if (!LeavesFirst(fresh, w.Nodes[static_cast<std::size_t>(parent)])) {
                break;
            }
            w.Heap[static_cast<std::size_t>(at)] = parent;
            at = up;
        }
        w.Heap[static_cast<std::size_t>(at)] = node;
        return;
    }
    int before = -1;
    int at = w.Head;
    while (at >= 0 && CompareKeys(w.Nodes[static_cast<std::size_t>(at)], fresh) <= 0) {
        before = at;
        at = w.Nodes[static_cast<std::size_t>(at)].Next;
    }
    fresh.Next = at;
    if (before < 0) {
        w.Head = node;
    } else {
        w.Nodes[static_cast<std::size_t>(before)].Next = node;
    }
}

// Takes the first node out of the list (or heap); -1 when it is empty.
int TPathFinder::TakeFirstNode() {
    TFinderWork& w = *Work_;
    if (Reference_) {
        const int first = w.Head;
        if (first >= 0) {
            w.Head = w.Nodes[static_cast<std::size_t>(first)].Next;
        }
        return first;
    }
    if (w.HeapSize == 0) {
        return -1;
    }
    const int first = w.Heap[0];
    const int last = w.Heap[static_cast<std::size_t>(--w.HeapSize)];
    int at = 0;
    for (;;) {
        int child = 2 * at + 1;
        if (child >= w.HeapSize) {
            break;
        }
        const auto node = [&](int i) -> const RouteNode& {
            return w.Nodes[static_cast<std::size_t>(w.Heap[static_cast<std::size_t>(i)])];
        };
        if (child + 1 < w.HeapSize && LeavesFirst(node(child + 1), node(child))) {
            ++child;
        }
        if (!LeavesFirst(node(child), w.Nodes[static_cast<std::size_t>(last)])) {
            break;
        }
        w.Heap[static_cast<std::size_t>(at)] = w.Heap[static_cast<std::size_t>(child)];
        at = child;
    }
    w.Heap[static_cast<std::size_t>(at)] = last;
    return first;
}

std::string_view TPathFinder::BoxPath(PlayMode mode, int box, int target, int keeper) {
    TFinderWork& w = *Work_;
    w.MoveCount = 0;
    w.PushDone.fill(0);
    const int p0 = w.Grid.ToGrid(box);
    const int t = w.Grid.ToGrid(target);
    const int k0 = w.Grid.ToGrid(keeper);
    if (p0 < 0 || t < 0 || k0 < 0) {
        return {};
    }
    if (!Reference_) {
        ClearKeeperHalf(mode);
    }
    if (!SearchRoute(mode, p0, t, k0)) {
        return {};
    }
    ReplayRoute(mode, p0, k0, TakeRoute(t));
    return {w.Moves.data(), static_cast<std::size_t>(w.MoveCount)};
}

// Expands route nodes in the order of the list until a push reaches the target;
// every accepted push leaves a step record.
bool TPathFinder::SearchRoute(PlayMode mode, int box, int target, int keeper) {
    TFinderWork& w = *Work_;
    w.FreeNode = -1;
    w.UnusedNode = 0;
    w.Head = -1;
    w.HeapSize = 0;
    w.NextOrder = 0;
    w.StepCount = 0;
    const int start = NewNode();
    w.Nodes[static_cast<std::size_t>(start)] = {box, keeper, Manhattan(box, target), 0, -1, -1,
                                                -1,  0};
    InsertNode(start);
    bool reached = false;
    while (!reached) {
        const int taken = TakeFirstNode();
        if (taken < 0) {
            break;
        }
        const RouteNode node = w.Nodes[static_cast<std::size_t>(taken)];
        w.Nodes[static_cast<std::size_t>(taken)].Next = w.FreeNode;
        w.FreeNode = taken;
        reached = ExpandRoute(mode, node, target);
    }
    return reached;
}

// Inserts a node for every push the node's box and keeper allow; true when one
// of them brought the box to the target, which ends the expansion at once.
bool TPathFinder::ExpandRoute(PlayMode mode, const RouteNode& node, int target) {
    TFinderWork& w = *Work_;
    for (int k = 0; k < 4; ++k) {
        int end = 0;
        if (!TakePush(mode, node.Box, node.Keeper, k, end)) {
            continue;
        }
        const int n = node.Box + Delta[static_cast<std::size_t>(k)];
        const int fresh = NewNode();
        if (fresh < 0 || w.StepCount >= StepLimit) {
            return false;
        }
        const int turns = k == node.Direction ? node.Turns : node.Turns + 1;
        w.Nodes[static_cast<std::size_t>(fresh)] = {
            n, end, Manhattan(n, target), node.Pushes + 1, turns, k, -1, 0};
        InsertNode(fresh);
        w.Steps[static_cast<std::size_t>(w.StepCount++)] = StepRecord(node.Direction, k, n);
        if (n == target) {
            return true;
        }
    }
    return false;
}

// Chains the pushes from the target back to the start, newest record first;
// returns how many were taken (Taken holds them, last push first).
int TPathFinder::TakeRoute(int target) {
    TFinderWork& w = *Work_;
    int row = GridRow(target);
    int col = GridCol(target);
    int expected = 255;
    int count = 0;
    for (int i = w.StepCount - 1; i >= 0; --i) {
        const std::uint32_t step = w.Steps[static_cast<std::size_t>(i)];
        const int dir = StepDirection(step);
        if (StepRow(step) != row || StepCol(step) != col || (expected != 255 && dir != expected)) {
            continue;
        }
        w.Taken[static_cast<std::size_t>(count++)] = i;
        row -= FinderDirectionOrder[static_cast<std::size_t>(dir)].DRow;
        col -= FinderDirectionOrder[static_cast<std::size_t>(dir)].DCol;
        expected = StepArrival(step);
    }
    return count;
}

// Appends one move to the output; false once it holds 200000 characters.
bool TPathFinder::Emit(char ch) {
    TFinderWork& w = *Work_;
    if (w.MoveCount >= static_cast<int>(MaxLurdLength)) {
        return false;
    }
    w.Moves[static_cast<std::size_t>(w.MoveCount++)] = ch;
    return true;
}

// Plays the taken pushes from the start: a walk before every change of direction.
int TPathFinder::ReplayRoute(PlayMode mode, int box, int keeper, int pushes) {
    TFinderWork& w = *Work_;
    int previous = -1;
    for (int j = pushes - 1; j >= 0; --j) {
        const std::uint32_t step =
            w.Steps[static_cast<std::size_t>(w.Taken[static_cast<std::size_t>(j)])];
        const int dir = StepDirection(step);
        const int d = Delta[static_cast<std::size_t>(dir)];
        if (dir != previous) {
            w.Grid.Set(box, BoxSquare);
            const int length = KeeperPathAt(mode, IsReverse(mode) ? box + d : box - d, keeper);
            w.Grid.Set(box, FreeSquare);
            for (int i = 0; i < length; ++i) {
                if (!Emit(w.Path[static_cast<std::size_t>(w.PathStart + i)])) {
                    return w.MoveCount;
                }
            }
        }
        if (!Emit(FinderChars[static_cast<std::size_t>(4 + dir)])) {
            break;
        }
        keeper = IsReverse(mode) ? box + 2 * d : box;
        box += d;
        previous = dir;
    }
    return w.MoveCount;
}

} // namespace lodrin
