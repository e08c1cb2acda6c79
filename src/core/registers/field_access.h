#pragma once

#include "core/registers/register_maps.h"

namespace zqf {

// Reads a field as a real, whatever its width.
double field_value(const SharedState& state, const FieldRef& field);

// Stores a real into a field of any width (whole-number fields take the value
// as it is; callers store only values the field holds).
void set_field(SharedState& state, const FieldRef& field, double value);

} // namespace zqf
