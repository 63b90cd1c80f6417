// Every limit of the program through the window: a listing at the limit is shown whole; one a
// step past it either cannot be opened, and the listing on show stays, or opens with the one
// level past the limit showing its message in place of a plan, every other level drawn.
#include <gtest/gtest.h>

#include <QTest>

#include "main_window_fixture.h"
#include "support/limit_listings.h"

namespace fp::testing {
namespace {

class WindowLimits : public ::testing::TestWithParam<LimitCase> {};

TEST_P(WindowLimits, AtTheLimitAllIsShownAndAStepPastTheMessageIsShownWhereItApplies) {
    const LimitCase& limit = GetParam();
    const std::string at = writeTestListing(limit.atLimit);
    const std::string past = writeTestListing(limit.pastLimit);
    TestedMainWindow tested;
    const auto& labels = tested.levels().levelLabels;
    const PlanCanvas& canvas = tested.canvas();

    ASSERT_TRUE(tested.open(at));
    EXPECT_TRUE(tested.messages.empty()) << tested.messages.front();
    for (std::size_t label = 0; label < labels.size(); ++label) {
        QTest::mouseClick(labels[label], Qt::LeftButton);
        EXPECT_TRUE(canvas.planMessage().isEmpty()) << canvas.planMessage().toStdString();
    }

    if (limit.level == 0) {
        EXPECT_FALSE(tested.open(past));
        ASSERT_EQ(tested.messages.size(), 1u);
        EXPECT_NE(tested.messages[0].find(past + ", line "), std::string::npos)
            << tested.messages[0];
        EXPECT_NE(tested.messages[0].find(limit.message), std::string::npos) << tested.messages[0];
        EXPECT_EQ(tested.window().listingPath().toStdString(), at) << "the listing on show stays";
        return;
    }
    ASSERT_TRUE(tested.open(past));
    for (std::size_t label = 0; label < labels.size(); ++label) {
        QTest::mouseClick(labels[label], Qt::LeftButton);
        const bool pastTheLimit = static_cast<int>(label) + 1 == limit.level;
        EXPECT_EQ(canvas.planMessage().contains(QString::fromStdString(limit.message)),
                  pastTheLimit)
            << "level " << label + 1 << ": " << canvas.planMessage().toStdString();
    }
    EXPECT_TRUE(tested.messages.empty()) << "a level's message is shown in the plan, not a box";
}

INSTANTIATE_TEST_SUITE_P(EveryLimit, WindowLimits, ::testing::ValuesIn(limitCases()),
                         limitCaseName);

}  // namespace
}  // namespace fp::testing
