#pragma once

#include "core/link/bus_recording.h"
#include "core/link/platform.h"
#include "platform/bus_waveform.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zqf {

// Where a recording's text goes: a file that grows and is put in place at the end.
class RecordingSink {
  public:
    virtual ~RecordingSink() = default;
    // False when the text could not be kept (see error()).
    virtual bool write(std::string_view text) = 0;
    // Puts the file in place; false when it could not.
    virtual bool finish() = 0;
    virtual const std::string& error() const = 0;
};

// Opens the sink for a path, or gives nothing with the reason (which names
// the path) in `error`.
using OpenSink =
    std::function<std::unique_ptr<RecordingSink>(const std::string& path, std::string& error)>;

// The sink the programs use: a file beside the target, renamed over it at the end.
std::unique_ptr<RecordingSink> open_recording_file(const std::string& path, std::string& error);

// Steady time in nanoseconds, for recordings on real hardware.
int64_t steady_nanoseconds();

// Wraps any platform and, while a recording runs, draws every port write and
// every word request that the platform took into a Value Change Dump
// (BusWaveform). It forwards every call unchanged.
class RecordingPlatform final : public Platform, public BusRecording {
  public:
    // `clock` empty: the synthetic time of the virtual board.
    RecordingPlatform(Platform& inner, MonotonicClock clock, OpenSink open = open_recording_file)
        : inner_(inner), clock_(std::move(clock)), open_(std::move(open)) {}
    // A recording still under way is finished, so it is not lost.
    ~RecordingPlatform() override;

    int16_t claim_parallel_port(int32_t port_number, int32_t mode) override {
        return inner_.claim_parallel_port(port_number, mode);
    }
    void out_byte(int32_t port, int32_t value) override;
    int16_t load_firmware(const uint8_t* path) override { return inner_.load_firmware(path); }
    int16_t vendor_request(int16_t request, int32_t value1, int32_t value2, int16_t value3,
                           int16_t length, uint8_t* buffer) override;
    int16_t os_version() override { return inner_.os_version(); }
    std::string failure_reason() const override { return inner_.failure_reason(); }
    uint64_t failed_transfers() const override { return inner_.failed_transfers(); }
    std::string transfer_failure() const override { return inner_.transfer_failure(); }
    std::optional<uint32_t> held_word(int index) const override { return inner_.held_word(index); }
    std::string parallel_port_name() const override { return inner_.parallel_port_name(); }

    std::optional<std::string> start(const std::string& path) override;
    std::optional<std::string> stop() override;
    bool recording() const override { return sink_ != nullptr; }
    const std::string& path() const override { return path_; }
    void set_failure_handler(std::function<void(const std::string& reason)> handler) override {
        on_failure_ = std::move(handler);
    }

    // Why the last recording was lost, if it was.
    const std::optional<std::string>& lost() const { return lost_; }

  private:
    // Hands the text drawn so far to the sink once enough has gathered; a
    // sink that fails ends the recording.
    void drain();
    // Takes the reason by value: it may live in the sink that goes away.
    void give_up(std::string reason);

    Platform& inner_;
    MonotonicClock clock_;
    OpenSink open_;
    std::optional<uint8_t> port_lines_;
    std::unique_ptr<RecordingSink> sink_;
    std::unique_ptr<BusWaveform> waveform_;
    std::string pending_;
    std::string path_;
    std::optional<std::string> lost_;
    std::function<void(const std::string&)> on_failure_;
};

} // namespace zqf
