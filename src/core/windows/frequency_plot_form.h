#pragma once

#include "core/ui/form.h"
#include "core/windows/frequency_trace.h"

#include <functional>
#include <optional>
#include <string>

namespace zqf {

class Program;

// The frequency plot beside the panel: the chip's outputs against time, read
// from each word delivered, with the panel's intended frequencies. The view
// follows the trace at screen rate and draws it; this form keeps the trace,
// the span shown and the exports.
class FrequencyPlotForm final : public Form {
  public:
    explicit FrequencyPlotForm(Program& program);

    // Takes what was written since the last call. Reading the program changes
    // nothing of it, so a view may follow a form it only reads.
    void follow() const;
    const FrequencyTrace& trace() const { return trace_; }
    // The dual family has an IF output to show.
    bool has_if() const;
    // The seconds the plot shows while it follows the writes.
    double span_s() const;

    // The picture the view draws, as PNG bytes: set by the view, which alone can draw it.
    void set_picture(std::function<std::optional<std::string>()> picture) const {
        picture_ = std::move(picture);
    }

  private:
    void export_png();
    void export_csv();
    void save(std::string_view filter, const std::optional<std::string>& bytes,
              std::string_view what);

    Program& program_;
    mutable FrequencyTrace trace_;
    mutable std::function<std::optional<std::string>()> picture_;
};

} // namespace zqf
