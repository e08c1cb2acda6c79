#pragma once

#include "platform/vcd_writer.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace zqf {

// A monotonic clock in nanoseconds. An empty one stands for the virtual
// board's synthetic time, in which a recording is the same on every run.
using MonotonicClock = std::function<int64_t()>;

// The wires of a bus recording: the parallel port's five used data lines
// under their pin names, and the three-wire interface the USB adapter drives.
enum class BusWire : std::size_t {
    d0_clock,
    d1_data,
    d2_load_enable,
    d3,
    d4,
    usb_clock,
    usb_data,
    usb_load_enable,
};

// Draws what goes over the link as the chip sees it. A port write sets the
// five data lines at once; a USB word is drawn as the adapter clocks it out:
// most significant bit first, each bit set up with the clock low and clocked
// by one high phase, then the load-enable pulse, one phase each.
//
// Synthetic time (no clock): 1 us a port write, 1 us a phase, each event
// right after the one before. Monotonic time: nanoseconds since the recording
// began, each event at the moment it happened but never before the previous
// one has ended.
class BusWaveform {
  public:
    // `port_lines`: the byte on the port's data lines when the recording
    // starts, if anything has been written.
    BusWaveform(MonotonicClock clock, std::optional<uint8_t> port_lines);

    void port_write(uint8_t value);
    void usb_word(uint32_t word, int bits);
    // Ends the drawing one step after the last event (or now, if later).
    void close();

    // The dump's text so far, handed out once.
    std::string take() { return vcd_.take(); }

  private:
    int64_t now() const;
    int64_t step() const { return clock_ ? 1000 : 1; }
    void set(int64_t time, BusWire wire, bool high);

    MonotonicClock clock_;
    int64_t origin_ = 0;
    int64_t end_ = 0; // when the last event drawn has ended
    VcdWriter vcd_;
};

} // namespace zqf
