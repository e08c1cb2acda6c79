#pragma once

#include <array>
#include <string_view>

namespace zqf {

// One of the 32 test modes of a section: the caption of its option button and
// the name the main window's `testmode` label shows once it is loaded. Row k
// (from 0) is test code k, stored as k x 2^11.
struct TestModeRow {
    std::string_view caption;
    std::string_view mode_text;
};

using TestModeRows = std::array<TestModeRow, 32>;

// The RF section's modes (the RF test-mode window) and the IF section's (the
// IF test-mode window of the dual devices).
extern const TestModeRows rf_test_modes;
extern const TestModeRows if_test_modes;

} // namespace zqf
