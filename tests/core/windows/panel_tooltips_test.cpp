#include "program_fixture.h"

#include "core/registers/assembly.h"
#include "core/state/device_profile.h"
#include "core/windows/display_pairs.h"
#include "core/windows/names/main_controls.h"
#include "core/windows/panel_tooltips.h"

#include <gtest/gtest.h>

#include <regex>

namespace zqf {
namespace {

using testing::ProgramBench;

struct Named {
    int index;
    BitRange bits;
};

// The register bits a tooltip names, from its "R2 bit 6:" and "R1 bits 22-20:" lines.
std::vector<Named> named_bits(const std::string& tooltip) {
    static const std::regex line(R"((?:^|\n)R(\d) bits? (\d+)(?:-(\d+))?:)");
    std::vector<Named> out;
    for (std::sregex_iterator it(tooltip.begin(), tooltip.end(), line), end; it != end; ++it) {
        const int high = std::stoi((*it)[2]);
        const int low = (*it)[3].matched ? std::stoi((*it)[3]) : high;
        out.push_back({std::stoi((*it)[1]), bits(high, low)});
    }
    return out;
}

std::array<std::optional<uint32_t>, 8> words_of(const SharedState& state) {
    std::array<std::optional<uint32_t>, 8> out{};
    for (int i = 0; i < 8; ++i) {
        out[static_cast<std::size_t>(i)] = compose_register(state, i);
    }
    return out;
}

bool is_indicator(std::string_view name) {
    for (const DisplayPair& pair : display_pairs) {
        if (pair.indicator == name) {
            return true;
        }
    }
    return name == all_rf_indicator || name == all_if_indicator || name == all_indicator ||
           name == "usb_display_toggle";
}

// What a user does to a control of the panel to change it.
void act(ProgramBench& b, Control& control) {
    switch (control.kind()) {
    case ControlKind::list: {
        auto& list = dynamic_cast<ListBox&>(control);
        // The second entry, away from the code 0 most fields start at, yet small
        // enough not to carry into a neighbour with the noise pattern added on top.
        list.user_choose(list.index() == 1 ? 0 : 1);
        break;
    }
    case ControlKind::text_box:
        control.user_type("5");
        break;
    case ControlKind::toggle:
        if (control.name() == "Toggle36") {
            b.main().get(main_controls::phase_reg_textbox).user_type("5"); // "Enter" takes it
        }
        control.user_click();
        break;
    default:
        control.user_click();
        break;
    }
    b.program.collect();
    // A window the control opened closes again, as a user who only looked.
    for (Form* form : b.program.open_forms()) {
        if (form->name() != "Main") {
            form->close();
        }
    }
    b.program.collect();
}

const std::array<const char*, 6> device_options{"Option1", "Option2", "Option3",
                                                "Option6", "Option4", "Option5"};

// Every control the user can reach on each device is set once on a fresh
// panel; each bit that moves in any word must sit in a range its tooltip
// names, so a control without a tooltip may move none.
TEST(PanelTooltips, EveryBitAControlMovesIsNamedInItsTooltip) {
    for (const char* option : device_options) {
        ProgramBench probe;
        probe.confirm(option);
        std::vector<std::string> names;
        for (const auto& control : probe.main().controls()) {
            const ControlKind kind = control->kind();
            const bool setting = kind == ControlKind::list || kind == ControlKind::toggle ||
                                 kind == ControlKind::option || kind == ControlKind::text_box;
            if (setting && !is_indicator(control->name())) {
                names.push_back(control->name());
            }
        }
        int moving = 0;
        for (const std::string& name : names) {
            ProgramBench b;
            b.confirm(option);
            // The hidden test lists are a double click away on the single synthesizers.
            b.main().find(main_controls::Picture1)->user_dblclick();
            b.program.collect();
            Control& control = *b.main().find(name);
            if (!control.visible()) {
                continue;
            }
            const auto before = words_of(b.state());
            act(b, control);
            const auto after = words_of(b.state());
            const std::vector<Named> named = named_bits(control.tooltip());
            for (int r = 0; r < 8; ++r) {
                const auto& was = before[static_cast<std::size_t>(r)];
                const auto& now = after[static_cast<std::size_t>(r)];
                if (!was || !now || *was == *now) {
                    continue;
                }
                ++moving;
                const uint32_t moved = *was ^ *now;
                for (int bit = 0; bit < 32; ++bit) {
                    if (((moved >> bit) & 1U) == 0) {
                        continue;
                    }
                    const bool covered =
                        std::any_of(named.begin(), named.end(), [&](const Named& n) {
                            return n.index == r && n.bits.contains(bit);
                        });
                    EXPECT_TRUE(covered) << option << " " << name << " moves R" << r << " bit "
                                         << bit << "; its tooltip:\n"
                                         << control.tooltip();
                }
            }
        }
        EXPECT_GE(moving, 8) << option; // the test reached the panel's fields
    }
}

// The lines as the engineer reads them: a tooltip of the control's own first,
// and the doors name the window they open.
TEST(PanelTooltips, GeneratedLinesFollowTheControlsOwnAndTheDoorsNameTheirWindow) {
    ProgramBench four;
    four.confirm("Option1");
    EXPECT_EQ(four.main().find(main_controls::Toggle1)->tooltip(),
              "R2 bit 6: RF phase-detector polarity: 1 = positive");
    EXPECT_EQ(four.main().find(main_controls::Option3)->tooltip(),
              "Lowest Noise\nR3 bits 9-2: sigma-delta pattern of the noise and spur mode, added "
              "on top");
    EXPECT_EQ(four.main().find(main_controls::Combo1)->tooltip(),
              "R1 bit 23: loads the fast-lock timer or resync value with this word\n"
              "R2 bits 15-12: phase resync value");

    ProgramBench fixed;
    fixed.confirm("Option5");
    EXPECT_EQ(fixed.main().find(main_controls::Combo4)->tooltip(),
              "R2 bit 22: RF prescaler: 0 = 4/5, 1 = 8/9");

    // Each read-out that opens a window names the window the click opens, on
    // every device; one that opens none on a device says nothing of a window.
    for (const char* option : device_options) {
        for (const char* door :
             {"vcofreq", "ref_freq", "ifvcofreq", "Label42", "Toggle13", "currentsetting2",
              "Label6", "currentsetting1", "Label5", "Label10"}) {
            ProgramBench b;
            b.confirm(option);
            Control& control = *b.main().find(door);
            const std::string tooltip = control.tooltip();
            control.user_click();
            const std::vector<Form*> open = b.program.open_forms();
            if (open.size() == 1) {
                EXPECT_EQ(tooltip.find("Click to open"), std::string::npos) << option << door;
                continue;
            }
            ASSERT_EQ(open.size(), 2U) << option << door;
            EXPECT_EQ(tooltip.rfind("Click to open \"" + open.back()->caption() + "\".", 0), 0U)
                << option << " " << door << ": " << tooltip;
        }
    }
}

TEST(PanelTooltips, ASecondSetUpReplacesTheLinesOfTheFirst) {
    ProgramBench b;
    b.confirm("Option4");
    const std::string once = b.main().get(main_controls::Toggle1).tooltip();
    const std::string spur = b.main().get(main_controls::Option1).tooltip();
    b.main().main_setup(); // as a settings file of the same device does
    EXPECT_EQ(b.main().get(main_controls::Toggle1).tooltip(), once);
    EXPECT_EQ(b.main().get(main_controls::Option1).tooltip(), spur);
    // Another family's bits replace these, the control's own text stays first.
    b.state().device_name = "ZQF7620";
    b.main().main_setup();
    const std::string dual = b.main().get(main_controls::Option1).tooltip();
    EXPECT_EQ(dual.rfind(spur.substr(0, spur.find('\n')), 0), 0U);
    EXPECT_EQ(dual.find(spur.substr(spur.find('\n'))), std::string::npos);
}

} // namespace
} // namespace zqf
