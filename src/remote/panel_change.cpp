#include "remote/panel_change.h"

#include "core/windows/main_form.h"
#include "core/windows/program.h"

#include <algorithm>

namespace zqf::remote {

// What a control of the main window shows, as far as a handler may change it.
struct PanelChange::ControlState {
    Control* control;
    bool visible;
    bool enabled;
    std::string text; // caption or text
    int index;        // list entry, or switch and option state
    CaptionColour colour = CaptionColour::text;
};

PanelChange::PanelChange(Program& program, DivertingHost& host)
    : program_(program), host_(host),
      diversion_(std::make_unique<DivertingHost::Diversion>(host, prompts_)),
      state_(program.state()), main_(program.main_form()), forms_before_(program.open_forms()) {
    if (main_ != nullptr) {
        main_caption_ = main_->caption();
        controls_.reserve(main_->controls().size());
        for (const auto& control : main_->controls()) {
            ControlState saved{control.get(), control->visible(), control->enabled(), {}, 0};
            if (const auto* caption = dynamic_cast<const CaptionControl*>(control.get())) {
                saved.text = caption->caption();
            } else if (const auto* text = dynamic_cast<const TextBox*>(control.get())) {
                saved.text = text->text();
            } else if (const auto* list = dynamic_cast<const ListBox*>(control.get())) {
                saved.index = list->index();
            } else if (const auto* toggle = dynamic_cast<const ToggleSwitch*>(control.get())) {
                saved.index = toggle->state() ? 1 : 0;
            } else if (const auto* option = dynamic_cast<const OptionButton*>(control.get())) {
                saved.index = option->value() ? 1 : 0;
                saved.colour = option->colour();
            }
            controls_.push_back(std::move(saved));
        }
    }
    program_.link().hold();
}

PanelChange::~PanelChange() {
    if (!finished_) {
        refuse();
    }
}

const Prompts& PanelChange::finish() {
    if (finished_) {
        return prompts_;
    }
    diversion_.reset();
    if (prompts_.refused()) {
        roll_back();
    } else {
        finished_ = true;
        program_.link().release();
    }
    return prompts_;
}

void PanelChange::refuse() {
    diversion_.reset();
    roll_back();
}

void PanelChange::roll_back() {
    finished_ = true;
    program_.link().discard();
    // Putting the controls back runs some of their handlers: what they say
    // and send is not the user's business.
    Prompts quiet;
    const DivertingHost::Diversion diversion(host_, quiet);
    program_.link().hold();
    // The hidden windows the change opened go; a window the user sees stays.
    for (Form* form : program_.open_forms()) {
        const bool before =
            std::find(forms_before_.begin(), forms_before_.end(), form) != forms_before_.end();
        if (!before && !program_.is_shown(*form)) {
            program_.close(*form);
        }
    }
    // A change that made a new main window leaves nothing of the old to restore.
    if (main_ != nullptr && program_.main_form() == main_) {
        // Lists, options and texts run their handlers when set, so they go
        // first; switches, captions and the shared state are set last and
        // settle whatever those handlers touched.
        for (const ControlState& saved : controls_) {
            if (auto* list = dynamic_cast<ListBox*>(saved.control);
                list != nullptr && list->index() != saved.index) {
                list->set_index(saved.index);
            }
        }
        for (const ControlState& saved : controls_) {
            if (auto* option = dynamic_cast<OptionButton*>(saved.control)) {
                if (saved.index == 1 && !option->value()) {
                    option->select();
                }
            }
        }
        for (const ControlState& saved : controls_) {
            if (auto* option = dynamic_cast<OptionButton*>(saved.control)) {
                if (saved.index == 0 && option->value()) {
                    option->deselect();
                }
                option->set_colour(saved.colour);
            } else if (auto* text = dynamic_cast<TextBox*>(saved.control)) {
                text->set_text(saved.text);
            }
        }
        for (const ControlState& saved : controls_) {
            if (auto* caption = dynamic_cast<CaptionControl*>(saved.control)) {
                caption->set_caption(saved.text);
            } else if (auto* toggle = dynamic_cast<ToggleSwitch*>(saved.control)) {
                toggle->set_state(saved.index == 1);
            }
            saved.control->set_visible(saved.visible);
            saved.control->set_enabled(saved.enabled);
        }
        main_->set_caption(main_caption_);
    }
    program_.state() = state_;
    program_.link().discard();
}

} // namespace zqf::remote
