// The adapter id file: whatever it says, no id is both a boot loader's and a
// firmware's, 0000:0000 is never taken, and every refused line is named.
#include "platform/linux/adapter_ids.h"
#include "fuzz_check.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

bool listed_as_loader(const std::vector<zqf::AdapterId>& ids, zqf::UsbId id) {
    return std::any_of(ids.begin(), ids.end(), [&id](const zqf::AdapterId& known) {
        return known.role == zqf::AdapterRole::loader && known.id == id;
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const zqf::AdapterIdConfig parsed =
        zqf::parse_adapter_ids(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::vector<zqf::AdapterId> builtin = zqf::builtin_adapter_ids();
    for (const zqf::AdapterId& id : parsed.ids) {
        FUZZ_CHECK(!(id.id == zqf::UsbId{0, 0}));
        if (id.role == zqf::AdapterRole::firmware) {
            FUZZ_CHECK(!listed_as_loader(parsed.ids, id.id));
            FUZZ_CHECK(!listed_as_loader(builtin, id.id));
        }
    }
    for (const std::string& error : parsed.errors) {
        FUZZ_CHECK(error.starts_with("line "));
    }
    return 0;
}
