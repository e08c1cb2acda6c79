#include "cli/export_command.h"
#include "cli/write_command.h"
#include "platform/chip_geometry.h"
#include "platform/virtual_board.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace zqf::cli {
namespace {

const std::string settings_dir = ZQF_SETTINGS_DIR;

// A virtual board whose adapter takes no request, once told to.
class Board final : public Platform {
  public:
    VirtualBoard virtual_board{
        [this] { return chip_geometry(program_ != nullptr ? program_->state().device_name : ""); }};
    bool refuse_requests = false;
    // A parallel-port write that fails only says so in the hardware's log.
    bool fail_writes = false;
    std::string log;

    int16_t claim_parallel_port(int32_t n, int32_t mode) override {
        return virtual_board.claim_parallel_port(n, mode);
    }
    void out_byte(int32_t port, int32_t value) override {
        if (fail_writes && log.empty()) {
            log = "parallel port: a write failed: Input/output error\n";
        }
        virtual_board.out_byte(port, value);
    }
    int16_t load_firmware(const uint8_t* path) override {
        return virtual_board.load_firmware(path);
    }
    int16_t vendor_request(int16_t request, int32_t v1, int32_t v2, int16_t v3, int16_t length,
                           uint8_t* buffer) override {
        return refuse_requests ? -1
                               : virtual_board.vendor_request(request, v1, v2, v3, length, buffer);
    }
    int16_t os_version() override { return virtual_board.os_version(); }

    Program* program_ = nullptr;
};

struct WriteRun {
    zqf::testing::TempDir folder;
    Board board;
    std::ostringstream out;
    std::ostringstream err;

    int write(const std::string& file, const char* link_option) {
        const ProgramPaths paths{folder.path().string(),
                                 (folder.path() / "comms_option.txt").string()};
        return write_settings({settings_dir + "/" + file, link_option, false}, board, paths, out,
                              err,
                              {[this](Program& program) { board.program_ = &program; },
                               [this] { return board.log; }});
    }
};

// The exported words as (register, word), from the hex list.
std::vector<std::pair<int, uint32_t>> exported(const std::string& file) {
    const std::string path = settings_dir + "/" + file;
    const std::vector<std::string_view> args{path};
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(export_command(args, "/opt/zqf", out, err), 0) << err.str();
    std::vector<std::pair<int, uint32_t>> words;
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) {
        words.emplace_back(line[1] - '0', std::stoul(line.substr(3), nullptr, 16));
    }
    return words;
}

// The board ends with exactly the words the export lists, over either link.
TEST(Write, TheBoardLatchesTheExportedWords) {
    for (const char* file : {"settings_zqf7310.txt", "settings_zqf7340.txt", "settings_dual.txt"}) {
        const auto words = exported(file);
        ASSERT_FALSE(words.empty()) << file;
        for (const char* link : {"option_par", "option_usb"}) {
            WriteRun run;
            ASSERT_EQ(run.write(file, link), 0) << file << ' ' << link << ": " << run.err.str();
            EXPECT_EQ(run.err.str(), "");
            for (const auto& [index, word] : words) {
                EXPECT_EQ(run.board.virtual_board.latched(index), word)
                    << file << ' ' << link << " R" << index;
            }
        }
    }
}

TEST(Write, ALinkThatIsNotReadyOrAWordThatDoesNotGoOutEndsWithStatusThree) {
    WriteRun absent;
    absent.board.virtual_board.set_firmware_result(-1);
    EXPECT_EQ(absent.write("settings_zqf7340.txt", "option_usb"), 3);
    EXPECT_EQ(absent.err.str(), "error: USB Adapter Board NOT DETECTED\n");
    EXPECT_EQ(absent.board.virtual_board.latch_count(), 0);

    WriteRun unclaimed;
    unclaimed.board.virtual_board.set_claim_result(0);
    EXPECT_EQ(unclaimed.write("settings_zqf7340.txt", "option_par"), 3);
    EXPECT_EQ(unclaimed.err.str(), "error: Failed to claim Parallel Port\n");
    EXPECT_EQ(unclaimed.board.virtual_board.latch_count(), 0);

    WriteRun refused;
    refused.board.refuse_requests = true;
    EXPECT_EQ(refused.write("settings_zqf7340.txt", "option_usb"), 3);
    EXPECT_EQ(refused.err.str(),
              "error: R4 did not go out: the USB adapter refused the request (-1)\n");

    WriteRun failed;
    failed.board.fail_writes = true;
    EXPECT_EQ(failed.write("settings_zqf7340.txt", "option_par"), 3);
    EXPECT_EQ(failed.err.str(), "error: a word may not have gone out: parallel port: a write "
                                "failed: Input/output error\n");
}

} // namespace
} // namespace zqf::cli
