#include "core/registers/assembly.h"

#include "core/registers/register_maps.h"
#include "core/text/convert.h"
#include "core/text/number_text.h"

#include <array>
#include <optional>

namespace zqf {

namespace {

// The word as the runtime forms it, or nothing when one of the whole-number
// partial sums leaves its range.
std::optional<double> sum_terms(const SharedState& state, const RegisterMap& map) {
    double word = 0.0;
    for (const Term& term : map.terms) {
        word += term_value(state, term);
    }
    for (const IntegerSum& group : map.integer_sums) {
        const double limit = group.bits == 16 ? 32768.0 : 2147483648.0;
        double partial = 0.0;
        for (const Term& term : group.terms) {
            partial += term_value(state, term);
            if (partial < -limit || partial >= limit) {
                return std::nullopt;
            }
        }
        word += partial;
    }
    return word;
}

} // namespace

int display_length(Family family, int index) {
    constexpr std::array<int, 8> five{32, 32, 32, 8, 32, 0, 0, 0};
    constexpr std::array<int, 8> dual{24, 21, 24, 24, 24, 19, 16, 0};
    if (index < 0 || index > 7) {
        return 0;
    }
    const auto i = static_cast<std::size_t>(index);
    switch (family) {
    case Family::five_register:
        return five[i];
    case Family::dual:
        return dual[i];
    case Family::four_register:
    case Family::none:
        break;
    }
    return index < 5 ? 24 : 0;
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

Assembly assemble_register(SharedState& state) {
    const int index = state.reg_index;
    if (index > 7) {
        return Assembly::skipped;
    }
    if (index >= 5 && !is_dual(state.device_name)) {
        return Assembly::skipped;
    }
    // No device confirmed yet: there is no chip to write.
    if (state.device_name.empty()) {
        return Assembly::skipped;
    }
    const Family family = family_of(state.device_name);
    const auto i = static_cast<std::size_t>(index);
    Assembly result = Assembly::resent;
    if (const RegisterMap* map = register_map(family, index)) {
        const std::optional<double> word = sum_terms(state, *map);
        if (!word) {
            return Assembly::overflow;
        }
        state.reg_word[i] = *word + index;
        result = Assembly::assembled;
    }
    state.tx_word = state.reg_word[i];
    if (index <= 6) {
        state.reg_text_bin[i] = bits_text(state.tx_word, display_length(family, index));
        state.reg_text_hex[i] = word_hex(state.tx_word);
    }
    return result;
}

} // namespace zqf
