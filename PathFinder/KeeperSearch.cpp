// The keeper's searches: reach, shortest path, going through a box.

#include "PathFinder/FinderWork.h"
#include "PathFinder/PathFinder.h"

namespace lodrin {

using namespace finder;

bool TPathFinder::SearchKeeper(const KeeperSearch& search, int start) {
    TFinderWork& w = *Work_;
    SearchState state{ReachBit(search.Mode), 0, 0};
    w.KeeperLayer[static_cast<std::size_t>(start)] |= static_cast<std::uint8_t>(state.MarkValue);
    w.Queue[static_cast<std::size_t>(state.Tail++)] = start;
    w.ScanCount = -1;
    w.Memo.NextSearch();
    for (;;) {
        if (Spread(search, state)) {
            return true;
        }
        if (!GoThrough_) {
            return false;
        }
        const int before = state.Tail;
        if (ScanPasses(search, state)) {
            return true;
        }
        if (state.Tail == before) {
            return false;
        }
    }
}

// Breadth-first over free squares without a mark of the mode until the queue runs
// out; true as soon as the target is marked.
bool TPathFinder::Spread(const KeeperSearch& search, SearchState& state) {
    TFinderWork& w = *Work_;
    const std::uint8_t half = HalfMask(search.Mode);
    while (state.Head < state.Tail) {
        const int u = w.Queue[static_cast<std::size_t>(state.Head++)];
        for (int k = 0; k < 4; ++k) {
            const int v = u + Delta[static_cast<std::size_t>(k)];
            const auto iv = static_cast<std::size_t>(v);
            if (!w.Grid.Free(v) || (w.KeeperLayer[iv] & half) != 0) {
                continue;
            }
            w.KeeperLayer[iv] |= static_cast<std::uint8_t>(state.MarkValue);
            if (search.RecordParents) {
                w.Parent[iv] = static_cast<std::int16_t>(k);
            }
            if (state.Tail < QueueLimit) {
                w.Queue[static_cast<std::size_t>(state.Tail++)] = v;
            }
            if (v == search.Target) {
                return true;
            }
        }
    }
    return false;
}

void TPathFinder::BuildScanList() {
    TFinderWork& w = *Work_;
    w.ScanCount = 0;
    for (int r = 1; r < w.Grid.Height() - 1; ++r) {
        for (int c = 1; c < w.Grid.Width() - 1; ++c) {
            const int x = GridIndex(r, c);
            if (w.Grid.Free(x) && (w.Grid.IsBox(x - 1) || w.Grid.IsBox(x + 1) ||
                                   w.Grid.IsBox(x - Stride) || w.Grid.IsBox(x + Stride))) {
                w.ScanList[static_cast<std::size_t>(w.ScanCount++)] = x;
            }
        }
    }
}

// One scan of the inner squares row by row for squares reached by going through;
// true when the target was among them. The fast search visits only the squares
// beside a box, in the same order.
bool TPathFinder::ScanPasses(const KeeperSearch& search, SearchState& state) {
    TFinderWork& w = *Work_;
    if (Reference_) {
        for (int r = 1; r < w.Grid.Height() - 1; ++r) {
            for (int c = 1; c < w.Grid.Width() - 1; ++c) {
                if (TryPasses(search, state, GridIndex(r, c))) {
                    return true;
                }
            }
        }
        return false;
    }
    if (w.ScanCount < 0) {
        BuildScanList();
    }
    for (int i = 0; i < w.ScanCount; ++i) {
        if (TryPasses(search, state, w.ScanList[static_cast<std::size_t>(i)])) {
            return true;
        }
    }
    return false;
}

// Whether the keeper stands ready to go through the box beside x in direction k:
// forward on x - 2d with the box on x - d and x + d free, reverse on x + 2d and
// x + 3d with the box on x + d. Squares off the board are walls and never marked.
bool TPathFinder::PassReady(PlayMode mode, int x, int k) const {
    const TFinderWork& w = *Work_;
    const std::uint8_t reach = ReachBit(mode);
    const int d = Delta[static_cast<std::size_t>(k)];
    auto marked = [&](int i) { return (w.KeeperLayer[static_cast<std::size_t>(i)] & reach) != 0; };
    return IsReverse(mode) ? marked(x + 3 * d) && w.Grid.IsBox(x + d) && marked(x + 2 * d)
                           : marked(x - 2 * d) && w.Grid.IsBox(x - d) && w.Grid.Free(x + d);
}

// Tries the four directions of going through to unmarked free square x; true when
// x is the target and passed.
bool TPathFinder::TryPasses(const KeeperSearch& search, SearchState& state, int x) {
    TFinderWork& w = *Work_;
    const PlayMode mode = search.Mode;
    if (!w.Grid.Free(x) || (w.KeeperLayer[static_cast<std::size_t>(x)] & HalfMask(mode)) != 0) {
        return false;
    }
    bool queued = false;
    for (int k = 0; k < 4; ++k) {
        const int box = IsReverse(mode) ? x + Delta[static_cast<std::size_t>(k)]
                                        : x - Delta[static_cast<std::size_t>(k)];
        int pushes = 0;
        if (!PassReady(mode, x, k) || box == search.SkipBox || !PassResult(mode, x, k, pushes)) {
            continue;
        }
        if (search.MarkThrough) {
            state.MarkValue |= ThroughBit(mode);
            w.KeeperLayer[static_cast<std::size_t>(box)] |= PassBoxBit(mode);
        }
        w.KeeperLayer[static_cast<std::size_t>(x)] |=
            static_cast<std::uint8_t>(search.MarkThrough ? state.MarkValue : ReachBit(mode));
        if (search.RecordParents) {
            w.Parent[static_cast<std::size_t>(x)] = static_cast<std::int16_t>(pushes * 10 + k);
        }
        if (!queued && state.Tail < QueueLimit) {
            w.Queue[static_cast<std::size_t>(state.Tail++)] = x;
            queued = true;
        }
        if (x == search.Target) {
            return true;
        }
    }
    return false;
}

// Going through the box beside x in direction k on the map as it stands.
bool TPathFinder::PassResult(PlayMode mode, int x, int k, int& pushes) {
    TFinderWork& w = *Work_;
    const int d = Delta[static_cast<std::size_t>(k)];
    if (Reference_) {
        const int box = IsReverse(mode) ? x + d : x - d;
        w.Grid.Set(box, FreeSquare);
        const bool passed = IsReverse(mode)
                                ? PassTestAt(PlayMode::Reverse, box + d, box + 2 * d, box, k)
                                : PassTestAt(PlayMode::Forward, x, box, x + d, k);
        w.Grid.Set(box, BoxSquare);
        pushes = w.PassCount;
        return passed;
    }
    const auto e = static_cast<std::size_t>(x * 4 + k);
    if (w.Memo.Stamp[e] != w.Memo.Current) {
        const TPassProbe::Outcome outcome = w.Probe.Probe(w.Grid, mode, x, k);
        w.Memo.Stamp[e] = w.Memo.Current;
        w.Memo.Passed[e] = outcome.Passed;
        w.Memo.Pushes[e] = static_cast<std::uint8_t>(outcome.Pushes);
    }
    pushes = w.Memo.Pushes[e];
    return w.Memo.Passed[e] != 0;
}

bool TPathFinder::PassTestAt(PlayMode mode, int a, int s, int t, int k) {
    TFinderWork& w = *Work_;
    const int d = Delta[static_cast<std::size_t>(k)];
    w.PassCount = 1;
    for (;;) {
        if (WalkAround(s, t, a, false)) {
            return true;
        }
        const int next = IsReverse(mode) ? s + d : t + d;
        if (!w.Grid.Free(next)) {
            return false;
        }
        if (IsReverse(mode)) {
            t = a;
            a = s;
            s = next;
        } else {
            s = a;
            a = t;
            t = next;
        }
        ++w.PassCount;
    }
}

// Breadth-first from 'from' over free squares, never entering 'avoid'; whether
// 'to' was reached. With keepParents each square records the step that entered it.
bool TPathFinder::WalkAround(int from, int to, int avoid, bool keepParents) {
    TFinderWork& w = *Work_;
    if (++w.PassStamp == 0) {
        w.PassVisited.fill(0);
        w.PassStamp = 1;
    }
    int head = 0;
    int tail = 0;
    w.PassVisited[static_cast<std::size_t>(from)] = w.PassStamp;
    w.PassQueue[static_cast<std::size_t>(tail++)] = from;
    while (head < tail) {
        const int u = w.PassQueue[static_cast<std::size_t>(head++)];
        for (int k = 0; k < 4; ++k) {
            const int v = u + Delta[static_cast<std::size_t>(k)];
            const auto iv = static_cast<std::size_t>(v);
            if (v == avoid || !w.Grid.Free(v) || w.PassVisited[iv] == w.PassStamp) {
                continue;
            }
            w.PassVisited[iv] = w.PassStamp;
            if (keepParents) {
                w.PassParent[iv] = static_cast<std::int16_t>(k);
            }
            if (v == to) {
                return true;
            }
            if (tail < QueueLimit) {
                w.PassQueue[static_cast<std::size_t>(tail++)] = v;
            }
        }
    }
    return false;
}

// Writes the moves of going through to x into the segment buffer; -1 when the
// squares do not allow it.
int TPathFinder::PassSegmentAt(PlayMode mode, int x, int k, int n) {
    TFinderWork& w = *Work_;
    const int d = Delta[static_cast<std::size_t>(k)];
    const int box = IsReverse(mode) ? x + d : x - d;
    for (int i = 0; i <= n + 1; ++i) {
        if (!w.Grid.OnBoard(box + i * d)) {
            return -1;
        }
    }
    if (!w.Grid.IsBox(box)) {
        return -1;
    }
    const int displaced = box + n * d;
    const int keeper = IsReverse(mode) ? box + (n + 1) * d : box + (n - 1) * d;
    const int goal = IsReverse(mode) ? box + (n - 1) * d : box + (n + 1) * d;
    w.Grid.Set(box, FreeSquare);
    const bool found = WalkAround(keeper, goal, displaced, true);
    w.Grid.Set(box, BoxSquare);
    if (!found) {
        return -1;
    }
    const int steps = WriteWalk(keeper, goal, n);
    const char push = FinderChars[static_cast<std::size_t>(4 + k)];
    const char back = FinderChars[static_cast<std::size_t>(
        4 + FinderDirectionOrder[static_cast<std::size_t>(k)].Opposite)];
    for (int i = 0; i < n; ++i) {
        w.Segment[static_cast<std::size_t>(i)] = push;
        w.Segment[static_cast<std::size_t>(n + steps + i)] = back;
    }
    return 2 * n + steps;
}

// Writes the walk WalkAround found from keeper to goal into the segment buffer
// from position 'at' on, in order of play; returns its length.
int TPathFinder::WriteWalk(int keeper, int goal, int at) {
    TFinderWork& w = *Work_;
    auto parent = [&](int s) { return w.PassParent[static_cast<std::size_t>(s)]; };
    int steps = 0;
    for (int s = goal; s != keeper; s -= Delta[static_cast<std::size_t>(parent(s))]) {
        ++steps;
    }
    int write = at + steps;
    for (int s = goal; s != keeper; s -= Delta[static_cast<std::size_t>(parent(s))]) {
        w.Segment[static_cast<std::size_t>(--write)] =
            FinderChars[static_cast<std::size_t>(parent(s))];
    }
    return steps;
}

int TPathFinder::KeeperPathAt(PlayMode mode, int target, int start) {
    TFinderWork& w = *Work_;
    w.PathStart = static_cast<int>(MaxLurdLength);
    if (start == target) {
        return 0;
    }
    ClearKeeperHalf(mode);
    w.Parent.fill(-1);
    if (!SearchKeeper({mode, target, -1, false, true}, start)) {
        return 0;
    }
    // Walk back from the target; a path too long loses the moves nearest the start.
    int write = static_cast<int>(MaxLurdLength);
    for (int pos = target; pos != start && write > 0;) {
        const int parent = w.Parent[static_cast<std::size_t>(pos)];
        if (parent < 0) {
            return 0;
        }
        if (parent < 4) {
            w.Path[static_cast<std::size_t>(--write)] =
                FinderChars[static_cast<std::size_t>(parent)];
            pos -= Delta[static_cast<std::size_t>(parent)];
            continue;
        }
        const int k = parent % 10;
        const int d = Delta[static_cast<std::size_t>(k)];
        const int length = PassSegmentAt(mode, pos, k, parent / 10);
        for (int i = length - 1; i >= 0 && write > 0; --i) {
            w.Path[static_cast<std::size_t>(--write)] = w.Segment[static_cast<std::size_t>(i)];
        }
        pos = IsReverse(mode) ? pos + 2 * d : pos - 2 * d;
    }
    w.PathStart = write;
    return static_cast<int>(MaxLurdLength) - write;
}

bool TPathFinder::KeeperReachToAt(PlayMode mode, int p, int k, int q) {
    if (k == q) {
        return true;
    }
    ClearKeeperHalf(mode);
    return SearchKeeper({mode, q, p, false, false}, k);
}

} // namespace lodrin
