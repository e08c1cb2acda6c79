#include "cli/state_text.h"
#include "core/state/state_fields.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace zqf::cli {
namespace {

// Stands in for any member type when SharedState is brace-initialised, so the
// largest number of initialisers it takes is its number of members.
struct AnyMember {
    template <typename T> operator T() const;
};
template <std::size_t> using any_member = AnyMember;

template <typename T, std::size_t... I> constexpr bool takes(std::index_sequence<I...>) {
    return requires {
        T{any_member<I>{}...};
    };
}
template <typename T, std::size_t N = 0> constexpr std::size_t member_count() {
    if constexpr (takes<T>(std::make_index_sequence<N + 1>{})) {
        return member_count<T, N + 1>();
    } else {
        return N;
    }
}

TEST(StateFields, NameEveryMemberOfTheSharedStateOnce) {
    // A member added to SharedState without its row fails here.
    EXPECT_EQ(state_fields().size(), member_count<SharedState>());
    std::set<std::string_view> names;
    std::set<std::size_t> offsets;
    const SharedState state;
    for (const StateField& field : state_fields()) {
        EXPECT_TRUE(names.insert(field.name).second) << field.name;
        const auto address = std::visit(
            [&state](auto member) { return reinterpret_cast<const char*>(&(state.*member)); },
            field.member);
        EXPECT_TRUE(offsets.insert(address - reinterpret_cast<const char*>(&state)).second)
            << field.name;
    }
}

TEST(StateText, ReadsEachKindInItsForm) {
    SharedState state;
    state.rf_freq = 1750.2e6;
    state.frac_val = 0.5;
    state.reg_index = 7;
    state.usb_buffer = {0, 192, 43, 0, 24};
    state.reg_text_hex[2] = "8029";
    state.port_address = -120;
    const std::pair<const char*, const char*> expected[] = {
        {"rf_freq", "1750200000"}, {"frac_val", "0.5"},         {"reg_index", "7"},
        {"usb_buffer[1]", "192"},  {"reg_text_hex[2]", "8029"}, {"port_address", "-120"},
        {"device_name", ""},
    };
    for (const auto& [name, text] : expected) {
        EXPECT_EQ(std::get<std::string>(read_state(state, name)), text) << name;
    }
}

TEST(StateText, WritesWithinTheMembersWidth) {
    SharedState state;
    EXPECT_FALSE(write_state(state, "rf_freq", "1.5E9"));
    EXPECT_EQ(state.rf_freq, 1.5e9);
    EXPECT_FALSE(write_state(state, "reg_word[7]", "-.25"));
    EXPECT_EQ(state.reg_word[7], -0.25);
    EXPECT_FALSE(write_state(state, "r_count", "-32768"));
    EXPECT_EQ(state.r_count, -32768);
    EXPECT_FALSE(write_state(state, "fw_path_bytes[512]", "255"));
    EXPECT_EQ(state.fw_path_bytes[512], 255);
    EXPECT_FALSE(write_state(state, "comm_link", "usb"));
    EXPECT_EQ(state.comm_link, "usb");

    const std::pair<const char*, const char*> refused[] = {
        {"r_count", "32768"},
        {"usb_buffer[0]", "-1"},
        {"if_n", "1.5"},
        {"rf_freq", "fast"},
    };
    for (const auto& [name, value] : refused) {
        EXPECT_TRUE(write_state(state, name, value)) << name << " " << value;
    }
    EXPECT_EQ(write_state(state, "r_count", "32768")->reason,
              "state.r_count takes a whole number from -32768 to 32767, not \"32768\"");
}

TEST(StateText, NamesThatDoNotFitAMemberAreRefused) {
    const SharedState state;
    const std::pair<const char*, const char*> refused[] = {
        {"rf_frequency", "the shared state has no member \"rf_frequency\""},
        {"reg_word", "state.reg_word holds 8 entries: name one as state.reg_word[K]"},
        {"reg_word[8]", "state.reg_word[8] is out of range: the entries are 0 to 7"},
        {"reg_word[-1]", "state.reg_word[-1] is out of range: the entries are 0 to 7"},
        {"reg_word[x]", "state.reg_word[x]: an entry is named by a whole number in brackets"},
        {"rf_freq[0]", "state.rf_freq holds no entries"},
    };
    for (const auto& [name, reason] : refused) {
        const auto read = read_state(state, name);
        ASSERT_NE(failure_of(read), nullptr) << name;
        EXPECT_EQ(failure_of(read)->reason, reason);
    }
}

} // namespace
} // namespace zqf::cli
