#include "core/registers/word_fields.h"

#include <array>

namespace zqf {

namespace {

constexpr int max_word_bits = 32;

// Which field names each bit of the word.
using BitOwners = std::array<FieldId, max_word_bits>;

uint32_t code_of(uint32_t word, const BitRange& bits) {
    const uint64_t mask = (uint64_t{1} << bits.width) - 1U;
    return static_cast<uint32_t>((word >> bits.low) & mask);
}

void claim(BitOwners& owners, std::array<bool, max_word_bits>& owned, const BitRange& bits,
           FieldId id, int word_bits) {
    for (int b = bits.low; b <= bits.high() && b < word_bits; ++b) {
        owners[static_cast<std::size_t>(b)] = id;
        owned[static_cast<std::size_t>(b)] = true;
    }
}

} // namespace

std::vector<WordField> split_word(const DeviceProfile& device, int index, uint32_t word) {
    const RegisterMap* map = register_map(device.family, index);
    if (map == nullptr) {
        return {};
    }
    const int word_bits = device.transfer_bits;
    BitOwners owners{};
    owners.fill(FieldId::reserved);
    std::array<bool, max_word_bits> owned{};
    claim(owners, owned, bits(control_bits(device.family) - 1, 0), FieldId::address, word_bits);
    for_each_term(*map, [&](const Term& term) {
        if (term.placement == Placement::field && term_applies(device, term)) {
            claim(owners, owned, term.bits, term.id, word_bits);
        }
    });
    // Bits no field owns take the name of the first overlay or reading that reaches them.
    for_each_term(*map, [&](const Term& term) {
        if (term.placement == Placement::field || !term_applies(device, term)) {
            return;
        }
        for (int b = term.bits.low; b <= term.bits.high() && b < word_bits; ++b) {
            const auto i = static_cast<std::size_t>(b);
            if (!owned[i]) {
                owners[i] = term.id;
                owned[i] = true;
            }
        }
    });

    // Each field's own range where the map gives one; runs of a shared name elsewhere.
    std::vector<WordField> out;
    int high = word_bits - 1;
    while (high >= 0) {
        const FieldId id = owners[static_cast<std::size_t>(high)];
        int low = high;
        while (low > 0 && owners[static_cast<std::size_t>(low - 1)] == id) {
            --low;
        }
        const BitRange range{low, high - low + 1};
        out.push_back({id, range, code_of(word, range)});
        high = low - 1;
    }
    return out;
}

} // namespace zqf
