#include "platform/linux/usb_transport.h"

#include <cstdio>

namespace zqf {

// Apart from the transport, so what only reads ids needs no USB library.
std::string to_string(UsbId id) {
    char text[16];
    std::snprintf(text, sizeof text, "%04x:%04x", id.vendor, id.product);
    return text;
}

} // namespace zqf
