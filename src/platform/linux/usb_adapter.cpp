#include "platform/linux/usb_adapter.h"

#include "files/bounded_read.h"

#include <algorithm>
#include <limits>
#include <ostream>

namespace zqf {

namespace {

std::optional<std::vector<HexRecord>> read_firmware(const std::string& path, std::ostream& log) {
    const FileRead file = read_bounded(path, firmware_file_kind);
    if (!file.ok()) {
        log << "USB adapter: " << file.error << '\n';
        return std::nullopt;
    }
    HexParse parsed = parse_intel_hex(file.bytes);
    if (!parsed.ok()) {
        log << "USB adapter: firmware file '" << path << "' " << parsed.error << '\n';
        return std::nullopt;
    }
    const std::string overflow = check_records_fit(parsed.records, EzUsbChip::ram);
    if (!overflow.empty()) {
        log << "USB adapter: firmware file '" << path << "' " << overflow << '\n';
        return std::nullopt;
    }
    return std::move(parsed.records);
}

bool contains(const std::vector<UsbDeviceInfo>& devices, const UsbDeviceInfo& device) {
    return std::find(devices.begin(), devices.end(), device) != devices.end();
}

} // namespace

UsbAdapter::UsbAdapter(UsbTransport& usb, std::vector<AdapterId> ids, Sleep sleep,
                       std::ostream& log, ReturnTiming timing, UploadOptions upload)
    : usb_(usb), ids_(std::move(ids)), sleep_(std::move(sleep)), log_(log), timing_(timing),
      upload_(upload) {}

int16_t UsbAdapter::load_firmware(const std::string& path) {
    ready_.reset();
    reported_not_ready_ = false;
    const auto records = read_firmware(path, log_);
    if (!records) {
        return adapter_bad_firmware;
    }
    std::string error;
    const std::vector<UsbDeviceInfo> present = usb_.devices(error);
    if (!error.empty()) {
        log_ << "USB adapter: " << error << '\n';
        return adapter_usb_unavailable;
    }
    if (const auto running = find(present, AdapterRole::firmware)) {
        log_ << "USB adapter: board " << to_string(running->id)
             << " already runs its firmware; not reloaded\n";
        return take(*running, adapter_already_running);
    }
    const auto bare = find(present, AdapterRole::loader);
    if (!bare) {
        log_ << "USB adapter: no board found (looked for " << known_ids() << ")\n";
        return adapter_not_found;
    }
    {
        const std::unique_ptr<UsbHandle> loader = usb_.open(*bare, error);
        if (!loader) {
            log_ << "USB adapter: " << error << '\n';
            return adapter_upload_failed;
        }
        if (!upload_firmware(*loader, *records, upload_, log_)) {
            return adapter_upload_failed;
        }
    }
    const auto returned = wait_for_return(present);
    if (!returned) {
        return adapter_did_not_return;
    }
    return take(*returned, adapter_loaded);
}

int16_t UsbAdapter::send(uint8_t request, uint16_t value, uint16_t index,
                         std::span<const uint8_t> data) {
    if (!ready_) {
        if (!reported_not_ready_) {
            log_ << "USB adapter: no board is ready; requests are dropped\n";
            reported_not_ready_ = true;
        }
        failure_ = "no USB adapter is ready";
        return adapter_not_found;
    }
    const int sent = ready_->control_out(request, value, index, data, std::chrono::seconds(1));
    if (sent < 0) {
        log_ << "USB adapter: request " << int{request} << " failed: " << usb_error_text(sent)
             << '\n';
        failure_ = "request " + std::to_string(int{request}) + " failed: " + usb_error_text(sent);
        return static_cast<int16_t>(std::max(sent, int{std::numeric_limits<int16_t>::min()}));
    }
    return static_cast<int16_t>(std::min(sent, int{std::numeric_limits<int16_t>::max()}));
}

std::optional<UsbDeviceInfo> UsbAdapter::find(const std::vector<UsbDeviceInfo>& present,
                                              AdapterRole role) const {
    for (const AdapterId& wanted : ids_) {
        if (wanted.role != role) {
            continue;
        }
        for (const UsbDeviceInfo& device : present) {
            if (device.id == wanted.id) {
                return device;
            }
        }
    }
    return std::nullopt;
}

std::optional<UsbDeviceInfo> UsbAdapter::wait_for_return(const std::vector<UsbDeviceInfo>& before) {
    std::vector<UsbDeviceInfo> present;
    for (std::chrono::milliseconds waited{0};; waited += timing_.poll) {
        std::string error;
        present = usb_.devices(error);
        if (const auto running = find(present, AdapterRole::firmware)) {
            return running;
        }
        if (waited >= timing_.settle) {
            if (const auto same = find(present, AdapterRole::loader)) {
                return same;
            }
        }
        if (waited >= timing_.limit) {
            break;
        }
        sleep_(timing_.poll);
    }
    log_ << "USB adapter: firmware loaded, but no board with a known id (" << known_ids()
         << ") came back within " << timing_.limit.count() << " ms\n";
    for (const UsbDeviceInfo& device : present) {
        if (!contains(before, device)) {
            log_ << "USB adapter: a new device " << to_string(device.id)
                 << " appeared; if it is the board, add 'firmware " << to_string(device.id)
                 << "' to the id file\n";
        }
    }
    return std::nullopt;
}

int16_t UsbAdapter::take(const UsbDeviceInfo& device, int16_t status) {
    std::string error;
    ready_ = usb_.open(device, error);
    if (!ready_) {
        log_ << "USB adapter: " << error << '\n';
        return adapter_upload_failed;
    }
    return status;
}

std::string UsbAdapter::known_ids() const {
    std::string text;
    for (const AdapterId& id : ids_) {
        text += (text.empty() ? "" : ", ") + to_string(id.id);
    }
    return text;
}

} // namespace zqf
