#pragma once

#include "core/link/platform.h"

#include <functional>
#include <string>

namespace zqf {

// Wraps any platform and reports each call as one line of text:
//   claim 1 -1 -> 1        out 888 24        load "<path>" -> 0
//   vendor 221 0 0 0 5 : 86 52 18 0 24
class TracingPlatform final : public Platform {
  public:
    TracingPlatform(Platform& inner, std::function<void(const std::string&)> sink)
        : inner_(inner), sink_(std::move(sink)) {}

    int16_t claim_parallel_port(int32_t port_number, int32_t mode) override;
    void out_byte(int32_t port, int32_t value) override;
    int16_t load_firmware(const uint8_t* path) override;
    int16_t vendor_request(int16_t request, int32_t value1, int32_t value2, int16_t value3,
                           int16_t length, uint8_t* buffer) override;
    int16_t os_version() override { return inner_.os_version(); }
    std::string failure_reason() const override { return inner_.failure_reason(); }
    uint64_t failed_transfers() const override { return inner_.failed_transfers(); }
    std::string transfer_failure() const override { return inner_.transfer_failure(); }
    std::optional<uint32_t> held_word(int index) const override { return inner_.held_word(index); }
    std::string parallel_port_name() const override { return inner_.parallel_port_name(); }

  private:
    Platform& inner_;
    std::function<void(const std::string&)> sink_;
};

} // namespace zqf
