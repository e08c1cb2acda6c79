#include "core/planning/dividers.h"
#include "core/state/devices.h"

#include <gtest/gtest.h>

namespace zqf {
namespace {

SharedState plan_state(std::string_view device, double rf, double pfd, double step) {
    SharedState s;
    s.device_name = device;
    s.rf_freq = rf;
    s.pfd_freq = pfd;
    s.chan_step = step;
    s.mod_val = 50.0;
    s.frac_val = 0.0;
    return s;
}

TEST(ComputeDividers, WorkedExampleAndItsReduction) {
    SharedState s = plan_state(zqf7310, 1750400000.0, 10e6, 100e3);
    ASSERT_TRUE(compute_dividers(s));
    EXPECT_EQ(s.int_val, 175.0);
    EXPECT_EQ(s.mod_val, 100.0);
    EXPECT_EQ(s.frac_val, 4.0);
    reduce_fraction(s);
    EXPECT_EQ(s.mod_val, 25.0);
    EXPECT_EQ(s.frac_val, 1.0);
}

// The bench scripts channel_stepping and rf_planner_zqf7350 take 1760 MHz
// (FRAC 0) and the ZQF7350's 1750.2 MHz (81 and 7537, 1750.20000010729 MHz)
// through the planner.

TEST(ComputeDividers, TruncatesAndLeavesFracUnboundedByMod) {
    // The PFD is no whole multiple of the 300 kHz step: MOD 33, and FRAC may reach it.
    SharedState s = plan_state(zqf7620, 1759990000.0, 10e6, 300e3);
    ASSERT_TRUE(compute_dividers(s));
    EXPECT_EQ(s.int_val, 175.0);
    EXPECT_EQ(s.mod_val, 33.0);
    EXPECT_EQ(s.frac_val, 33.0);
    // 66.67 steps per PFD period: truncated, not rounded to 67.
    s = plan_state(zqf7310, 1750e6, 10e6, 150e3);
    ASSERT_TRUE(compute_dividers(s));
    EXPECT_EQ(s.mod_val, 66.0);
    EXPECT_EQ(s.frac_val, 0.0);
}

// The ZQF7350 keeps its whole fraction over the fixed modulus in FRAC and MOD
// too: that is what a settings file holds and the read-outs divide.
TEST(ComputeDividers, FixedModulusKeepsTheWholeFraction) {
    SharedState s = plan_state(zqf7350, 1750200000.0, 10e6, 0.0);
    s.frac_val = 7.0;
    ASSERT_TRUE(compute_dividers(s));
    EXPECT_EQ(fraction25(s), 671089.0);
    EXPECT_EQ(s.mod_val, 33554432.0);
    EXPECT_EQ(s.frac_val, 671089.0);
}

TEST(ComputeDividers, FixedModulusRoundingCarriesInsteadOfOverflowing) {
    const double pfd = 10e6;
    // Half a lower unit short of the next upper unit: the lower half rounds to
    // 8192, which 13 bits cannot hold.
    const double short_of_82 = (82.0 - 0.25 / 8192.0) / 4096.0;
    SharedState s = plan_state(zqf7350, (175.0 + short_of_82) * pfd, pfd, 0.0);
    ASSERT_TRUE(compute_dividers(s));
    EXPECT_EQ(s.int_val, 175.0);
    EXPECT_EQ(s.frac_msb, 82.0);
    EXPECT_EQ(s.frac_lsb, 0.0);

    // The same at the top of the upper half: the carry reaches INT.
    const double short_of_one = (4096.0 - 0.25 / 8192.0) / 4096.0;
    s = plan_state(zqf7350, (175.0 + short_of_one) * pfd, pfd, 0.0);
    ASSERT_TRUE(compute_dividers(s));
    EXPECT_EQ(s.int_val, 176.0);
    EXPECT_EQ(s.frac_msb, 0.0);
    EXPECT_EQ(s.frac_lsb, 0.0);
    // Still within a quarter of a unit of what was asked for.
    EXPECT_NEAR(synthesised_fixed_modulus_rf(s), s.rf_freq, pfd / fixed_modulus / 4.0 + 1e-6);
}

TEST(ComputeDividers, ArithmeticFaultStoresNothing) {
    SharedState s = plan_state(zqf7310, 1750e6, 0.0, 100e3);
    s.int_val = 1.0;
    EXPECT_FALSE(compute_dividers(s));
    s = plan_state(zqf7310, 1750e6, 10e6, 0.0);
    s.int_val = 1.0;
    EXPECT_FALSE(compute_dividers(s));
    EXPECT_EQ(s.int_val, 1.0);
    EXPECT_EQ(s.mod_val, 50.0);
    s = plan_state(zqf7350, 1750e6, 0.0, 0.0);
    EXPECT_FALSE(compute_dividers(s));
}

TEST(ReduceFraction, LowestTermsAndWhatItLeavesAlone) {
    struct Case {
        double mod, frac, reduced_mod, reduced_frac;
    };
    // 32767 = 7 x 31 x 151 is the largest modulus the routine takes; from 32768
    // on (MOD or FRAC) the fraction is left as it is.
    const Case cases[] = {
        {100, 40, 5, 2},          {96, 12, 8, 1},           {50, 7, 50, 7},
        {100, 4, 25, 1},          {64, 0, 64, 0},           {0, 5, 0, 5},
        {-100, 40, -100, 40},     {32767, 7, 4681, 1},      {32768, 16, 32768, 16},
        {40000, 400, 40000, 400}, {100, 40000, 100, 40000},
    };
    for (const Case& c : cases) {
        SharedState s;
        s.mod_val = c.mod;
        s.frac_val = c.frac;
        reduce_fraction(s);
        EXPECT_EQ(s.mod_val, c.reduced_mod) << c.frac << "/" << c.mod;
        EXPECT_EQ(s.frac_val, c.reduced_frac) << c.frac << "/" << c.mod;
    }
}

} // namespace
} // namespace zqf
