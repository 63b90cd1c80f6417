// Tests of the number texts: level captions, value captions and JSON numbers.
#include "model/number_text.h"

#include <gtest/gtest.h>

namespace fp {
namespace {

TEST(LevelText, SignPositionAndNoZeroBeforeThePoint) {
    EXPECT_EQ(levelText(9360 / 100.0f), " 93.6");
    EXPECT_EQ(levelText(300 / 100.0f), " 3");
    EXPECT_EQ(levelText(50 / 100.0f), " .5");
    EXPECT_EQ(levelText(-150 / 100.0f), "-1.5");
    EXPECT_EQ(levelText(-50 / 100.0f), "-.5");
    EXPECT_EQ(levelText(0.0f), " 0");
    EXPECT_EQ(levelText(-0.0f), " 0");
    EXPECT_EQ(levelText(-32768 / 100.0f), "-327.68");
}

TEST(ValueText, ShortestFormWithSevenSignificantDigits) {
    EXPECT_EQ(valueText(4.5f), "4.5");
    EXPECT_EQ(valueText(10.0f), "10");
    EXPECT_EQ(valueText(0.75f), "0.75");
    EXPECT_EQ(valueText(12.01f), "12.01");
    EXPECT_EQ(valueText(500.0f), "500");
    EXPECT_EQ(valueText(1.0f / 3.0f), "0.3333333");
    EXPECT_EQ(valueText(1234567.0f), "1234567");
    EXPECT_EQ(valueText(-0.0f), "0");
}

TEST(ValueText, UsesTheGivenDecimalSeparator) {
    EXPECT_EQ(valueText(4.5f, ','), "4,5");
    EXPECT_EQ(valueText(0.75f, ','), "0,75");
    EXPECT_EQ(valueText(10.0f, ','), "10");
}

TEST(JsonNumberText, ShortestTextThatReadsBackToTheSameFloat) {
    EXPECT_EQ(jsonNumberText(4.5f), "4.5");
    EXPECT_EQ(jsonNumberText(0.1f), "0.1");
    EXPECT_EQ(jsonNumberText(12.01f), "12.01");
    EXPECT_EQ(jsonNumberText(-0.01f), "-0.01");
    EXPECT_EQ(jsonNumberText(10.0f), "10");
    EXPECT_EQ(jsonNumberText(16777216.0f), "16777216");
}

}  // namespace
}  // namespace fp
