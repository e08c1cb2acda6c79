#include "core/registers/assembly.h"
#include "core/state/start_values.h"
#include "core/windows/frequency_trace.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zqf {
namespace {

// A ZQF7310 at its first-start plan: reference 10 MHz, R 1, MOD 50.
SharedState zqf7310() {
    SharedState s;
    apply_first_start_values(s);
    s.device_name = "ZQF7310";
    return s;
}

// R0 of the ZQF7310 with INT in bits 22-14 and FRAC 0: INT x 10 MHz.
uint32_t r0_for(int int_val) {
    return static_cast<uint32_t>(int_val) << 14;
}

struct Log {
    int64_t now = 0;
    BusLog log{[this] { return now; }, [] { return 24; }};
    void add(int64_t at, int index, uint32_t word, Delivery delivery = Delivery::sent) {
        now = at;
        log.add({index, word, LinkKind::parallel_port, delivery, {}});
    }
};

std::vector<std::pair<double, double>> mhz_points(const StepTrace& trace) {
    std::vector<std::pair<double, double>> out;
    for (const StepPoint& p : trace.points()) {
        out.emplace_back(p.time_s, std::isnan(p.hz) ? -1.0 : p.hz / 1e6);
    }
    return out;
}

TEST(FrequencyTrace, EachDeliveredWordMovesTheChipOnceItsMillisecondIsIn) {
    const SharedState panel = zqf7310();
    Log l;
    FrequencyTrace trace(panel, RegisterWords{}, l.log, 0);
    // A full write in one millisecond: one change, no passing state between words.
    l.add(1000, 2, *compose_register(panel, 2));
    l.add(1000, 1, *compose_register(panel, 1));
    l.add(1000, 0, r0_for(175));
    l.add(1001, 0, r0_for(185));
    l.add(1002, 0, r0_for(175));
    l.add(1003, 0, r0_for(200), Delivery::failed); // never reached the chip
    trace.follow(l.log, panel, 1003);
    using P = std::vector<std::pair<double, double>>;
    EXPECT_EQ(mhz_points(trace.chip_rf()),
              (P{{0.0, -1.0}, {1.0, 1750.0}, {1.001, 1850.0}, {1.002, 1750.0}}));
    EXPECT_EQ(mhz_points(trace.panel_rf()), (P{{0.0, 1750.0}}));
    EXPECT_TRUE(trace.chip_if().points().empty() || std::isnan(trace.chip_if().points()[0].hz));

    EXPECT_EQ(trace.csv(false).substr(0, 120), "time (s),chip RF (MHz),panel RF (MHz)\n"
                                               "0.000,,1750\n"
                                               "1.000,1750,1750\n"
                                               "1.001,1850,1750\n"
                                               "1.002,1750,1750\n");
}

TEST(FrequencyTrace, AnOutlineStepsWhereSparseAndBandsWhereDense) {
    StepTrace trace;
    trace.add(0.0, 1e9);
    trace.add(1.0, 2e9);
    const std::vector<StepPoint> sparse = step_outline(trace, 0.5, 2.0, 100);
    ASSERT_EQ(sparse.size(), 4U);
    EXPECT_EQ(sparse[0].time_s, 0.5); // the frequency entering the span
    EXPECT_EQ(sparse[1].hz, 1e9);     // the corner at the change
    EXPECT_EQ(sparse[2].hz, 2e9);
    EXPECT_EQ(sparse[3].time_s, 2.0); // held to the end

    // A 1 ms hop for 10 s across 500 columns: four points a column at most,
    // and every column spans both frequencies.
    StepTrace hop;
    for (int k = 0; k < 10000; ++k) {
        hop.add(k / 1000.0, k % 2 == 0 ? 1850e6 : 1860e6);
    }
    const std::vector<StepPoint> dense = step_outline(hop, 0.0, 10.0, 500);
    EXPECT_LE(dense.size(), 4U * 500U);
    EXPECT_EQ(dense[1].hz, 1850e6);
    EXPECT_EQ(dense[2].hz, 1860e6);
}

} // namespace
} // namespace zqf
