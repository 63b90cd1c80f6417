// Level selection by label and arrow keys, and the redraws the view options cause.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QTest>

#include "plan_window_fixture.h"

namespace fp::testing {
namespace {

class PlanWindowLevels : public ::testing::Test {
  protected:
    PlanWindowLevels() : open(threeLevelListing()), window(open.window()) {}

    int level() const { return window.levelOnShow(); }
    PlacedLabel& label(int level) { return *window.levelLabels.at(level - 1); }

    OpenWindow open;
    PlanWindow& window;
};

TEST_F(PlanWindowLevels, AClickOnALevelLabelMovesTheBorderAndRedraws) {
    const int drawn = window.plansDrawn();
    QTest::mouseClick(&label(2), Qt::LeftButton);
    EXPECT_EQ(level(), 2);
    EXPECT_TRUE(label(2).isMarked());
    EXPECT_FALSE(label(3).isMarked());
    EXPECT_EQ(window.levelHeightLabel->text(), QStringLiteral("3.5 M"));
    EXPECT_EQ(window.plansDrawn(), drawn + 1);
    // No beam of the middle level has a design block.
    EXPECT_TRUE(window.pickBoxes().empty());
}

TEST_F(PlanWindowLevels, ClickingTheLevelOnShowRedrawsItAndKeepsItsBorder) {
    const int drawn = window.plansDrawn();
    QTest::mouseClick(&label(3), Qt::LeftButton);
    EXPECT_EQ(level(), 3);
    EXPECT_TRUE(label(3).isMarked());
    EXPECT_EQ(window.plansDrawn(), drawn + 1);
}

TEST_F(PlanWindowLevels, ArrowsStepThroughTheLevelsWithoutWrapping) {
    QTest::keyClick(window.planArea, Qt::Key_Down);
    EXPECT_EQ(level(), 2);
    EXPECT_FALSE(label(3).isMarked());
    EXPECT_TRUE(label(2).isMarked());
    QTest::keyClick(window.planArea, Qt::Key_Down);
    EXPECT_EQ(level(), 1);

    int drawn = window.plansDrawn();
    QTest::keyClick(window.planArea, Qt::Key_Down);
    EXPECT_EQ(level(), 1);
    EXPECT_TRUE(label(1).isMarked());
    EXPECT_EQ(window.plansDrawn(), drawn + 1);

    QTest::keyClick(window.planArea, Qt::Key_Up);
    QTest::keyClick(window.planArea, Qt::Key_Up);
    EXPECT_EQ(level(), 3);
    drawn = window.plansDrawn();
    QTest::keyClick(window.planArea, Qt::Key_Up);
    EXPECT_EQ(level(), 3);
    EXPECT_TRUE(label(3).isMarked());
    EXPECT_EQ(window.levelHeightLabel->text(), QStringLiteral("7 M"));
    EXPECT_EQ(window.plansDrawn(), drawn + 1);
}

TEST_F(PlanWindowLevels, OtherKeysDoNothing) {
    const int drawn = window.plansDrawn();
    // '&' and '(' have the key numbers 38 and 40, which are the arrows' codes on other systems.
    for (const Qt::Key key : {Qt::Key_Ampersand, Qt::Key_ParenLeft, Qt::Key_Left, Qt::Key_Right,
                              Qt::Key_A, Qt::Key_Space, Qt::Key_PageDown}) {
        QTest::keyClick(window.planArea, key);
    }
    EXPECT_EQ(level(), 3);
    EXPECT_TRUE(label(3).isMarked());
    EXPECT_EQ(window.plansDrawn(), drawn);
}

TEST_F(PlanWindowLevels, TheLevelCaptionUsesTheUsersDecimalSeparator) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTest::mouseClick(&label(2), Qt::LeftButton);
    QLocale::setDefault(previous);
    EXPECT_EQ(window.levelHeightLabel->text(), QStringLiteral("3,5 M"));
    // The level labels keep the point whatever the locale.
    EXPECT_EQ(label(2).text(), QStringLiteral(" 3.5"));
}

TEST_F(PlanWindowLevels, TheAllBoxCopiesItsStateToEveryIntensityBoxAndRedrawsOnce) {
    const int drawn = window.plansDrawn();
    QTest::mouseClick(window.allIntensitiesBox, Qt::LeftButton);
    EXPECT_FALSE(window.allIntensitiesBox->isTicked());
    EXPECT_FALSE(window.intensityBoxes[0]->isTicked());
    EXPECT_FALSE(window.intensityBoxes[1]->isTicked());
    EXPECT_EQ(window.plansDrawn(), drawn + 1);
    EXPECT_TRUE(window.view().shownIntensities.empty());

    window.intensityBoxes[0]->setState(Qt::PartiallyChecked);
    QTest::mouseClick(window.allIntensitiesBox, Qt::LeftButton);
    EXPECT_TRUE(window.intensityBoxes[0]->isTicked());
    EXPECT_TRUE(window.intensityBoxes[1]->isTicked());
    EXPECT_EQ(window.view().shownIntensities, (std::vector<float>{2, 4.5f}));
}

TEST_F(PlanWindowLevels, AnIntensityBoxChangesNoOtherBoxAndRedraws) {
    const int drawn = window.plansDrawn();
    QTest::mouseClick(window.intensityBoxes[1], Qt::LeftButton);
    EXPECT_FALSE(window.intensityBoxes[1]->isTicked());
    EXPECT_TRUE(window.intensityBoxes[0]->isTicked());
    EXPECT_TRUE(window.allIntensitiesBox->isTicked());
    EXPECT_EQ(window.plansDrawn(), drawn + 1);
    EXPECT_EQ(window.view().shownIntensities, std::vector<float>{2});
}

// Setting a state from code draws nothing; a grey box counts as unticked until a click ticks it.
TEST_F(PlanWindowLevels, AGreyBoxCountsAsUntickedAndAClickTicksIt) {
    const int drawn = window.plansDrawn();
    window.loadTypeBox->setState(Qt::PartiallyChecked);
    EXPECT_EQ(window.plansDrawn(), drawn);
    EXPECT_FALSE(window.loadTypeBox->isTicked());
    EXPECT_FALSE(window.view().loadCaseTitles);
    QTest::mouseClick(window.loadTypeBox, Qt::LeftButton);
    EXPECT_TRUE(window.loadTypeBox->isTicked());
    EXPECT_TRUE(window.view().loadCaseTitles);
    EXPECT_EQ(window.plansDrawn(), drawn + 1);
}

TEST_F(PlanWindowLevels, EveryOptionChangeGivesTheFocusBackToThePlan) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const int drawn = window.plansDrawn();
    QTest::mouseClick(window.loadTypeBox, Qt::LeftButton);
    EXPECT_FALSE(window.loadTypeBox->isTicked());
    EXPECT_EQ(window.focusWidget(), window.planArea);
    // Anywhere on the box counts, not only on its tick and caption.
    QTest::mouseClick(window.intensityBoxes[0], Qt::LeftButton, {}, QPoint(55, 8));
    EXPECT_FALSE(window.intensityBoxes[0]->isTicked());
    EXPECT_EQ(window.focusWidget(), window.planArea);
    EXPECT_EQ(window.plansDrawn(), drawn + 2);
    // So the arrows go on stepping through the levels.
    ASSERT_EQ(QApplication::focusWidget(), window.planArea);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(level(), 2);
}

}  // namespace
}  // namespace fp::testing
