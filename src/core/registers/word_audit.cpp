#include "core/registers/word_audit.h"

#include "core/registers/field_access.h"
#include "core/registers/word_fields.h"
#include "core/state/device_profile.h"

#include <cmath>

namespace zqf {

namespace {

uint64_t mask_of(const BitRange& bits) {
    return ((uint64_t{1} << bits.width) - 1U) << bits.low;
}

// The bits the device's nonzero overlays and readings reach in the register.
uint64_t shared_bits(const SharedState& state, const DeviceProfile& device,
                     const RegisterMap& map) {
    uint64_t bits = 0;
    for_each_term(map, [&](const Term& term) {
        if (term.placement == Placement::field || !term_applies(device, term)) {
            return;
        }
        if (term.placement == Placement::reading || field_value(state, term.member) != 0.0) {
            bits |= mask_of(term.bits);
        }
    });
    return bits;
}

std::string hex(uint64_t value) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string out;
    do {
        out.insert(out.begin(), digits[value % 16]);
        value /= 16;
    } while (value != 0);
    return out;
}

} // namespace

std::optional<std::string> audit_word(const SharedState& state, int index, uint32_t word) {
    const DeviceProfile& device = device_profile(state.device_name);
    const RegisterMap* map =
        index < device.register_count ? register_map(device.family, index) : nullptr;
    if (map == nullptr) {
        return "R" + std::to_string(index) + " is no register of " + state.device_name;
    }
    const std::string where = "R" + std::to_string(index) + " " + hex(word) + ": ";
    if (device.transfer_bits < 32 && (word >> device.transfer_bits) != 0) {
        return where + "wider than " + std::to_string(device.transfer_bits) + " bits";
    }
    for (const WordField& piece : split_word(device, index, word)) {
        const uint32_t all_ones = (uint32_t{1} << piece.bits.width) - 1U;
        if (piece.id == FieldId::address && piece.code != static_cast<uint32_t>(index)) {
            return where + "its address is " + std::to_string(piece.code);
        }
        if (piece.id == FieldId::reserved && piece.code != 0) {
            return where + "reserved bits " + std::to_string(piece.bits.high()) + "-" +
                   std::to_string(piece.bits.low) + " are set";
        }
        if (piece.id == FieldId::fixed_bit && piece.code != all_ones) {
            return where + "a fixed bit is clear";
        }
    }

    const uint64_t shared = shared_bits(state, device, *map);
    long double total = index;
    std::optional<std::string> difference;
    for_each_term(*map, [&](const Term& term) {
        if (difference || term.placement == Placement::reading || !term_applies(device, term)) {
            return;
        }
        const bool constant = std::holds_alternative<std::monostate>(term.member);
        const long double share = (constant ? 1.0L : field_value(state, term.member)) * term.factor;
        total += share;
        if (term.placement != Placement::field || (mask_of(term.bits) & shared) != 0) {
            return;
        }
        const auto code = static_cast<long double>((word >> term.bits.low) &
                                                   ((uint64_t{1} << term.bits.width) - 1U));
        if (code * std::ldexp(1.0L, term.bits.low) != share) {
            difference =
                where + std::string(field_info(term.id).name) + " decodes to " +
                std::to_string(static_cast<uint64_t>(code)) + ", the panel holds " +
                std::to_string(static_cast<double>(share / std::ldexp(1.0L, term.bits.low)));
        }
    });
    if (difference) {
        return difference;
    }
    if (total != static_cast<long double>(word)) {
        return where + "the members add up to " + std::to_string(static_cast<double>(total));
    }
    return std::nullopt;
}

} // namespace zqf
