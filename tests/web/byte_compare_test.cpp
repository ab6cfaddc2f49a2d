#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "ui/web/byte_compare.h"

namespace {

int sign(int value) { return (value > 0) - (value < 0); }

} // namespace

// Against the C library's memcmp: every length up to three words, every
// alignment, equal buffers and ones differing at each position, with the
// differing byte above and below (and at 0x80 or more, where a signed char
// would order it wrongly).
TEST(ByteCompare, OrdersAsMemcmpDoesAtEveryLengthAlignmentAndPosition)
{
    std::mt19937 random(7);
    std::vector<unsigned char> left(40);
    std::vector<unsigned char> right(40);
    for (std::size_t offset = 0; offset < 8; ++offset) {
        for (std::size_t length = 0; length <= 24; ++length) {
            for (auto& byte : left)
                byte = static_cast<unsigned char>(random());
            right = left;
            const unsigned char* a = left.data() + offset;
            const unsigned char* b = right.data() + (7 - offset);
            std::memcpy(right.data() + (7 - offset), a, length);
            ASSERT_EQ(web::compareBytes(a, b, length), 0) << "length " << length << " offset " << offset;
            for (std::size_t at = 0; at < length; ++at) {
                for (const unsigned char other :
                     {static_cast<unsigned char>(a[at] + 1), static_cast<unsigned char>(a[at] ^ 0x80)}) {
                    unsigned char* changed = right.data() + (7 - offset) + at;
                    const unsigned char kept = *changed;
                    *changed = other;
                    // A later difference the other way round must not decide.
                    if (at + 1 < length)
                        right[(7 - offset) + at + 1] = static_cast<unsigned char>(a[at + 1] - 1);
                    EXPECT_EQ(sign(web::compareBytes(a, b, length)), sign(std::memcmp(a, b, length)))
                        << "length " << length << " offset " << offset << " at " << at;
                    EXPECT_EQ(sign(web::compareBytes(b, a, length)), sign(std::memcmp(b, a, length)));
                    *changed = kept;
                    if (at + 1 < length) right[(7 - offset) + at + 1] = a[at + 1];
                }
            }
        }
    }
}
