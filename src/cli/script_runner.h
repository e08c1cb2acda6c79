#pragma once

#include "cli/headless_host.h"
#include "cli/outcome.h"
#include "core/windows/program.h"
#include "platform/virtual_board.h"

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zqf::cli {

// Exit statuses of a run.
inline constexpr int run_completed = 0;
inline constexpr int check_failed = 1;
inline constexpr int line_not_carried_out = 2;

// Carries out the lines of a bench script against the program's windows, one
// after the other, as a user at the desktop would: every action goes to the
// control model's own user action, every reading to its property. Prints go
// to `out` with the host's events; a line that cannot be carried out is
// reported on `err`.
class ScriptRunner {
  public:
    // `board` is the virtual board behind the program, or nullptr on hardware.
    ScriptRunner(Program& program, HeadlessHost& host, const VirtualBoard* board, std::ostream& out,
                 std::ostream& err);

    // The next line of a script without its LF, or nothing at its end.
    using NextLine = std::function<std::optional<std::string>()>;

    // Runs every line as it comes; returns run_completed, check_failed or
    // line_not_carried_out.
    int run(const NextLine& next_line);
    // Runs every line of a whole script's text.
    int run(std::string_view script);

    using Words = std::vector<std::string>;
    struct Mismatch {
        std::string actual;
    };
    // What became of one line: carried out, a check that did not hold, or why
    // it could not be carried out.
    using LineOutcome = std::variant<std::monostate, Mismatch, Failure>;

  private:
    struct Command;
    static const Command commands[];

    LineOutcome perform(const Words& words);
    // Lets the program free the windows closed by the last event.
    void settle();

    LineOutcome click(const Words& words);
    LineOutcome dblclick(const Words& words);
    LineOutcome type(const Words& words);
    LineOutcome choose(const Words& words);
    LineOutcome turn(const Words& words);
    LineOutcome drop(const Words& words);
    LineOutcome close(const Words& words);
    LineOutcome wait(const Words& words);
    LineOutcome file(const Words& words);
    LineOutcome let(const Words& words);
    LineOutcome send(const Words& words);
    LineOutcome print(const Words& words);
    LineOutcome check(const Words& words);

    template <typename Act>
    LineOutcome act(const std::string& name, std::string_view verb, Act&& action);
    Outcome<std::string> read(const std::string& what) const;

    Program& program_;
    HeadlessHost& host_;
    const VirtualBoard* board_;
    std::ostream& out_;
    std::ostream& err_;
};

} // namespace zqf::cli
