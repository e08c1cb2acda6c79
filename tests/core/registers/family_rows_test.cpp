#include "core/registers/assembly.h"
#include "core/registers/register_maps.h"
#include "core/state/family_profile.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zqf {
namespace {

// The family rows of the words and of the maps are written apart; a pair that
// disagrees would leave registers unassembled, or show a word the display
// pair cannot render (25 to 31 bits) or that is wider than what is sent.
TEST(FamilyRows, MapsAndWordsAgree) {
    for (const Family family : families) {
        const FamilyProfile& words = *family_profile(family);
        const FamilyMaps* maps = family_maps(family);
        ASSERT_NE(maps, nullptr) << words.key;
        EXPECT_EQ(static_cast<int>(maps->maps.size()), words.register_count) << words.key;
        for (int index = 0; index < std::min(words.register_count, shown_registers); ++index) {
            const int length = display_length(family, index);
            EXPECT_GT(length, 0) << words.key << " R" << index;
            EXPECT_LE(length, words.transfer_bits) << words.key << " R" << index;
            EXPECT_TRUE(length <= 24 || length == 32) << words.key << " R" << index;
        }
    }
}

} // namespace
} // namespace zqf
