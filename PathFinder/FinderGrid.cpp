#include "PathFinder/FinderGrid.h"

#include <algorithm>

namespace lodrin::finder {

TFinderGrid::TFinderGrid() {
    Map_.fill(WallSquare);
}

void TFinderGrid::Resize(int width, int height) {
    Width_ = std::clamp(width, 0, MaxSide);
    Height_ = std::clamp(height, 0, MaxSide);
    Map_.fill(WallSquare);
    OnBoard_.fill(0);
    Inner_.fill(0);
    for (int r = 0; r < Height_; ++r) {
        for (int c = 0; c < Width_; ++c) {
            const auto i = static_cast<std::size_t>(GridIndex(r, c));
            OnBoard_[i] = 1;
            Inner_[i] = r >= 1 && r <= Height_ - 2 && c >= 1 && c <= Width_ - 2;
        }
    }
    Touch();
}

void TFinderGrid::Rebuild(std::span<const TrialCode> cells) {
    const std::size_t given = cells.size();
    for (int r = 0; r < Height_; ++r) {
        const auto first = static_cast<std::size_t>(r) * static_cast<std::size_t>(Width_);
        const std::size_t count = first < given ? std::min(given - first, std::size_t(Width_)) : 0;
        std::uint8_t* out = &Map_[static_cast<std::size_t>(GridIndex(r, 0))];
        for (std::size_t c = 0; c < count; ++c) {
            const TrialCode code = cells[first + c];
            out[c] = IsBlockingCode(code) ? WallSquare : IsBoxCode(code) ? BoxSquare : FreeSquare;
        }
        std::fill(out + count, out + Width_, WallSquare);
    }
    Touch();
}

int TFinderGrid::ToGrid(int position) const {
    if (position < 0 || Width_ == 0 || position >= Width_ * Height_) {
        return -1;
    }
    return GridIndex(position / Width_, position % Width_);
}

} // namespace lodrin::finder
