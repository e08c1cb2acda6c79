#include "core/windows/auxiliary_writes.h"

namespace zqf {

RegisterWrites auxiliary_writes(const DeviceProfile& device, std::span<const int> own_register) {
    switch (device.auxiliary_write) {
    case AuxiliaryWrite::own_register:
        if (own_register.empty()) {
            return {};
        }
        return {.refresh = true, .send_all = false, .order = own_register};
    case AuxiliaryWrite::all_registers:
        return {.refresh = true, .send_all = true, .order = {}};
    case AuxiliaryWrite::nothing:
        break;
    }
    return {};
}

} // namespace zqf
