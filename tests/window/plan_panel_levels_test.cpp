// Level selection by label and arrow keys, and the redraws the view options cause.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QTest>

#include "plan_panel_fixture.h"

namespace fp::testing {
namespace {

class PlanPanelLevels : public ::testing::Test {
  protected:
    PlanPanelLevels() : open(threeLevelListing()), panel(open.panel()) {}

    int level() const { return panel.levelOnShow(); }
    PlacedLabel& label(int level) { return *panel.levelLabels.at(level - 1); }

    OpenPanel open;
    PlanPanel& panel;
};

TEST_F(PlanPanelLevels, AClickOnALevelLabelMovesTheBorderAndRedraws) {
    const int drawn = panel.plansDrawn();
    QTest::mouseClick(&label(2), Qt::LeftButton);
    EXPECT_EQ(level(), 2);
    EXPECT_TRUE(label(2).isMarked());
    EXPECT_FALSE(label(3).isMarked());
    EXPECT_EQ(panel.levelHeightLabel->text(), QStringLiteral("3.5 M"));
    EXPECT_EQ(panel.plansDrawn(), drawn + 1);
    // No beam of the middle level has a design block.
    EXPECT_TRUE(panel.pickBoxes().empty());
}

TEST_F(PlanPanelLevels, ClickingTheLevelOnShowRedrawsItAndKeepsItsBorder) {
    const int drawn = panel.plansDrawn();
    QTest::mouseClick(&label(3), Qt::LeftButton);
    EXPECT_EQ(level(), 3);
    EXPECT_TRUE(label(3).isMarked());
    EXPECT_EQ(panel.plansDrawn(), drawn + 1);
}

TEST_F(PlanPanelLevels, ArrowsStepThroughTheLevelsWithoutWrapping) {
    QTest::keyClick(panel.planArea, Qt::Key_Down);
    EXPECT_EQ(level(), 2);
    EXPECT_FALSE(label(3).isMarked());
    EXPECT_TRUE(label(2).isMarked());
    QTest::keyClick(panel.planArea, Qt::Key_Down);
    EXPECT_EQ(level(), 1);

    int drawn = panel.plansDrawn();
    QTest::keyClick(panel.planArea, Qt::Key_Down);
    EXPECT_EQ(level(), 1);
    EXPECT_TRUE(label(1).isMarked());
    EXPECT_EQ(panel.plansDrawn(), drawn + 1);

    QTest::keyClick(panel.planArea, Qt::Key_Up);
    QTest::keyClick(panel.planArea, Qt::Key_Up);
    EXPECT_EQ(level(), 3);
    drawn = panel.plansDrawn();
    QTest::keyClick(panel.planArea, Qt::Key_Up);
    EXPECT_EQ(level(), 3);
    EXPECT_TRUE(label(3).isMarked());
    EXPECT_EQ(panel.levelHeightLabel->text(), QStringLiteral("7 M"));
    EXPECT_EQ(panel.plansDrawn(), drawn + 1);
}

TEST_F(PlanPanelLevels, OtherKeysDoNothing) {
    const int drawn = panel.plansDrawn();
    // '&' and '(' have the key numbers 38 and 40, which are the arrows' codes on other systems.
    for (const Qt::Key key : {Qt::Key_Ampersand, Qt::Key_ParenLeft, Qt::Key_Left, Qt::Key_Right,
                              Qt::Key_A, Qt::Key_Space, Qt::Key_Tab}) {
        QTest::keyClick(panel.planArea, key);
    }
    EXPECT_EQ(level(), 3);
    EXPECT_TRUE(label(3).isMarked());
    EXPECT_EQ(panel.plansDrawn(), drawn);
}

TEST_F(PlanPanelLevels, TheLevelCaptionUsesTheUsersDecimalSeparator) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTest::mouseClick(&label(2), Qt::LeftButton);
    QLocale::setDefault(previous);
    EXPECT_EQ(panel.levelHeightLabel->text(), QStringLiteral("3,5 M"));
    // The level labels keep the point whatever the locale.
    EXPECT_EQ(label(2).text(), QStringLiteral(" 3.5"));
}

TEST_F(PlanPanelLevels, TheAllBoxCopiesItsStateToEveryIntensityBoxAndRedrawsOnce) {
    const int drawn = panel.plansDrawn();
    QTest::mouseClick(panel.allIntensitiesBox, Qt::LeftButton);
    EXPECT_FALSE(panel.allIntensitiesBox->isTicked());
    EXPECT_FALSE(panel.intensityBoxes[0]->isTicked());
    EXPECT_FALSE(panel.intensityBoxes[1]->isTicked());
    EXPECT_EQ(panel.plansDrawn(), drawn + 1);
    EXPECT_TRUE(panel.view().shownIntensities.empty());

    panel.intensityBoxes[0]->setState(Qt::PartiallyChecked);
    QTest::mouseClick(panel.allIntensitiesBox, Qt::LeftButton);
    EXPECT_TRUE(panel.intensityBoxes[0]->isTicked());
    EXPECT_TRUE(panel.intensityBoxes[1]->isTicked());
    EXPECT_EQ(panel.view().shownIntensities, (std::vector<float>{2, 4.5f}));
}

TEST_F(PlanPanelLevels, AnIntensityBoxChangesNoOtherBoxAndRedraws) {
    const int drawn = panel.plansDrawn();
    QTest::mouseClick(panel.intensityBoxes[1], Qt::LeftButton);
    EXPECT_FALSE(panel.intensityBoxes[1]->isTicked());
    EXPECT_TRUE(panel.intensityBoxes[0]->isTicked());
    EXPECT_TRUE(panel.allIntensitiesBox->isTicked());
    EXPECT_EQ(panel.plansDrawn(), drawn + 1);
    EXPECT_EQ(panel.view().shownIntensities, std::vector<float>{2});
}

// Setting a state from code draws nothing; a grey box counts as unticked until a click ticks it.
TEST_F(PlanPanelLevels, AGreyBoxCountsAsUntickedAndAClickTicksIt) {
    const int drawn = panel.plansDrawn();
    panel.loadTypeBox->setState(Qt::PartiallyChecked);
    EXPECT_EQ(panel.plansDrawn(), drawn);
    EXPECT_FALSE(panel.loadTypeBox->isTicked());
    EXPECT_FALSE(panel.view().loadCaseNumbers);
    QTest::mouseClick(panel.loadTypeBox, Qt::LeftButton);
    EXPECT_TRUE(panel.loadTypeBox->isTicked());
    EXPECT_TRUE(panel.view().loadCaseNumbers);
    EXPECT_EQ(panel.plansDrawn(), drawn + 1);
}

TEST_F(PlanPanelLevels, EveryOptionChangeGivesTheFocusBackToThePlan) {
    panel.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
    const int drawn = panel.plansDrawn();
    QTest::mouseClick(panel.loadTypeBox, Qt::LeftButton);
    EXPECT_FALSE(panel.loadTypeBox->isTicked());
    EXPECT_EQ(panel.focusWidget(), panel.planArea);
    // Anywhere on the box counts, not only on its tick and caption.
    QTest::mouseClick(panel.intensityBoxes[0], Qt::LeftButton, {}, QPoint(55, 8));
    EXPECT_FALSE(panel.intensityBoxes[0]->isTicked());
    EXPECT_EQ(panel.focusWidget(), panel.planArea);
    EXPECT_EQ(panel.plansDrawn(), drawn + 2);
    // So the arrows go on stepping through the levels.
    ASSERT_EQ(QApplication::focusWidget(), panel.planArea);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(level(), 2);
}

}  // namespace
}  // namespace fp::testing
