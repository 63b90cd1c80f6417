// The view the plan opens with.
#include "plan/plan_view.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/document_builder.h"

namespace fp {
namespace {

using testing::DocumentBuilder;

TEST(StartUpView, OpensOnTheStartLevelInFloorLoadModeShowingEveryIntensity) {
    DocumentBuilder builder;
    builder.gridLines({0, 500}, {0, 300, 600, 900}, {0, 400});
    builder.floorLoad("1", 4.5f, 0, 10, 0, 5, 0, 4).floorLoad("2", 2.0f, 0, 10, 0, 5, 0, 4);
    const PlanView view = startUpView(builder.build(), ',');
    EXPECT_EQ(view.level, 3);
    EXPECT_EQ(view.mode, LoadMode::Floor);
    EXPECT_EQ(view.shownIntensities, (std::vector<float>{2.0f, 4.5f}));
    EXPECT_TRUE(view.loadCaseNumbers);
    EXPECT_FALSE(view.memberNumbers);
    EXPECT_EQ(view.decimalSeparator, ',');
    EXPECT_EQ(startUpView(DocumentBuilder().build()).level, 0);
}

}  // namespace
}  // namespace fp
