#include "platform/linux/usb_transport.h"

#include <cstdio>
#include <libusb.h>

namespace zqf {

namespace {

using Context = std::shared_ptr<libusb_context>;

// Every handle keeps the context alive, so the order in which their owners are
// destroyed does not matter.
class LibusbHandle final : public UsbHandle {
  public:
    LibusbHandle(Context context, libusb_device_handle* handle)
        : context_(std::move(context)), handle_(handle) {}
    LibusbHandle(const LibusbHandle&) = delete;
    LibusbHandle& operator=(const LibusbHandle&) = delete;
    ~LibusbHandle() override { libusb_close(handle_); }

    int control_out(uint8_t request, uint16_t value, uint16_t index, std::span<const uint8_t> data,
                    std::chrono::milliseconds timeout) override {
        if (data.size() > UINT16_MAX) {
            return LIBUSB_ERROR_INVALID_PARAM;
        }
        constexpr uint8_t vendor_out = uint8_t{LIBUSB_ENDPOINT_OUT} |
                                       uint8_t{LIBUSB_REQUEST_TYPE_VENDOR} |
                                       uint8_t{LIBUSB_RECIPIENT_DEVICE};
        // libusb does not write to an OUT transfer's buffer; its signature is just not const.
        return libusb_control_transfer(
            handle_, vendor_out, request, value, index, const_cast<uint8_t*>(data.data()),
            static_cast<uint16_t>(data.size()), static_cast<unsigned>(timeout.count()));
    }

  private:
    Context context_;
    libusb_device_handle* handle_;
};

// The device list, freed on every way out.
class DeviceList {
  public:
    explicit DeviceList(libusb_context* context)
        : count_(libusb_get_device_list(context, &list_)) {}
    DeviceList(const DeviceList&) = delete;
    DeviceList& operator=(const DeviceList&) = delete;
    ~DeviceList() {
        if (count_ >= 0) {
            libusb_free_device_list(list_, 1);
        }
    }
    ssize_t error() const { return count_ < 0 ? count_ : 0; }
    std::span<libusb_device*> devices() const {
        return count_ < 0 ? std::span<libusb_device*>{}
                          : std::span(list_, static_cast<std::size_t>(count_));
    }

  private:
    libusb_device** list_ = nullptr;
    ssize_t count_;
};

class LibusbTransport final : public UsbTransport {
  public:
    std::vector<UsbDeviceInfo> devices(std::string& error) override {
        std::vector<UsbDeviceInfo> found;
        if (!ensure_context(error)) {
            return found;
        }
        const DeviceList list(context_.get());
        if (list.error() != 0) {
            error = "cannot list USB devices: " + usb_error_text(static_cast<int>(list.error()));
            return found;
        }
        for (libusb_device* device : list.devices()) {
            libusb_device_descriptor descriptor{};
            if (libusb_get_device_descriptor(device, &descriptor) != 0) {
                continue;
            }
            found.push_back({{descriptor.idVendor, descriptor.idProduct},
                             libusb_get_bus_number(device),
                             libusb_get_device_address(device)});
        }
        return found;
    }

    std::unique_ptr<UsbHandle> open(const UsbDeviceInfo& wanted, std::string& error) override {
        if (!ensure_context(error)) {
            return nullptr;
        }
        const DeviceList list(context_.get());
        for (libusb_device* device : list.devices()) {
            if (libusb_get_bus_number(device) != wanted.bus ||
                libusb_get_device_address(device) != wanted.address) {
                continue;
            }
            libusb_device_handle* handle = nullptr;
            const int result = libusb_open(device, &handle);
            if (result != 0) {
                error = "cannot open USB device " + to_string(wanted.id) + ": " +
                        usb_error_text(result);
                if (result == LIBUSB_ERROR_ACCESS) {
                    error += "; is the user in group plugdev, are the udev rules installed?";
                }
                return nullptr;
            }
            return std::make_unique<LibusbHandle>(context_, handle);
        }
        error = "USB device " + to_string(wanted.id) + " has gone from the bus";
        return nullptr;
    }

  private:
    bool ensure_context(std::string& error) {
        if (context_) {
            return true;
        }
        libusb_context* context = nullptr;
        const int result = libusb_init(&context);
        if (result != 0) {
            error = "cannot start the USB library: " + usb_error_text(result);
            return false;
        }
        context_ = Context(context, libusb_exit);
        return true;
    }

    Context context_;
};

} // namespace

std::string usb_error_text(int code) {
    return std::string(libusb_error_name(code)) + " (" + libusb_strerror(code) + ")";
}

std::unique_ptr<UsbTransport> make_libusb_transport() {
    return std::make_unique<LibusbTransport>();
}

} // namespace zqf
