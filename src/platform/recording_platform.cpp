#include "platform/recording_platform.h"

#include "core/link/usb_link.h"
#include "files/atomic_write.h"

#include <algorithm>
#include <array>
#include <chrono>

namespace zqf {

namespace {

// Text gathers up to this size before it is written out.
constexpr std::size_t drain_size = 64 * 1024;

// A file that grows beside its target and is renamed over it at the end.
class FileSink final : public RecordingSink {
  public:
    explicit FileSink(std::string path) : file_(std::move(path)) {}
    bool begin() { return file_.begin(); }
    bool write(std::string_view text) override { return file_.append(text); }
    bool finish() override { return file_.commit(); }
    const std::string& error() const override { return file_.error(); }

  private:
    AtomicWriter file_;
};

} // namespace

std::unique_ptr<RecordingSink> open_recording_file(const std::string& path, std::string& error) {
    auto sink = std::make_unique<FileSink>(path);
    if (!sink->begin()) {
        error = sink->error();
        return nullptr;
    }
    return sink;
}

int64_t steady_nanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

RecordingPlatform::~RecordingPlatform() {
    if (recording()) {
        stop();
    }
}

void RecordingPlatform::out_byte(int32_t port, int32_t value) {
    const uint64_t failed_before = inner_.failed_transfers();
    inner_.out_byte(port, value);
    // A write the port did not take (one never claimed) left the lines as they were.
    if (inner_.failed_transfers() != failed_before) {
        return;
    }
    const auto lines = static_cast<uint8_t>(value & 0xFF);
    if (recording()) {
        waveform_->port_write(lines);
        drain();
    }
    port_lines_ = lines;
}

int16_t RecordingPlatform::vendor_request(int16_t request, int32_t value1, int32_t value2,
                                          int16_t value3, int16_t length, uint8_t* buffer) {
    // The word is drawn from the bytes as they were handed over, at the
    // moment of the request; a request the adapter refused reached no chip.
    std::array<uint8_t, 5> sent{};
    const bool word = request == usb_word_request && length >= 5 && buffer != nullptr;
    if (word) {
        std::copy(buffer, buffer + sent.size(), sent.begin());
    }
    const int16_t result = inner_.vendor_request(request, value1, value2, value3, length, buffer);
    if (recording() && word && result >= 0) {
        const uint32_t value = uint32_t{sent[0]} | uint32_t{sent[1]} << 8 |
                               uint32_t{sent[2]} << 16 | uint32_t{sent[3]} << 24;
        waveform_->usb_word(value, sent[4]);
        drain();
    }
    return result;
}

std::optional<std::string> RecordingPlatform::start(const std::string& path) {
    if (recording()) {
        return "a recording to \"" + path_ + "\" is under way";
    }
    std::string error;
    std::unique_ptr<RecordingSink> sink = open_(path, error);
    if (sink == nullptr) {
        return error;
    }
    auto waveform = std::make_unique<BusWaveform>(clock_, port_lines_);
    if (!sink->write(waveform->take())) {
        return sink->error();
    }
    path_ = path;
    lost_.reset();
    sink_ = std::move(sink);
    waveform_ = std::move(waveform);
    return std::nullopt;
}

std::optional<std::string> RecordingPlatform::stop() {
    if (!recording()) {
        return std::nullopt;
    }
    waveform_->close();
    pending_ += waveform_->take();
    const bool finished = sink_->write(pending_) && sink_->finish();
    if (!finished) {
        lost_ = sink_->error();
    }
    pending_.clear();
    sink_.reset();
    waveform_.reset();
    return finished ? std::nullopt : lost_;
}

void RecordingPlatform::drain() {
    pending_ += waveform_->take();
    if (pending_.size() < drain_size) {
        return;
    }
    const bool kept = sink_->write(pending_);
    pending_.clear();
    if (!kept) {
        give_up(sink_->error());
    }
}

void RecordingPlatform::give_up(std::string reason) {
    lost_ = reason;
    sink_.reset();
    waveform_.reset();
    if (on_failure_) {
        on_failure_(reason);
    }
}

} // namespace zqf
