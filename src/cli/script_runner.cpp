#include "cli/script_runner.h"

#include "cli/board_text.h"
#include "cli/script_words.h"
#include "cli/state_text.h"
#include "cli/whole_number.h"
#include "cli/window_targets.h"
#include "core/state/shared_state.h"
#include "core/text/number_text.h"
#include "core/windows/chip_state_form.h"

#include <limits>

namespace zqf::cli {

struct ScriptRunner::Command {
    std::string_view name;
    std::string_view usage;
    std::size_t arguments; // words after the command's own
    LineOutcome (ScriptRunner::*perform)(const Words& words);
};

const ScriptRunner::Command ScriptRunner::commands[] = {
    {"click", "click FORM.CONTROL", 1, &ScriptRunner::click},
    {"dblclick", "dblclick FORM.CONTROL", 1, &ScriptRunner::dblclick},
    {"type", "type FORM.CONTROL TEXT (quote a text with blanks; \"\" is the empty text)", 2,
     &ScriptRunner::type},
    {"choose", "choose FORM.CONTROL N", 2, &ScriptRunner::choose},
    {"turn", "turn FORM.CONTROL N", 2, &ScriptRunner::turn},
    {"drop", "drop FORM.CONTROL", 1, &ScriptRunner::drop},
    {"close", "close FORM", 1, &ScriptRunner::close},
    {"wait", "wait MS", 1, &ScriptRunner::wait},
    {"file", "file PATH, or file cancel", 1, &ScriptRunner::file},
    {"let", "let state.NAME VALUE", 2, &ScriptRunner::let},
    {"send", "send K", 1, &ScriptRunner::send},
    {"print", "print WHAT", 1, &ScriptRunner::print},
    {"check", "check WHAT VALUE", 2, &ScriptRunner::check},
};

namespace {

// How a failed user action names the control.
std::string_view kind_noun(ControlKind kind) {
    switch (kind) {
    case ControlKind::label:
        return "a label";
    case ControlKind::button:
        return "a button";
    case ControlKind::menu:
        return "a menu entry";
    case ControlKind::frame:
        return "a frame";
    case ControlKind::picture:
        return "a picture";
    case ControlKind::text_box:
        return "a text box";
    case ControlKind::list:
        return "a drop-down list";
    case ControlKind::option:
        return "an option button";
    case ControlKind::toggle:
        return "a two-state switch";
    case ControlKind::selector:
        return "a rotary selector";
    case ControlKind::timer:
        return "a timer";
    case ControlKind::progress:
        return "a progress bar";
    }
    return "a control";
}

constexpr std::string_view state_prefix = "state.";

Outcome<int> whole_in(std::string_view text, std::string_view what, int64_t low, int64_t high) {
    const std::optional<int64_t> value = parse_whole(text);
    if (!value || *value < low || *value > high) {
        return Failure{std::string(what) + " must be a whole number from " + std::to_string(low) +
                       " to " + std::to_string(high) + ", not " + quote(text)};
    }
    return static_cast<int>(*value);
}

Outcome<int> position(std::string_view text) {
    const std::optional<int64_t> value = parse_whole(text);
    if (!value || *value < std::numeric_limits<int>::min() ||
        *value > std::numeric_limits<int>::max()) {
        return Failure{"a position must be a whole number, not " + quote(text)};
    }
    return static_cast<int>(*value);
}

// Refuses a position the control does not have; `count` is its number of positions.
std::optional<Failure> out_of_range(int position, int count, const std::string& name) {
    if (position >= 0 && position < count) {
        return std::nullopt;
    }
    if (count == 0) {
        return Failure{"position " + std::to_string(position) + " is out of range: " + name +
                       " has no positions"};
    }
    return Failure{"position " + std::to_string(position) + " is out of range: " + name +
                   " has positions 0 to " + std::to_string(count - 1)};
}

} // namespace

ScriptRunner::ScriptRunner(Program& program, HeadlessHost& host, const VirtualBoard* board,
                           std::ostream& out, std::ostream& err)
    : program_(program), host_(host), board_(board), out_(out), err_(err) {}

int ScriptRunner::run(std::string_view script) {
    return run([&script]() -> std::optional<std::string> {
        if (script.empty()) {
            return std::nullopt;
        }
        const std::size_t end = script.find('\n');
        std::string line(script.substr(0, end));
        script = end == std::string_view::npos ? std::string_view{} : script.substr(end + 1);
        return line;
    });
}

int ScriptRunner::run(const NextLine& next_line) {
    int number = 0;
    for (std::optional<std::string> text; (text = next_line());) {
        const std::string& line = *text;
        host_.set_line(++number);
        const auto split = split_words(line);
        const auto* words = std::get_if<Words>(&split);
        if (words != nullptr && words->empty()) {
            continue;
        }
        LineOutcome outcome =
            words == nullptr ? Failure{std::get<WordsError>(split).reason} : perform(*words);
        if (std::optional<std::string> refusal = host_.take_refusal()) {
            outcome = Failure{std::move(*refusal)};
        }
        settle();
        if (const auto* mismatch = std::get_if<Mismatch>(&outcome)) {
            out_ << "check failed: line " << number << ": " << printable((*words)[1]) << " = "
                 << printable(mismatch->actual) << ", expected " << printable((*words)[2]) << '\n';
            out_.flush();
            return check_failed;
        }
        if (const auto* failure = std::get_if<Failure>(&outcome)) {
            out_.flush();
            err_ << "error: line " << number << ": " << printable(failure->reason) << '\n';
            return line_not_carried_out;
        }
    }
    out_.flush();
    return run_completed;
}

ScriptRunner::LineOutcome ScriptRunner::perform(const Words& words) {
    if (host_.ended()) {
        return Failure{"the program has ended"};
    }
    for (const Command& command : commands) {
        if (command.name != words[0]) {
            continue;
        }
        if (words.size() != command.arguments + 1) {
            return Failure{"usage: " + std::string(command.usage)};
        }
        return (this->*command.perform)(words);
    }
    return Failure{"unknown command " + quote(words[0])};
}

void ScriptRunner::settle() {
    host_.clock().track(program_.open_forms());
    program_.collect();
}

template <typename Act>
ScriptRunner::LineOutcome ScriptRunner::act(const std::string& name, std::string_view verb,
                                            Act&& action) {
    const Outcome<Control*> found = reachable_control(program_, name);
    if (const Failure* failure = failure_of(found)) {
        return *failure;
    }
    Control& control = *std::get<Control*>(found);
    const Outcome<Action> done = action(control);
    if (const Failure* failure = failure_of(done)) {
        return *failure;
    }
    if (std::get<Action>(done) == Action::not_supported) {
        return Failure{"cannot " + std::string(verb) + " " +
                       std::string(kind_noun(control.kind()))};
    }
    return {};
}

ScriptRunner::LineOutcome ScriptRunner::click(const Words& words) {
    return act(words[1], "click", [](Control& c) -> Outcome<Action> { return c.user_click(); });
}

ScriptRunner::LineOutcome ScriptRunner::dblclick(const Words& words) {
    return act(words[1], "double-click",
               [](Control& c) -> Outcome<Action> { return c.user_dblclick(); });
}

ScriptRunner::LineOutcome ScriptRunner::drop(const Words& words) {
    return act(words[1], "drop on", [](Control& c) -> Outcome<Action> { return c.user_drop(); });
}

ScriptRunner::LineOutcome ScriptRunner::type(const Words& words) {
    return act(words[1], "type into",
               [&words](Control& c) -> Outcome<Action> { return c.user_type(words[2]); });
}

ScriptRunner::LineOutcome ScriptRunner::choose(const Words& words) {
    return act(words[1], "choose an entry of", [&words](Control& c) -> Outcome<Action> {
        const Outcome<int> n = position(words[2]);
        if (const Failure* failure = failure_of(n)) {
            return *failure;
        }
        if (const auto* list = dynamic_cast<const ListBox*>(&c)) {
            if (auto failure = out_of_range(std::get<int>(n), list->count(), words[1])) {
                return *failure;
            }
        }
        return c.user_choose(std::get<int>(n));
    });
}

ScriptRunner::LineOutcome ScriptRunner::turn(const Words& words) {
    return act(words[1], "turn", [&words](Control& c) -> Outcome<Action> {
        const Outcome<int> n = position(words[2]);
        if (const Failure* failure = failure_of(n)) {
            return *failure;
        }
        if (const auto* selector = dynamic_cast<const RotarySelector*>(&c)) {
            if (auto failure = out_of_range(std::get<int>(n), selector->positions(), words[1])) {
                return *failure;
            }
        }
        return c.user_turn(std::get<int>(n));
    });
}

ScriptRunner::LineOutcome ScriptRunner::close(const Words& words) {
    const Outcome<Form*> form = reachable_form(program_, words[1]);
    if (const Failure* failure = failure_of(form)) {
        return *failure;
    }
    std::get<Form*>(form)->close_box();
    return {};
}

ScriptRunner::LineOutcome ScriptRunner::wait(const Words& words) {
    const Outcome<int> ms = whole_in(words[1], "wait: MS", 0, std::numeric_limits<int32_t>::max());
    if (const Failure* failure = failure_of(ms)) {
        return *failure;
    }
    host_.clock().advance(
        std::get<int>(ms), [this] { return program_.open_forms(); },
        [this] {
            program_.collect();
            return !host_.ended();
        });
    return {};
}

ScriptRunner::LineOutcome ScriptRunner::file(const Words& words) {
    host_.set_file_answer(words[1] == "cancel" ? std::nullopt
                                               : std::optional<std::string>(words[1]));
    return {};
}

ScriptRunner::LineOutcome ScriptRunner::let(const Words& words) {
    const std::string_view name = words[1];
    if (!name.starts_with(state_prefix)) {
        return Failure{"let sets shared-state members only: let state.NAME VALUE"};
    }
    if (auto failure = write_state(program_.state(), name.substr(state_prefix.size()), words[2])) {
        return *failure;
    }
    return {};
}

ScriptRunner::LineOutcome ScriptRunner::send(const Words& words) {
    const Outcome<int> k =
        whole_in(words[1], "send: K (a reg_index)", 0, std::numeric_limits<uint8_t>::max());
    if (const Failure* failure = failure_of(k)) {
        return *failure;
    }
    program_.link().send(std::get<int>(k));
    return {};
}

Outcome<std::string> ScriptRunner::read(const std::string& what) const {
    if (what == "board") {
        return Failure{"the board holds several registers: print board shows them"};
    }
    if (std::string_view(what).starts_with(state_prefix)) {
        return read_state(program_.state(), std::string_view(what).substr(state_prefix.size()));
    }
    return read_window(program_, what);
}

ScriptRunner::LineOutcome ScriptRunner::print(const Words& words) {
    // What the Board menu's windows show, whether they are open or not.
    if (words[1] == "buslog") {
        out_ << bus_log_lines(program_.bus_log());
        return {};
    }
    if (words[1] == "chip") {
        out_ << chip_lines(chip_state(program_));
        return {};
    }
    if (words[1] == "board") {
        if (board_ == nullptr) {
            return Failure{"print board reads the virtual board; there is none with --board "
                           "hardware"};
        }
        for (int k = 0; k < register_slots; ++k) {
            if (const std::optional<uint32_t> word = board_->latched(k)) {
                out_ << "board R" << k << " = " << hex_text(*word) << '\n';
            }
        }
        return {};
    }
    const Outcome<std::string> value = read(words[1]);
    if (const Failure* failure = failure_of(value)) {
        return *failure;
    }
    out_ << words[1] << " = " << std::get<std::string>(value) << '\n';
    return {};
}

ScriptRunner::LineOutcome ScriptRunner::check(const Words& words) {
    const Outcome<std::string> value = read(words[1]);
    if (const Failure* failure = failure_of(value)) {
        return *failure;
    }
    if (std::get<std::string>(value) != words[2]) {
        return Mismatch{std::get<std::string>(value)};
    }
    return {};
}

} // namespace zqf::cli
