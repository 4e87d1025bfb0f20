// Random play across seeds with the invariants checked after every action (bounded for CI;
// kvelnor-monkey runs millions by hand). A failure names its seed for replaying.
#include "monkey/monkey.hpp"
#include "monkey/monkey_options.hpp"

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

namespace {

monkey::Options parsed(std::vector<std::string> arguments) { return monkey::parseOptions(arguments); }

TEST(MonkeyOptions, BadCountsUnknownOptionsAndMissingValuesAreRefused) {
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"--seeds", "abc"}, {"--actions", "-5"}, {"--actions", "0"}, {"--seeds", "0"}, {"--seeds", "-1"},
             {"--seed", "-3"}, {"--seed", "1x"}, {"--seeds", " 2"}, {"--actions", "99999999999999999999"},
             {"--seed", "18446744073709551615", "--seeds", "2"}, {"--frobnicate", "1"}, {"--seeds"}, {"5"}}) {
        EXPECT_FALSE(parsed(arguments).error.empty()) << ::testing::PrintToString(arguments);
    }
}

TEST(MonkeyOptions, GoodOptionsAreTakenAsGiven) {
    const monkey::Options o = parsed({"--seed", "18446744073709551615", "--seeds", "1", "--actions", "7"});
    EXPECT_TRUE(o.error.empty()) << o.error;
    EXPECT_EQ(o.first, 18446744073709551615ULL);
    EXPECT_EQ(o.seeds, 1U);
    EXPECT_EQ(o.actions, 7);
    const monkey::Options defaults = parsed({});
    EXPECT_TRUE(defaults.error.empty());
    EXPECT_EQ(defaults.seeds, 10U);
    EXPECT_TRUE(parsed({"--help"}).help);
}

}  // namespace
