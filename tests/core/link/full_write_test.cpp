#include "core/link/full_write.h"
#include "link_fixture.h"

#include <gtest/gtest.h>

namespace zqf::testing {
namespace {

struct Sent {
    int index;
    uint32_t word;
    bool operator==(const Sent&) const = default;
};

std::vector<Sent> sent_by_full_write(LinkBench& bench) {
    std::vector<Sent> sent;
    bench.link.add_observer([&sent](const SentWord& word) {
        sent.push_back({word.index, static_cast<uint32_t>(word.word)});
    });
    if (bench.state.device_name == "ZQF7620") {
        bench.link.send_every_register();
    } else {
        bench.link.send_all_registers();
    }
    return sent;
}

// The export and the write go the same road: the words are what the full
// write sends, in its order, and working them out writes and shows nothing.
TEST(FullWrite, WordsAreWhatTheFullWriteSendsAndNothingIsTouched) {
    for (const char* device : {"ZQF7310", "ZQF7320", "ZQF7340", "ZQF7350", "ZQF7620"}) {
        LinkBench bench(device, "par");
        bench.state.int_val = 300;
        bench.state.frac_val = 7;
        const SharedState before = bench.state;
        const auto words = full_write_words(bench.state);
        ASSERT_TRUE(std::holds_alternative<std::vector<RegisterWord>>(words)) << device;
        EXPECT_TRUE(bench.calls.empty()) << device;
        EXPECT_EQ(bench.state.reg_word, before.reg_word) << device;
        EXPECT_EQ(bench.state.reg_text_bin, before.reg_text_bin) << device;
        EXPECT_EQ(bench.state.reg_text_hex, before.reg_text_hex) << device;

        std::vector<Sent> exported;
        for (const RegisterWord& word : std::get<std::vector<RegisterWord>>(words)) {
            exported.push_back({word.index, word.word});
        }
        EXPECT_EQ(exported, sent_by_full_write(bench)) << device;
    }
}

// A word the last guard would keep off the wire is no word to export either:
// the reason is the guard's own.
TEST(FullWrite, AWordTheGuardRefusesRefusesTheWholeListWithItsReason) {
    LinkBench bench("ZQF7310", "par");
    bench.state.mod_val = 5000; // 12 bits hold 4095
    std::string guard_reason;
    bench.link.set_refusal_handler([&guard_reason](const std::string& r) { guard_reason = r; });
    bench.link.send(1);
    ASSERT_FALSE(guard_reason.empty());
    const auto words = full_write_words(bench.state);
    ASSERT_TRUE(std::holds_alternative<std::string>(words));
    EXPECT_EQ(std::get<std::string>(words), guard_reason);

    bench.state.device_name = "ZQF9999";
    const auto unknown = full_write_words(bench.state);
    ASSERT_TRUE(std::holds_alternative<std::string>(unknown));
    EXPECT_EQ(std::get<std::string>(unknown), "the device \"ZQF9999\" has no register map.");
}

} // namespace
} // namespace zqf::testing
