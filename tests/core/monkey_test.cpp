// Random play across seeds with the invariants checked after every action (bounded for CI;
// kvelnor-monkey runs millions by hand). A failure names its seed for replaying.
#include "monkey/monkey.hpp"

#include <gtest/gtest.h>

namespace {

TEST(Monkey, RandomPlayKeepsTheInvariants) {
    constexpr long kActionsPerSeed = 15000;
    for (std::uint64_t seed = 1; seed <= 6; ++seed) {
        const monkey::Result r = monkey::play(seed, kActionsPerSeed);
        ASSERT_TRUE(r.failure.empty()) << "seed " << seed << " after " << r.actions << " actions: " << r.failure
                                       << "\nreplay with: kvelnor-monkey --seed " << seed
                                       << " --seeds 1\nlast actions:\n" << r.lastActions;
        EXPECT_EQ(r.actions, kActionsPerSeed);
    }
}

}  // namespace
