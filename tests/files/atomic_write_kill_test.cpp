#include "files/atomic_write.h"
#include "files/bounded_read.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace zqf {
namespace {

// Version n: a header naming n and its length, then a body of one letter, so a
// mixture or a cut anywhere can be told from every complete version.
std::string version(unsigned n) {
    const std::size_t length = 1000 + (n * 7919U) % 60000;
    const std::string header = "v" + std::to_string(n) + " " + std::to_string(length) + "\n";
    return header + std::string(length, static_cast<char>('a' + n % 26));
}

bool is_complete_version(const std::string& text) {
    unsigned n = 0;
    std::size_t length = 0;
    if (std::sscanf(text.c_str(), "v%u %zu\n", &n, &length) != 2) {
        return false;
    }
    return text == version(n);
}

TEST(AtomicWriteKill, AKilledWriterLeavesTheOldOrTheNewFileNeverAMixture) {
    testing::TempDir dir;
    const std::string target = (dir.path() / "settings.txt").string();
    ASSERT_EQ(write_atomically(target, version(0)), "");
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> pause_us(0, 3000);
    unsigned next = 1;
    constexpr int kills = 150;
    for (int round = 0; round < kills; ++round) {
        const unsigned first = next;
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (unsigned n = first;; ++n) {
                write_atomically(target, version(n));
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(pause_us(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));

        const FileRead read = read_bounded(target, settings_file_kind);
        ASSERT_TRUE(read.ok()) << "round " << round << ": " << read.error;
        ASSERT_TRUE(is_complete_version(read.bytes))
            << "round " << round << ": the file holds " << read.bytes.size() << " bytes of "
            << read.bytes.substr(0, 20);
        next = first + 1000;
    }
}

} // namespace
} // namespace zqf
