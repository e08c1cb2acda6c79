#include "platform/linux/hardware_platform.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string>
#include <thread>

namespace zqf {

namespace {

// Paths longer than this are refused rather than read past a missing terminator.
constexpr std::size_t max_path_bytes = 4096;

// What a claim or a firmware load explains fits in this; a long run of
// failing requests between two of them is not kept.
constexpr std::size_t max_kept_bytes = 4096;

} // namespace

KeepingLog::int_type KeepingLog::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) {
        return traits_type::not_eof(c);
    }
    const char ch = traits_type::to_char_type(c);
    if (kept_.size() < max_kept_bytes) {
        kept_ += ch;
    }
    log_.put(ch);
    return c;
}

std::streamsize KeepingLog::xsputn(const char* text, std::streamsize count) {
    const std::size_t room = max_kept_bytes - std::min(kept_.size(), max_kept_bytes);
    kept_.append(text, std::min(room, static_cast<std::size_t>(count)));
    log_.write(text, count);
    return count;
}

HardwarePlatform::HardwarePlatform(HardwareParts parts, int32_t port_address, std::ostream& log)
    : ports_(std::move(parts.ports)), usb_(std::move(parts.usb)), keeping_(log), log_(&keeping_),
      parallel_(*ports_, std::move(parts.root), port_address, log_),
      adapter_(*usb_, std::move(parts.adapter_ids), std::move(parts.sleep), log_, parts.timing) {}

// The port is chosen by its address; the program's arguments 1 and -1 select nothing here.
int16_t HardwarePlatform::claim_parallel_port(int32_t, int32_t) {
    keeping_.forget();
    const bool claimed = parallel_.claim();
    failure_reason_ = claimed ? std::string() : kept_reason("parallel port: ");
    claim_reason_ = failure_reason_;
    return claimed ? 1 : 0;
}

void HardwarePlatform::out_byte(int32_t port, int32_t value) {
    if (!parallel_.write(port, value)) {
        failed(parallel_.failure(), claim_reason_);
    }
}

void HardwarePlatform::failed(const std::string& failure, const std::string& cause) {
    ++failed_transfers_;
    transfer_failure_ = cause.empty() ? failure : failure + ": " + cause;
}

int16_t HardwarePlatform::load_firmware(const uint8_t* path) {
    keeping_.forget();
    const int16_t status = load_firmware_from(path);
    failure_reason_ = status < 0 ? kept_reason("USB adapter: ") : std::string();
    load_reason_ = failure_reason_;
    return status;
}

int16_t HardwarePlatform::load_firmware_from(const uint8_t* path) {
    if (path == nullptr) {
        log_ << "USB adapter: no firmware path given\n";
        return adapter_bad_firmware;
    }
    std::string text;
    for (std::size_t i = 0; path[i] != 0; ++i) {
        if (i == max_path_bytes) {
            log_ << "USB adapter: the firmware path is longer than " << max_path_bytes
                 << " bytes\n";
            return adapter_bad_firmware;
        }
        text.push_back(static_cast<char>(path[i]));
    }
    return adapter_.load_firmware(text);
}

// value1 and value2 are the request's value and index; value3 has no meaning on this link.
int16_t HardwarePlatform::vendor_request(int16_t request, int32_t value1, int32_t value2, int16_t,
                                         int16_t length, uint8_t* buffer) {
    const bool fits = request >= 0 && request <= 0xFF && value1 >= 0 && value1 <= 0xFFFF &&
                      value2 >= 0 && value2 <= 0xFFFF && length >= 0 &&
                      (length == 0 || buffer != nullptr);
    if (!fits) {
        log_ << "USB adapter: request " << request << " (" << value1 << ", " << value2 << ", "
             << length << " bytes) cannot be sent\n";
        failed("request " + std::to_string(request) + " cannot be sent", {});
        return -1;
    }
    const std::span<const uint8_t> data(buffer, static_cast<std::size_t>(length));
    const int16_t sent = adapter_.send(static_cast<uint8_t>(request), static_cast<uint16_t>(value1),
                                       static_cast<uint16_t>(value2), data);
    if (sent < 0) {
        failed(adapter_.failure(), load_reason_);
    }
    return sent;
}

std::string HardwarePlatform::kept_reason(std::string_view prefix) const {
    std::string reason;
    std::string_view rest = keeping_.kept();
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (line.starts_with(prefix)) {
            line.remove_prefix(prefix.size());
        }
        if (!line.empty()) {
            reason += (reason.empty() ? "" : "; ") + std::string(line);
        }
    }
    return reason;
}

std::unique_ptr<Platform> make_hardware_platform(int32_t port_address, std::ostream& log) {
    HardwareParts parts;
    parts.ports = make_linux_port_system();
    parts.usb = make_libusb_transport();
    const auto config = adapter_config_path(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    parts.adapter_ids = load_adapter_ids(config, std::cerr);
    parts.sleep = [](std::chrono::milliseconds pause) { std::this_thread::sleep_for(pause); };
    return std::make_unique<HardwarePlatform>(std::move(parts), port_address, log);
}

} // namespace zqf
