#pragma once

// Every window of the program, by id, with the name scripts and views know it
// by. Code finds a window through its id, so a misspelt window does not compile.

#include <array>
#include <cstddef>
#include <string_view>

namespace zqf {

enum class FormId {
    device,
    comms_help,
    help,
    about,
    main,
    synth,
    synth_if,
    crystal,
    fast_lock,
    test,
    if_test,
    current1,
    current2,
    current7310,
    current7340,
    dual_power,
    dual_mux,
    sweep,
    lock_time,
    spur_opt,
    bus_log,
    chip_state,
    remote_control,
    frequency_plot,
};

struct FormRow {
    FormId id;
    std::string_view name;
};

inline constexpr FormRow form_rows[] = {
    {FormId::device, "deviceform"},
    {FormId::comms_help, "comms_help_form"},
    {FormId::help, "helpform"},
    {FormId::about, "aboutform"},
    {FormId::main, "Main"},
    {FormId::synth, "synthform"},
    {FormId::synth_if, "synthformIF"},
    {FormId::crystal, "crystalform"},
    {FormId::fast_lock, "fastlockform"},
    {FormId::test, "testform"},
    {FormId::if_test, "iftestform"},
    {FormId::current1, "current1form"},
    {FormId::current2, "current2form"},
    {FormId::current7310, "currentform7310"},
    {FormId::current7340, "currentform7340"},
    {FormId::dual_power, "dualpowerform"},
    {FormId::dual_mux, "dualmuxform"},
    {FormId::sweep, "sweepform"},
    {FormId::lock_time, "locktime"},
    {FormId::spur_opt, "spur_opt"},
    {FormId::bus_log, "buslog"},
    {FormId::chip_state, "chipstate"},
    {FormId::remote_control, "remotecontrol"},
    {FormId::frequency_plot, "freqplot"},
};

// The rows are in the order of the ids, so an id indexes its row.
constexpr bool rows_in_id_order() {
    for (std::size_t i = 0; i < std::size(form_rows); ++i) {
        if (static_cast<std::size_t>(form_rows[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(rows_in_id_order());

constexpr std::string_view form_name(FormId id) {
    return form_rows[static_cast<std::size_t>(id)].name;
}

} // namespace zqf
