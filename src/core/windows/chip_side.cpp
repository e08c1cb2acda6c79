#include "core/windows/chip_side.h"

#include "core/planning/dividers.h"
#include "core/registers/field_access.h"
#include "core/registers/word_fields.h"
#include "core/state/bit_weight.h"
#include "core/text/number_text.h"

namespace zqf::chip {

namespace {

using F = FieldId;

uint32_t code_in(uint32_t word, const BitRange& bits) {
    const uint64_t mask = (uint64_t{1} << bits.width) - 1U;
    return static_cast<uint32_t>((word >> bits.low) & mask);
}

} // namespace

Side::Side(const SharedState& panel, const DeviceProfile& device, const RegisterWords& words)
    : device_(device), words_(words), decoded_(panel) {
    // The fields go back into the members that feed them, so the panel's
    // read-out rules (currents, muxout names) read the chip's settings.
    for (int index = 0; index < device.register_count; ++index) {
        const RegisterMap* map = register_map(device.family, index);
        const auto& word = words[static_cast<std::size_t>(index)];
        if (map == nullptr || !word) {
            continue;
        }
        for_each_term(*map, [&](const Term& term) {
            if (term.placement != Placement::field || !term_applies(device, term) ||
                std::holds_alternative<std::monostate>(term.member) || term.factor == 0.0) {
                return;
            }
            const double code = code_in(*word, term.bits);
            set_field(decoded_, term.member, code * bit_weight(term.bits.low) / term.factor);
        });
    }
    if (device.family == Family::dual) {
        decoded_.dual_muxout_index = static_cast<int32_t>(code(F::muxout).value_or(0));
    }
}

std::optional<uint32_t> Side::code(FieldId id) const {
    const std::optional<FieldPlace> place = find_field(device_, id);
    if (!place) {
        return 0U;
    }
    const auto& word = words_[static_cast<std::size_t>(place->index)];
    if (!word) {
        return std::nullopt;
    }
    return code_in(*word, place->term->bits);
}

bool Side::knows(std::span<const FieldId> ids) const {
    for (const FieldId id : ids) {
        if (!code(id)) {
            return false;
        }
    }
    return true;
}

const Ids rf_fields{F::int_val,  F::frac,      F::mod,         F::frac_msb,
                    F::frac_lsb, F::r_counter, F::ref_doubler, F::ref_divide_by_2};
const Ids rf_pfd_fields{F::r_counter, F::ref_doubler, F::ref_divide_by_2};
const Ids if_fields{F::if_prescaler, F::if_b, F::if_a, F::if_r_counter, F::if_ref_doubler};
const Ids if_pfd_fields{F::if_r_counter, F::if_ref_doubler};

Frequency rf_pfd(const Side& side) {
    const double r = *side.code(F::r_counter);
    if (r == 0.0) {
        return {0.0, "R is 0"};
    }
    const double doubled = *side.code(F::ref_doubler) != 0 ? 2.0 : 1.0;
    const double halved = *side.code(F::ref_divide_by_2) != 0 ? 2.0 : 1.0;
    return {side.decoded().refin_freq * doubled / r / halved, {}};
}

Frequency rf_output(const Side& side) {
    const Frequency pfd = rf_pfd(side);
    if (!pfd.none.empty()) {
        return pfd;
    }
    const double integer = *side.code(F::int_val);
    if (side.device().fraction == FractionKind::fixed_25_bit) {
        const double fraction =
            *side.code(F::frac_msb) * fraction_lsb_units + *side.code(F::frac_lsb);
        return {(integer + fraction / fixed_modulus) * pfd.hz, {}};
    }
    const double mod = *side.code(F::mod);
    if (mod == 0.0) {
        return {0.0, "MOD is 0"};
    }
    return {(integer + *side.code(F::frac) / mod) * pfd.hz, {}};
}

int if_prescaler(const Side& side) {
    return 8 << *side.code(F::if_prescaler);
}

Frequency if_pfd(const Side& side) {
    const double r = *side.code(F::if_r_counter);
    if (r == 0.0) {
        return {0.0, "IF R is 0"};
    }
    const double doubled = *side.code(F::if_ref_doubler) != 0 ? 2.0 : 1.0;
    return {side.decoded().refin_freq * doubled / r, {}};
}

Frequency if_output(const Side& side) {
    const Frequency pfd = if_pfd(side);
    if (!pfd.none.empty()) {
        return pfd;
    }
    const double n =
        static_cast<double>(*side.code(F::if_b)) * if_prescaler(side) + *side.code(F::if_a);
    return {n * pfd.hz, {}};
}

std::string mhz(const Frequency& f) {
    return f.none.empty() ? format_template(f.hz / 1e6, "#0.00000") + " MHz"
                          : "no frequency (" + f.none + ")";
}

std::string khz(const Frequency& f) {
    return f.none.empty() ? format_template(f.hz / 1e3, "#0.00000") + " kHz"
                          : "no frequency (" + f.none + ")";
}

} // namespace zqf::chip
