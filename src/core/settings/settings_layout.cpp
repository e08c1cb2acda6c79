#include "core/settings/settings_layout.h"

#include <algorithm>

namespace zqf {

namespace {

using S = SharedState;

// The item's name is its member's own, so a row cannot name one member and
// point at another.
#define ZQF_ITEM(line, member)                                                                     \
    SettingsItem {                                                                                 \
        line, #member, &S::member                                                                  \
    }

const SettingsItem items[] = {
    ZQF_ITEM(2, rf_phase_resync),
    ZQF_ITEM(3, if_test_mode),
    ZQF_ITEM(4, if_pd_polarity),
    ZQF_ITEM(5, if_ldp),
    ZQF_ITEM(6, if_powerdown),
    ZQF_ITEM(7, if_cp_three_state),
    ZQF_ITEM(8, if_counter_reset),
    ZQF_ITEM(9, if_ref_doubler),
    ZQF_ITEM(10, if_r),
    ZQF_ITEM(11, cp_gain),
    ZQF_ITEM(12, if_prescaler_field),
    ZQF_ITEM(13, if_b),
    ZQF_ITEM(14, if_a),
    ZQF_ITEM(15, muxout_code),
    ZQF_ITEM(16, xo_disable),
    ZQF_ITEM(17, rf_if_powerdown),
    ZQF_ITEM(18, cp_three_state),
    ZQF_ITEM(19, counter_reset),
    ZQF_ITEM(20, test_mode),
    ZQF_ITEM(21, rf_cp_current_dual),
    ZQF_ITEM(22, rf_pd_polarity),
    ZQF_ITEM(23, ns_bits_dual),
    ZQF_ITEM(24, rf_powerdown),
    ZQF_ITEM(25, rf_cp_three_state),
    ZQF_ITEM(26, rf_counter_reset),
    ZQF_ITEM(27, prescaler_field),
    ZQF_ITEM(28, doubler_field),
    ZQF_ITEM(29, r_count),
    ZQF_ITEM(30, mod_val),
    ZQF_ITEM(31, if_cp_current),
    ZQF_ITEM(32, int_val),
    ZQF_ITEM(33, frac_val),
    ZQF_ITEM(34, device_name),
    {35, "dual_muxout_index", &S::dual_muxout_index, true},
    ZQF_ITEM(36, if_prescaler),
    ZQF_ITEM(37, prescaler_p),
    ZQF_ITEM(38, if_pfd_freq),
    ZQF_ITEM(39, pfd_freq),
    ZQF_ITEM(40, refin_freq),
    ZQF_ITEM(41, chan_step),
    // The display pairs: bit strings from R6 down to R0, then the
    // hexadecimal texts from R0 up to R6.
    {42, "reg_text_bin[6]", DisplayText{&S::reg_text_bin, 6}},
    {43, "reg_text_bin[5]", DisplayText{&S::reg_text_bin, 5}},
    {44, "reg_text_bin[4]", DisplayText{&S::reg_text_bin, 4}},
    {45, "reg_text_bin[3]", DisplayText{&S::reg_text_bin, 3}},
    {46, "reg_text_bin[2]", DisplayText{&S::reg_text_bin, 2}},
    {47, "reg_text_bin[1]", DisplayText{&S::reg_text_bin, 1}},
    {48, "reg_text_bin[0]", DisplayText{&S::reg_text_bin, 0}},
    {49, "reg_text_hex[0]", DisplayText{&S::reg_text_hex, 0}},
    {50, "reg_text_hex[1]", DisplayText{&S::reg_text_hex, 1}},
    {51, "reg_text_hex[2]", DisplayText{&S::reg_text_hex, 2}},
    {52, "reg_text_hex[3]", DisplayText{&S::reg_text_hex, 3}},
    {53, "reg_text_hex[4]", DisplayText{&S::reg_text_hex, 4}},
    {54, "reg_text_hex[5]", DisplayText{&S::reg_text_hex, 5}},
    {55, "reg_text_hex[6]", DisplayText{&S::reg_text_hex, 6}},
    ZQF_ITEM(56, if_n),
    ZQF_ITEM(57, if_vco_freq),
    ZQF_ITEM(58, fastlock_4r),
    ZQF_ITEM(59, ldp_bit),
    ZQF_ITEM(60, load_control),
    ZQF_ITEM(61, resync_value),
    ZQF_ITEM(62, ns_bits_4r),
    ZQF_ITEM(63, cp_current_4r),
    ZQF_ITEM(64, rset_ohms),
};

#undef ZQF_ITEM

static_assert(std::size(items) == settings_item_count - 1);

bool same_member(const ItemMember& a, const ItemMember& b) {
    if (a.index() != b.index()) {
        return false;
    }
    return std::visit(
        [&b](const auto& member) {
            using M = std::decay_t<decltype(member)>;
            const M& other = std::get<M>(b);
            if constexpr (std::is_same_v<M, DisplayText>) {
                return member.texts == other.texts && member.index == other.index;
            } else {
                return member == other;
            }
        },
        a);
}

} // namespace

std::span<const SettingsItem> settings_items() {
    return items;
}

const SettingsItem* settings_item_of(const ItemMember& member) {
    const auto it = std::find_if(std::begin(items), std::end(items), [&member](const auto& item) {
        return same_member(item.member, member);
    });
    return it == std::end(items) ? nullptr : &*it;
}

void store_settings_items(const SharedState& from, SharedState& to) {
    for (const SettingsItem& item : items) {
        std::visit(
            [&from, &to](const auto& member) {
                if constexpr (std::is_same_v<std::decay_t<decltype(member)>, DisplayText>) {
                    const auto i = static_cast<std::size_t>(member.index);
                    (to.*member.texts)[i] = (from.*member.texts)[i];
                } else {
                    to.*member = from.*member;
                }
            },
            item.member);
    }
}

} // namespace zqf
