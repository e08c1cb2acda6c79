#include "core/link/full_write.h"

#include "core/registers/assembly.h"
#include "core/text/convert.h"

namespace zqf {

std::span<const int> full_write_order(const DeviceProfile& device) {
    return device.all_registers_write == AllRegistersWrite::send_every ? device.send_every_order
                                                                       : device.send_all_order;
}

std::variant<std::vector<RegisterWord>, std::string> full_write_words(const SharedState& state) {
    const DeviceProfile& device = device_profile(state.device_name);
    const std::span<const int> order = full_write_order(device);
    if (device.family == Family::none || order.empty()) {
        return "the device \"" + state.device_name + "\" has no register map.";
    }
    // A copy, so that assembling leaves the display pairs and stored words alone.
    SharedState scratch = state;
    const uint32_t transferred =
        device.transfer_bits >= 32 ? 0xFFFFFFFFU : (1U << device.transfer_bits) - 1U;
    std::vector<RegisterWord> words;
    for (const int index : order) {
        scratch.reg_index = static_cast<uint8_t>(index);
        const Assembled assembled = assemble_register(scratch);
        if (assembled.outcome == Assembly::refused) {
            return assembled.refusal;
        }
        if (assembled.outcome == Assembly::overflow) {
            return "R" + std::to_string(index) + " was not sent: its fields add up beyond " +
                   "the range the program sums them in.";
        }
        words.push_back({index, word_bits(scratch.tx_word) & transferred});
    }
    return words;
}

} // namespace zqf
