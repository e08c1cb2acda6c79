#pragma once

// One side of the chip report: the chip's words or the panel's, decoded with
// the device's bit tables, and the output frequencies they give.
#include "core/registers/field_check.h"
#include "core/state/device_profile.h"
#include "core/state/shared_state.h"
#include "core/windows/chip_report.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zqf::chip {

class Side {
  public:
    Side(const SharedState& panel, const DeviceProfile& device, const RegisterWords& words);

    // The field's code; 0 for a field the device does not have; nothing when
    // the register that holds it has no word.
    std::optional<uint32_t> code(FieldId id) const;
    bool knows(std::span<const FieldId> ids) const;
    const SharedState& decoded() const { return decoded_; }
    const DeviceProfile& device() const { return device_; }

  private:
    const DeviceProfile& device_;
    const RegisterWords& words_;
    SharedState decoded_;
};

// The fields behind the RF and IF output frequencies.
using Ids = std::vector<FieldId>;
extern const Ids rf_fields;
extern const Ids rf_pfd_fields;
extern const Ids if_fields;
extern const Ids if_pfd_fields;

// A frequency in Hz, or why there is none.
struct Frequency {
    double hz = 0.0;
    std::string none; // non-empty: no frequency, and why
};

Frequency rf_pfd(const Side& side);
Frequency rf_output(const Side& side);
int if_prescaler(const Side& side);
Frequency if_pfd(const Side& side);
Frequency if_output(const Side& side);

// "1750.20000 MHz", or "no frequency (R is 0)".
std::string mhz(const Frequency& f);
std::string khz(const Frequency& f);

} // namespace zqf::chip
