#pragma once

#include "core/state/shared_state.h"
#include "remote/diverting_host.h"
#include "remote/scpi_error.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zqf {
class Form;
class Program;
} // namespace zqf

namespace zqf::remote {

class PanelChange;

// What a change came to: nothing when it was carried out, else the error.
using Result = std::optional<ScpiError>;

// The instrument's hands on the panel. Each change does what a user would do
// in the program's own windows (types into the planner's entries and clicks
// its buttons, flips a switch and clicks the update button it lights), all
// or nothing (PanelChange): what a window answers with a beep or a message
// box becomes the error, and nothing of a refused change stays.
class Panel {
  public:
    Panel(Program& program, DivertingHost& host) : program_(program), host_(host) {}

    Program& program() { return program_; }
    const SharedState& state() const;

    // Refuses a change while a window of the desktop waits for its user
    // (a modal window): its handlers would not run behind its back.
    Result busy() const;

    // RF section: the RF planner's Normal-mode update and channel stepping.
    Result set_rf_frequency(double hz);
    Result set_rf_step(double hz);
    Result step_rf(bool up);
    // The reference input: both planners plan again around it.
    Result set_reference(double hz);

    // IF section of the dual devices: the IF planner.
    Result set_if_frequency(double hz);
    Result set_if_step(double hz);
    Result step_if(bool up);

    // RF (section 1) or IF (section 2) output on or off: the panel's
    // powerdown switch and the update button it lights.
    Result set_output(int section, bool on);
    // The ZQF7340's phase word: the phase box, "Enter" and the R1 update.
    Result set_phase(double value);

    // A raw word: decoded into the panel's members, then written.
    Result apply_word(int index, uint32_t word);
    // A register, or every register in the order of a full write.
    Result write_register(int index);
    Result write_all();

    // The start window confirmed once more for the same device and link
    // (without preparing the link again), then every register written.
    Result reset();

    // File > Get Settings and Save Settings with the file answered.
    Result load_settings(const std::string& path);
    Result store_settings(const std::string& path);

    // The sweep and the hopper, in windows of their own that nobody sees.
    Result start_sweep(std::optional<double> start_hz, std::optional<double> stop_hz,
                       std::optional<double> dwell_ms);
    Result start_hop(std::optional<double> f1_hz, std::optional<double> f2_hz,
                     std::optional<double> dwell_ms);
    // Stops and closes them.
    void abort();
    // A finite sweep is under way.
    bool sweeping() const;
    // The sweep or the hopper is under way.
    bool exercising() const;
    // The window of the sweep or hopper a remote command started, or nullptr.
    Form* exerciser(std::string_view name) const;

    // The designed entries of the sweep and hopper windows, for queries of
    // settings no client has made.
    struct ExerciserEntries {
        double start_hz, stop_hz, sweep_dwell_ms;
        double f1_hz, f2_hz, hop_dwell_ms;
    };
    ExerciserEntries designed_entries();

  private:
    Result change(ErrorCode code, std::string fallback,
                  const std::function<Result(PanelChange&)>& act);
    // Writes the registers whose word the change altered: through the update
    // button it lit, else straight to the link when the chip lacks the word.
    void write_changed(const SharedState& before);
    void write_through_indicator(int index);
    // The RF output and IF VCO frequencies after new dividers came from a word.
    void settle_frequencies(const SharedState& before);
    Result if_section() const;

    Program& program_;
    DivertingHost& host_;
};

} // namespace zqf::remote
