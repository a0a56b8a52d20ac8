#include "platform/Random.h"

#include <gtest/gtest.h>

TEST(Random, SeedOneGivesTheClassicSequence)
{
    plat::SeedRandom(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int e : expected)
        EXPECT_EQ(plat::Random(), e);
}

TEST(Random, ReseedingRepeatsTheSequenceAndStaysInRange)
{
    plat::SeedRandom(12345);
    int first[100];
    for (int& v : first) {
        v = plat::Random();
        EXPECT_GE(v, 0);
        EXPECT_LE(v, plat::kRandMax);
    }
    plat::SeedRandom(12345);
    for (int v : first)
        EXPECT_EQ(plat::Random(), v);
}
