#pragma once

#include "core/link/platform.h"

namespace zqf {

// A platform that accepts everything and does nothing: the cost floor of the
// program's own work in benchmarks.
class NullPlatform final : public Platform {
  public:
    int16_t claim_parallel_port(int32_t, int32_t) override { return 1; }
    void out_byte(int32_t, int32_t) override {}
    int16_t load_firmware(const uint8_t*) override { return 0; }
    int16_t vendor_request(int16_t, int32_t, int32_t, int16_t, int16_t, uint8_t*) override {
        return 0;
    }
    int16_t os_version() override { return native_os_version; }
};

} // namespace zqf
