#pragma once

#include "platform/linux/adapter_ids.h"
#include "platform/linux/ezusb_loader.h"
#include "platform/linux/usb_transport.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zqf {

// Results of UsbAdapter::load_firmware. Negative means "no adapter ready".
enum AdapterStatus : int16_t {
    adapter_loaded = 0,           // firmware uploaded, board came back
    adapter_already_running = 1,  // board already runs its firmware; not reloaded
    adapter_not_found = -1,       // no board with a known id on the bus
    adapter_bad_firmware = -2,    // file missing, unreadable, malformed or too big
    adapter_upload_failed = -3,   // a board was found but could not be opened or loaded
    adapter_did_not_return = -4,  // loaded, but no known board came back in time
    adapter_usb_unavailable = -5, // the USB library or bus could not be used
};

// How long to wait for the board to come back after its CPU leaves reset. A
// board with firmware ids is taken as soon as it shows; one that kept its loader
// ids only after `settle`, when a renumerating board would have left the bus.
struct ReturnTiming {
    std::chrono::milliseconds settle{1000};
    std::chrono::milliseconds limit{5000};
    std::chrono::milliseconds poll{100};
};

using Sleep = std::function<void(std::chrono::milliseconds)>;

// The USB adapter board: finds it by id, loads its firmware, carries requests.
class UsbAdapter {
  public:
    UsbAdapter(UsbTransport& usb, std::vector<AdapterId> ids, Sleep sleep, std::ostream& log,
               ReturnTiming timing = {}, UploadOptions upload = {});

    // Loads the Intel HEX file at `path` into the board; returns an AdapterStatus.
    int16_t load_firmware(const std::string& path);

    // One vendor control transfer out to the ready board, one second at most.
    // Returns the bytes sent, or a negative code (no board ready, transfer failed).
    int16_t send(uint8_t request, uint16_t value, uint16_t index, std::span<const uint8_t> data);
    // Why the last request that failed did not reach the board.
    const std::string& failure() const { return failure_; }

  private:
    std::optional<UsbDeviceInfo> find(const std::vector<UsbDeviceInfo>& present,
                                      AdapterRole role) const;
    std::optional<UsbDeviceInfo> wait_for_return(const std::vector<UsbDeviceInfo>& before);
    int16_t take(const UsbDeviceInfo& device, int16_t status);
    std::string known_ids() const;

    UsbTransport& usb_;
    const std::vector<AdapterId> ids_;
    const Sleep sleep_;
    std::ostream& log_;
    const ReturnTiming timing_;
    const UploadOptions upload_;
    std::unique_ptr<UsbHandle> ready_;
    bool reported_not_ready_ = false;
    std::string failure_;
};

} // namespace zqf
