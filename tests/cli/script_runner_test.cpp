#include "bench_form.h"
#include "cli_fixture.h"

#include <gtest/gtest.h>

namespace zqf::cli::testing {
namespace {

// The bench scripts' check lines read each kind of property, default and named,
// through the same words as print.
TEST(ScriptRunner, PrintShowsTheValueAmongTheEvents) {
    Bench bench;
    EXPECT_EQ(bench.out.str(), "shown deviceform\n");
    EXPECT_EQ(bench.printed("print deviceform.Option1\n" + std::string(confirm_par) +
                            "print Main.Combo4\n"),
              "deviceform.Option1 = on\n"
              "shown Main\n"
              "closed deviceform\n"
              "Main.Combo4 = -1\n");
}

// The bench scripts click, type, choose and double-click throughout; let and
// the empty text are used by none of them.
TEST(ScriptRunner, LetSetsTheStateAndTypeTakesTheEmptyText) {
    Bench bench;
    bench.printed(confirm_par);
    EXPECT_EQ(bench.printed("let state.rf_freq 1.5E9\n"
                            "print state.rf_freq\n"
                            "type Main.phase_reg_textbox \"\"\n"
                            "print Main.phase_reg_textbox\n"),
              "state.rf_freq = 1500000000\n"
              "Main.phase_reg_textbox = \n");
}

// The bench scripts check_failed and line_refused end runs with status 1 and 2.
struct Refusal {
    const char* script;
    const char* reason;
};

class Refused : public ::testing::TestWithParam<Refusal> {};

TEST_P(Refused, EndsTheRunWithStatusTwoAndTheReason) {
    Bench bench;
    bench.printed(confirm_par);
    ASSERT_EQ(bench.run(std::string("print Main.Device\n") + GetParam().script +
                        "\n"
                        "send 0\n"),
              2);
    EXPECT_EQ(bench.err.str(), std::string("error: line 2: ") + GetParam().reason + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    ScriptRunner, Refused,
    ::testing::Values(
        Refusal{"press Main.Toggle19", "unknown command \"press\""},
        Refusal{"click Main.Toggle19 now", "usage: click FORM.CONTROL"},
        Refusal{"click deviceform.Command1", "window deviceform is not open"},
        Refusal{"print helpform.Label1", "window helpform is not open"},
        Refusal{"click Main.Toggle99", "window Main has no control Toggle99"},
        Refusal{"click Main", "name a control as FORM.CONTROL, not \"Main\""},
        Refusal{"print Main.Toggle19.colour", "Main.Toggle19 has no property \"colour\""},
        Refusal{"click Main.Toggle24", "Main.Toggle24 is not visible, so no user can reach it"},
        Refusal{"click Main.Command2", "Main.Command2 is not enabled, so no user can reach it"},
        Refusal{"choose Main.Combo4 2",
                "position 2 is out of range: Main.Combo4 has positions 0 to 1"},
        Refusal{"choose Main.Combo4 x", "a position must be a whole number, not \"x\""},
        Refusal{"type Main.Toggle19 5", "cannot type into a two-state switch"},
        Refusal{"turn Main.Combo4 1", "cannot turn a drop-down list"},
        Refusal{"type Main.phase_reg_textbox \"2", "a quoted word has no closing quote"},
        Refusal{"wait -1", "wait: MS must be a whole number from 0 to 2147483647, not \"-1\""},
        Refusal{"send 256", "send: K (a reg_index) must be a whole number from 0 to 255, not "
                            "\"256\""},
        Refusal{"let Main.Device x", "let sets shared-state members only: let state.NAME VALUE"},
        Refusal{"check board 0", "the board holds several registers: print board shows them"},
        // A script's control bytes must not reach the terminal in an error line.
        Refusal{"press\x1b]0;pwned\x07 \"\x1b[2J\"", "unknown command \"press\\x1b]0;pwned\\x07\""},
        Refusal{"click Main.\x9b"
                "31m\xc2\x9b",
                "window Main has no control \\x9b31m\\xc2\\x9b"}));

TEST(ScriptRunner, LinesAfterTheProgramHasEndedAreRefused) {
    Bench bench;
    EXPECT_EQ(bench.run("close deviceform\n\n# nothing more\n"), 0);
    EXPECT_EQ(bench.out.str(), "shown deviceform\nclosed deviceform\n");
    EXPECT_EQ(bench.run("print state.device_name\n"), 2);
    EXPECT_EQ(bench.err.str(), "error: line 1: the program has ended\n");

    Bench exited;
    exited.printed(confirm_par);
    exited.out.str("");
    EXPECT_EQ(exited.run("click Main.Exitmenu\nsend 0\n"), 2);
    EXPECT_EQ(exited.out.str(), "closed Main\n");
    EXPECT_EQ(exited.err.str(), "error: line 2: the program has ended\n");
}

TEST(ScriptRunner, SendWritesTheWordAndTheBoardLatchesIt) {
    RunOptions traced;
    traced.trace = true;
    Bench bench(traced);
    bench.printed(confirm_par);
    const std::string printed = bench.printed("send 1\nprint board\nprint state.reg_index\n");
    // The word shown first, its link events, then what the board latched.
    ASSERT_TRUE(printed.starts_with("send R1 ")) << printed;
    const std::string hex = printed.substr(8, printed.find('\n') - 8);
    EXPECT_TRUE(printed.ends_with("\nout 888 28\nout 888 24\nboard R1 = " + hex +
                                  "\nstate.reg_index = 1\n"))
        << printed;
}

TEST(ScriptRunner, PrintBoardNeedsTheVirtualBoard) {
    Bench bench;
    ScriptRunner runner(bench.program(), bench.session->host(), nullptr, bench.out, bench.err);
    EXPECT_EQ(runner.run("print board\n"), 2);
    EXPECT_EQ(bench.err.str(), "error: line 1: print board reads the virtual board; there is none "
                               "with --board hardware\n");
}

// ---- controls that only a bench form has -----------------------------------

struct BenchFormTest : ::testing::Test {
    Bench bench;
    BenchForm& form = bench.program().load<BenchForm>();
    BenchFormTest() { bench.program().show(form); }
    std::string log() { return form.get<CaptionControl>("Log").caption(); }
};

TEST_F(BenchFormTest, SelectorDropTargetFocusAndBackground) {
    EXPECT_EQ(bench.printed("turn benchform.Knob 2\n"
                            "print benchform.Knob\n"
                            "print benchform.Knob.labels\n"
                            "drop benchform.Target\n"
                            "print benchform.focus\n"
                            "print benchform.Entry.background\n"
                            "print benchform.Fast\n"
                            "print benchform.Fast.interval\n"),
              "benchform.Knob = 2\n"
              "benchform.Knob.labels = Off | Low | High\n"
              "benchform.focus = Entry\n"
              "benchform.Entry.background = 255,255,0\n"
              "benchform.Fast = off\n"
              "benchform.Fast.interval = 30\n");
    EXPECT_EQ(log(), "knob2;dropped;");
    EXPECT_EQ(bench.run("turn benchform.Knob 3\n"), 2);
    EXPECT_EQ(bench.run("click benchform.Fast\n"), 2);
    EXPECT_EQ(bench.err.str(),
              "error: line 1: position 3 is out of range: benchform.Knob has positions 0 to 2\n"
              "error: line 1: cannot click a timer\n");
}

TEST_F(BenchFormTest, FileDialogsTakeTheLastAnswerOnce) {
    EXPECT_EQ(bench.run("file a.txt\nfile \"my settings.txt\"\nclick benchform.Open\n"
                        "file cancel\nclick benchform.Save\nclick benchform.Open\n"),
              0);
    EXPECT_EQ(log(), "open my settings.txt;save (cancel);open (cancel);");
    EXPECT_EQ(bench.err.str(), "note: line 6: an open dialog opened with no file line to answer "
                               "it; it is cancelled\n");
}

TEST_F(BenchFormTest, TimersFireInTimeOrderOnTheVirtualClock) {
    form.get<Timer>("Fast").set_timer_enabled(true);
    form.get<Timer>("Slow").set_timer_enabled(true);
    EXPECT_EQ(bench.run("wait 29\n"), 0);
    EXPECT_EQ(log(), "");
    // Slow stops Fast at 50 and starts it again at 100: due one interval later.
    EXPECT_EQ(bench.run("wait 1\nwait 100\n"), 0);
    EXPECT_EQ(log(), "fast@30;slow@50;slow@100;fast@130;");
    EXPECT_EQ(bench.program().host().now_ms(), 130);

    form.get<Timer>("Slow").set_timer_enabled(false);
    form.get<Timer>("Fast").set_interval(0);
    EXPECT_EQ(bench.run("wait 1000\n"), 0);
    EXPECT_EQ(log(), "fast@30;slow@50;slow@100;fast@130;");
}

// A holding timer's firings are passed over, not run, and its schedule stays
// where they would have left it: every 30 ms from its start.
TEST_F(BenchFormTest, AHoldingTimerIsPassedOverOnItsOwnSchedule) {
    bool held = true;
    Timer& fast = form.get<Timer>("Fast");
    Timer& slow = form.get<Timer>("Slow");
    fast.holds = [&held] { return held; };
    slow.on_timer = [this, &held] {
        const int64_t now = bench.program().host().now_ms();
        auto& log_label = form.get<CaptionControl>("Log");
        log_label.set_caption(log_label.caption() + "slow@" + std::to_string(now) + ";");
        held = now < 100;
    };
    fast.set_timer_enabled(true);
    slow.set_timer_enabled(true);
    EXPECT_EQ(bench.run("wait 150\n"), 0);
    // Held at 30, 60 and 90; released at 100; at 150 Slow, scheduled first, goes first.
    EXPECT_EQ(log(), "slow@50;slow@100;fast@120;slow@150;fast@150;");

    slow.set_timer_enabled(false);
    held = true;
    EXPECT_EQ(bench.run("wait 1000000\n"), 0);
    held = false;
    EXPECT_EQ(bench.run("wait 30\n"), 0);
    EXPECT_EQ(log(), "slow@50;slow@100;fast@120;slow@150;fast@150;fast@1000170;");
}

TEST_F(BenchFormTest, WindowsOpenedAndClosedDuringAWaitTakeTheirTimersAlong) {
    form.get<Timer>("Fast").set_timer_enabled(true);
    form.get<Timer>("Renew").set_timer_enabled(true);
    EXPECT_EQ(bench.printed("wait 100\nprint benchform.Log\n"),
              "closed benchform\nshown benchform\nbenchform.Log = fast@70;fast@100;\n");
    EXPECT_EQ(bench.printed("click benchform.Stop\nwait 100\n"), "closed benchform\n");
}

} // namespace
} // namespace zqf::cli::testing
