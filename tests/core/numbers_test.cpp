#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "core/numbers.h"

TEST(Numbers, RoundingSendsHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(numbers::roundHalfEven(12.5), 12);
    EXPECT_EQ(numbers::roundHalfEven(13.5), 14);
    EXPECT_EQ(numbers::roundHalfEven(-2.5), -2);
    EXPECT_EQ(numbers::roundHalfEven(6.25), 6);
    EXPECT_EQ(numbers::roundHalfEven(4.708), 5);
    EXPECT_EQ(numbers::intFloor(-0.5), -1);
    EXPECT_EQ(numbers::intFloor(4.999), 4);
}

TEST(Numbers, TextsKeepThePlaceOfTheSign)
{
    EXPECT_EQ(numbers::signedText(5), " 5");
    EXPECT_EQ(numbers::signedText(-5), "-5");
    EXPECT_EQ(numbers::plainText(17000), "17000");
    EXPECT_EQ(numbers::shortestText(4.0), "4");
    EXPECT_EQ(numbers::shortestText(2.5), "2.5");
    EXPECT_EQ(numbers::shortestText(5.33), "5.33");
    EXPECT_EQ(numbers::parseNumber(" 8"), 8.0);
    EXPECT_EQ(numbers::parseNumber("junk"), 0.0);
    EXPECT_EQ(numbers::parseWhole(" 42"), 42);
}

// Texts past the quick paths: seventeen digits, tiny fractions, whole
// numbers beyond 10^15; each reads back as exactly the double it came from.
TEST(Numbers, ShortestTextsReadBackExactly)
{
    EXPECT_EQ(numbers::shortestText(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(numbers::shortestText(16.0 / 3.0), "5.333333333333333");
    EXPECT_EQ(numbers::shortestText(-1e-7), "-0.0000001");
    EXPECT_EQ(numbers::shortestText(1152921504606846976.0), "1152921504606846976");
    for (const double value : {0.1 + 0.2, 16.0 / 3.0, -1e-7, 4.34, 1e-20, 123456789.12345679})
        EXPECT_EQ(numbers::parseNumber(numbers::shortestText(value)), value) << value;
    EXPECT_EQ(numbers::parseNumber("1.5e3 packets"), 1500.0);
    EXPECT_EQ(numbers::parseNumber("-.25"), -0.25);
    EXPECT_EQ(numbers::parseNumber("1e999"), 0.0);
}

// The tick rounds in integers where it once went through floating point; the
// two must agree on every value a run can reach, or runs would change.
TEST(Numbers, TheTicksIntegerRoundingsAgreeWithTheFloatingPointOnes)
{
    for (const std::int32_t segment : {1000, 999, 1500}) {
        for (std::int32_t bytes = -40000; bytes <= 40000; bytes += 7) {
            ASSERT_EQ(numbers::ceilDiv(bytes, segment),
                      static_cast<std::int64_t>(std::ceil(static_cast<double>(bytes) / segment)))
                << bytes << " / " << segment;
            ASSERT_EQ(numbers::floorDiv(2 * std::int64_t{bytes} + segment, 2 * std::int64_t{segment}),
                      numbers::intFloor(static_cast<double>(bytes) / segment + 0.5))
                << bytes << " / " << segment;
        }
    }
    // A running timer loses TimeoutDrain / 2.9 twips a tick, rounded after
    // each drain; the tick takes off the rounded drain instead. For every
    // timeout setting's drain and every width a bar can have, the same.
    for (int setting = 1; setting <= 20; ++setting) {
        const std::int16_t drain = numbers::roundToInt16(80.0 / setting);
        for (std::int32_t width = 0; width <= 675; ++width)
            ASSERT_EQ(numbers::roundToInt32(width - drain / 2.9), width - numbers::roundToInt32(drain / 2.9))
                << "setting " << setting << ", width " << width;
    }
}
