// Tests of the real-to-integer conversions: halves to even, and the 16- and 32-bit edges.
#include "model/checked_convert.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/run_error.h"

namespace fp {
namespace {

TEST(CheckedConvert, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(toInt16(2.5, "value"), 2);
    EXPECT_EQ(toInt16(3.5, "value"), 4);
    EXPECT_EQ(toInt16(-2.5, "value"), -2);
    EXPECT_EQ(toInt16(2.51, "value"), 3);
    EXPECT_EQ(toInt32(4500.5, "length"), 4500);
    EXPECT_EQ(toInt32(4501.5, "length"), 4502);
}

TEST(CheckedConvert, CoordinatesInHundredthsOfAMetre) {
    EXPECT_EQ(toInt16(0.005 * 100, "X coordinate"), 0);
    EXPECT_EQ(toInt16(0.015 * 100, "X coordinate"), 2);
    EXPECT_EQ(toInt16(93.6 * 100, "Y coordinate"), 9360);
    EXPECT_EQ(toInt16(327.67 * 100, "X coordinate"), 32767);
    EXPECT_EQ(toInt16(-327.68 * 100, "X coordinate"), -32768);
}

TEST(CheckedConvert, ValuesOutside16BitsEndTheRunNamingTheValue) {
    try {
        toInt16(327.68 * 100, "X coordinate");
        ADD_FAILURE();
    } catch (const RunEndingError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("X coordinate"), std::string::npos) << message;
        EXPECT_NE(message.find("32767"), std::string::npos) << message;
    }
    EXPECT_THROW(toInt16(-327.69 * 100, "X coordinate"), RunEndingError);
    EXPECT_THROW(toInt16(HUGE_VAL, "joint number"), RunEndingError);
    EXPECT_THROW(toInt16(std::nan(""), "joint number"), RunEndingError);
}

TEST(CheckedConvert, ThirtyTwoBitEdges) {
    EXPECT_EQ(toInt32(2147483647.0, "member number"), 2147483647);
    EXPECT_EQ(toInt32(-2147483648.0, "member number"), -2147483647 - 1);
    EXPECT_EQ(toInt32(2147483646.5, "member number"), 2147483646);
    EXPECT_THROW(toInt32(2147483647.5, "member number"), RunEndingError);
    EXPECT_THROW(toInt32(2147483648.0, "member number"), RunEndingError);
    EXPECT_THROW(toInt32(-HUGE_VAL, "member number"), RunEndingError);
}

}  // namespace
}  // namespace fp
