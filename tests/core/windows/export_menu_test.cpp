#include "core/link/full_write.h"
#include "core/windows/names/main_controls.h"
#include "files/bounded_read.h"
#include "program_fixture.h"

#include <gtest/gtest.h>

namespace zqf::testing {
namespace {

std::string exported(const SharedState& state, ExportFormat format) {
    const auto words = full_write_words(state);
    return export_registers(format, {device_profile(state.device_name), "the zqfeval panel"},
                            std::get<std::vector<RegisterWord>>(words));
}

// File > Export Registers... writes the panel's words in the format of the
// file's filter, and sends nothing.
TEST(ExportMenu, WritesThePanelsWordsInTheChosenFormatWithoutSending) {
    const std::pair<const char*, ExportFormat> files[] = {{"regs.txt", ExportFormat::hex},
                                                          {"regs.h", ExportFormat::c},
                                                          {"regs.csv", ExportFormat::csv},
                                                          {"regs.json", ExportFormat::json},
                                                          {"regs", ExportFormat::hex}};
    for (const char* option : {"Option1", "Option3", "Option4", "Option5"}) {
        ProgramBench bench;
        bench.confirm(option);
        bench.record_sends();
        bench.host.events.clear();
        for (const auto& [name, format] : files) {
            bench.host.file = (bench.dir / name).string();
            bench.click("Main", main_controls::mnuExport);
            const FileRead file = read_bounded(*bench.host.file, settings_file_kind);
            ASSERT_TRUE(file.ok()) << option << ' ' << name << ": " << file.error;
            EXPECT_EQ(file.bytes, exported(bench.state(), format)) << option << ' ' << name;
        }
        EXPECT_TRUE(bench.sent.empty()) << option;
        EXPECT_TRUE(bench.host.events.empty()) << option;
    }
}

TEST(ExportMenu, RefusalsAreToldAndLeaveNoFile) {
    ProgramBench bench;
    bench.confirm("Option1");
    bench.host.file = (bench.dir / "missing" / "regs.csv").string();
    bench.host.events.clear();
    bench.click("Main", main_controls::mnuExport);
    ASSERT_EQ(bench.host.events.size(), 2U);
    EXPECT_EQ(bench.host.events[0], "beep");
    EXPECT_NE(bench.host.events[1].find("The registers could not be exported: cannot write"),
              std::string::npos)
        << bench.host.events[1];

    // A word the last guard would refuse: told before any file is asked for.
    bench.state().int_val = 1000; // 9 bits hold 511
    bench.host.file = (bench.dir / "regs.csv").string();
    bench.host.events.clear();
    bench.click("Main", main_controls::mnuExport);
    ASSERT_EQ(bench.host.events.size(), 2U);
    EXPECT_EQ(bench.host.events[1].rfind(
                  "message exclamation \"Norvik Evaluation Software\" \"The registers cannot be "
                  "exported: R0 was not sent: ",
                  0),
              0U)
        << bench.host.events[1];
    EXPECT_FALSE(std::filesystem::exists(*bench.host.file));

    // Cancel writes nothing and says nothing.
    bench.state().int_val = 100;
    bench.host.file.reset();
    bench.host.events.clear();
    bench.click("Main", main_controls::mnuExport);
    EXPECT_TRUE(bench.host.events.empty());
}

} // namespace
} // namespace zqf::testing
