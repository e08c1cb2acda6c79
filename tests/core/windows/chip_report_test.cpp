#include "core/state/start_values.h"
#include "core/windows/chip_report.h"

#include <gtest/gtest.h>

namespace zqf {
namespace {

std::string chip_side(const ChipReport& report, std::string_view name) {
    for (const SettingReport& setting : report.settings) {
        if (setting.name == name) {
            return setting.chip.value_or("(none)");
        }
    }
    return "(no such setting)";
}

// The ZQF7350 splits its 25-bit fraction: the upper 12 bits in R0 (bits
// 14-3), the lower 13 in R1 (bits 27-15). Words composed by hand, and the
// frequency worked out by hand from f = (INT + FRAC / 2^25) x PFD.
TEST(ChipReport, TheZqf7350FrequencyWeighsBothHalvesOfTheFraction) {
    SharedState panel;
    panel.device_name = "ZQF7350";
    apply_device_defaults(panel);
    panel.refin_freq = 10e6;
    RegisterWords chip{};
    chip[0] = 0x0057C000; // INT 175, upper fraction 2048
    chip[1] = 0x08000009; // lower fraction 4096
    chip[2] = 0x00808002; // R 1: PFD 10 MHz
    const ChipReport report = chip_report(panel, chip);
    // FRAC = 2048 x 8192 + 4096 = 16781312; 175 + 16781312 / 33554432 = 175.5001220703125.
    EXPECT_EQ(chip_side(report, "N = INT + FRAC/MOD"), "175 + 16781312/33554432");
    EXPECT_EQ(chip_side(report, "RF output"), "1755.00122 MHz");
}

} // namespace
} // namespace zqf
