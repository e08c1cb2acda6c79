#include "instrument_fixture.h"

#include "core/registers/assembly.h"
#include "core/text/number_text.h"
#include "core/windows/names/sweep_controls.h"
#include "core/windows/synth_form.h"
#include "remote/limits.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace zqf::remote {
namespace {

using testing::InstrumentBench;

TEST(Instrument, RefusedChangeLeavesStateBoardAndPanelAsTheyWere) {
    InstrumentBench bench;
    const ClientId client = bench.client();
    ASSERT_EQ(bench.ask(client, "FREQ 1750.4 MHZ;*OPC?\n"), "1\n");
    const SharedState before = bench.program.state();
    const int latched = bench.board.latch_count();
    const std::string shown = bench.program.main_form()->get<CaptionControl>("vcofreq").caption();

    // INT 600 does not fit: the planner warns after storing its plan.
    EXPECT_THAT(bench.ask(client, "FREQ 6 GHZ;:SYST:ERR?\n"),
                ::testing::StartsWith("-222,\"Data out of range;I"));
    EXPECT_EQ(bench.program.state(), before);
    EXPECT_EQ(bench.board.latch_count(), latched);
    EXPECT_EQ(bench.program.main_form()->get<CaptionControl>("vcofreq").caption(), shown);
    EXPECT_EQ(bench.program.find("synthform"), nullptr);
    EXPECT_TRUE(bench.host.events.empty()) << bench.host.events.front();
}

TEST(Instrument, ModalWindowOnTheDesktopRefusesChangesNotQueries) {
    InstrumentBench bench;
    const ClientId client = bench.client();
    bench.program.show_modal(bench.program.load<SynthForm>());
    const SharedState before = bench.program.state();
    EXPECT_EQ(bench.ask(client, "FREQ 1751 MHZ;:FREQ?;:SYST:ERR?\n"),
              "1750000000;-221,\"Settings conflict;the window \"\"RF Output Frequency\"\" is "
              "open on the desktop; close it first\"\n");
    EXPECT_EQ(bench.program.state(), before);
}

TEST(Instrument, OpcQueryWaitsForTheSweepWhileOthersAreServed) {
    InstrumentBench bench;
    const ClientId sweeper = bench.client();
    const ClientId other = bench.client();
    EXPECT_EQ(bench.ask(sweeper, "FREQ:MODE SWE;STAR 1750 MHZ;STOP 1750.6 MHZ;:INIT;*OPC?;"
                                 ":FREQ:MODE?\n*IDN?\n"),
              "");
    // Others are served meanwhile; their own *OPC? waits for the same sweep.
    EXPECT_EQ(bench.ask(other, "*STB?;:FREQ:MODE?\n*OPC?\n"), "0;SWE\n");
    Timer& timer = bench.program.find("sweepform")->get(sweep_controls::Timer1);
    int ticks = 0;
    while (timer.timer_enabled() && ticks < 10) {
        bench.instrument.run_tick([&timer] { timer.fire(); });
        ++ticks;
    }
    // Three steps of 200 kHz, and the tick that finds the stop.
    EXPECT_EQ(ticks, 4);
    EXPECT_EQ(std::exchange(bench.sent[sweeper], {}), "1;SWE\nNorvik,ZQF7310,0,9.9\n");
    EXPECT_EQ(std::exchange(bench.sent[other], {}), "1\n");
    EXPECT_EQ(bench.board.latched(0), (175U << 14) | (3U << 2));
}

TEST(Instrument, RawWordGoesOutExactlyAndThePanelShowsIt) {
    InstrumentBench bench("Option3");
    const ClientId client = bench.client();
    // Dual R2: RF test code 17 and bit 6, the pattern of "Lowest Noise Mode",
    // with the charge pump at code 2 and powerdown on.
    const uint32_t r2 = (1U << 15) | (1U << 11) | (1U << 6) | (2U << 9) | (1U << 5) | 2U;
    EXPECT_EQ(bench.ask(client, "REG2 #H" + hex_text(r2) + ";REG2?;:SYST:ERR?\n"),
              "#H" + hex_text(r2) + ";0,\"No error\"\n");
    EXPECT_EQ(bench.board.latched(2), r2);
    const SharedState& s = bench.program.state();
    EXPECT_EQ(s.ns_bits_dual, (1 << 15) | (1 << 11) | (1 << 6));
    EXPECT_EQ(s.test_mode, 0);
    EXPECT_EQ(s.rf_cp_current_dual, 2 << 9);
    EXPECT_TRUE(bench.program.main_form()->get<ToggleSwitch>("Toggle15").state());

    // RF test code 17 alone: the panel's refresh would add the noise pattern.
    EXPECT_THAT(
        bench.ask(client, "REG2 #H8802;:SYST:ERR?\n"),
        ::testing::StartsWith("-221,\"Settings conflict;the panel cannot hold hex 8802 in R2: it"));
    EXPECT_EQ(bench.board.latched(2), r2);

    // Bit 22 of dual R1 belongs to no field.
    EXPECT_THAT(bench.ask(client, "REG1 #H400001;:SYST:ERR?\n"),
                ::testing::StartsWith("-222,\"Data out of range;bit 22 of R1 be"));
}

TEST(Instrument, ResetIsTheStartWindowConfirmedAgainWithEveryRegisterWritten) {
    InstrumentBench bench;
    SharedState started = bench.program.state();
    const ClientId client = bench.client();
    EXPECT_EQ(bench.ask(client, "FREQ 1760.2 MHZ;:OUTP OFF;:REG2 #H42;*OPC?\n"), "1\n");
    EXPECT_EQ(bench.ask(client, "*RST;*OPC?;FREQ?;OUTP?;:SYST:ERR?\n"),
              "1;1750000000;1;0,\"No error\"\n");
    for (int index = 0; index < 4; ++index) {
        EXPECT_EQ(bench.board.latched(index), compose_register(started, index)) << index;
    }
    // The panel is the start window's; only its words (and the link's
    // bookkeeping of them) have moved since.
    SharedState now = bench.program.state();
    now.reg_word = started.reg_word;
    now.reg_text_bin = started.reg_text_bin;
    now.reg_text_hex = started.reg_text_hex;
    now.tx_word = started.tx_word;
    now.reg_index = started.reg_index;
    now.usb_buffer = started.usb_buffer;
    now.usb_bits = started.usb_bits;
    EXPECT_EQ(now, started);
}

TEST(Instrument, LongLineIsRefusedAndTheRestOfItDropped) {
    InstrumentBench bench;
    const ClientId client = bench.client();
    const std::string chunk(max_message_bytes / 2, 'A');
    EXPECT_EQ(bench.ask(client, chunk), "");
    EXPECT_EQ(bench.ask(client, chunk + "B"), "");
    EXPECT_EQ(bench.ask(client, chunk + "*IDN?\nSYST:ERR?;ERR?\n"),
              "-223,\"Too much data;a message may hold 64 KiB; the rest of this line is "
              "dropped\";0,\"No error\"\n");
}

} // namespace
} // namespace zqf::remote
