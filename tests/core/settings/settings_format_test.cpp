#include "core/settings/settings_parse.h"
#include "core/settings/settings_writer.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace zqf {
namespace {

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "the file does not end with CR LF";
    return lines;
}

SettingsFile accepted(const SettingsRead& read) {
    if (const auto* refusal = std::get_if<SettingsRefusal>(&read)) {
        ADD_FAILURE() << "refused: " << refusal->reason;
        return {};
    }
    return std::get<SettingsFile>(read);
}

SettingsRefusal refused(const SettingsRead& read) {
    const auto* refusal = std::get_if<SettingsRefusal>(&read);
    EXPECT_NE(refusal, nullptr) << "accepted";
    return refusal != nullptr ? *refusal : SettingsRefusal{};
}

// A state whose items hold the given text on one line, the others zero.
std::string with_line(int line, const std::string& text) {
    SharedState state;
    state.device_name = "ZQF7310";
    std::vector<std::string> lines = lines_of(render_settings(state));
    lines[static_cast<std::size_t>(line - 1)] = text;
    std::string out;
    for (const std::string& l : lines) {
        out += l + "\r\n";
    }
    return out;
}

TEST(SettingsFormat, ReadsTheWayTheListInputDoes) {
    // Commas end items, so a file may have fewer lines than items; quotes
    // hold a text; exponents and blanks around numbers are read.
    std::string text = "\"valid frac settings\"\r\n 64 , 32 ,4.0E+3\r\n";
    for (int i = 5; i <= 32; ++i) {
        text += "7,";
    }
    text += "1E+07,\"ZQF7620\"junk\r\n";
    for (int i = 35; i <= 41; ++i) {
        text += " 1 ,";
    }
    text += "\"0110\"\n";
    for (int i = 43; i <= 55; ++i) {
        text += "\r\n";
    }
    for (int i = 56; i <= 64; ++i) {
        text += " -2 ";
        text += i < 64 ? "\r\n" : "";
    }
    const SharedState v = accepted(parse_settings(text)).values;
    EXPECT_EQ(v.rf_phase_resync, 64);
    EXPECT_EQ(v.if_test_mode, 32);
    EXPECT_EQ(v.if_pd_polarity, 4000.0);
    EXPECT_EQ(v.if_ldp, 7);
    EXPECT_EQ(v.int_val, 7.0);
    EXPECT_EQ(v.frac_val, 1e7);
    EXPECT_EQ(v.device_name, "ZQF7620");
    EXPECT_EQ(v.dual_muxout_index, 1);
    EXPECT_EQ(v.chan_step, 1.0);
    EXPECT_EQ(v.reg_text_bin[6], "0110");
    EXPECT_EQ(v.reg_text_hex[6], "");
    EXPECT_EQ(v.rset_ohms, -2.0);
    EXPECT_EQ(v.ns_bits_4r, -2);
}

TEST(SettingsFormat, RefusalsNameTheLineAndTheReason) {
    using Kind = SettingsRefusal::Kind;
    struct Case {
        std::string text;
        Kind kind;
        std::string reason;
    };
    const std::string whole = with_line(1, "valid frac settings");
    const std::string short_file = whole.substr(0, whole.rfind(" 0 \r\n"));
    const Case cases[] = {
        {with_line(1, "valid Frac settings"), Kind::not_settings,
         "line 1 is not \"valid frac settings\""},
        {"", Kind::not_settings, "line 1 is not \"valid frac settings\""},
        {short_file, Kind::invalid, "the file ends after 63 items, where settings take 64"},
        {with_line(13, " 33 7 "), Kind::invalid,
         "line 13 (if_b) holds \"33 7 \", which is not a number"},
        {with_line(32, " 1E+999 "), Kind::invalid,
         "line 32 (int_val) holds \"1E+999 \", which is not a number"},
        {with_line(5, " 32767.5 "), Kind::invalid,
         "line 5 (if_ldp) holds \"32767.5 \", which is outside the 16-bit whole numbers -32768 "
         "to 32767 once rounded"},
        {with_line(35, " 40000 "), Kind::invalid,
         "line 35 (dual_muxout_index) holds \"40000 \", which is outside the 16-bit whole "
         "numbers -32768 to 32767 once rounded"},
        {with_line(10, " 2147483647.5 "), Kind::invalid,
         "line 10 (if_r) holds \"2147483647.5 \", which is outside the 32-bit whole numbers "
         "-2147483648 to 2147483647 once rounded"},
        {with_line(34, "ZQF9999"), Kind::invalid,
         "line 34 (device_name) holds \"ZQF9999\", which names no device this program "
         "evaluates; it takes ZQF7310, ZQF7320, ZQF7340, ZQF7350 or ZQF7620"},
        {with_line(64, "1.7976931348623157E+308"), Kind::invalid,
         "line 64 (rset_ohms) holds \"1.7976931348623157E+308\", which is too large to be saved "
         "again"},
        {with_line(64, "ohms"), Kind::invalid,
         "line 64 (rset_ohms) holds \"ohms\", which is not a number"},
        {with_line(44, "0102"), Kind::invalid,
         "line 44 (reg_text_bin[4]) holds \"0102\", which is no bit string a register shows"},
        {with_line(50, "\x01\xff"), Kind::invalid,
         "line 50 (reg_text_hex[1]) holds \"??\", which is no hexadecimal text a register shows"},
    };
    for (const Case& c : cases) {
        const SettingsRefusal refusal = refused(parse_settings(c.text));
        EXPECT_EQ(refusal.kind, c.kind) << c.reason;
        EXPECT_EQ(refusal.reason, c.reason);
    }
    // Halves go to the even neighbour: 32766.5 is still a 16-bit number.
    EXPECT_EQ(accepted(parse_settings(with_line(5, " 32766.5 "))).values.if_ldp, 32766);
    EXPECT_EQ(accepted(parse_settings(with_line(5, "-32768.5 "))).values.if_ldp, -32768);
}

} // namespace
} // namespace zqf
