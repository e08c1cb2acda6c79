// Number entries: what is taken as a number is finite and is the value the C
// library reads from the same text.
#include "core/text/number_entry.h"
#include "fuzz_check.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> value = zqf::parse_number(text);
    if (!value) {
        return 0;
    }
    FUZZ_CHECK(std::isfinite(*value));
    // The text holds no NUL here: a well-formed number has none.
    FUZZ_CHECK(std::strtod(text.c_str(), nullptr) == *value);
    return 0;
}
