#include "core/windows/names/main_controls.h"
#include "program_fixture.h"

#include <gtest/gtest.h>

namespace zqf {
namespace {

using testing::ProgramBench;

// A recording that does what the test says and notes what it was asked.
class FakeRecording final : public BusRecording {
  public:
    std::optional<std::string> start(const std::string& path) override {
        calls.push_back("start " + path);
        path_ = path;
        running_ = true;
        return std::nullopt;
    }
    std::optional<std::string> stop() override {
        calls.push_back("stop");
        running_ = false;
        return stop_failure;
    }
    bool recording() const override { return running_; }
    const std::string& path() const override { return path_; }
    void set_failure_handler(std::function<void(const std::string&)> handler) override {
        on_failure = std::move(handler);
    }

    // Writing fails in the middle of a transfer.
    void fail(const std::string& reason) {
        running_ = false;
        on_failure(reason);
    }

    std::vector<std::string> calls;
    std::optional<std::string> stop_failure;
    std::function<void(const std::string&)> on_failure;

  private:
    bool running_ = false;
    std::string path_;
};

struct BoardMenu : ::testing::Test {
    BoardMenu() {
        b.program.set_bus_recording(&recording);
        b.confirm("Option1");
        b.host.events.clear();
    }
    bool enabled(std::string_view entry) { return b.main().get<CaptionControl>(entry).enabled(); }
    void record_to(std::optional<std::string> path) {
        b.host.file = std::move(path);
        b.click("Main", main_controls::mnuRecordBus);
    }

    FakeRecording recording;
    ProgramBench b;
};

// The script vcd_menu records from the menu and is refused a missing folder.
TEST_F(BoardMenu, AFileThatCannotBeCompletedIsTold) {
    record_to("/tmp/bus.vcd");
    recording.stop_failure = "Input/output error";
    b.click("Main", main_controls::mnuStopRecording);
    EXPECT_TRUE(enabled("mnuRecordBus"));
    EXPECT_FALSE(enabled("mnuStopRecording"));
    EXPECT_EQ(b.host.events,
              (std::vector<std::string>{
                  "beep", "message exclamation \"Norvik Evaluation Software\" \"The bus "
                          "recording could not be saved: Input/output error.\""}));
}

TEST_F(BoardMenu, AFailureDuringATransferIsToldOnceTheEventIsOver) {
    record_to("/tmp/bus.vcd");
    recording.fail("No space left on device");
    // The menu follows at once; the message waits for the handler to end.
    EXPECT_TRUE(enabled("mnuRecordBus"));
    EXPECT_FALSE(enabled("mnuStopRecording"));
    EXPECT_TRUE(b.host.events.empty());
    b.program.collect();
    EXPECT_EQ(b.host.events,
              (std::vector<std::string>{
                  "beep", "message exclamation \"Norvik Evaluation Software\" \"The bus "
                          "recording has stopped: No space left on device. No file was "
                          "written.\""}));
}

TEST_F(BoardMenu, EndingTheProgramPutsARecordingUnderWayInItsFile) {
    record_to("/tmp/bus.vcd");
    b.click("Main", main_controls::Exitmenu);
    EXPECT_EQ(recording.calls, (std::vector<std::string>{"start /tmp/bus.vcd", "stop"}));
    EXPECT_TRUE(b.program.ended());
}

} // namespace
} // namespace zqf
