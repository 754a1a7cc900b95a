#pragma once

namespace lodrin {

// How the trial field plays a level: forward the keeper pushes boxes, in reverse
// it pulls them. The path finder keeps the marks of the two apart.
enum class PlayMode { Forward, Reverse };

constexpr bool IsReverse(PlayMode mode) {
    return mode == PlayMode::Reverse;
}

} // namespace lodrin
