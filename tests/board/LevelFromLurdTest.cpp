#include "board/LevelFromLurd.h"

#include <gtest/gtest.h>

namespace lodrin {
namespace {

using Rows = std::vector<std::string>;

TEST(IsLurdText, OneLineOfMovesOnly) {
    EXPECT_TRUE(IsLurdText("lurd LURD\t"));
    EXPECT_FALSE(IsLurdText(""));
    EXPECT_FALSE(IsLurdText("lurd\nlurd"));
    EXPECT_FALSE(IsLurdText("lurd\r"));
    EXPECT_FALSE(IsLurdText("lurdx"));
}

TEST(LevelFromLurd, WorkedExamples) {
    EXPECT_EQ(LevelFromLurd("rrr"), (Rows{"######", "#@---#", "######"}));
    EXPECT_EQ(LevelFromLurd("R"), (Rows{"#####", "#@$.#", "#####"}));
    EXPECT_EQ(LevelFromLurd("rR"), (Rows{"######", "#@-$.#", "######"}));
    EXPECT_EQ(LevelFromLurd("r R\t"), LevelFromLurd("rR"));
    EXPECT_FALSE(LevelFromLurd("r").has_value());
    EXPECT_FALSE(LevelFromLurd("Rr").has_value());
    EXPECT_FALSE(LevelFromLurd("").has_value());
}

TEST(LevelFromLurd, WallsGrowOnlyNextToUsedSquares) {
    // A walk around a 3 x 3 block: its ring becomes wall, its middle stays unvisited.
    EXPECT_EQ(LevelFromLurd("rrrrddddlllluuuu"), (Rows{
                                                     "#######",
                                                     "#@----#",
                                                     "#-###-#",
                                                     "#-#_#-#",
                                                     "#-###-#",
                                                     "#-----#",
                                                     "#######",
                                                 }));
}

TEST(LevelFromLurd, TheGridEdgeEndsTheBuild) {
    // 98 steps right keep the keeper inside columns 2..199; 99 take it to column 1.
    EXPECT_TRUE(LevelFromLurd(std::string(98, 'r')).has_value());
    EXPECT_FALSE(LevelFromLurd(std::string(99, 'r')).has_value());
    EXPECT_FALSE(LevelFromLurd(std::string(99, 'd')).has_value());
    EXPECT_TRUE(LevelFromLurd(std::string(99, 'l')).has_value());
    EXPECT_FALSE(LevelFromLurd(std::string(100, 'l')).has_value());
}

} // namespace
} // namespace lodrin
