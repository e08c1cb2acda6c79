#include "platform/recording_platform.h"
#include "platform/virtual_board.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace zqf {
namespace {

// What the recording handed to its file.
struct SinkLog {
    std::string text;
    bool finished = false;
    std::size_t room = std::string::npos; // bytes the file takes before it fails
    bool finish_fails = false;
};

class FakeSink final : public RecordingSink {
  public:
    explicit FakeSink(SinkLog& log) : log_(log) {}
    bool write(std::string_view text) override {
        if (log_.text.size() + text.size() > log_.room) {
            error_ = "No space left on device";
            return false;
        }
        log_.text += text;
        return true;
    }
    bool finish() override {
        if (log_.finish_fails) {
            error_ = "Input/output error";
            return false;
        }
        log_.finished = true;
        return true;
    }
    const std::string& error() const override { return error_; }

  private:
    SinkLog& log_;
    std::string error_;
};

// An adapter that refuses every request.
class RefusingAdapter final : public Platform {
  public:
    int16_t claim_parallel_port(int32_t, int32_t) override { return 1; }
    void out_byte(int32_t, int32_t) override {}
    int16_t load_firmware(const uint8_t*) override { return 0; }
    int16_t vendor_request(int16_t, int32_t, int32_t, int16_t, int16_t, uint8_t*) override {
        return -1;
    }
    int16_t os_version() override { return native_os_version; }
};

// A recording over a virtual board (or `inner`), into a file kept in memory.
struct Recorder {
    explicit Recorder(MonotonicClock clock = {}, Platform* inner = nullptr)
        : platform(inner != nullptr ? *inner : board, std::move(clock),
                   [this](const std::string& path, std::string& error) {
                       if (path == "refused") {
                           error = "Permission denied";
                           return std::unique_ptr<RecordingSink>();
                       }
                       return std::unique_ptr<RecordingSink>(std::make_unique<FakeSink>(log));
                   }) {}

    void request(uint32_t word, uint8_t bits) {
        uint8_t buffer[5] = {static_cast<uint8_t>(word), static_cast<uint8_t>(word >> 8),
                             static_cast<uint8_t>(word >> 16), static_cast<uint8_t>(word >> 24),
                             bits};
        platform.vendor_request(221, 0, 0, 0, 5, buffer);
    }
    // The value changes after the header and the initial levels.
    std::string changes() const { return log.text.substr(log.text.find("$end\n#", header_end())); }
    std::size_t header_end() const { return log.text.find("$dumpvars"); }

