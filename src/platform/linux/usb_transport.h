#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace zqf {

struct UsbId {
    uint16_t vendor = 0;
    uint16_t product = 0;

    friend bool operator==(const UsbId&, const UsbId&) = default;
};

// "04b4:8613", as lsusb and udev write it.
std::string to_string(UsbId id);

// One device on the bus, as enumeration found it.
struct UsbDeviceInfo {
    UsbId id;
    uint8_t bus = 0;
    uint8_t address = 0;

    friend bool operator==(const UsbDeviceInfo&, const UsbDeviceInfo&) = default;
};

// An opened USB device. Closing happens on destruction.
class UsbHandle {
  public:
    virtual ~UsbHandle() = default;

    // One vendor control transfer, host to device, recipient device. Returns the
    // number of bytes sent, or a negative libusb error code. Returns within
    // `timeout` (plus scheduling) whatever the device does.
    virtual int control_out(uint8_t request, uint16_t value, uint16_t index,
                            std::span<const uint8_t> data, std::chrono::milliseconds timeout) = 0;
};

// The bus as the adapter code sees it: enumerate, open. The real one is libusb;
// tests substitute a fake that records every transfer.
class UsbTransport {
  public:
    virtual ~UsbTransport() = default;

    // The devices present now. On failure returns nothing and sets `error`.
    virtual std::vector<UsbDeviceInfo> devices(std::string& error) = 0;

    // Opens the device at `device`'s bus and address. On failure returns null
    // and sets `error`.
    virtual std::unique_ptr<UsbHandle> open(const UsbDeviceInfo& device, std::string& error) = 0;
};

// A readable text for a negative code returned by control_out.
std::string usb_error_text(int code);

// The libusb-1.0 transport. The library is initialised on first use, so a
// program that never touches USB never opens the bus.
std::unique_ptr<UsbTransport> make_libusb_transport();

} // namespace zqf
