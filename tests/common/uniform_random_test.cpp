#include <gtest/gtest.h>

#include <vector>

#include "common/uniform_random.h"

using vostrel::uniformBelow;

namespace {

// Hands out the given values in order and counts how many were taken.
struct ScriptedSource {
    std::vector<quint32> values;
    std::size_t taken = 0;
    quint32 operator()() { return values.at(taken++); }
};

}  // namespace

TEST(UniformRandom, DrawsInTheBiasedSurplusAreDrawnAgain) {
    // 2^32 = 3 * 1431655765 + 1: exactly one input (0) would give result 0 one time too many.
    ScriptedSource three{{0u, 0xFFFFFFFFu}};
    EXPECT_EQ(uniformBelow(3, three), 2u);
    EXPECT_EQ(three.taken, 2u);

    // Just above 2^31 nearly half of all inputs are surplus.
    const quint32 bound = 0x80000001u;
    ScriptedSource half{{0x00000002u, 0xFFFFFFFFu}};
    EXPECT_EQ(uniformBelow(bound, half), bound - 1);
    EXPECT_EQ(half.taken, 2u);

    ScriptedSource kept{{0x80000001u}};
    EXPECT_EQ(uniformBelow(12, kept), 6u);
    EXPECT_EQ(kept.taken, 1u);
}
