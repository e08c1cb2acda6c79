#include "cli/export_command.h"
#include "cli_fixture.h"
#include "files/bounded_read.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace zqf::cli::testing {
namespace {

namespace fs = std::filesystem;

const std::string settings_file = std::string(ZQF_SETTINGS_DIR) + "/settings_zqf7310.txt";

std::string content_of(const fs::path& path) {
    return read_bounded(path.string(), script_kind).bytes;
}

struct Export {
    std::ostringstream out;
    std::ostringstream err;
    int status;
    explicit Export(std::vector<std::string_view> args)
        : status(export_command(args, "/opt/zqf", out, err)) {}
};

TEST(OutputPaths, ExportToStandardOutputAndNeverOntoItsOwnSettingsFile) {
    const Export plain({settings_file});
    ASSERT_EQ(plain.status, 0) << plain.err.str();
    for (const std::string_view dash : {"-o", "--output"}) {
        const Export piped({settings_file, dash, "-"});
        EXPECT_EQ(piped.status, 0) << piped.err.str();
        EXPECT_EQ(piped.out.str(), plain.out.str());
    }

    // The same file under another name is still the same file.
    const zqf::testing::TempDir dir;
    const fs::path copy = dir.path() / "bench.txt";
    fs::copy_file(settings_file, copy);
    fs::create_symlink(copy, dir.path() / "alias.txt");
    const std::string alias = (dir.path() / "alias.txt").string();
    const Export onto_itself({copy.string(), "--format", "c", "-o", alias});
    EXPECT_EQ(onto_itself.status, 2);
    EXPECT_EQ(onto_itself.err.str(),
              "error: cannot write '" + alias + "': it is the settings file being exported\n");
    EXPECT_EQ(content_of(copy), content_of(settings_file));
}

// A run must never replace its own script, whether the recording of the bus
// or a save dialog names it, and whatever name leads to it.
TEST(OutputPaths, ARunKeepsItsOwnScript) {
    const zqf::testing::TempDir dir;
    const std::string script = std::string(confirm_par) + "file " +
                               (dir.path() / "hard.zqf").string() + "\nclick Main.mnuSave\n";
    const fs::path path = dir.write("s.zqf", script);
    fs::create_symlink(path, dir.path() / "soft.zqf");
    fs::create_hard_link(path, dir.path() / "hard.zqf");

    RunOptions options;
    options.script = path.string();
    options.vcd = (dir.path() / "soft.zqf").string();
    Bench bench(options);
    EXPECT_EQ(bench.run(script), 2);
    EXPECT_EQ(bench.err.str(), "error: cannot record the bus: cannot write '" + options.vcd +
                                   "': it is the script being run\n"
                                   "error: line 4: cannot write '" +
                                   (dir.path() / "hard.zqf").string() +
                                   "': it is the script being run\n");
    EXPECT_EQ(content_of(path), script);
}

} // namespace
} // namespace zqf::cli::testing
