#include "platform/tracing_platform.h"

#include <string>

namespace zqf {

int16_t TracingPlatform::claim_parallel_port(int32_t port_number, int32_t mode) {
    const int16_t result = inner_.claim_parallel_port(port_number, mode);
    sink_("claim " + std::to_string(port_number) + " " + std::to_string(mode) + " -> " +
          std::to_string(result));
    return result;
}

void TracingPlatform::out_byte(int32_t port, int32_t value) {
    sink_("out " + std::to_string(port) + " " + std::to_string(value));
    inner_.out_byte(port, value);
}

int16_t TracingPlatform::load_firmware(const uint8_t* path) {
    const int16_t result = inner_.load_firmware(path);
    const std::string text = path != nullptr ? reinterpret_cast<const char*>(path) : "";
    sink_("load \"" + text + "\" -> " + std::to_string(result));
    return result;
}

int16_t TracingPlatform::vendor_request(int16_t request, int32_t value1, int32_t value2,
                                        int16_t value3, int16_t length, uint8_t* buffer) {
    std::string line = "vendor " + std::to_string(request) + " " + std::to_string(value1) + " " +
                       std::to_string(value2) + " " + std::to_string(value3) + " " +
                       std::to_string(length) + " :";
    for (int i = 0; buffer != nullptr && i < length; ++i) {
        line += " " + std::to_string(buffer[i]);
    }
    sink_(line);
    return inner_.vendor_request(request, value1, value2, value3, length, buffer);
}

} // namespace zqf
