// The window's checks: the count in the status bar, the Checks dock, and a chosen finding shown
// on its level with its place outlined.
#include <gtest/gtest.h>

#include <QAction>
#include <QToolButton>
#include <QTreeWidget>

#include "main_window_fixture.h"
#include "window/checks_dock.h"

namespace fp {
namespace {

// The sample's live load misses its stair bay: the check has findings on several levels.
class WindowChecks : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(window.open("samples/office-block.anl")); }

    testing::TestedMainWindow window;
};

TEST_F(WindowChecks, TheStatusBarCountsTheFindingsAndOpensTheDock) {
    const std::vector<Finding>& findings = window.session().findings();
    ASSERT_FALSE(findings.empty());
    QToolButton* button = &window.child<QToolButton>("checksButton");
    EXPECT_TRUE(button->isVisibleTo(&window.window()));
    EXPECT_EQ(button->text().toStdString(), findingCountsText(countFindings(findings)));
    EXPECT_EQ(window.child<ChecksDock>("checksDock").list->topLevelItemCount(),
              static_cast<int>(findings.size()));
    EXPECT_FALSE(window.child<ChecksDock>("checksDock").isVisibleTo(&window.window()));
    button->click();
    EXPECT_TRUE(window.child<ChecksDock>("checksDock").isVisibleTo(&window.window()));
}

TEST_F(WindowChecks, AChosenFindingShowsItsLevelAndOutlinesItsPlaceUntilTheViewChanges) {
    const std::vector<Finding>& findings = window.session().findings();
    const auto last = static_cast<int>(findings.size()) - 1;
    ASSERT_NE(findings[static_cast<std::size_t>(last)].level, window.view().level);
    QTreeWidget* list = window.child<ChecksDock>("checksDock").list;
    list->setCurrentItem(list->topLevelItem(last));
    const Finding& chosen = findings[static_cast<std::size_t>(last)];
    EXPECT_EQ(window.view().level, chosen.level);
    ASSERT_TRUE(window.canvas().outlinedPlace().has_value());
    EXPECT_EQ(window.canvas().outlinedPlace()->x1, chosen.place.x1);
    EXPECT_EQ(window.canvas().outlinedPlace()->z2, chosen.place.z2);
    window.session().stepLevels(-1);
    EXPECT_FALSE(window.canvas().outlinedPlace().has_value());
}

TEST_F(WindowChecks, MarkingChecksOnThePlanIsAViewOptionOnAtFirst) {
    QAction* mark = &window.action("markChecksAction");
    EXPECT_TRUE(window.view().markChecks);
    EXPECT_TRUE(mark->isChecked());
    const int drawn = window.canvas().plansDrawn();
    mark->trigger();
    EXPECT_FALSE(window.view().markChecks);
    EXPECT_GT(window.canvas().plansDrawn(), drawn);
}

}  // namespace
}  // namespace fp
