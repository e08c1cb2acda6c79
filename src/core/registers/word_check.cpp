#include "core/registers/word_check.h"

#include "core/registers/assembly.h"
#include "core/registers/field_access.h"
#include "core/registers/field_check.h"
#include "core/state/bit_weight.h"
#include "core/state/stored_values.h"
#include "core/text/convert.h"
#include "core/text/number_text.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace zqf {

namespace {

// Beyond this a double no longer holds every whole number.
constexpr double exact_limit = 9007199254740992.0; // 2^53

uint64_t mask_of(const BitRange& bits) {
    return ((uint64_t{1} << bits.width) - 1U) << bits.low;
}

// One term's share of the word: its value, the bits it may occupy, and the
// group of terms it is compared with.
struct Share {
    const Term* term;
    uint64_t value;
    uint64_t mask;
    std::size_t group;
};

bool whole_and_exact(double value) {
    return std::isfinite(value) && value == std::floor(value) && value >= 0.0 &&
           value < exact_limit;
}

// "bit 23", "bits 13-2", "bits 17-13 and 10-2": the runs of set bits, highest first.
std::string bits_text_of(uint64_t mask) {
    std::vector<std::string> runs;
    int bits = 0;
    for (int high = 63; high >= 0; --high) {
        if (((mask >> high) & 1U) == 0) {
            continue;
        }
        int low = high;
        while (low > 0 && ((mask >> (low - 1)) & 1U) != 0) {
            --low;
        }
        bits += high - low + 1;
        runs.push_back(high == low ? std::to_string(low)
                                   : std::to_string(high) + "-" + std::to_string(low));
        high = low;
    }
    std::string text = bits == 1 ? "bit " : "bits ";
    for (std::size_t i = 0; i < runs.size(); ++i) {
        text += i == 0 ? "" : i + 1 == runs.size() ? " and " : ", ";
        text += runs[i];
    }
    return text;
}

// "sigma-delta test mode = 15, test mode = 31 and noise and spur mode = 964"
std::string group_text(const SharedState& state, const std::vector<Share>& shares,
                       std::size_t group) {
    std::vector<std::string> parts;
    for (const Share& share : shares) {
        if (share.group == group) {
            std::string name(field_info(share.term->id).name);
            name += " = " + general_form(field_value(state, share.term->member));
            parts.push_back(std::move(name));
        }
    }
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        text += i == 0 ? "" : i + 1 == parts.size() ? " and " : ", ";
        text += parts[i];
    }
    return text;
}

bool is_window_test_mode(const DeviceProfile& device, const Term& term, double value) {
    return term.id == FieldId::test_mode && device.family == Family::five_register &&
           value >= test_mode_window_unit && std::fmod(value, test_mode_window_unit) == 0.0;
}

WordRefusal uncarried_test_mode(double value) {
    return {"the RF test mode " + general_form(value / test_mode_window_unit) +
                " chosen in the Test Modes window cannot be carried there: this device takes "
                "its test mode from the panel's test-mode list, 0 to 31.",
            true};
}

// Joins the groups of two shares.
void join(std::vector<Share>& shares, std::size_t from, std::size_t into) {
    for (Share& share : shares) {
        if (share.group == from) {
            share.group = into;
        }
    }
}

} // namespace

std::optional<WordRefusal> check_word_shape(const DeviceProfile& device, int index, double word) {
    if (!std::isfinite(word)) {
        return WordRefusal{"its word is not a finite number."};
    }
    if (word != std::floor(word)) {
        return WordRefusal{"its word " + general_form(word) + " is not a whole number."};
    }
    if (word < 0.0) {
        return WordRefusal{"its word " + general_form(word) + " is negative."};
    }
    const double limit = bit_weight(device.transfer_bits);
    if (word >= limit) {
        return WordRefusal{"its word " + general_form(word) + " is wider than the " +
                           std::to_string(device.transfer_bits) + " bits the chip takes."};
    }
    const uint32_t address_mask = (1U << control_bits(device.family)) - 1U;
    const uint32_t address = word_bits(word) & address_mask;
    if (address != static_cast<uint32_t>(index)) {
        return WordRefusal{"its word, hex " + word_hex(word) + ", carries the address of R" +
                           std::to_string(address) + "."};
    }
    return std::nullopt;
}

