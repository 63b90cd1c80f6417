// Switching between floor-load and member-load mode with the option buttons, and what the view
// options change in the drawing.
#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

#include "plan_window_fixture.h"

namespace fp::testing {
namespace {

class PlanWindowModes : public ::testing::Test {
  protected:
    PlanWindowModes() : open(threeLevelListing()), window(open.window()) {}

    void expectFloorControls(bool shown) {
        EXPECT_EQ(window.allIntensitiesBox->isShown(), shown);
        for (const PlacedCheckBox* box : window.intensityBoxes) {
            EXPECT_EQ(box->isShown(), shown) << box->text().toStdString();
        }
        EXPECT_EQ(window.memberLoadsLabel->isShown(), !shown);
        EXPECT_EQ(window.beamNumbersBox->isShown(), !shown);
        EXPECT_EQ(window.loadTypeBox->isEnabled(), shown);
    }

    OpenWindow open;
    PlanWindow& window;
};

TEST_F(PlanWindowModes, MemberLoadShowsItsControlsAndDisablesLoadType) {
    const int drawn = window.plansDrawn();
    QTest::mouseClick(window.memberLoadOption, Qt::LeftButton);
    EXPECT_TRUE(window.memberLoadOption->isChecked());
    EXPECT_FALSE(window.floorLoadOption->isChecked());
    expectFloorControls(false);
    EXPECT_EQ(window.view().mode, LoadMode::Member);
    EXPECT_EQ(window.plansDrawn(), drawn + 1);
    // The tick of LOAD TYPE stays and applies again back in floor-load mode.
    EXPECT_TRUE(window.loadTypeBox->isTicked());

    QTest::mouseClick(window.floorLoadOption, Qt::LeftButton);
    EXPECT_TRUE(window.floorLoadOption->isChecked());
    expectFloorControls(true);
    EXPECT_EQ(window.view().mode, LoadMode::Floor);
    EXPECT_TRUE(window.view().loadCaseTitles);
    EXPECT_EQ(window.plansDrawn(), drawn + 2);
}

TEST_F(PlanWindowModes, BeamNumbersAreAskedForOnlyInMemberLoadMode) {
    QTest::mouseClick(window.memberLoadOption, Qt::LeftButton);
    const int drawn = window.plansDrawn();
    QTest::mouseClick(window.beamNumbersBox, Qt::LeftButton);
    EXPECT_TRUE(window.view().memberNumbers);
    EXPECT_TRUE(window.view().showsMemberNumbers());
    EXPECT_EQ(window.plansDrawn(), drawn + 1);
}

TEST_F(PlanWindowModes, AReleaseOverTheSelectedButtonRedrawsInTheSameMode) {
    const int drawn = window.plansDrawn();
    QTest::mouseClick(window.floorLoadOption, Qt::RightButton);
    EXPECT_TRUE(window.floorLoadOption->isChecked());
    expectFloorControls(true);
    EXPECT_EQ(window.plansDrawn(), drawn + 1);
}

TEST_F(PlanWindowModes, ARightButtonReleaseOverTheOtherModeRedrawsButKeepsTheMode) {
    const int drawn = window.plansDrawn();
    QTest::mouseClick(window.memberLoadOption, Qt::RightButton);
    EXPECT_TRUE(window.floorLoadOption->isChecked());
    expectFloorControls(true);
    EXPECT_EQ(window.plansDrawn(), drawn + 1);

    QTest::mouseClick(window.memberLoadOption, Qt::LeftButton);
    QTest::mouseClick(window.floorLoadOption, Qt::RightButton);
    EXPECT_TRUE(window.memberLoadOption->isChecked());
    expectFloorControls(false);
}

TEST_F(PlanWindowModes, AReleaseAwayFromTheButtonRunsNoHandler) {
    const int drawn = window.plansDrawn();
    QTest::mousePress(window.memberLoadOption, Qt::LeftButton);
    QTest::mouseRelease(window.memberLoadOption, Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_EQ(window.plansDrawn(), drawn);
    expectFloorControls(true);
}

TEST_F(PlanWindowModes, AKeyboardChangeOfModeRunsNeitherHandler) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const int drawn = window.plansDrawn();
    window.floorLoadOption->setFocus();
    QTest::keyClick(window.floorLoadOption, Qt::Key_Left);
    ASSERT_TRUE(window.memberLoadOption->isChecked());
    EXPECT_EQ(window.plansDrawn(), drawn);
    expectFloorControls(true);
    // The next redraw already follows the new selection.
    EXPECT_EQ(window.view().mode, LoadMode::Member);
}

TEST(PlanWindowDrawing, TheViewOptionsReachTheDrawing) {
    OpenWindow open(threeLevelListing());
    PlanWindow& window = open.window();
    const QImage allLoads = window.planArea->image().copy();
    QTest::mouseClick(window.allIntensitiesBox, Qt::LeftButton);
    const QImage noLoads = window.planArea->image().copy();
    EXPECT_NE(noLoads, allLoads);
    QTest::mouseClick(window.allIntensitiesBox, Qt::LeftButton);
    EXPECT_EQ(window.planArea->image(), allLoads);

    QTest::mouseClick(window.memberLoadOption, Qt::LeftButton);
    const QImage memberMode = window.planArea->image().copy();
    // Member-load mode writes no floor-load labels; "Beem Nos" adds the member numbers.
    EXPECT_NE(memberMode, allLoads);
    QTest::mouseClick(window.beamNumbersBox, Qt::LeftButton);
    EXPECT_NE(window.planArea->image(), memberMode);
}

TEST(PlanWindowDrawing, RepaintsFromItsImageWithoutRedrawingTheModel) {
    OpenWindow open(threeLevelListing());
    PlanWindow& window = open.window();
    const int drawn = window.plansDrawn();
    const QImage shown = window.planArea->grab(window.planArea->contentsRect()).toImage();
    window.planArea->repaint();
    EXPECT_EQ(window.plansDrawn(), drawn);
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32),
              window.planArea->image().convertToFormat(QImage::Format_RGB32));
}

}  // namespace
}  // namespace fp::testing
