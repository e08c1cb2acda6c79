#pragma once

#include "core/registers/register_maps.h"
#include "core/ui/form.h"
#include "core/windows/panel_steps.h"

#include <memory>
#include <string_view>

namespace zqf {

class BoardMenu;
class ExportMenu;
class NoiseModes;
class PanelDoors;
class PanelLists;
class PanelSwitches;
class Program;
class SettingsCommands;
class UpdateIndicators;
struct StatusLine;

// The main control panel: every register field of the six devices, the
// read-outs, the display pairs of the last written words, the update
// indicators and the doors to the other windows. The panel owns the controls
// and the set-up and refresh that span them; its parts (indicators, lists,
// switches, noise modes, doors, settings, export, the board menu) own their
// handlers.
class MainForm final : public Form {
  public:
    explicit MainForm(Program& program);
    ~MainForm() override;

    // main_load: the noise mode, the list entries, the phase value.
    void load() override;
    // Ends the program.
    void close_box() override;

    // Shows, hides, enables and presets the controls for state.device_name.
    void main_setup();
    // What a device's defaults ask of the panel beyond the shared state: the
    // prescaler list at its first entry, the modulus shown, a refresh.
    void preset_panel();
    // Brings the read-outs and switch states into line with the field values.
    void refresh_registers();

    // Runs a handler's steps in order: refreshes, writes of every register
    // and the update indicators to light.
    void run_steps(const Steps& steps);

    // The status line as it stands now: the link, the chip, the last refusal.
    StatusLine status() const;

  private:
    void create_controls();
    void create_menus();
    // Hides the controls designed hidden.
    void hide_designed_hidden();
    void show_sent_word(int index, const std::string& bits, const std::string& hex);

    void setup_single_synthesizer();
    void setup_dual();

    void light(std::string_view toggle) { get<ToggleSwitch>(toggle).set_state(true); }

    // The parts of the panel, each with its controls, handlers and state.
    // They create their controls through the panel, in the panel's order.
    friend class UpdateIndicators;
    friend class PanelLists;
    friend class PanelSwitches;
    friend class NoiseModes;
    friend class ExportMenu;
    friend class BoardMenu;
    std::unique_ptr<UpdateIndicators> indicators_;
    std::unique_ptr<PanelDoors> doors_;
    std::unique_ptr<PanelLists> lists_;
    std::unique_ptr<PanelSwitches> switches_;
    std::unique_ptr<NoiseModes> noise_modes_;
    std::unique_ptr<SettingsCommands> settings_commands_;
    std::unique_ptr<ExportMenu> export_menu_;
    std::unique_ptr<BoardMenu> board_menu_;

    Program& program_;
    int observer_id_ = 0;
};

} // namespace zqf
