#include "planner_fixture.h"

#include "core/windows/chip_state_form.h"
#include "core/windows/names/lock_time_controls.h"
#include "core/windows/names/main_controls.h"

#include <gtest/gtest.h>

namespace zqf {
namespace {

using testing::PlannerBench;
using testing::ProgramBench;
using Texts = std::vector<std::string>;

std::vector<int> logged_registers(const BusLog& log) {
    std::vector<int> out;
    for (std::size_t i = 0; i < log.size(); ++i) {
        out.push_back(log.row(i).index);
    }
    return out;
}

std::string cell(const BusLog& log, std::size_t row, BusLogColumn column) {
    return bus_log_cell(log.row(row), column);
}

ChipReport report_of(ProgramBench& b) {
    b.main().find(main_controls::mnuChipState)->user_click();
    return b.program.find_form<ChipStateForm>(FormId::chip_state)->report();
}

std::string summary(ProgramBench& b) {
    return report_of(b).summary.at(0).text;
}

Texts statuses(ProgramBench& b) {
    Texts out;
    for (const RegisterReport& r : report_of(b).registers) {
        out.emplace_back(status_text(r.status));
    }
    return out;
}

const SettingReport& setting(const ChipReport& report, std::string_view name) {
    for (const SettingReport& s : report.settings) {
        if (s.name == name) {
            return s;
        }
    }
    throw std::logic_error("no setting " + std::string(name));
}

// A bench session on a ZQF7310 as the engineer runs it: the planner, an LCD
// step, the "Lock Time" button that rewrites R0 alone, a switch of the panel,
// and the update indicators. The bus log keeps every word; the chip state
// follows the words the board latched and marks where the panel has moved on.
TEST(BoardWatch, ASessionLeavesTheChipBehindThePanelWhereTheWindowsSaySo) {
    PlannerBench b("Option1", "synthmenu", "synthform");
    EXPECT_EQ(summary(b), "chip: not known, R0, R1 and R2 never written; panel: 1750.00000 MHz");

    b.type("Text1", "1750.4");
    b.type("Text3", "100");
    b.click("Command3"); // Normal Mode: R2, R1, R0
    EXPECT_EQ(summary(b), "chip and panel: 1750.40000 MHz");
    EXPECT_EQ(statuses(b),
              (Texts{"as on the panel", "as on the panel", "as on the panel", "never written"}));

    b.click("Command4"); // one LCD step up: every register, 1/20 in place of 5/100
    const ChipReport lcd = report_of(b);
    EXPECT_EQ(lcd.summary.at(0).text, "chip and panel: 1750.50000 MHz");
    EXPECT_EQ(setting(lcd, "N = INT + FRAC/MOD").chip, "175 + 1/20");

    // "Lock Time" at 5 MHz: R = 2, MOD 50 and FRAC 5 computed, only R0 written.
    b.type("Text2", "5000");
    b.click("Command6");
    const ChipReport locked = report_of(b);
    EXPECT_EQ(locked.summary.at(0).text, "chip: 3502.50000 MHz, panel: 1750.50000 MHz, R1 not "
                                         "written since the last change");
    EXPECT_FALSE(locked.summary.at(0).agrees);
    EXPECT_EQ(statuses(b),
              (Texts{"as on the panel", "stale", "as on the panel", "as on the panel"}));
    EXPECT_EQ(setting(locked, "N = INT + FRAC/MOD").chip, "350 + 5/20");
    EXPECT_EQ(setting(locked, "N = INT + FRAC/MOD").panel, "350 + 5/50");
    EXPECT_EQ(setting(locked, "PFD").chip, "10000.00000 kHz");
    EXPECT_EQ(setting(locked, "PFD").panel, "5000.00000 kHz");
    b.click("Command2");

    // A switch of the panel only lights its indicator: R2 is behind, the
    // frequency is not.
    b.main().find(main_controls::Toggle1)->user_click();
    EXPECT_EQ(statuses(b), (Texts{"as on the panel", "stale", "stale", "as on the panel"}));
    EXPECT_EQ(summary(b), "chip: 3502.50000 MHz, panel: 1750.50000 MHz, R1 not written since the "
                          "last change");
    b.main().find(main_controls::Toggle20)->user_click();
    b.main().find(main_controls::Toggle21)->user_click();
    EXPECT_EQ(summary(b), "chip and panel: 1750.50000 MHz");
    EXPECT_EQ(statuses(b), Texts(4, "as on the panel"));

    const BusLog& log = b.program.bus_log();
    EXPECT_EQ(logged_registers(log), (std::vector<int>{2, 1, 0, 3, 2, 1, 0, 0, 1, 2}));
    for (std::size_t i = 0; i < log.size(); ++i) {
        EXPECT_EQ(cell(log, i, BusLogColumn::link), "parallel port");
        EXPECT_EQ(cell(log, i, BusLogColumn::outcome), "sent");
        // What the board latched is what the log says went out.
        EXPECT_EQ(b.board.latched(log.row(i).index).has_value(), true);
    }
    EXPECT_EQ(cell(log, 7, BusLogColumn::word), "578014"); // INT 350, FRAC 5
    EXPECT_EQ(log.row(7).word, *b.board.latched(0));
}

// The lock-time hopper writes R0 alone at every hop. After an LCD step the
// chip keeps the reduced MOD in R1 while the hopper plans with the full one:
// the chip hops between other frequencies than the panel's, and says why.
TEST(BoardWatch, AHopAfterAnLcdStepLeavesTheModulusBehind) {
    PlannerBench b("Option1", "synthmenu", "synthform");
    b.type("Text1", "1750.4");
    b.type("Text3", "100");
    b.click("Command3");
    b.click("Command4"); // 1750.5 MHz as 1/20
    b.click("Command2");
    b.main().find(main_controls::Command11)->user_click(); // "Frequency Hop"
    b.program.collect();
    Form& hopper = b.form("locktime");
    hopper.get<TextBox>("Text1").user_type("1850.4");
    hopper.get<TextBox>("Text2").user_type("1860.2");
    hopper.get<TextBox>("Text3").user_type("1");
    b.ProgramBench::click("locktime", lock_time_controls::Command1);
    const std::size_t before = b.program.bus_log().size();

    hopper.get<Timer>("Timer1").fire();
    EXPECT_EQ(summary(b), "chip: 1852.00000 MHz, panel: 1850.40000 MHz, R1 not written since the "
                          "last change");
    hopper.get<Timer>("Timer1").fire();
    EXPECT_EQ(summary(b), "chip: 1861.00000 MHz, panel: 1860.20000 MHz, R1 not written since the "
                          "last change");
    const BusLog& log = b.program.bus_log();
    ASSERT_EQ(log.size(), before + 2);
    EXPECT_EQ(cell(log, before, BusLogColumn::register_name), "R0");
    EXPECT_EQ(cell(log, before + 1, BusLogColumn::register_name), "R0");
    EXPECT_EQ(log.row(before + 1).word, *b.board.latched(0));

    // Writing R1 brings the chip to the panel's frequency.
    b.ProgramBench::click("locktime", lock_time_controls::Command3);
    b.ProgramBench::click("locktime", lock_time_controls::Command2);
    b.main().find(main_controls::Toggle20)->user_click();
    EXPECT_EQ(summary(b), "chip and panel: 1860.20000 MHz");
}

TEST(BoardWatch, ADualDeviceHasAnIfLineAndItsOwnSettings) {
    PlannerBench b("Option6", "ifvcofreq", "synthformIF", "option_usb");
    b.type("Text1", "540");
    b.type("Text2", "200");
    b.click("Command1"); // R4 and R5
    ChipReport report = report_of(b);
    ASSERT_EQ(report.summary.size(), 2U);
    EXPECT_EQ(report.summary[1].text, "IF chip and panel: 540.00000 MHz");
    EXPECT_EQ(setting(report, "IF prescaler").chip, "8/9");
    EXPECT_EQ(setting(report, "IF PFD").chip, "200.00000 kHz");

    b.click("Command4"); // one channel up, R4 only
    report = report_of(b);
    EXPECT_EQ(report.summary[1].text, "IF chip and panel: 540.20000 MHz");
    EXPECT_EQ(b.program.bus_log().row(b.program.bus_log().size() - 1).link, LinkKind::usb_adapter);
}

// A port the program could not claim takes no word: the log says so in
// every row, with the platform's reason, and the chip state knows no word.
TEST(BoardWatch, WordsThatNeverReachTheBoardAreLoggedAsFailedWithTheReason) {
    ProgramBench b;
    b.board.set_claim_result(0);
    b.board.set_failure_reason("/dev/parport0 is in use by another program");
    b.confirm("Option1", "option_par");
    b.main().find(main_controls::Command8)->user_click(); // "Update R3,R2,R1,R0"
    const BusLog& log = b.program.bus_log();
    ASSERT_EQ(log.size(), 4U);
    EXPECT_EQ(log.row(0).delivery, Delivery::failed);
    EXPECT_EQ(cell(log, 0, BusLogColumn::outcome),
              "failed: the parallel port was never claimed: /dev/parport0 is in use by another "
              "program");
    EXPECT_EQ(b.board.latch_count(), 0);
    EXPECT_EQ(statuses(b), Texts(4, "never written"));

    ProgramBench usb;
    usb.board.set_firmware_result(-1);
    usb.confirm("Option1", "option_usb");
    usb.main().find(main_controls::Command8)->user_click();
    EXPECT_EQ(cell(usb.program.bus_log(), 0, BusLogColumn::outcome),
              "failed: no USB adapter is ready");

    // No link at all: nothing was meant to reach a board.
    ProgramBench none;
    none.confirm("Option1", "");
    none.state().comm_link = "none";
    none.main().find(main_controls::Command8)->user_click();
    EXPECT_EQ(cell(none.program.bus_log(), 0, BusLogColumn::outcome), "not sent: no link");
    EXPECT_EQ(cell(none.program.bus_log(), 0, BusLogColumn::link), "none");
}

struct ClockedLog {
    int64_t now = 0;
    int width = 24;
    BusLog log{[this] { return now; }, [this] { return width; }};
    void add(int index, uint32_t word) {
        log.add({index, word, LinkKind::parallel_port, Delivery::sent, {}});
    }
};

TEST(BusLog, KeepsTheLastTenThousandRowsInOrder) {
    ClockedLog c;
    for (uint32_t n = 0; n < BusLog::capacity + 5; ++n) {
        c.now = n;
        c.add(static_cast<int>(n % 4), n);
    }
    ASSERT_EQ(c.log.size(), BusLog::capacity);
    EXPECT_EQ(c.log.row(0).number, 6U);
    EXPECT_EQ(c.log.row(0).word, 5U);
    EXPECT_EQ(c.log.row(BusLog::capacity - 1).word, BusLog::capacity + 4);

    const uint64_t before = c.log.revision();
    c.log.clear();
    EXPECT_EQ(c.log.size(), 0U);
    EXPECT_GT(c.log.revision(), before);
    c.add(1, 7);
    EXPECT_EQ(c.log.row(0).number, BusLog::capacity + 6); // counting goes on
}

TEST(BusLog, CellsAndCopiedText) {
    ClockedLog c;
    c.now = 83'004;
    c.add(1, 0x440C9);
    c.width = 32;
    c.now = 83'005;
    c.log.add(
        {2, 0x8C80012, LinkKind::usb_adapter, Delivery::failed, "request 221 failed: Pipe error"});
    EXPECT_EQ(cell(c.log, 0, BusLogColumn::time), "83.004");
    EXPECT_EQ(cell(c.log, 0, BusLogColumn::word), "0440C9");
    EXPECT_EQ(cell(c.log, 1, BusLogColumn::word), "08C80012");
    const std::vector<std::size_t> both{0, 1};
    EXPECT_EQ(bus_log_text(c.log, both),
              "Time (s)\tRegister\tWord (hex)\tLink\tOutcome\n"
              "83.004\tR1\t0440C9\tparallel port\tsent\n"
              "83.005\tR2\t08C80012\tUSB adapter\tfailed: request 221 failed: Pipe error\n");
}

} // namespace
} // namespace zqf
