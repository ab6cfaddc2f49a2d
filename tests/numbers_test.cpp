#include <gtest/gtest.h>

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
