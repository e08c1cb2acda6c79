#include "files/bounded_read.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace zqf {
namespace {

using Fault = FileRead::Fault;
using testing::TempDir;

TEST(BoundedRead, RefusesWhatIsNotASmallRegularFileWithoutBlocking) {
    TempDir dir;
    const std::string base = dir.path().string() + "/";
    dir.write("small.txt", "par\r\n");
    dir.write("limit.txt", std::string(link_file_kind.limit, 'x'));
    dir.write("above.txt", std::string(link_file_kind.limit + 1, 'x'));
    ASSERT_EQ(::mkfifo((base + "fifo").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", base + "zero");
    std::filesystem::create_directory(base + "folder");

    const struct {
        std::string path;
        Fault fault;
        const char* error;
    } cases[] = {
        {base + "small.txt", Fault::none, ""},
        {base + "limit.txt", Fault::none, ""},
        {base + "absent.txt", Fault::missing, "absent.txt': No such file or directory"},
        {base + "above.txt", Fault::too_large,
         "above.txt': it is larger than 4 KiB, the limit for a link file"},
        {base + "fifo", Fault::not_regular, "fifo': it is a named pipe, not a regular file"},
        {base + "zero", Fault::not_regular, "zero': it is a character device, not a regular file"},
        {base + "folder", Fault::not_regular, "folder': it is a folder, not a regular file"},
        {base + "small.txt/x", Fault::missing, "Not a directory"},
    };
    for (const auto& c : cases) {
        const FileRead read = read_bounded(c.path, link_file_kind);
        EXPECT_EQ(read.fault, c.fault) << c.path;
        EXPECT_TRUE(read.error.ends_with(c.error)) << read.error;
        if (!read.ok()) {
            EXPECT_TRUE(read.error.starts_with("cannot read the link file '" + base)) << read.error;
            EXPECT_EQ(read.bytes, "");
        }
    }
    EXPECT_EQ(read_bounded(base + "small.txt", link_file_kind).bytes, "par\r\n");
    EXPECT_EQ(read_bounded(base + "limit.txt", link_file_kind).bytes.size(), 4096U);
}

TEST(BoundedRead, ReadsKernelFilesThatClaimToBeEmpty) {
    const FileRead read = read_bounded("/proc/self/stat", port_info_kind);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_TRUE(read.bytes.starts_with(std::to_string(::getpid()) + " ("));
}

// Reads the lines of a pipe holding `text` in the place of standard input.
std::vector<std::string> piped_lines(const std::string& text, const FileKind& kind,
                                     std::string& error) {
    int ends[2];
    EXPECT_EQ(::pipe(ends), 0);
    EXPECT_EQ(::write(ends[1], text.data(), text.size()), static_cast<ssize_t>(text.size()));
    ::close(ends[1]);
    const int saved = ::dup(STDIN_FILENO);
    ::dup2(ends[0], STDIN_FILENO);
    ::close(ends[0]);
    StandardInputLines input(kind);
    std::vector<std::string> lines;
    while (const std::optional<std::string> line = input.next_line()) {
        lines.push_back(*line);
    }
    EXPECT_FALSE(input.next_line());
    error = input.error();
    ::dup2(saved, STDIN_FILENO);
    ::close(saved);
    return lines;
}

TEST(BoundedRead, StandardInputComesLineByLineAndIsBoundedTheSameWay) {
    std::string error;
    EXPECT_EQ(piped_lines("click Main.Toggle1\n\ntype a b\r\nlast", script_kind, error),
              (std::vector<std::string>{"click Main.Toggle1", "", "type a b\r", "last"}));
    EXPECT_EQ(error, "");
    // One byte past the limit is refused, and the line it cuts is never handed out.
    EXPECT_EQ(piped_lines(std::string(link_file_kind.limit + 1, 'x'), link_file_kind, error),
              std::vector<std::string>{});
    EXPECT_EQ(error, "cannot read the link file from standard input: it is larger than 4 KiB, "
                     "the limit for a link file");
    EXPECT_EQ(piped_lines(std::string(link_file_kind.limit - 1, 'x') + "\n", link_file_kind, error)
                  .size(),
              1U);
    EXPECT_EQ(error, "");
}

} // namespace
} // namespace zqf
