#include "platform/linux/growing_file.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace zqf {
namespace {

using testing::TempDir;
namespace fs = std::filesystem;

std::string content(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Everything in the folder, temporary files included.
std::size_t entries(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

TEST(GrowingFile, TheTargetChangesOnlyWhenTheFileIsFinished) {
    const TempDir dir;
    const fs::path target = dir.write("bus.vcd", "old");
    std::string error;
    auto file = GrowingFile::create(target, error);
    ASSERT_NE(file, nullptr) << error;
    ASSERT_TRUE(file->write("new "));
    ASSERT_TRUE(file->write("text"));
    EXPECT_EQ(content(target), "old");
    EXPECT_EQ(entries(dir.path()), 2U);
    ASSERT_TRUE(file->finish()) << file->error();
    EXPECT_EQ(content(target), "new text");
    EXPECT_EQ(entries(dir.path()), 1U);
}

TEST(GrowingFile, AFileGivenUpLeavesTheTargetAndNoTemporaryFile) {
    const TempDir dir;
    const fs::path target = dir.write("bus.vcd", "old");
    std::string error;
    {
        auto file = GrowingFile::create(target, error);
        ASSERT_NE(file, nullptr) << error;
        ASSERT_TRUE(file->write("half"));
    }
    EXPECT_EQ(content(target), "old");
    EXPECT_EQ(entries(dir.path()), 1U);
}

TEST(GrowingFile, KeepsThePermissionsOfTheFileItReplaces) {
    const TempDir dir;
    const fs::path target = dir.write("bus.vcd", "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    std::string error;
    auto file = GrowingFile::create(target, error);
    ASSERT_NE(file, nullptr) << error;
    ASSERT_TRUE(file->finish());
    EXPECT_EQ(fs::status(target).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(GrowingFile, ALinkAtTheTargetIsReplacedNotWrittenThrough) {
    const TempDir dir;
    const fs::path elsewhere = dir.write("elsewhere.txt", "keep");
    const fs::path target = dir.path() / "bus.vcd";
    fs::create_symlink(elsewhere, target);
    std::string error;
    auto file = GrowingFile::create(target, error);
    ASSERT_NE(file, nullptr) << error;
    ASSERT_TRUE(file->write("new"));
    ASSERT_TRUE(file->finish());
    EXPECT_EQ(content(elsewhere), "keep");
    EXPECT_FALSE(fs::is_symlink(target));
    EXPECT_EQ(content(target), "new");
}

TEST(GrowingFile, SaysWhyItCannotBeCreated) {
    const TempDir dir;
    struct Row {
        fs::path target;
        const char* error;
    };
    const Row rows[] = {
        {dir.path(), "it is a folder"},
        {dir.path() / "missing" / "bus.vcd", "No such file or directory"},
    };
    for (const Row& row : rows) {
        std::string error;
        EXPECT_EQ(GrowingFile::create(row.target, error), nullptr) << row.target;
        EXPECT_EQ(error, row.error) << row.target;
    }
}

} // namespace
} // namespace zqf
