#include "PathFinder/PassProbe.h"

namespace lodrin::finder {

std::uint32_t TPassProbe::NextStamp() {
    if (Stamp_ >= 0xFFFFFFF0u) {
        Visit_.fill(0);
        Stamp_ = 0;
    }
    Stamp_ += 2;
    return Stamp_;
}

TPassProbe::Outcome TPassProbe::Probe(TFinderGrid& grid, PlayMode mode, int x, int k,
                                      Witness* witness) {
    const int d = Delta[static_cast<std::size_t>(k)];
    const int box = IsReverse(mode) ? x + d : x - d;
    // The step of n pushes or pulls: the box on 'avoid', the keeper on 'from', the goal 'to'.
    int avoid = box + d;
    int from = IsReverse(mode) ? box + 2 * d : box;
    int to = IsReverse(mode) ? box : box + 2 * d;
    grid.Set(box, FreeSquare);
    Outcome outcome;
    for (int n = 1;; ++n) {
        if (Connected(grid, from, to, avoid)) {
            outcome = {true, n};
            break;
        }
        const int next = IsReverse(mode) ? from + d : to + d;
        if (!grid.Free(next)) {
            break;
        }
        if (IsReverse(mode)) {
            to = avoid;
            avoid = from;
            from = next;
        } else {
            from = avoid;
            avoid = to;
            to = next;
        }
    }
    grid.Set(box, BoxSquare);
    if (outcome.Passed && witness != nullptr) {
        WriteWitness(box, d, outcome.Pushes, from, to, *witness);
    }
    return outcome;
}

bool TPassProbe::Connected(const TFinderGrid& grid, int from, int to, int avoid) {
    const std::uint32_t fromSide = NextStamp();
    const std::uint32_t toSide = fromSide + 1;
    int fromHead = 0, fromTail = 0, toHead = 0, toTail = 0;
    Visit_[static_cast<std::size_t>(from)] = fromSide;
    Parent_[static_cast<std::size_t>(from)] = -1;
    FromQueue_[static_cast<std::size_t>(fromTail++)] = from;
    Visit_[static_cast<std::size_t>(to)] = toSide;
    Parent_[static_cast<std::size_t>(to)] = -1;
    ToQueue_[static_cast<std::size_t>(toTail++)] = to;
    // One square from each side in turn; the side that runs dry first proves the split.
    auto expand = [&](std::array<int, QueueLimit>& queue, int& head, int& tail, std::uint32_t own,
                      std::uint32_t other, bool fromSideTurn) {
        const int u = queue[static_cast<std::size_t>(head++)];
        for (const int d : Delta) {
            const int v = u + d;
            if (v == avoid || !grid.Free(v)) {
                continue;
            }
            const std::uint32_t seen = Visit_[static_cast<std::size_t>(v)];
            if (seen == other) {
                MeetFrom_ = fromSideTurn ? u : v;
                MeetTo_ = fromSideTurn ? v : u;
                return true;
            }
            if (seen != own && tail < QueueLimit) {
                Visit_[static_cast<std::size_t>(v)] = own;
                Parent_[static_cast<std::size_t>(v)] = static_cast<std::int16_t>(u);
                queue[static_cast<std::size_t>(tail++)] = v;
            }
        }
        return false;
    };
    while (fromHead < fromTail && toHead < toTail) {
        if (expand(FromQueue_, fromHead, fromTail, fromSide, toSide, true) ||
            expand(ToQueue_, toHead, toTail, toSide, fromSide, false)) {
            return true;
        }
    }
    return false;
}

void TPassProbe::WriteWitness(int box, int d, int pushes, int from, int to,
                              Witness& witness) const {
    witness.Size = -1;
    int size = 0;
    auto put = [&](int square) {
        if (size < witness.Capacity) {
            witness.Squares[size] = static_cast<std::int16_t>(square);
        }
        ++size;
    };
    for (int i = 1; i <= pushes + 1; ++i) {
        put(box + i * d);
    }
    for (int s = MeetFrom_; s != -1 && s != from; s = Parent_[static_cast<std::size_t>(s)]) {
        put(s);
    }
    for (int s = MeetTo_; s != -1 && s != to; s = Parent_[static_cast<std::size_t>(s)]) {
        put(s);
    }
    put(from);
    put(to);
    if (size <= witness.Capacity) {
        witness.Size = size;
    }
}

} // namespace lodrin::finder
