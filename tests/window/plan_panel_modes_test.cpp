// Switching between floor-load and member-load mode with the option buttons, and what the view
// options change in the drawing.
#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

#include "plan_panel_fixture.h"

namespace fp::testing {
namespace {

class PlanPanelModes : public ::testing::Test {
  protected:
    PlanPanelModes() : open(threeLevelListing()), panel(open.panel()) {}

    void expectFloorControls(bool shown) {
        EXPECT_EQ(panel.allIntensitiesBox->isShown(), shown);
        for (const PlacedCheckBox* box : panel.intensityBoxes) {
            EXPECT_EQ(box->isShown(), shown) << box->text().toStdString();
        }
        EXPECT_EQ(panel.memberLoadsLabel->isShown(), !shown);
        EXPECT_EQ(panel.beamNumbersBox->isShown(), !shown);
        EXPECT_EQ(panel.loadTypeBox->isEnabled(), shown);
    }

    OpenPanel open;
    PlanPanel& panel;
};

TEST_F(PlanPanelModes, MemberLoadShowsItsControlsAndDisablesLoadType) {
    const int drawn = panel.plansDrawn();
    QTest::mouseClick(panel.memberLoadOption, Qt::LeftButton);
    EXPECT_TRUE(panel.memberLoadOption->isChecked());
    EXPECT_FALSE(panel.floorLoadOption->isChecked());
    expectFloorControls(false);
    EXPECT_EQ(panel.view().mode, LoadMode::Member);
    EXPECT_EQ(panel.plansDrawn(), drawn + 1);
    // The tick of LOAD TYPE stays and applies again back in floor-load mode.
    EXPECT_TRUE(panel.loadTypeBox->isTicked());

    QTest::mouseClick(panel.floorLoadOption, Qt::LeftButton);
    EXPECT_TRUE(panel.floorLoadOption->isChecked());
    expectFloorControls(true);
    EXPECT_EQ(panel.view().mode, LoadMode::Floor);
    EXPECT_TRUE(panel.view().loadCaseNumbers);
    EXPECT_EQ(panel.plansDrawn(), drawn + 2);
}

TEST_F(PlanPanelModes, BeamNumbersAreAskedForOnlyInMemberLoadMode) {
    QTest::mouseClick(panel.memberLoadOption, Qt::LeftButton);
    const int drawn = panel.plansDrawn();
    QTest::mouseClick(panel.beamNumbersBox, Qt::LeftButton);
    EXPECT_TRUE(panel.view().memberNumbers);
    EXPECT_TRUE(panel.view().showsMemberNumbers());
    EXPECT_EQ(panel.plansDrawn(), drawn + 1);
}

TEST_F(PlanPanelModes, AReleaseOverTheSelectedButtonRedrawsInTheSameMode) {
    const int drawn = panel.plansDrawn();
    QTest::mouseClick(panel.floorLoadOption, Qt::RightButton);
    EXPECT_TRUE(panel.floorLoadOption->isChecked());
    expectFloorControls(true);
    EXPECT_EQ(panel.plansDrawn(), drawn + 1);
}

TEST_F(PlanPanelModes, ARightButtonReleaseOverTheOtherModeRedrawsButKeepsTheMode) {
    const int drawn = panel.plansDrawn();
    QTest::mouseClick(panel.memberLoadOption, Qt::RightButton);
    EXPECT_TRUE(panel.floorLoadOption->isChecked());
    expectFloorControls(true);
    EXPECT_EQ(panel.plansDrawn(), drawn + 1);

    QTest::mouseClick(panel.memberLoadOption, Qt::LeftButton);
    QTest::mouseClick(panel.floorLoadOption, Qt::RightButton);
    EXPECT_TRUE(panel.memberLoadOption->isChecked());
    expectFloorControls(false);
}

TEST_F(PlanPanelModes, AReleaseAwayFromTheButtonRunsNoHandler) {
    const int drawn = panel.plansDrawn();
    QTest::mousePress(panel.memberLoadOption, Qt::LeftButton);
    QTest::mouseRelease(panel.memberLoadOption, Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_EQ(panel.plansDrawn(), drawn);
    expectFloorControls(true);
}

// The designed window only answered a mouse release over an option, so a keyboard choice left
// it half in each mode; the keyboard now applies the mode as a click does.
TEST_F(PlanPanelModes, AKeyboardChoiceOfModeAppliesItAsAClickDoes) {
    panel.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
    const int drawn = panel.plansDrawn();
    panel.floorLoadOption->setFocus();
    QTest::keyClick(panel.floorLoadOption, Qt::Key_Left);
    ASSERT_TRUE(panel.memberLoadOption->isChecked());
    EXPECT_EQ(panel.plansDrawn(), drawn + 1);
    expectFloorControls(false);
    EXPECT_TRUE(QTest::qWaitFor([this] { return panel.focusWidget() == panel.planArea; }));

    panel.floorLoadOption->setFocus();
    QTest::keyClick(panel.floorLoadOption, Qt::Key_Space);
    ASSERT_TRUE(panel.floorLoadOption->isChecked());
    EXPECT_EQ(panel.plansDrawn(), drawn + 2);
    expectFloorControls(true);
}

TEST(PlanPanelDrawing, TheViewOptionsReachTheDrawing) {
    OpenPanel open(threeLevelListing());
    PlanPanel& panel = open.panel();
    const QImage allLoads = panel.planArea->image().copy();
    QTest::mouseClick(panel.allIntensitiesBox, Qt::LeftButton);
    const QImage noLoads = panel.planArea->image().copy();
    EXPECT_NE(noLoads, allLoads);
    QTest::mouseClick(panel.allIntensitiesBox, Qt::LeftButton);
    EXPECT_EQ(panel.planArea->image(), allLoads);

    QTest::mouseClick(panel.memberLoadOption, Qt::LeftButton);
    const QImage memberMode = panel.planArea->image().copy();
    // Member-load mode writes no floor-load labels; "Beem Nos" adds the member numbers.
    EXPECT_NE(memberMode, allLoads);
    QTest::mouseClick(panel.beamNumbersBox, Qt::LeftButton);
    EXPECT_NE(panel.planArea->image(), memberMode);
}

TEST(PlanPanelDrawing, RepaintsFromItsImageWithoutRedrawingTheModel) {
    OpenPanel open(threeLevelListing());
    PlanPanel& panel = open.panel();
    const int drawn = panel.plansDrawn();
    const QImage shown = panel.planArea->grab(panel.planArea->contentsRect()).toImage();
    panel.planArea->repaint();
    EXPECT_EQ(panel.plansDrawn(), drawn);
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32),
              panel.planArea->image().convertToFormat(QImage::Format_RGB32));
}

}  // namespace
}  // namespace fp::testing
