#include "core/registers/word_apply.h"

#include "core/registers/assembly.h"
#include "core/registers/field_access.h"
#include "core/registers/register_maps.h"
#include "core/state/list_choices.h"
#include "core/state/noise_patterns.h"
#include "core/text/convert.h"
#include "core/text/number_text.h"

#include <algorithm>
#include <vector>

namespace zqf {

namespace {

using S = SharedState;

// The value an overlay member takes with one of its choices, and the member.
struct OverlayChoice {
    const Term* term;
    std::vector<double> values; // the present value first
};

// A member and the value the word's codes give it (codes of every term that
// holds it, fields and readings alike, summed as the assembly sums them).
struct MemberValue {
    FieldRef member;
    double value;
};

bool same_member(const FieldRef& a, const FieldRef& b) {
    return a == b;
}

void add_value(std::vector<double>& values, double value) {
    if (std::find(values.begin(), values.end(), value) == values.end()) {
        values.push_back(value);
    }
}

// What the panel can store in an overlay member: the noise modes' patterns,
// the RF phase resync switch off or on; nothing sets the spare.
std::vector<double> overlay_values(const SharedState& now, const Term& term) {
    std::vector<double> values{field_value(now, term.member)};
    if (term.id == FieldId::noise_spur) {
        const bool four = same_member(term.member, FieldRef{&S::ns_bits_4r});
        for (const NoisePattern& pattern : noise_patterns) {
            add_value(values, four ? pattern.ns_bits_4r : pattern.ns_bits_dual);
        }
    } else if (term.id == FieldId::rf_phase_resync) {
        add_value(values, 0.0);
        add_value(values, bit_weight(15) + bit_weight(14) + bit_weight(11));
    } else {
        add_value(values, 0.0);
    }
    return values;
}

std::string bit_list(uint64_t bits) {
    std::string text;
    for (int b = 63; b >= 0; --b) {
        if ((bits >> b) & 1U) {
            text += (text.empty() ? "" : ", ") + std::to_string(b);
        }
    }
    return text;
}

// The members that move with a decoded one, as the panel's lists and the
// planner move them.
void follow_companions(SharedState& s, FieldId id, double value) {
    switch (id) {
    case FieldId::prescaler:
        choose_rf_prescaler(s, value != 0.0 ? 1 : 0);
        break;
    case FieldId::if_prescaler:
        choose_if_prescaler(s, static_cast<int>(value / bit_weight(21)));
        break;
    case FieldId::ref_doubler:
        s.doubler_field = value != 0.0 ? bit_weight<int32_t>(19) : 0;
        s.doubler_field_5 = value != 0.0 ? bit_weight<int32_t>(20) : 0;
        break;
    case FieldId::muxout:
        if (family_of(s.device_name) == Family::dual) {
            s.dual_muxout_index = static_cast<int32_t>(s.muxout_code / bit_weight(7));
        }
        break;
    default:
        break;
    }
}

class WordReader {
  public:
    WordReader(const SharedState& now, int index, uint32_t word)
        : now_(now), device_(device_profile(now.device_name)), index_(index), word_(word) {}

    std::variant<std::vector<SharedState>, std::string> read() {
        const RegisterMap* map =
            index_ < device_.register_count ? register_map(device_.family, index_) : nullptr;
        if (map == nullptr) {
            return name() + " has no R" + std::to_string(index_) + ".";
        }
        if (device_.transfer_bits < 32 && word_ >> device_.transfer_bits != 0) {
            return "R" + std::to_string(index_) + " of " + name() + " takes " +
                   std::to_string(device_.transfer_bits) + "-bit words; hex " + hex_text(word_) +
                   " has more bits.";
        }
        const uint32_t address = word_ & ((1U << control_bits(device_.family)) - 1U);
        if (address != static_cast<uint32_t>(index_)) {
            return "the address bits of hex " + hex_text(word_) + " name R" +
                   std::to_string(address) + ", not R" + std::to_string(index_) + ".";
        }
        for_each_term(*map, [this](const Term& term) { sort(term); });
        for (const Term* constant : constants_) {
            const uint64_t bits = static_cast<uint64_t>(constant->factor);
            if ((word_ & bits) != bits) {
                return "bit " + bit_list(bits) + " of R" + std::to_string(index_) +
                       " is always 1 on " + name() + ".";
            }
        }
        std::vector<std::size_t> choice(overlays_.size(), 0);
        std::vector<SharedState> readings;
        do {
            if (std::optional<SharedState> state = try_choice(choice)) {
                readings.push_back(std::move(*state));
            }
        } while (next_choice(choice));
        if (readings.empty()) {
            return first_failure_;
        }
        return readings;
    }

