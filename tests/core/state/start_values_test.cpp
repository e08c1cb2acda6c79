#include "core/state/device_profile.h"
#include "core/state/start_values.h"

#include <gtest/gtest.h>

namespace zqf {
namespace {

// The bench scripts device_* confirm each selection and check the name stored.
TEST(DeviceCatalogue, SelectionsStoreTheirNames) {
    for (const DeviceEntry& d : device_catalogue) {
        EXPECT_EQ(device_profile(d.stored_name).stored_name, d.stored_name) << d.caption;
    }
    EXPECT_EQ(family_of("ZQF7610"), Family::none); // nothing tests the ZQF7610 name
    EXPECT_EQ(family_of("zqf7310"), Family::none);
    EXPECT_EQ(transfer_bits("ZQF7360"), 32);
    EXPECT_EQ(transfer_bits("ZQF7620"), 24);
    EXPECT_EQ(transfer_bits(""), 24);
}

TEST(DeviceDefaults, PerDeviceRows) {
    SharedState s;
    apply_first_start_values(s);
    EXPECT_EQ(s.port_address, 888);
    EXPECT_EQ(s.rset_ohms, 2700.0);
    EXPECT_EQ(s.rset_ohms_int, 0);

    // StartWindow.ZQF7320PresetsThePrescalerList and the reference_windows
    // script see the ZQF7320's modulus, divider and reference.
    s.device_name = "ZQF7320";
    EXPECT_EQ(apply_device_defaults(s), DefaultsFollowUp::preset_panel);
    EXPECT_EQ(s.rf_freq, 1650000000.0);
    EXPECT_EQ(s.rset_ohms_int, 5100);

    SharedState z50;
    apply_first_start_values(z50);
    z50.device_name = "ZQF7350";
    z50.cp_current_5r = 5.0;
    EXPECT_EQ(apply_device_defaults(z50), DefaultsFollowUp::none);
    EXPECT_EQ(z50.cp_current_5r, 0.0);

    SharedState unknown;
    apply_first_start_values(unknown);
    unknown.device_name = "ZQF7610";
    apply_device_defaults(unknown);
    EXPECT_EQ(unknown.rset_ohms_int, 0); // no row: nothing changes
}

} // namespace
} // namespace zqf
