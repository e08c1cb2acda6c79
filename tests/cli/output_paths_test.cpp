#include "cli/export_command.h"
#include "cli_fixture.h"
#include "files/bounded_read.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace zqf::cli::testing {
namespace {

namespace fs = std::filesystem;

std::string content_of(const fs::path& path) {
    return read_bounded(path.string(), script_kind).bytes;
}

int export_to(std::vector<std::string_view> args, std::ostringstream& out,
              std::ostringstream& err) {
    return export_command(args, "/opt/zqf", out, err);
}

TEST(OutputPaths, ExportToStandardOutputAndNeverOntoItsOwnSettingsFile) {
    const std::string settings = std::string(ZQF_SETTINGS_DIR) + "/settings_zqf7310.txt";
    std::ostringstream plain, piped, err;
    ASSERT_EQ(export_to({settings}, plain, err), 0) << err.str();
    EXPECT_EQ(export_to({settings, "-o", "-"}, piped, err), 0) << err.str();
    EXPECT_EQ(piped.str(), plain.str());

    // The same file under another name is still the same file.
    const zqf::testing::TempDir dir;
    const fs::path copy = dir.path() / "bench.txt";
    fs::copy_file(settings, copy);
    fs::create_symlink(copy, dir.path() / "alias.txt");
    const std::string alias = (dir.path() / "alias.txt").string();
    EXPECT_EQ(export_to({copy.string(), "--format", "c", "-o", alias}, piped, err), 2);
    EXPECT_EQ(err.str(),
              "error: cannot write '" + alias + "': it is the settings file being exported\n");
    EXPECT_EQ(content_of(copy), content_of(settings));
}

// A run never replaces its own script, whether the bus recording or a save
// dialog names it, and whatever name leads to it.
TEST(OutputPaths, ARunKeepsItsOwnScript) {
    const zqf::testing::TempDir dir;
    const std::string hard = (dir.path() / "hard.zqf").string();
    const std::string script = std::string(confirm_par) + "file " + hard + "\nclick Main.mnuSave\n";
    const fs::path path = dir.write("s.zqf", script);
    fs::create_symlink(path, dir.path() / "soft.zqf");
    fs::create_hard_link(path, hard);

    RunOptions options;
    options.script = path.string();
    options.vcd = (dir.path() / "soft.zqf").string();
    Bench bench(options);
    EXPECT_EQ(bench.run(script), 2);
    EXPECT_EQ(bench.err.str(), "error: cannot record the bus: cannot write '" + options.vcd +
                                   "': it is the script being run\n"
                                   "error: line 4: cannot write '" +
                                   hard + "': it is the script being run\n");
    EXPECT_EQ(content_of(path), script);
}

} // namespace
} // namespace zqf::cli::testing
