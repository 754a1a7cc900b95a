// Showing a level from its top-left corner: when the view moves, where to,
// and where the focus goes.

#include "Editor_/GridView.h"

#include <gtest/gtest.h>

namespace lodrin {
namespace {

TEST(GridView, RevealLevelCornerScrollsOnlyWhenTheLevelIsNotWhollyInView) {
    // A view of 35 x 24 cells (the smallest cell size) and its focus.
    const GridView start{60, 50, 24, 35, 70, 60};
    const struct {
        const char* What;
        BoundingBox Level;
        GridView Expected;
    } cases[] = {
        {"empty board", {}, start},
        {"wholly in view", {60, 50, 83, 84}, start},
        {"one row below the view", {60, 50, 84, 84}, {60, 50, 24, 35, 70, 60}},
        {"pasted at the top left", {0, 0, 10, 18}, {0, 0, 24, 35, 0, 0}},
        {"corner in view, level reaching out", {65, 55, 99, 99}, {65, 55, 24, 35, 70, 60}},
        {"near the far corner", {90, 95, 99, 99}, {76, 65, 24, 35, 90, 95}},
        {"larger than the view", {0, 0, 99, 99}, {0, 0, 24, 35, 0, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RevealLevelCorner(c.Level, start), c.Expected) << c.What;
    }
}

} // namespace
} // namespace lodrin