std::optional<WordRefusal> check_word(const SharedState& state, const DeviceProfile& device,
                                      int index, const RegisterMap& map, double word) {
    // Every member's own share first: a value its field cannot hold is named
    // as such, before any sum is looked at.
    std::vector<Share> shares;
    std::optional<WordRefusal> refusal;
    for_each_term(map, [&](const Term& term) {
        if (refusal || term.placement == Placement::reading || !term_applies(device, term)) {
            return;
        }
        const double value = field_value(state, term.member);
        const double share =
            std::holds_alternative<std::monostate>(term.member) ? term.factor : value * term.factor;
        if (is_window_test_mode(device, term, value)) {
            refusal = uncarried_test_mode(value);
            return;
        }
        if (!whole_and_exact(share) || std::fmod(share, bit_weight(term.bits.low)) != 0.0) {
            refusal = WordRefusal{misfit_text(*check_term(term, value))};
            return;
        }
        // An overlay that adds nothing overlays nothing.
        if (term.placement == Placement::overlay && share == 0.0) {
            return;
        }
        shares.push_back({&term, static_cast<uint64_t>(share), mask_of(term.bits), shares.size()});
    });
    if (refusal) {
        return refusal;
    }

    // A reading is another place of its member's bits: the field may reach there.
    for_each_term(map, [&](const Term& term) {
        if (term.placement != Placement::reading || !term_applies(device, term)) {
            return;
        }
        for (Share& share : shares) {
            if (share.term->member == term.member && share.term->placement == Placement::field) {
                share.mask |= mask_of(term.bits);
            }
        }
    });

    // A share beyond its own bits is its member's fault, whatever it meets.
    for (const Share& share : shares) {
        if ((share.value & ~share.mask) != 0) {
            const double value = field_value(state, share.term->member);
            const std::optional<FieldMisfit> misfit = check_term(*share.term, value);
            return WordRefusal{misfit ? misfit_text(*misfit)
                                      : std::string(field_info(share.term->id).name) + " = " +
                                            general_form(value) + " does not fit its " +
                                            bits_text_of(share.mask) + "."};
        }
    }

    // Shares whose bits meet are compared together.
    for (std::size_t i = 0; i < shares.size(); ++i) {
        for (std::size_t j = i + 1; j < shares.size(); ++j) {
            if ((shares[i].mask & shares[j].mask) != 0 && shares[i].group != shares[j].group) {
                join(shares, shares[j].group, shares[i].group);
            }
        }
    }
    std::vector<uint64_t> sums(shares.size(), 0);
    std::vector<uint64_t> masks(shares.size(), 0);
    for (const Share& share : shares) {
        sums[share.group] += share.value;
        masks[share.group] |= share.mask;
    }
    for (std::size_t group = 0; group < shares.size(); ++group) {
        if ((sums[group] & ~masks[group]) != 0) {
            return WordRefusal{group_text(state, shares, group) + " add up to more than their " +
                               bits_text_of(masks[group]) + " hold."};
        }
    }

    if (std::optional<WordRefusal> shape = check_word_shape(device, index, word)) {
        return shape;
    }
    // What the chip decodes from the word is what every group holds.
    const auto bits = static_cast<uint64_t>(word);
    for (std::size_t group = 0; group < shares.size(); ++group) {
        if ((bits & masks[group]) != sums[group]) {
            return WordRefusal{"its word, hex " + word_hex(word) + ", does not give back " +
                               group_text(state, shares, group) + "."};
        }
    }
    return std::nullopt;
}

} // namespace zqf
