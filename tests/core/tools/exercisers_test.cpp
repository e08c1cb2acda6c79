// The exercisers' tick logic on the shared state alone. The bench scripts
// sweep_*, hop_* and spur_opt walk the windows and trace the words; here are
// the faults, which keep everything as it was, and the values no window shows.
#include "core/planning/dividers.h"
#include "core/state/devices.h"
#include "core/tools/frequency_sweep.h"
#include "core/tools/lock_time_hop.h"
#include "core/tools/phase_sweep.h"

#include <gtest/gtest.h>

namespace zqf {
namespace {

SharedState planned(std::string_view device, double pfd = 10e6, double step = 200e3) {
    SharedState s;
    s.device_name = device;
    s.rf_freq = 1750e6;
    s.pfd_freq = pfd;
    s.chan_step = step;
    s.int_val = 175.0;
    s.mod_val = 50.0;
    s.r_count = 1;
    return s;
}

// A zero PFD or step is an arithmetic fault: nothing of the tick is kept.
TEST(Exercisers, FaultsKeepTheStateAsItWas) {
    struct Case {
        const char* what;
        std::string_view device;
        double pfd;
        double step;
        TickOutcome (*run)(SharedState&);
    };
    const Case cases[] = {
        {"sweep, no step", zqf7310, 10e6, 0.0, [](SharedState& s) { return sweep_tick(s); }},
        {"sweep, no PFD", zqf7340, 0.0, 200e3, [](SharedState& s) { return sweep_tick(s); }},
        {"fixed sweep, no PFD", zqf7350, 0.0, 200e3, [](SharedState& s) { return sweep_tick(s); }},
        {"hop, no step", zqf7620, 10e6, 0.0,
         [](SharedState& s) { return hop_tick(s, 1850.0, 1860.0); }},
        {"hop, no PFD", zqf7350, 0.0, 200e3,
         [](SharedState& s) { return hop_tick(s, 1850.0, 1860.0); }},
        {"phase sweep start, no step", zqf7340, 10e6, 0.0,
         [](SharedState& s) { return start_phase_sweep(s, 3.0, 1751e6); }},
        {"channel step, no PFD", zqf7340, 0.0, 200e3,
         [](SharedState& s) { return step_channel(s, 1.0); }},
    };
    for (const Case& c : cases) {
        SharedState s = planned(c.device, c.pfd, c.step);
        start_sweep(s, 1750e6, 1752e6);
        s.hop_current = 1860.0;
        const SharedState before = s;
        EXPECT_EQ(c.run(s).kind, TickKind::fault) << c.what;
        EXPECT_EQ(s.sweep_position, before.sweep_position) << c.what;
        EXPECT_EQ(s.sweep_position_fixed, before.sweep_position_fixed) << c.what;
        EXPECT_EQ(s.int_val, before.int_val) << c.what;
        EXPECT_EQ(s.mod_val, before.mod_val) << c.what;
        EXPECT_EQ(s.rf_freq, before.rf_freq) << c.what;
        EXPECT_EQ(s.phase_value, before.phase_value) << c.what;
        EXPECT_EQ(s.hop_current, before.hop_current) << c.what;
        EXPECT_EQ(s.hop_used, before.hop_used) << c.what;
    }
}

// Each device moves its own pair; the other stays where Start put it.
TEST(Exercisers, SweepMovesOnlyThePairOfTheDevice) {
    SharedState channel = planned(zqf7310);
    start_sweep(channel, 1750e6, 1752e6);
    ASSERT_EQ(sweep_tick(channel).kind, TickKind::stored);
    EXPECT_EQ(channel.sweep_position, 1750.2e6);
    EXPECT_EQ(channel.sweep_position_fixed, 1750e6);
    EXPECT_EQ(channel.sweep_step, 200e3);

    SharedState fixed = planned(zqf7350);
    start_sweep(fixed, 1750e6, 1752e6);
    fixed.chan_step = 0.0; // the fixed modulus steps by a unit of its own
    ASSERT_EQ(sweep_tick(fixed).kind, TickKind::stored);
    EXPECT_EQ(fixed.sweep_position, 1750e6);
    EXPECT_EQ(fixed.rf_freq, 1750e6 + 10e6 / 33554432.0);
    EXPECT_EQ(fraction25(fixed), 1.0);
}

// Start above the stop: the first tick ends the sweep at the start.
TEST(Exercisers, SweepStartingAboveItsStopEndsAtOnce) {
    SharedState s = planned(zqf7340);
    start_sweep(s, 1753e6, 1752e6);
    EXPECT_EQ(sweep_tick(s).kind, TickKind::finished);
    EXPECT_EQ(s.rf_freq, 1753e6);
    EXPECT_EQ(s.int_val, 175.0);
}

// The ZQF7350's hop keeps the channel-step plan in the modulus fields it does
// not use and moves its channel step to one unit of the fixed modulus.
TEST(Exercisers, FixedModulusHopPlansTwice) {
    SharedState s = planned(zqf7350);
    ASSERT_EQ(hop_tick(s, 1850.1, 1860.0).kind, TickKind::stored);
    // The whole 25-bit fraction over the fixed modulus: 0.01 of a 10 MHz PFD.
    EXPECT_EQ(s.mod_val, 33554432.0);
    EXPECT_EQ(s.frac_val, fraction25(s));
    EXPECT_EQ(s.frac_val, 335544.0);
    EXPECT_EQ(s.chan_step, 10e6 / 33554432.0);
    EXPECT_EQ(s.rf_freq, 1850.1e6);
    EXPECT_EQ(s.int_val, 185.0);
    EXPECT_EQ(fraction25(s), 335544.0); // 0.01 of 2^25, rounded

    // From then on the step is the fixed unit: FRAC counts units.
    ASSERT_EQ(hop_tick(s, 1850.1, 1860.0).kind, TickKind::stored);
    EXPECT_EQ(s.mod_val, 33554432.0);
    EXPECT_EQ(s.hop_current, 1860.0);
}

TEST(Exercisers, PhaseHoldsBelowTheModulus) {
    struct Case {
        double phase;
        double mod;
        TickKind kind;
        double after;
    };
    const Case cases[] = {
        {0.0, 5.0, TickKind::stored, 1.0},  {3.0, 5.0, TickKind::stored, 4.0},
        {4.0, 5.0, TickKind::holding, 4.0}, {9.0, 5.0, TickKind::holding, 9.0},
        {0.0, 1.0, TickKind::holding, 0.0}, {48.0, 50.0, TickKind::stored, 49.0},
    };
    for (const Case& c : cases) {
        SharedState s = planned(zqf7340);
        s.phase_value = c.phase;
        s.mod_val = c.mod;
        EXPECT_EQ(phase_tick(s).kind, c.kind) << c.phase << " of " << c.mod;
        EXPECT_EQ(s.phase_value, c.after) << c.phase << " of " << c.mod;
    }
}

} // namespace
} // namespace zqf