    SinkLog log;
    VirtualBoard board{[] { return ChipGeometry{24, 2}; }};
    RecordingPlatform platform;
};

TEST(BusRecording, HeaderNamesThePinsAndCarriesNoDate) {
    Recorder r;
    ASSERT_EQ(r.platform.start("bus.vcd"), std::nullopt);
    ASSERT_EQ(r.platform.stop(), std::nullopt);
    EXPECT_TRUE(r.log.finished);
    EXPECT_EQ(r.log.text, "$version zqfeval bus recording $end\n"
                          "$timescale 1 us $end\n"
                          "$scope module parallel_port $end\n"
                          "$var wire 1 A D0_clock $end\n"
                          "$var wire 1 B D1_data $end\n"
                          "$var wire 1 C D2_load_enable $end\n"
                          "$var wire 1 D D3 $end\n"
                          "$var wire 1 E D4 $end\n"
                          "$upscope $end\n"
                          "$scope module usb_adapter $end\n"
                          "$var wire 1 F clock $end\n"
                          "$var wire 1 G data $end\n"
                          "$var wire 1 H load_enable $end\n"
                          "$upscope $end\n"
                          "$enddefinitions $end\n"
                          "#0\n$dumpvars\nxA\nxB\nxC\nxD\nxE\n0F\n0G\n0H\n$end\n#1\n");
}

TEST(BusRecording, SyntheticTimeGivesEachPortWriteOneMicrosecond) {
    Recorder r;
    r.platform.out_byte(888, 24); // before the recording: the initial levels
    ASSERT_EQ(r.platform.start("bus.vcd"), std::nullopt);
    for (const int value : {24, 26, 27, 26, 24, 28, 24}) {
        r.platform.out_byte(888, value);
    }
    r.platform.stop();
    EXPECT_NE(r.log.text.find("$dumpvars\n0A\n0B\n0C\n1D\n1E\n"), std::string::npos);
    // 24 again changes nothing, so #1 is never stamped.
    EXPECT_EQ(r.changes(), "$end\n#2\n1B\n#3\n1A\n#4\n0A\n#5\n0B\n#6\n1C\n#7\n0C\n#8\n");
    EXPECT_EQ(r.board.latched(1), 1U); // the board saw the writes
}

TEST(BusRecording, MonotonicTimeKeepsEventsApartAndInOrder) {
    int64_t now = 5'000;
    Recorder r([&now] { return now; });
    ASSERT_EQ(r.platform.start("bus.vcd"), std::nullopt);
    now = 7'000;
    r.platform.out_byte(888, 1);
    r.platform.out_byte(888, 0); // the same instant: one nanosecond later
    r.request(1, 1);             // cannot start before one phase after the last write
    now = 100'000;
    r.request(1, 1); // comes later than the end of the last word: at its own time
    r.platform.stop();
    EXPECT_NE(r.log.text.find("$timescale 1 ns $end"), std::string::npos);
    EXPECT_EQ(r.changes(), "$end\n"
                           "#2000\n1A\n0B\n0C\n0D\n0E\n#2001\n0A\n"
                           "#3001\n1G\n#4001\n1F\n#5001\n0F\n0G\n#6001\n1H\n#7001\n0H\n"
                           "#95000\n1G\n#96000\n1F\n#97000\n0F\n0G\n#98000\n1H\n#99000\n0H\n"
                           "#100000\n");
}

TEST(BusRecording, DrawsOnlyTheWordsTheAdapterAccepted) {
    Recorder r;
    ASSERT_EQ(r.platform.start("bus.vcd"), std::nullopt);
    uint8_t short_buffer[4] = {1, 0, 0, 0};
    EXPECT_EQ(r.platform.vendor_request(221, 0, 0, 0, 4, short_buffer), -1);
    uint8_t other[5] = {1, 0, 0, 0, 24};
    r.platform.vendor_request(160, 0, 0, 0, 5, other); // not a word request
    r.platform.stop();
    EXPECT_EQ(r.changes(), "$end\n#1\n");

    RefusingAdapter adapter;
    Recorder refused({}, &adapter);
    ASSERT_EQ(refused.platform.start("bus.vcd"), std::nullopt);
    refused.request(1, 24);
    refused.platform.stop();
    EXPECT_EQ(refused.changes(), "$end\n#1\n");
}

// The program sees the board through the recorder: the start window's reasons,
// the bus log's outcomes and the chip state's words must come through it.
TEST(BusRecording, ThePlatformsReportsPassThrough) {
    Recorder r;
    r.board.set_failure_reason("/dev/parport0 is in use");
    EXPECT_EQ(r.platform.failure_reason(), "/dev/parport0 is in use");
    r.request(0x2BC000, 24);
    EXPECT_EQ(r.platform.held_word(0), 0x2BC000U);
    r.board.set_claim_result(0);
    r.platform.claim_parallel_port(1, -1);
    ASSERT_EQ(r.platform.start("bus.vcd"), std::nullopt);
    r.platform.out_byte(888, 24);
    EXPECT_EQ(r.platform.failed_transfers(), 1U);
    EXPECT_EQ(r.platform.transfer_failure(),
              "the parallel port was never claimed: /dev/parport0 is in use");
    // The lines of a port never claimed never moved: nothing to draw.
    r.platform.stop();
    EXPECT_EQ(r.changes(), "$end\n#1\n");
}

TEST(BusRecording, AFailedWriteStopsTheRecordingOnceAndTheLinkGoesOn) {
    Recorder r;
    std::vector<std::string> told;
    r.platform.set_failure_handler([&told](const std::string& reason) { told.push_back(reason); });
    ASSERT_EQ(r.platform.start("bus.vcd"), std::nullopt);
    r.log.room = r.log.text.size() + 10;
    // Enough writes to make the recording hand its text on.
    for (int i = 0; i < 40'000; ++i) {
        r.platform.out_byte(888, i % 2);
    }
    EXPECT_EQ(told, std::vector<std::string>{"No space left on device"});
    EXPECT_FALSE(r.platform.recording());
    EXPECT_EQ(r.platform.lost(), "No space left on device");
    EXPECT_FALSE(r.log.finished);
    EXPECT_EQ(r.platform.stop(), std::nullopt); // nothing under way any more
    for (const int value : {24, 27, 28}) {
        r.platform.out_byte(888, value);
    }
    EXPECT_EQ(r.board.latched(1), 1U);
}

TEST(BusRecording, StartAndStopSayWhyTheyFailed) {
    Recorder r;
    EXPECT_EQ(r.platform.start("refused"), "Permission denied");
    EXPECT_FALSE(r.platform.recording());

    ASSERT_EQ(r.platform.start("bus.vcd"), std::nullopt);
    EXPECT_EQ(r.platform.start("other.vcd"), "a recording to \"bus.vcd\" is under way");
    r.log.finish_fails = true;
    EXPECT_EQ(r.platform.stop(), "Input/output error");
    EXPECT_FALSE(r.platform.recording());

    // A new recording forgets the old loss.
    r.log = {};
    ASSERT_EQ(r.platform.start("again.vcd"), std::nullopt);
    EXPECT_EQ(r.platform.lost(), std::nullopt);
}

TEST(BusRecording, ARecordingUnderWayIsFinishedWhenThePlatformGoes) {
    SinkLog log;
    VirtualBoard board([] { return ChipGeometry{24, 2}; });
    {
        RecordingPlatform platform(board, {}, [&log](const std::string&, std::string&) {
            return std::unique_ptr<RecordingSink>(std::make_unique<FakeSink>(log));
        });
        ASSERT_EQ(platform.start("bus.vcd"), std::nullopt);
        EXPECT_FALSE(log.finished);
    }
    EXPECT_TRUE(log.finished);
}

} // namespace
} // namespace zqf
