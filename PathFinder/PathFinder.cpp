#include "PathFinder/PathFinder.h"

#include "PathFinder/FinderWork.h"

namespace lodrin {

using namespace finder;

TPathFinder::TPathFinder() : Work_(std::make_unique<TFinderWork>()) {}

TPathFinder::~TPathFinder() = default;
TPathFinder::TPathFinder(TPathFinder&&) noexcept = default;
TPathFinder& TPathFinder::operator=(TPathFinder&&) noexcept = default;

void TPathFinder::SetBoardSize(int width, int height) {
    Work_->Grid.Resize(width, height);
    Work_->KeeperLayer.fill(0);
    Work_->BoxLayer.fill(0);
}

void TPathFinder::SetGoThrough(bool on) {
    GoThrough_ = on;
}

int TPathFinder::Width() const {
    return Work_->Grid.Width();
}

int TPathFinder::Height() const {
    return Work_->Grid.Height();
}

std::uint8_t TPathFinder::KeeperMarks(int p) const {
    const int i = Work_->Grid.ToGrid(p);
    return i < 0 ? 0 : Work_->KeeperLayer[static_cast<std::size_t>(i)];
}

std::uint8_t TPathFinder::BoxMarks(int p) const {
    const int i = Work_->Grid.ToGrid(p);
    return i < 0 ? 0 : Work_->BoxLayer[static_cast<std::size_t>(i)];
}

bool TPathFinder::IsReachFwd(int p) const {
    return (KeeperMarks(p) & ReachBit(false)) != 0;
}
bool TPathFinder::IsPassedFwd(int p) const {
    return (KeeperMarks(p) & ThroughBit(false)) != 0;
}
bool TPathFinder::IsPassableBoxFwd(int p) const {
    return (KeeperMarks(p) & PassBoxBit(false)) != 0;
}
bool TPathFinder::IsReachRev(int p) const {
    return (KeeperMarks(p) & ReachBit(true)) != 0;
}
bool TPathFinder::IsPassedRev(int p) const {
    return (KeeperMarks(p) & ThroughBit(true)) != 0;
}
bool TPathFinder::IsPassableBoxRev(int p) const {
    return (KeeperMarks(p) & PassBoxBit(true)) != 0;
}
bool TPathFinder::IsBoxReachFwd(int p) const {
    return (BoxMarks(p) & ReachBit(false)) != 0;
}
bool TPathFinder::IsBoxReachRev(int p) const {
    return (BoxMarks(p) & ReachBit(true)) != 0;
}

void TPathFinder::ClearKeeperHalf(bool reverse) {
    ClearHalf(Work_->KeeperLayer, Work_->Grid, reverse);
}

void TPathFinder::KeeperReach(bool reverse, const std::int32_t* cells, int keeper) {
    if (cells != nullptr) {
        Work_->Grid.Rebuild(cells);
    }
    ClearKeeperHalf(reverse);
    const int start = Work_->Grid.ToGrid(keeper);
    if (start >= 0) {
        SearchKeeper({reverse, -1, -1, true, false}, start);
    }
}

std::string_view TPathFinder::KeeperPath(bool reverse, const std::int32_t* cells, int target,
                                         int start) {
    if (start == target) {
        return {};
    }
    if (cells != nullptr) {
        Work_->Grid.Rebuild(cells);
    }
    const int t = Work_->Grid.ToGrid(target);
    const int s = Work_->Grid.ToGrid(start);
    if (t < 0 || s < 0) {
        ClearKeeperHalf(reverse);
        return {};
    }
    const int length = KeeperPathAt(reverse, t, s);
    return {Work_->Path.data() + Work_->PathStart, static_cast<std::size_t>(length)};
}

bool TPathFinder::PassTest(bool reverse, int a, int s, int t, int k) {
    const TFinderGrid& grid = Work_->Grid;
    const int ga = grid.ToGrid(a), gs = grid.ToGrid(s), gt = grid.ToGrid(t);
    if (ga < 0 || gs < 0 || gt < 0 || k < 0 || k > 3) {
        return false;
    }
    return PassTestAt(reverse, ga, gs, gt, k);
}

int TPathFinder::PassCount() const {
    return Work_->PassCount;
}

std::string_view TPathFinder::PassSegment(bool reverse, int x, int k, int n) {
    const int gx = Work_->Grid.ToGrid(x);
    if (gx < 0 || k < 0 || k > 3 || n < 1 || n > MaxPassPushes) {
        return {};
    }
    const int length = PassSegmentAt(reverse, gx, k, n);
    return length < 0 ? std::string_view()
                      : std::string_view(Work_->Segment.data(), static_cast<std::size_t>(length));
}

bool TPathFinder::KeeperCanReach(bool reverse, int p, int k, int q) {
    const TFinderGrid& grid = Work_->Grid;
    const int gp = grid.ToGrid(p), gk = grid.ToGrid(k);
    if (gp < 0 || gk < 0) {
        return false;
    }
    const int gq = grid.ToGrid(q);
    return gq >= 0 && CanReachAt(reverse, gp, gk, gq);
}

bool TPathFinder::KeeperReachTo(bool reverse, int p, int k, int q) {
    const TFinderGrid& grid = Work_->Grid;
    const int gp = grid.ToGrid(p), gk = grid.ToGrid(k), gq = grid.ToGrid(q);
    if (gp < 0 || gk < 0 || gq < 0) {
        return false;
    }
    return KeeperReachToAt(reverse, gp, gk, gq);
}

} // namespace lodrin
