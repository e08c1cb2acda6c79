#include "core/registers/field_check.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace zqf {
namespace {

using F = FieldId;

// Every counter a device places, at the edges of its bits: the largest code
// fits; one more, -1, a fraction, an infinity and a NaN do not.
TEST(FieldCheck, EveryCounterAtItsEdgesOnEveryDevice) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    int checked = 0;
    for (const DeviceProfile& device : catalogue_profiles()) {
        for (const FieldInfo& info : field_infos()) {
            const std::optional<FieldPlace> place = find_field(device, info.id);
            if (!info.counter || !place) {
                continue;
            }
            ++checked;
            const double max = place->term->bits.max_code();
            const std::string label = std::string(device.stored_name) + " " + std::string(info.key);
            EXPECT_FALSE(check_field(device, info.id, max)) << label;
            EXPECT_FALSE(check_field(device, info.id, 0.0)) << label;
            for (const double bad : {max + 1.0, -1.0, 0.5, max - 0.5, inf, -inf, nan}) {
                const std::optional<FieldMisfit> misfit = check_field(device, info.id, bad);
                ASSERT_TRUE(misfit.has_value()) << label << " " << bad;
                EXPECT_EQ(misfit->id, info.id) << label;
                EXPECT_EQ(misfit->bits.width, place->term->bits.width) << label;
            }
        }
    }
    // INT, FRAC, MOD, R on three devices; phase and clock divider on the
    // ZQF7340; INT, R and the two halves on the ZQF7350; R, B and A of the IF.
    EXPECT_EQ(checked, 4 + 4 + 4 + 6 + 4 + 3);
}

TEST(FieldCheck, StoredFieldsInTheOrderAskedAndTheCountersOfARegister) {
    SharedState s;
    s.device_name = "ZQF7310";
    s.int_val = 2100;
    s.mod_val = 10000;
    s.muxout_code = 8.0 * 1048576.0; // a setting wider than its slot is no counter
    const FieldId ids[] = {F::r_counter, F::mod, F::int_val, F::frac_lsb};
    EXPECT_EQ(check_stored_fields(s, ids)->id, F::mod);
    EXPECT_EQ(check_register_fields(s, 0)->id, F::int_val);
    EXPECT_FALSE(check_register_fields(s, 2).has_value());
    s.mod_val = 50;
    EXPECT_FALSE(check_register_fields(s, 1).has_value());
    s.device_name = "ZQF9999";
    EXPECT_FALSE(check_stored_fields(s, ids).has_value());
}

TEST(FieldCheck, WarningNamesFieldValueRangeAndWhatToChange) {
    const std::optional<FieldMisfit> mod = check_field(device_profile("ZQF7310"), F::mod, 10000);
    ASSERT_TRUE(mod.has_value());
    EXPECT_EQ(misfit_text(*mod, "Use a larger channel step."),
              "MOD = 10000 does not fit its 12-bit field, which takes a whole number from 0 to "
              "4095. Use a larger channel step.");
    const std::optional<FieldMisfit> r =
        check_field(device_profile("ZQF7620"), F::if_r_counter, -3);
    EXPECT_EQ(misfit_text(*r), "IF R counter = -3 does not fit its 15-bit field, which takes a "
                               "whole number from 0 to 32767.");
}

} // namespace
} // namespace zqf
