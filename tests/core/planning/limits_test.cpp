#include "core/planning/if_counters.h"
#include "core/planning/limits.h"

#include <gtest/gtest.h>

#include <string>

namespace zqf {
namespace {

struct LimitCase {
    const char* device;
    int32_t prescaler;
    double int_val;
    double pfd;
    const char* message; // nullptr: passes
};

TEST(Limits, EachBoundaryForBothGroupsAndPrescalers) {
    const char* pfd_message = "Invalid entry in PFD Comparison Frequency. (Fmax = 32MHz)";
    const LimitCase cases[] = {
        {"ZQF7310", 8, 200, 32e6, nullptr},
        {"ZQF7620", 8, 200, 32e6 + 0.001, pfd_message},
        {"ZQF9999", 8, 1, 40e6, pfd_message},
        {"ZQF7310", 8, 88, 10e6, nullptr},
        {"ZQF7310", 8, 87, 10e6, "Minimum N value allowed when P=8 is 88."},
        {"ZQF7320", 4, 31, 10e6, nullptr},
        {"ZQF7320", 4, 30, 10e6, "Minimum N value allowed when P=4 is 31."},
        {"ZQF7620", 8, 87, 10e6, "Minimum N value allowed when P=8 is 88."},
        {"ZQF7620", 4, 30, 10e6, "Minimum N value allowed when P=4 is 31."},
        {"ZQF7340", 8, 75, 10e6, nullptr},
        {"ZQF7340", 8, 74, 10e6, "Minimum N value allowed when P=8 is 75."},
        {"ZQF7350", 4, 23, 10e6, nullptr},
        {"ZQF7350", 4, 22, 10e6, "Minimum N value allowed when P=4 is 23."},
        {"ZQF7360", 8, 74, 10e6, "Minimum N value allowed when P=8 is 75."},
        {"ZQF7340", 4, 30, 10e6, nullptr}, // the 32-bit group's limit is lower
        {"ZQF7310", 16, 1, 10e6, nullptr}, // no limit for another prescaler
        {"ZQF9999", 8, 1, 10e6, nullptr},  // nor for a name outside the catalogue
    };
    for (const LimitCase& c : cases) {
        SharedState s;
        s.device_name = c.device;
        s.prescaler_p = c.prescaler;
        s.int_val = c.int_val;
        s.pfd_freq = c.pfd;
        const std::optional<LimitFailure> failure = check_limits(s);
        const std::string label = std::string(c.device) + " P" + std::to_string(c.prescaler) +
                                  " INT " + std::to_string(c.int_val);
        if (c.message == nullptr) {
            EXPECT_FALSE(failure.has_value()) << label;
            continue;
        }
        ASSERT_TRUE(failure.has_value()) << label;
        EXPECT_EQ(failure->message, c.message) << label;
        EXPECT_EQ(failure->focus, c.message == pfd_message ? "Text4" : "") << label;
    }
}

TEST(IfCounters, SplitAroundThePrescaler) {
    EXPECT_EQ(split_counter(2700, 8)->b, 337);
    EXPECT_EQ(split_counter(2700, 8)->a, 4);
    // IfPlanner.NearestCounterAndSmallN takes N below P (all in A).
    EXPECT_EQ(split_counter(-3, 8)->b, -1); // toward minus infinity, A stays in 0..P-1
    EXPECT_EQ(split_counter(-3, 8)->a, 5);
    EXPECT_FALSE(split_counter(2700, 0).has_value());
}

} // namespace
} // namespace zqf
