// The link choice file: its content always yields a first field or none, no
// field is longer than the content, and reading fields comes to an end.
#include "core/settings/link_choice_file.h"
#include "core/settings/list_input.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string content(reinterpret_cast<const char*>(data), size);
    const std::optional<std::string> link = zqf::link_choice_from_text(content);
    FUZZ_CHECK(!link || link->size() <= size);
    zqf::ListInput input(content);
    std::size_t fields = 0;
    while (input.next_field()) {
        FUZZ_CHECK(++fields <= size);
    }
    FUZZ_CHECK(link.has_value() == (size > 0));
    return 0;
}
