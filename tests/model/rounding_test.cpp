// Tests of the real-to-integer conversions: halves to even, and the 16- and 32-bit edges.
#include "model/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/listing_error.h"

namespace fp {
namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(roundToInt16(2.5, "value"), 2);
    EXPECT_EQ(roundToInt16(3.5, "value"), 4);
    EXPECT_EQ(roundToInt16(-2.5, "value"), -2);
    EXPECT_EQ(roundToInt16(2.51, "value"), 3);
    EXPECT_EQ(roundToInt32(4500.5, "length"), 4500);
    EXPECT_EQ(roundToInt32(4501.5, "length"), 4502);
}

TEST(Rounding, CoordinatesInHundredthsOfAMetre) {
    EXPECT_EQ(roundToInt16(0.005 * 100, "X coordinate"), 0);
    EXPECT_EQ(roundToInt16(0.015 * 100, "X coordinate"), 2);
    EXPECT_EQ(roundToInt16(93.6 * 100, "Y coordinate"), 9360);
    EXPECT_EQ(roundToInt16(327.67 * 100, "X coordinate"), 32767);
    EXPECT_EQ(roundToInt16(-327.68 * 100, "X coordinate"), -32768);
}

TEST(Rounding, ValuesOutside16BitsEndTheReadingNamingTheValue) {
    try {
        roundToInt16(327.68 * 100, "X coordinate");
        ADD_FAILURE();
    } catch (const ListingError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("X coordinate"), std::string::npos) << message;
        EXPECT_NE(message.find("32767"), std::string::npos) << message;
    }
    EXPECT_THROW(roundToInt16(-327.69 * 100, "X coordinate"), ListingError);
    EXPECT_THROW(roundToInt16(HUGE_VAL, "joint number"), ListingError);
    EXPECT_THROW(roundToInt16(std::nan(""), "joint number"), ListingError);
}

TEST(Rounding, ThirtyTwoBitEdges) {
    EXPECT_EQ(roundToInt32(2147483647.0, "member number"), 2147483647);
    EXPECT_EQ(roundToInt32(-2147483648.0, "member number"), -2147483647 - 1);
    EXPECT_EQ(roundToInt32(2147483646.5, "member number"), 2147483646);
    EXPECT_THROW(roundToInt32(2147483647.5, "member number"), ListingError);
    EXPECT_THROW(roundToInt32(2147483648.0, "member number"), ListingError);
    EXPECT_THROW(roundToInt32(-HUGE_VAL, "member number"), ListingError);
}

}  // namespace
}  // namespace fp
