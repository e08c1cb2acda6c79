#include "core/registers/assembly.h"

#include "core/registers/register_maps.h"
#include "core/registers/word_check.h"
#include "core/state/device_profile.h"
#include "core/text/convert.h"
#include "core/text/number_text.h"

#include <array>
#include <cmath>
#include <optional>

namespace zqf {

namespace {

// The word as the runtime forms it, or nothing when one of the whole-number
// partial sums leaves its range.
std::optional<double> sum_terms(const SharedState& state, const DeviceProfile& device,
                                const RegisterMap& map) {
    double word = 0.0;
    for (const Term& term : map.terms) {
        word += term_value(state, device, term);
    }
    for (const IntegerSum& group : map.integer_sums) {
        // A signed whole number of `bits` bits.
        const double limit = bit_weight(group.bits - 1);
        double partial = 0.0;
        for (const Term& term : group.terms) {
            partial += term_value(state, device, term);
            if (partial < -limit || partial >= limit) {
                return std::nullopt;
            }
        }
        word += partial;
    }
    return word;
}

Assembled refused(int index, WordRefusal refusal) {
    return {Assembly::refused, "R" + std::to_string(index) + " was not sent: " + refusal.reason,
            std::move(refusal.reason), refusal.uncarried_test_mode};
}

} // namespace

int display_length(Family family, int index) {
    if (!is_register(index)) {
        return 0;
    }
    // A name outside the catalogue shows its words as the four-register family's.
    const FamilyMaps* row = family_maps(family);
    const FamilyMaps& shown = row != nullptr ? *row : *family_maps(Family::four_register);
    return shown.display_lengths[static_cast<std::size_t>(index)];
}

std::string bits_text(double word, int length) {
    if (length < 1 || (length > 24 && length < 32) || length > 32) {
        return {};
    }
    const uint32_t bits = word_bits(word);
    std::string out;
    out.reserve(static_cast<std::size_t>(length));
    for (int i = length - 1; i >= 0; --i) {
        out += ((bits >> i) & 1U) != 0 ? '1' : '0';
    }
    return out;
}

std::string word_hex(double word) {
    return hex_text(word_bits(word));
}

std::optional<uint32_t> compose_register(const SharedState& state, int index) {
    if (!is_register(index) || state.device_name.empty()) {
        return std::nullopt;
    }
    const DeviceProfile& device = device_profile(state.device_name);
    const RegisterMap* map =
        index < device.register_count ? register_map(device.family, index) : nullptr;
    if (map == nullptr) {
        return std::nullopt;
    }
    const std::optional<double> sum = sum_terms(state, device, *map);
    if (!sum || check_word(state, device, index, *map, *sum + index)) {
        return std::nullopt;
    }
    return word_bits(*sum + index);
}

Assembled assemble_register(SharedState& state) {
    const int index = state.reg_index;
    // No device confirmed yet: there is no chip to write.
    if (!is_register(index) || state.device_name.empty()) {
        return {Assembly::skipped, {}, {}};
    }
    const DeviceProfile& device = device_profile(state.device_name);
    // R0 to R4 go to every device, stored words where it has no such register;
    // the registers above exist on the devices whose maps hold them only.
    if (index >= 5 && index >= device.register_count) {
        return {Assembly::skipped, {}, {}};
    }
    const auto i = static_cast<std::size_t>(index);
    Assembly result = Assembly::resent;
    if (const RegisterMap* map = register_map(device.family, index)) {
        const std::optional<double> sum = sum_terms(state, device, *map);
        if (!sum) {
            return {Assembly::overflow, {}, {}};
        }
        const double word = *sum + index;
        if (std::optional<WordRefusal> refusal = check_word(state, device, index, *map, word)) {
            return refused(index, std::move(*refusal));
        }
        state.reg_word[i] = word;
        result = Assembly::assembled;
    } else if (std::optional<WordRefusal> refusal =
                   check_word_shape(device, index, state.reg_word[i])) {
        // A word kept from another device's session would land in another register.
        return refused(index, std::move(*refusal));
    }
    state.tx_word = state.reg_word[i];
    if (is_shown_register(index)) {
        state.reg_text_bin[i] = bits_text(state.tx_word, display_length(device.family, index));
        state.reg_text_hex[i] = word_hex(state.tx_word);
    }
    return {result, {}, {}};
}

} // namespace zqf
