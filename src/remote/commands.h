#pragma once

#include "remote/command_call.h"

#include <string>

namespace zqf {
class Program;
}

namespace zqf::remote {

// The device's name as the panel shows it (ZQF7610 where that was chosen).
std::string model_name(Program& program);

// IEEE 488.2 common commands.
Reply idn_query(Call& call);
Reply rst(Call& call);
Reply cls(Call& call);
Reply ese(Call& call);
Reply ese_query(Call& call);
Reply esr_query(Call& call);
Reply sre(Call& call);
Reply sre_query(Call& call);
Reply stb_query(Call& call);
Reply opc(Call& call);
Reply opc_query(Call& call);
Reply wai(Call& call);
Reply tst_query(Call& call);

// SYSTem.
Reply error_next_query(Call& call);
Reply error_count_query(Call& call);
Reply error_all_query(Call& call);
Reply version_query(Call& call);
Reply device_query(Call& call);

// SOURce: frequencies, reference, outputs, phase.
Reply frequency(Call& call);
Reply frequency_query(Call& call);
Reply step(Call& call);
Reply step_query(Call& call);
Reply reference(Call& call);
Reply reference_query(Call& call);
Reply output(Call& call);
Reply output_query(Call& call);
Reply phase(Call& call);
Reply phase_query(Call& call);

// Sweep and list (the sweep and hopper windows), INITiate and ABORt.
Reply mode(Call& call);
Reply mode_query(Call& call);
Reply start(Call& call);
Reply start_query(Call& call);
Reply stop(Call& call);
Reply stop_query(Call& call);
Reply sweep_dwell(Call& call);
Reply sweep_dwell_query(Call& call);
Reply list_frequency(Call& call);
Reply list_frequency_query(Call& call);
Reply list_dwell(Call& call);
Reply list_dwell_query(Call& call);
Reply initiate(Call& call);
Reply abort(Call& call);

// Registers, the board, mass storage.
Reply register_query(Call& call);
Reply register_word(Call& call);
Reply register_field_query(Call& call);
Reply register_decode_query(Call& call);
Reply register_write(Call& call);
Reply chip_query(Call& call);
Reply link_query(Call& call);
Reply log_query(Call& call);
Reply load_state(Call& call);
Reply store_state(Call& call);

} // namespace zqf::remote
