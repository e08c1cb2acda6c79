#include "core/windows/exerciser_support.h"

#include "core/text/convert.h"
#include "core/windows/planner_support.h"
#include "core/windows/program.h"

namespace zqf {

std::optional<int> timer_rate(const Form& form, std::string_view text_box, RateWidth width) {
    const std::optional<double> typed = entry_value(form, text_box);
    if (!typed) {
        return std::nullopt;
    }
    std::optional<int> rate;
    if (width == RateWidth::bits16) {
        rate = to_int16(*typed);
    } else {
        rate = to_int32(*typed);
    }
    if (!rate || *rate < 1) {
        return std::nullopt;
    }
    return rate;
}

void stop_with_beep(Program& program, Timer& timer) {
    timer.set_timer_enabled(false);
    program.beep();
}

bool stopped_by(Program& program, Timer& timer, const TickOutcome& outcome,
                std::span<const FieldAdvice> advice) {
    if (outcome.kind != TickKind::fault && outcome.kind != TickKind::misfit) {
        return false;
    }
    timer.set_timer_enabled(false);
    if (outcome.misfit) {
        warn_misfit(program, *outcome.misfit, advice);
    } else if (!outcome.reason.empty()) {
        program.beep();
        warn(program, outcome.reason);
    } else {
        program.beep();
    }
    return true;
}

} // namespace zqf
