#pragma once

#include "core/ui/form.h"

#include <optional>

namespace zqf {

class Program;

// The IF planner of the dual synthesizers: from a wanted IF VCO frequency and
// IF comparison frequency it computes R, N and the B and A counters around the
// dual-modulus prescaler, and writes the IF registers.
class SynthIfForm final : public Form {
  public:
    explicit SynthIfForm(Program& program);

    void load() override;

  private:
    // The two frequencies a button works from, in Hz.
    struct Wanted {
        double vco_hz;
        double pfd_hz;
    };

    void Command3_Click();
    void Command1_Click();
    void Command4_Click();
    void Command5_Click();
    // Reads both entries, the VCO one moved by `channels` times the PFD.
    std::optional<Wanted> read_wanted(double channels);
    // R, N, B and A into the state; false (after the warning) when they do not fit.
    bool store_counters(const Wanted& wanted);
    bool load_counters();
    // IF R at least 1; warns when not.
    bool counters_make_sense();
    void step(double channels);
    void show_counters();
    void reject_entry(ControlName<TextBox> text_box, std::string_view message);

    Program& program_;
};

} // namespace zqf
