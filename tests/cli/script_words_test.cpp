#include "cli/run_options.h"
#include "cli/script_words.h"

#include <gtest/gtest.h>

#include <vector>

namespace zqf::cli {
namespace {

using Words = std::vector<std::string>;

TEST(ScriptWords, PrintableEscapesControlsAndBrokenUtf8Only) {
    const std::pair<std::string, std::string> cases[] = {
        {"plain text, \"quoted\" \\ kept", "plain text, \"quoted\" \\ kept"},
        {"\ttab\r\x1b[31m\x7f", "\\x09tab\\x0d\\x1b[31m\\x7f"},
        {"1750 \xc2\xb5s \xe2\x82\xac \xf0\x9f\x93\xa1",
         "1750 \xc2\xb5s \xe2\x82\xac \xf0\x9f\x93\xa1"},
        {"\xc2\x85 \x9b \xc0\xaf \xed\xa0\x80 \xf4\x90\x80\x80 \xe2\x82",
         "\\xc2\\x85 \\x9b \\xc0\\xaf \\xed\\xa0\\x80 \\xf4\\x90\\x80\\x80 \\xe2\\x82"},
        {std::string("nul\0byte", 8), "nul\\x00byte"},
    };
    for (const auto& [text, shown] : cases) {
        EXPECT_EQ(printable(text), shown) << text;
    }
}

TEST(ScriptWords, BlanksSeparateAndQuotesHoldBlanks) {
    const std::pair<const char*, Words> cases[] = {
        {"  click\tMain.Toggle19  \r", {"click", "Main.Toggle19"}},
        {"type Main.Text1 \"a b\"", {"type", "Main.Text1", "a b"}},
        {"type Main.Text1 \"\"", {"type", "Main.Text1", ""}},
        {"check X \"say \"\"hi\"\"\"", {"check", "X", "say \"hi\""}},
        {"type X 5\"", {"type", "X", "5\""}},
        {"print X # not a comment here", {"print", "X", "#", "not", "a", "comment", "here"}},
        {"   # a comment", {}},
        {"", {}},
    };
    for (const auto& [line, words] : cases) {
        EXPECT_EQ(std::get<Words>(split_words(line)), words) << line;
    }
    EXPECT_EQ(std::get<WordsError>(split_words("type X \"open")).reason,
              "a quoted word has no closing quote");
    EXPECT_EQ(std::get<WordsError>(split_words("type X \"a\"b")).reason,
              "a blank must follow the closing quote of a word");
    EXPECT_EQ(quote("say \"hi\""), "\"say \"\"hi\"\"\"");
}

Outcome<RunOptions> parse(std::vector<std::string_view> args) {
    return parse_run_options(args);
}

TEST(RunOptions, SetTheBoardsAnswers) {
    const auto options =
        std::get<RunOptions>(parse({"--os", "-1", "--claim=fail", "--adapter", "absent", "--trace",
                                    "--vcd", "b.vcd", "s.zqf"}));
    EXPECT_EQ(options.os_code, -1);
    EXPECT_EQ(options.claim_result, 0);
    EXPECT_EQ(options.firmware_result, -1);
    EXPECT_TRUE(options.trace);
    EXPECT_EQ(options.vcd, "b.vcd");
    EXPECT_EQ(options.script, "s.zqf");
    const auto plain = std::get<RunOptions>(parse({"-"}));
    EXPECT_EQ(plain.board, BoardChoice::virtual_board);
    EXPECT_FALSE(plain.os_code || plain.claim_result || plain.firmware_result || plain.trace);
}

TEST(RunOptions, RefuseWhatTheyCannotMean) {
    const std::pair<std::vector<std::string_view>, const char*> refused[] = {
        {{}, "no script named"},
        {{"a", "b"}, "one script only: \"b\" follows \"a\""},
        {{"--board", "usb", "s"}, "--board takes virtual or hardware, not \"usb\""},
        {{"--claim", "yes", "s"}, "--claim takes ok or fail, not \"yes\""},
        {{"--os", "70000", "s"}, "--os takes a whole number from -32768 to 32767, not \"70000\""},
        {{"--os"}, "--os needs a value"},
        {{"--vcd=", "s"}, "--vcd needs a file name"},
        {{"--colour", "red", "s"}, "unknown option --colour"},
        {{"--board", "hardware", "--adapter", "absent", "s"},
         "--os, --claim and --adapter set the virtual board's answers; they do not go with "
         "--board hardware"},
    };
    for (const auto& [args, reason] : refused) {
        const auto parsed = parse(args);
        ASSERT_NE(failure_of(parsed), nullptr) << reason;
        EXPECT_EQ(failure_of(parsed)->reason, reason);
    }
}

} // namespace
} // namespace zqf::cli
