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

bool TPathFinder::IsReach(PlayMode mode, int p) const {
    return (KeeperMarks(p) & ReachBit(mode)) != 0;
}
bool TPathFinder::IsPassed(PlayMode mode, int p) const {
    return (KeeperMarks(p) & ThroughBit(mode)) != 0;
}
bool TPathFinder::IsPassableBox(PlayMode mode, int p) const {
    return (KeeperMarks(p) & PassBoxBit(mode)) != 0;
}
bool TPathFinder::IsBoxReach(PlayMode mode, int p) const {
    return (BoxMarks(p) & ReachBit(mode)) != 0;
}
bool TPathFinder::IsReachFwd(int p) const {
    return IsReach(PlayMode::Forward, p);
}
bool TPathFinder::IsPassedFwd(int p) const {
    return IsPassed(PlayMode::Forward, p);
}
bool TPathFinder::IsPassableBoxFwd(int p) const {
    return IsPassableBox(PlayMode::Forward, p);
}
bool TPathFinder::IsReachRev(int p) const {
    return IsReach(PlayMode::Reverse, p);
}
bool TPathFinder::IsPassedRev(int p) const {
    return IsPassed(PlayMode::Reverse, p);
}
bool TPathFinder::IsPassableBoxRev(int p) const {
    return IsPassableBox(PlayMode::Reverse, p);
}
bool TPathFinder::IsBoxReachFwd(int p) const {
    return IsBoxReach(PlayMode::Forward, p);
}
bool TPathFinder::IsBoxReachRev(int p) const {
    return IsBoxReach(PlayMode::Reverse, p);
}

void TPathFinder::ClearKeeperHalf(PlayMode mode) {
    ClearHalf(Work_->KeeperLayer, Work_->Grid, mode);
}

void TPathFinder::KeeperReach(PlayMode mode, std::span<const TrialCode> cells, int keeper) {
    Work_->Grid.Rebuild(cells);
    ClearKeeperHalf(mode);
    const int start = Work_->Grid.ToGrid(keeper);
    if (start >= 0) {
        SearchKeeper({mode, -1, -1, true, false}, start);
    }
}

std::string_view TPathFinder::KeeperPath(PlayMode mode, std::span<const TrialCode> cells,
                                         int target, int start) {
    if (start == target) {
        return {};
    }
    Work_->Grid.Rebuild(cells);
    return KeeperPath(mode, target, start);
}

std::string_view TPathFinder::KeeperPath(PlayMode mode, int target, int start) {
    if (start == target) {
        return {};
    }
    const int t = Work_->Grid.ToGrid(target);
    const int s = Work_->Grid.ToGrid(start);
    if (t < 0 || s < 0) {
        ClearKeeperHalf(mode);
        return {};
    }
    const int length = KeeperPathAt(mode, t, s);
    return {Work_->Path.data() + Work_->PathStart, static_cast<std::size_t>(length)};
}

bool TPathFinder::PassTest(PlayMode mode, int a, int s, int t, int k) {
    const TFinderGrid& grid = Work_->Grid;
    const int ga = grid.ToGrid(a), gs = grid.ToGrid(s), gt = grid.ToGrid(t);
    if (ga < 0 || gs < 0 || gt < 0 || k < 0 || k > 3) {
        return false;
    }
    return PassTestAt(mode, ga, gs, gt, k);
}

int TPathFinder::PassCount() const {
    return Work_->PassCount;
}

std::string_view TPathFinder::PassSegment(PlayMode mode, int x, int k, int n) {
    const int gx = Work_->Grid.ToGrid(x);
    if (gx < 0 || k < 0 || k > 3 || n < 1 || n > MaxPassPushes) {
        return {};
    }
    const int length = PassSegmentAt(mode, gx, k, n);
    return length < 0 ? std::string_view()
                      : std::string_view(Work_->Segment.data(), static_cast<std::size_t>(length));
}

bool TPathFinder::KeeperCanReach(PlayMode mode, int p, int k, int q) {
    const TFinderGrid& grid = Work_->Grid;
    const int gp = grid.ToGrid(p), gk = grid.ToGrid(k);
    if (gp < 0 || gk < 0) {
        return false;
    }
    const int gq = grid.ToGrid(q);
    return gq >= 0 && CanReachAt(mode, gp, gk, gq);
}

bool TPathFinder::KeeperReachTo(PlayMode mode, int p, int k, int q) {
    const TFinderGrid& grid = Work_->Grid;
    const int gp = grid.ToGrid(p), gk = grid.ToGrid(k), gq = grid.ToGrid(q);
    if (gp < 0 || gk < 0 || gq < 0) {
        return false;
    }
    return KeeperReachToAt(mode, gp, gk, gq);
}

} // namespace lodrin
