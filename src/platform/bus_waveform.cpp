#include "platform/bus_waveform.h"

#include "core/link/parallel_link.h"

#include <algorithm>
#include <array>

namespace zqf {

namespace {

// In the order of BusWire.
constexpr std::array<VcdWire, 8> bus_wires{{
    {"parallel_port", "D0_clock", 'A'},
    {"parallel_port", "D1_data", 'B'},
    {"parallel_port", "D2_load_enable", 'C'},
    {"parallel_port", "D3", 'D'},
    {"parallel_port", "D4", 'E'},
    {"usb_adapter", "clock", 'F'},
    {"usb_adapter", "data", 'G'},
    {"usb_adapter", "load_enable", 'H'},
}};

struct PortLine {
    BusWire wire;
    int32_t bit;
};

constexpr PortLine port_lines[] = {
    {BusWire::d0_clock, lines::clock},
    {BusWire::d1_data, lines::data},
    {BusWire::d2_load_enable, lines::load_enable},
    {BusWire::d3, lines::always_high},
    {BusWire::d4, lines::low_half},
};

std::array<char, bus_wires.size()> initial_levels(std::optional<uint8_t> port) {
    std::array<char, bus_wires.size()> levels{};
    levels.fill('0');
    for (const PortLine& line : port_lines) {
        const char level = !port ? 'x' : (*port & line.bit) != 0 ? '1' : '0';
        levels[static_cast<std::size_t>(line.wire)] = level;
    }
    return levels;
}

} // namespace

BusWaveform::BusWaveform(MonotonicClock clock, std::optional<uint8_t> port_lines)
    : clock_(std::move(clock)), origin_(clock_ ? clock_() : 0),
      vcd_(bus_wires, clock_ ? "1 ns" : "1 us", initial_levels(port_lines)) {}

int64_t BusWaveform::now() const {
    return clock_ ? clock_() - origin_ : 0;
}

void BusWaveform::set(int64_t time, BusWire wire, bool high) {
    vcd_.set(time, static_cast<std::size_t>(wire), high);
}

void BusWaveform::port_write(uint8_t value) {
    // One write per time stamp, or the clock pulse of a bit would vanish.
    const int64_t time = std::max(now(), end_ + 1);
    for (const PortLine& line : port_lines) {
        set(time, line.wire, (value & line.bit) != 0);
    }
    end_ = time;
}

void BusWaveform::usb_word(uint32_t word, int bits) {
    const int count = std::clamp(bits, 0, 32);
    const int64_t phase = step();
    int64_t time = std::max(now(), end_ + phase);
    for (int bit = count - 1; bit >= 0; --bit) {
        set(time, BusWire::usb_clock, false);
        set(time, BusWire::usb_data, ((word >> bit) & 1U) != 0);
        time += phase;
        set(time, BusWire::usb_clock, true);
        time += phase;
    }
    set(time, BusWire::usb_clock, false);
    set(time, BusWire::usb_data, false);
    time += phase;
    set(time, BusWire::usb_load_enable, true);
    time += phase;
    set(time, BusWire::usb_load_enable, false);
    end_ = time;
}

void BusWaveform::close() {
    vcd_.close(std::max(now(), end_ + step()));
}

} // namespace zqf
