#include "files/atomic_write.h"
#include "files/bounded_read.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace zqf {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

std::string content_of(const fs::path& path) {
    return read_bounded(path.string(), settings_file_kind).bytes;
}

// The names in the folder: a writer must leave no temporary file behind.
std::vector<std::string> names_in(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

mode_t mode_of(const fs::path& path) {
    struct stat status {};
    EXPECT_EQ(::lstat(path.c_str(), &status), 0);
    return status.st_mode & 07777;
}

TEST(AtomicWrite, ReplacesTheContentKeepingPermissionsAndLeavesNothingBeside) {
    TempDir dir;
    const fs::path target = dir.write("settings.txt", "old");
    ::chmod(target.c_str(), 0640);
    EXPECT_EQ(write_atomically(target.string(), "new content\r\n"), "");
    EXPECT_EQ(content_of(target), "new content\r\n");
    EXPECT_EQ(mode_of(target), 0640U);
    EXPECT_EQ(names_in(dir.path()), std::vector<std::string>{"settings.txt"});

    // A new file gets the permissions any new file gets (the umask applies).
    const mode_t mask = ::umask(022);
    EXPECT_EQ(write_atomically((dir.path() / "fresh.txt").string(), ""), "");
    ::umask(mask);
    EXPECT_EQ(mode_of(dir.path() / "fresh.txt"), 0644U);
}

TEST(AtomicWrite, NeverWritesThroughALink) {
    TempDir dir;
    const fs::path victim = dir.write("victim.txt", "precious");
    const fs::path target = dir.path() / "comms_option.txt";
    // A link planted where a writer with a fixed temporary name would write.
    fs::create_symlink(victim, dir.path() / "comms_option.txt.tmp");
    EXPECT_EQ(write_atomically(target.string(), "par\r\n"), "");
    EXPECT_EQ(content_of(victim), "precious");
    EXPECT_EQ(content_of(target), "par\r\n");
}

// A link to a regular file is followed: the file it names is replaced (its
// permissions kept, nothing left beside it) and the link stays a link.
TEST(AtomicWrite, ALinkedTargetReplacesTheFileTheLinkNames) {
    TempDir dir;
    const fs::path named = dir.write("runs/run42.vcd", "old");
    ::chmod(named.c_str(), 0604);
    const fs::path link = dir.path() / "latest.vcd";
    fs::create_symlink("runs/run42.vcd", link);
    EXPECT_EQ(write_atomically(link.string(), "new"), "");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(content_of(named), "new");
    EXPECT_EQ(mode_of(named), 0604U);
    EXPECT_EQ(names_in(dir.path() / "runs"), std::vector<std::string>{"run42.vcd"});
}

// Renaming over a device node, a named pipe or a socket would swap the
// system's entry for a plain file: each is refused by name and stays as it was.
TEST(AtomicWrite, AnythingButARegularFileIsRefusedAndKept) {
    TempDir dir;
    const fs::path folder = dir.path();
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{AF_UNIX, {}};
    (folder / "sock").string().copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(listener);
    fs::create_symlink(folder / "pipe", folder / "to_pipe");
    fs::create_symlink("absent.txt", folder / "dangling");
    std::vector<std::pair<std::string, std::string>> cases = {
        {"pipe", "it is a named pipe, not a regular file"},
        {"sock", "it is a socket, not a regular file"},
        {"to_pipe", "it is a symbolic link to a named pipe, not to a regular file"},
        {"dangling", "it is a symbolic link to a file that does not exist"},
    };
    // A device node of its own, where one may be made: a writer gone wrong
    // must never get the chance to replace the system's.
    if (::mknod((folder / "null").c_str(), S_IFCHR | 0600, ::makedev(1, 3)) == 0) {
        cases.emplace_back("null", "it is a character device, not a regular file");
    }
    const std::vector<std::string> names = names_in(folder);
    for (const auto& [name, reason] : cases) {
        const std::string path = (folder / name).string();
        const fs::file_type type = fs::symlink_status(path).type();
        EXPECT_EQ(write_atomically(path, "x"), "cannot write '" + path + "': " + reason);
        EXPECT_EQ(fs::symlink_status(path).type(), type) << name;
    }
    EXPECT_EQ(names_in(folder), names);

    // A pipe that takes the target's place while the content is written.
    AtomicWriter writer((folder / "late.txt").string());
    ASSERT_TRUE(writer.append("content"));
    ASSERT_EQ(::mkfifo((folder / "late.txt").c_str(), 0600), 0);
    EXPECT_FALSE(writer.commit());
    EXPECT_TRUE(writer.error().ends_with("late.txt': it is a named pipe, not a regular file"));
    EXPECT_TRUE(fs::is_fifo(folder / "late.txt"));
}

TEST(AtomicWrite, FailuresLeaveTheTargetAndTheFolderAsTheyWere) {
    TempDir dir;
    dir.write("kept.txt", "kept");
    fs::create_directory(dir.path() / "folder");
    const struct {
        std::string path;
        const char* error;
    } cases[] = {
        {(dir.path() / "absent" / "x.txt").string(), "x.txt': No such file or directory"},
        {(dir.path() / "folder").string(), "folder': it is a folder"},
        {(dir.path() / "kept.txt" / "x.txt").string(), "x.txt': Not a directory"},
        {"", "'': it names a folder"},
    };
    for (const auto& c : cases) {
        const std::string error = write_atomically(c.path, "new");
        EXPECT_TRUE(error.starts_with("cannot write '")) << error;
        EXPECT_TRUE(error.ends_with(c.error)) << error;
    }
    EXPECT_EQ(names_in(dir.path()), (std::vector<std::string>{"folder", "kept.txt"}));
    EXPECT_EQ(content_of(dir.path() / "kept.txt"), "kept");
}

TEST(AtomicWrite, AReadOnlyFileStaysAsItIs) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root may write any file";
    }
    TempDir dir;
    const fs::path target = dir.write("locked.txt", "locked");
    ::chmod(target.c_str(), 0444);
    EXPECT_EQ(write_atomically(target.string(), "new"),
              "cannot write '" + target.string() + "': Permission denied");
    EXPECT_EQ(content_of(target), "locked");
}

TEST(AtomicWrite, PiecesAppearOnlyAtCommitAndAnAbandonedWriteLeavesNoTrace) {
    TempDir dir;
    const fs::path target = dir.write("bus.vcd", "old recording");
    {
        AtomicWriter writer(target.string());
        ASSERT_TRUE(writer.begin()) << writer.error();
        EXPECT_TRUE(writer.append("$timescale 1us $end\n"));
        EXPECT_TRUE(writer.append("#0\n"));
        EXPECT_EQ(content_of(target), "old recording");
        EXPECT_EQ(names_in(dir.path()).size(), 2U);
        ASSERT_TRUE(writer.commit()) << writer.error();
    }
    EXPECT_EQ(content_of(target), "$timescale 1us $end\n#0\n");
    {
        AtomicWriter writer(target.string());
        EXPECT_TRUE(writer.append("half a recording"));
    }
    EXPECT_EQ(content_of(target), "$timescale 1us $end\n#0\n");
    EXPECT_EQ(names_in(dir.path()), std::vector<std::string>{"bus.vcd"});
}

} // namespace
} // namespace zqf
