// Each window's table of control names against the controls the window
// really creates: a name in code reaches a control of the type it claims.
#include "core/windows/bus_log_form.h"
#include "core/windows/chip_state_form.h"
#include "core/windows/comms_help_form.h"
#include "core/windows/crystal_form.h"
#include "core/windows/current_form.h"
#include "core/windows/device_form.h"
#include "core/windows/dual_mux_form.h"
#include "core/windows/dual_power_form.h"
#include "core/windows/fast_lock_form.h"
#include "core/windows/frequency_plot_form.h"
#include "core/windows/help_form.h"
#include "core/windows/lock_time_form.h"
#include "core/windows/names/about_controls.h"
#include "core/windows/names/bus_log_controls.h"
#include "core/windows/names/chip_state_controls.h"
#include "core/windows/names/comms_help_controls.h"
#include "core/windows/names/crystal_controls.h"
#include "core/windows/names/current_controls.h"
#include "core/windows/names/device_controls.h"
#include "core/windows/names/dual_mux_controls.h"
#include "core/windows/names/dual_power_controls.h"
#include "core/windows/names/fast_lock_controls.h"
#include "core/windows/names/forms.h"
#include "core/windows/names/frequency_plot_controls.h"
#include "core/windows/names/help_controls.h"
#include "core/windows/names/lock_time_controls.h"
#include "core/windows/names/main_controls.h"
#include "core/windows/names/remote_control_controls.h"
#include "core/windows/names/spur_opt_controls.h"
#include "core/windows/names/sweep_controls.h"
#include "core/windows/names/synth_controls.h"
#include "core/windows/names/synth_if_controls.h"
#include "core/windows/names/test_mode_controls.h"
#include "core/windows/remote_control_form.h"
#include "core/windows/spur_opt_form.h"
#include "core/windows/sweep_form.h"
#include "core/windows/synth_form.h"
#include "core/windows/synth_if_form.h"
#include "core/windows/test_mode_form.h"
#include "program_fixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace zqf::testing {
namespace {

struct Window {
    FormId id;
    ControlTable table;
    std::function<std::unique_ptr<Form>(Program&)> make;
};

template <typename F> std::function<std::unique_ptr<Form>(Program&)> maker() {
    return [](Program& program) { return std::make_unique<F>(program); };
}

std::vector<Window> windows() {
    return {
        {FormId::device, device_controls::table, maker<DeviceForm>()},
        {FormId::comms_help, comms_help_controls::table, maker<CommsHelpForm>()},
        {FormId::help, help_controls::table, maker<HelpForm>()},
        {FormId::about, about_controls::table, maker<AboutForm>()},
        {FormId::main, main_controls::table, maker<MainForm>()},
        {FormId::synth, synth_controls::table, maker<SynthForm>()},
        {FormId::synth_if, synth_if_controls::table, maker<SynthIfForm>()},
        {FormId::crystal, crystal_controls::table, maker<CrystalForm>()},
        {FormId::fast_lock, fast_lock_controls::table, maker<FastLockForm>()},
        {FormId::test, test_mode_controls::table, maker<TestForm>()},
        {FormId::if_test, test_mode_controls::table, maker<IfTestForm>()},
        {FormId::current1, current_controls::table, maker<Current1Form>()},
        {FormId::current2, current_controls::table, maker<Current2Form>()},
        {FormId::current7310, current_controls::table, maker<CurrentForm7310>()},
        {FormId::current7340, current_controls::table, maker<CurrentForm7340>()},
        {FormId::dual_power, dual_power_controls::table, maker<DualPowerForm>()},
        {FormId::dual_mux, dual_mux_controls::table, maker<DualMuxForm>()},
        {FormId::sweep, sweep_controls::table, maker<SweepForm>()},
        {FormId::lock_time, lock_time_controls::table, maker<LockTimeForm>()},
        {FormId::spur_opt, spur_opt_controls::table, maker<SpurOptForm>()},
        {FormId::bus_log, bus_log_controls::table, maker<BusLogForm>()},
        {FormId::chip_state, chip_state_controls::table, maker<ChipStateForm>()},
        {FormId::remote_control, remote_control_controls::table, maker<RemoteControlForm>()},
        {FormId::frequency_plot, frequency_plot_controls::table, maker<FrequencyPlotForm>()},
    };
}

TEST(ControlTables, EveryWindowIsListedOnceWithItsOwnName) {
    ProgramBench bench;
    bench.confirm("Option1");
    const std::vector<Window> all = windows();
    ASSERT_EQ(all.size(), std::size(form_rows));
    for (const Window& window : all) {
        const std::unique_ptr<Form> form = window.make(bench.program);
        EXPECT_EQ(form->name(), form_name(window.id));
    }
}

TEST(ControlTables, NameEveryControlOfTheirWindowsWithItsType) {
    ProgramBench bench;
    bench.confirm("Option1");
    std::map<const NamedControl*, int> reached;
    for (const Window& window : windows()) {
        const std::unique_ptr<Form> form = window.make(bench.program);
        for (const auto& control : form->controls()) {
            const NamedControl* row = nullptr;
            for (const NamedControl& candidate : window.table) {
                if (candidate.text == control->name()) {
                    row = &candidate;
                }
            }
            ASSERT_NE(row, nullptr)
                << form->name() << "." << control->name() << " not in its table";
            EXPECT_TRUE(row->fits(*control)) << form->name() << "." << control->name();
            ++reached[row];
        }
    }
    // A shared table names only controls one of its windows has.
    for (const Window& window : windows()) {
        for (const NamedControl& row : window.table) {
            EXPECT_TRUE(reached.contains(&row)) << form_name(window.id) << "." << row.text;
        }
    }
}

TEST(ControlTables, AControlOfAnotherTypeIsAProgrammingError) {
    ProgramBench bench;
    bench.confirm("Option1");
    const ControlName<TextBox> mistyped{main_controls::Toggle30.text};
    EXPECT_THROW(bench.main().get(mistyped), std::logic_error);
}

} // namespace
} // namespace zqf::testing
