#pragma once

#include "platform/linux/port_system.h"
#include "platform/linux/usb_transport.h"
#include "temp_dir.h"

#include <map>
#include <string>
#include <vector>

namespace zqf::testing {

// One control transfer as the device saw it.
struct Transfer {
    int device = 0; // which open() produced the handle, from 1
    uint8_t request = 0;
    uint16_t value = 0;
    uint16_t index = 0;
    std::vector<uint8_t> data;
    long timeout_ms = 0;

    friend bool operator==(const Transfer&, const Transfer&) = default;
};

// A bus whose device list changes by script (one list per enumeration, the last
// one repeating) and which records every transfer on every handle it opened.
class FakeUsb final : public UsbTransport {
  public:
    std::vector<std::vector<UsbDeviceInfo>> lists{{}};
    std::string list_error;
    std::string open_error;      // refuse every open with this text
    std::map<int, int> failures; // transfer number (from 0) -> result code
    std::vector<Transfer> transfers;
    int opened = 0;
    int enumerations = 0;

    std::vector<UsbDeviceInfo> devices(std::string& error) override {
        error = list_error;
        const std::size_t at = std::min<std::size_t>(enumerations++, lists.size() - 1);
        return list_error.empty() ? lists[at] : std::vector<UsbDeviceInfo>{};
    }

    std::unique_ptr<UsbHandle> open(const UsbDeviceInfo&, std::string& error) override {
        if (!open_error.empty()) {
            error = open_error;
            return nullptr;
        }
        return std::make_unique<Handle>(*this, ++opened);
    }

  private:
    class Handle final : public UsbHandle {
      public:
        Handle(FakeUsb& bus, int number) : bus_(bus), number_(number) {}
        int control_out(uint8_t request, uint16_t value, uint16_t index,
                        std::span<const uint8_t> data, std::chrono::milliseconds timeout) override {
            const auto failure = bus_.failures.find(static_cast<int>(bus_.transfers.size()));
            bus_.transfers.push_back({number_,
                                      request,
                                      value,
                                      index,
                                      {data.begin(), data.end()},
                                      static_cast<long>(timeout.count())});
            return failure == bus_.failures.end() ? static_cast<int>(data.size()) : failure->second;
        }

      private:
        FakeUsb& bus_;
        int number_;
    };
};

// Records ppdev and port-I/O calls; results are set per call kind.
class FakePorts final : public PortSystem {
  public:
    int open_result = 3;   // descriptor, or -errno
    int claim_result = 0;  // PPCLAIM
    int access_result = 0; // ioperm
    std::vector<std::string> calls;
    std::vector<uint8_t> data_writes;   // PPWDATA bytes
    std::vector<uint8_t> direct_writes; // outb bytes

    int open_device(const std::string& path) override {
        calls.push_back("open " + path);
        return open_result;
    }
    void close_device(int fd) override { calls.push_back("close " + std::to_string(fd)); }
    int control(int fd, unsigned long request, void* argument) override;
    int request_port_access(uint16_t address) override {
        calls.push_back("ioperm " + std::to_string(address));
        return access_result;
    }
    void write_port(uint16_t address, uint8_t value) override {
        calls.push_back("outb " + std::to_string(address));
        direct_writes.push_back(value);
    }
};

} // namespace zqf::testing
