// Script lines: each splits into words or is refused with a reason; each word,
// quoted as a script writes it, splits back to itself; an echoed line keeps no
// control character.
#include "cli/script_words.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

using namespace zqf::cli;

void check_line(std::string_view line) {
    const auto split = split_words(line);
    if (const auto* refused = std::get_if<WordsError>(&split)) {
        FUZZ_CHECK(!refused->reason.empty());
    } else {
        for (const std::string& word : std::get<std::vector<std::string>>(split)) {
            const auto again = split_words(quote(word));
            const auto* words = std::get_if<std::vector<std::string>>(&again);
            FUZZ_CHECK(words != nullptr && words->size() == 1 && words->front() == word);
        }
    }
    for (const char c : printable(line)) {
        const auto byte = static_cast<unsigned char>(c);
        FUZZ_CHECK(byte >= 0x20 && byte != 0x7F);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        check_line(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    return 0;
}
