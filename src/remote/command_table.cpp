// The command tree: every header the instrument answers, in one table.
#include "remote/commands.h"

#include "core/text/number_text.h"

namespace zqf::remote {

namespace {

constexpr CommandRow rows[] = {
    {"*IDN", true, idn_query},
    {"*RST", false, rst},
    {"*CLS", false, cls},
    {"*ESE", false, ese},
    {"*ESE", true, ese_query},
    {"*ESR", true, esr_query},
    {"*SRE", false, sre},
    {"*SRE", true, sre_query},
    {"*STB", true, stb_query},
    {"*OPC", false, opc},
    {"*OPC", true, opc_query},
    {"*WAI", false, wai},
    {"*TST", true, tst_query},

    {"SYSTem:ERRor[:NEXT]", true, error_next_query},
    {"SYSTem:ERRor:COUNt", true, error_count_query},
    {"SYSTem:ERRor:ALL", true, error_all_query},
    {"SYSTem:VERSion", true, version_query},
    {"SYSTem:DEVice", true, device_query},

    {"[SOURce#:]FREQuency[:CW|:FIXed]", false, frequency},
    {"[SOURce#:]FREQuency[:CW|:FIXed]", true, frequency_query},
    {"[SOURce#:]FREQuency:STEP[:INCRement]", false, step},
    {"[SOURce#:]FREQuency:STEP[:INCRement]", true, step_query},
    {"[SOURce#:]ROSCillator:EXTernal:FREQuency", false, reference},
    {"[SOURce#:]ROSCillator:EXTernal:FREQuency", true, reference_query},
    {"OUTPut#[:STATe]", false, output},
    {"OUTPut#[:STATe]", true, output_query},
    {"[SOURce#:]PHASe[:ADJust]", false, phase},
    {"[SOURce#:]PHASe[:ADJust]", true, phase_query},

    {"[SOURce#:]FREQuency:MODE", false, mode},
    {"[SOURce#:]FREQuency:MODE", true, mode_query},
    {"[SOURce#:]FREQuency:STARt", false, start},
    {"[SOURce#:]FREQuency:STARt", true, start_query},
    {"[SOURce#:]FREQuency:STOP", false, stop},
    {"[SOURce#:]FREQuency:STOP", true, stop_query},
    {"[SOURce#:]SWEep:STEP", false, step},
    {"[SOURce#:]SWEep:STEP", true, step_query},
    {"[SOURce#:]SWEep:DWELl", false, sweep_dwell},
    {"[SOURce#:]SWEep:DWELl", true, sweep_dwell_query},
    {"[SOURce#:]LIST:FREQuency", false, list_frequency},
    {"[SOURce#:]LIST:FREQuency", true, list_frequency_query},
    {"[SOURce#:]LIST:DWELl", false, list_dwell},
    {"[SOURce#:]LIST:DWELl", true, list_dwell_query},
    {"INITiate[:IMMediate]", false, initiate},
    {"ABORt", false, abort},

    {"REGister#", true, register_query},
    {"REGister#", false, register_word},
    {"REGister#:FIELd", true, register_field_query},
    {"REGister#:DECode", true, register_decode_query},
    {"REGister#:WRITe", false, register_write},

    {"BOARd:CHIP", true, chip_query},
    {"BOARd:LINK", true, link_query},
    {"BOARd:LOG", true, log_query},

    {"MMEMory:LOAD:STATe", false, load_state},
    {"MMEMory:STORe:STATe", false, store_state},
};

} // namespace

std::span<const CommandRow> command_rows() {
    return rows;
}

std::string number_response(double value) {
    return general_form(value);
}

} // namespace zqf::remote