  private:
    std::string name() const {
        return now_.device_name.empty() ? "a device outside the catalogue"
                                        : "the " + now_.device_name;
    }

    void sort(const Term& term) {
        if (!term_applies(device_, term)) {
            return;
        }
        if (std::holds_alternative<std::monostate>(term.member)) {
            constants_.push_back(&term);
        } else if (term.placement == Placement::overlay) {
            overlays_.push_back({&term, overlay_values(now_, term)});
        } else {
            fields_.push_back(&term);
        }
    }

    bool next_choice(std::vector<std::size_t>& choice) const {
        for (std::size_t i = 0; i < choice.size(); ++i) {
            if (++choice[i] < overlays_[i].values.size()) {
                return true;
            }
            choice[i] = 0;
        }
        return false;
    }

    std::optional<SharedState> try_choice(const std::vector<std::size_t>& choice) {
        double rest = static_cast<double>(word_) - index_;
        for (const Term* constant : constants_) {
            rest -= constant->factor;
        }
        for (std::size_t i = 0; i < overlays_.size(); ++i) {
            rest -= overlays_[i].values[choice[i]] * overlays_[i].term->factor;
        }
        if (rest < 0.0) {
            note_failure("hex " + hex_text(word_) +
                         " is smaller than its noise-and-spur or "
                         "resync pattern.");
            return std::nullopt;
        }
        const auto bits = static_cast<uint64_t>(rest);
        uint64_t covered = 0;
        std::vector<MemberValue> decoded;
        std::vector<FieldId> ids;
        for (const Term* term : fields_) {
            const uint64_t mask = (uint64_t{1} << term->bits.width) - 1U;
            const uint64_t code = (bits >> term->bits.low) & mask;
            covered |= code << term->bits.low;
            const double value =
                static_cast<double>(code) * bit_weight(term->bits.low) / term->factor;
            const auto same =
                std::find_if(decoded.begin(), decoded.end(), [term](const MemberValue& m) {
                    return same_member(m.member, term->member);
                });
            if (same == decoded.end()) {
                decoded.push_back({term->member, value});
                ids.push_back(term->id);
            } else {
                same->value += value;
            }
        }
        if (covered != bits) {
            note_failure("bit " + bit_list(bits & ~covered) + " of R" + std::to_string(index_) +
                         " belongs to no field of " + name() + ".");
            return std::nullopt;
        }
        SharedState state = now_;
        for (const MemberValue& member : decoded) {
            set_field(state, member.member, member.value);
        }
        for (std::size_t i = 0; i < overlays_.size(); ++i) {
            set_field(state, overlays_[i].term->member, overlays_[i].values[choice[i]]);
        }
        for (std::size_t i = 0; i < decoded.size(); ++i) {
            follow_companions(state, ids[i], decoded[i].value);
        }
        state.reg_index = static_cast<uint8_t>(index_);
        SharedState assembled = state;
        const Assembled result = assemble_register(assembled);
        if (result.outcome == Assembly::refused) {
            note_failure(result.reason);
            return std::nullopt;
        }
        if (result.outcome != Assembly::assembled || word_bits(assembled.tx_word) != word_) {
            note_failure("its fields do not assemble to hex " + hex_text(word_) + " again.");
            return std::nullopt;
        }
        return state;
    }

    void note_failure(std::string reason) {
        if (first_failure_.empty()) {
            first_failure_ = std::move(reason);
        }
    }

    const SharedState& now_;
    const DeviceProfile& device_;
    int index_;
    uint32_t word_;
    std::vector<const Term*> constants_;
    std::vector<const Term*> fields_;
    std::vector<OverlayChoice> overlays_;
    std::string first_failure_;
};

} // namespace

std::variant<std::vector<SharedState>, std::string> word_readings(const SharedState& now, int index,
                                                                  uint32_t word) {
    if (!is_register(index)) {
        return "there is no R" + std::to_string(index) + ".";
    }
    return WordReader(now, index, word).read();
}

} // namespace zqf
