#pragma once

#include "core/state/shared_state.h"
#include "core/ui/form.h"
#include "core/windows/test_mode_rows.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace zqf {

class Program;
struct DeviceProfile;
struct RegisterWrites;

// What sets one test-mode window apart from the other: its section's modes,
// the field and the index it stores, and what its Load Now writes.
struct TestModeWindow {
    std::string_view name;
    std::string_view caption;
    const TestModeRows& rows;
    int32_t SharedState::*field; // code x 2^11
    int16_t SharedState::*index; // the option last loaded, 1 to 32
    RegisterWrites (*writes)(const DeviceProfile& device);
};

// A window of 32 option buttons, one per test mode of a section. Load Now
// stores the chosen mode, names it on the main window and writes.
class TestModeForm : public Form {
  public:
    TestModeForm(Program& program, const TestModeWindow& window);

    // Chooses the option of the stored index; an index outside 1 to 32 chooses none.
    void load() override;

  private:
    // The number (1 to 32) of the first chosen option, or nothing.
    std::optional<int> chosen() const;
    void Command3_Click();
    void Command1_Click();

    Program& program_;
    const TestModeWindow& window_;
};

// The RF section's test modes.
class TestForm final : public TestModeForm {
  public:
    explicit TestForm(Program& program);
};

// The IF section's test modes (dual devices).
class IfTestForm final : public TestModeForm {
  public:
    explicit IfTestForm(Program& program);
};

} // namespace zqf
