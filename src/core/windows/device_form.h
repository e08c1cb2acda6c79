#pragma once

#include "core/ui/form.h"

namespace zqf {

class Program;

// The start window: the device under evaluation and the link to its board.
class DeviceForm final : public Form {
  public:
    explicit DeviceForm(Program& program);

    void load() override;
    // Closing the start window without confirming ends the program.
    void close_box() override;

    // The confirmation of "OK". A reset of the running program confirms the
    // window once more without preparing the link again: the port stays
    // claimed and the adapter's firmware is loaded once per run.
    void confirm(bool prepare);

  private:
    void Command1_Click();
    void Command2_Click();
    // Returns false when the preparation ended early (nothing to remember).
    bool prepare_link();
    bool prepare_parallel_port();
    void prepare_usb_adapter();

    Program& program_;
};

} // namespace zqf
