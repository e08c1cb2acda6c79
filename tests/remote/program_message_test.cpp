#include "remote/header_pattern.h"
#include "remote/program_message.h"

#include <gtest/gtest.h>

namespace zqf::remote {
namespace {

TEST(ProgramMessage, TakesACompoundMessageApart) {
    const ParsedMessage parsed = parse_message(" :sour2:FREQ:cw 1.75 GHz ;*opc?;LIST:FREQ "
                                               "#H1F,#b101,#q17, +.5e3MS;MMEM:LOAD \"a\"\"b\",'c'");
    ASSERT_FALSE(parsed.error) << parsed.error->detail;
    ASSERT_EQ(parsed.units.size(), 4U);

    const ProgramUnit& freq = parsed.units[0];
    EXPECT_TRUE(freq.header.rooted);
    EXPECT_FALSE(freq.header.query);
    ASSERT_EQ(freq.header.nodes.size(), 3U);
    EXPECT_EQ(freq.header.nodes[0].name, "sour");
    EXPECT_EQ(freq.header.nodes[0].suffix, 2U);
    EXPECT_FALSE(freq.header.nodes[1].suffix);
    const auto& ghz = std::get<DecimalData>(freq.parameters.at(0));
    EXPECT_EQ(ghz.value, 1.75);
    EXPECT_EQ(ghz.suffix, "GHz");
    EXPECT_EQ(freq.text, ":sour2:FREQ:cw 1.75 GHz");

    EXPECT_TRUE(parsed.units[1].header.common);
    EXPECT_TRUE(parsed.units[1].header.query);

    const auto& list = parsed.units[2].parameters;
    ASSERT_EQ(list.size(), 4U);
    EXPECT_EQ(std::get<NonDecimalData>(list[0]).value, 31U);
    EXPECT_EQ(std::get<NonDecimalData>(list[1]).value, 5U);
    EXPECT_EQ(std::get<NonDecimalData>(list[2]).value, 15U);
    EXPECT_EQ(std::get<DecimalData>(list[3]).value, 500.0);
    EXPECT_EQ(std::get<DecimalData>(list[3]).suffix, "MS");

    const auto& strings = parsed.units[3].parameters;
    EXPECT_EQ(std::get<StringData>(strings.at(0)).text, "a\"b");
    EXPECT_EQ(std::get<StringData>(strings.at(1)).text, "c");
}

TEST(ProgramMessage, RefusesWhatNoParserCouldTrust) {
    const std::pair<const char*, ErrorCode> cases[] = {
        {"FREQ1.75GHZ", ErrorCode::syntax_error},
        {"FREQ 1.5.5", ErrorCode::invalid_character_in_number},
        {"FREQ 1 2", ErrorCode::invalid_character_in_number},
        {"FREQ 1e999", ErrorCode::exponent_too_large},
        {"FREQ #Q9", ErrorCode::invalid_character_in_number},
        {"FREQ #12ab", ErrorCode::block_data_not_allowed},
        {"MMEM:LOAD \"abc", ErrorCode::invalid_string_data},
        {"FREQUENCYFREQU 1", ErrorCode::mnemonic_too_long},
        {"FREQ 1,,2", ErrorCode::missing_parameter},
        {"FREQ 1,", ErrorCode::missing_parameter},
        {"FREQ 1 GHZ 2", ErrorCode::invalid_separator},
        {"*IDN?;;*IDN?", ErrorCode::syntax_error},
        {"FREQ::STEP 1", ErrorCode::syntax_error},
        {"FREQ (@1)", ErrorCode::invalid_character},
        {"\xC3\xA9T?", ErrorCode::invalid_character},
        {"REG99999999999?", ErrorCode::header_suffix_out_of_range},
    };
    for (const auto& [message, code] : cases) {
        const ParsedMessage parsed = parse_message(message);
        ASSERT_TRUE(parsed.error) << message;
        EXPECT_EQ(parsed.error->code, code) << message << ": " << parsed.error->detail;
    }
    // The units before the error stand; a ';' before the end is allowed.
    EXPECT_EQ(parse_message("*CLS;FREQ 1;FREQ 1 2").units.size(), 2U);
    EXPECT_FALSE(parse_message("*RST;").error);
    EXPECT_TRUE(parse_message(" \t").units.empty());
}

TEST(HeaderPattern, MatchesShortAndLongFormsOptionalNodesAndSuffixes) {
    const HeaderPattern freq("[SOURce#:]FREQuency[:CW|:FIXed]");
    const auto nodes = [](std::string_view message) {
        return parse_message(message).units.at(0).header.nodes;
    };
    EXPECT_TRUE(freq.match(nodes("FREQ")));
    EXPECT_TRUE(freq.match(nodes("frequency:fixed")));
    const auto sour2 = freq.match(nodes("Source2:Freq:CW"));
    ASSERT_TRUE(sour2);
    EXPECT_EQ(sour2->at(0), 2U);
    EXPECT_FALSE(freq.match(nodes("FREQ")).value().at(0));
    for (const char* wrong : {"FREQU", "FRE", "FREQ:CW:CW", "FREQ2", "SOUR:SOUR:FREQ", "CW"}) {
        EXPECT_FALSE(freq.match(nodes(wrong))) << wrong;
    }
    const HeaderPattern reg("REGister#:FIELd");
    EXPECT_EQ(reg.match(nodes("REG7:FIEL")).value().at(0), 7U);
    EXPECT_FALSE(reg.match(nodes("REG7")));
}

} // namespace
} // namespace zqf::remote
