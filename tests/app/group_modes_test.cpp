// Switching between floor-load and member-load mode with the option buttons.
#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

#include "group_fixture.h"

namespace fp::testing {
namespace {

class GroupModes : public ::testing::Test {
  protected:
    GroupModes() : open(threeLevelListing()), window(open.window()) {}

    void expectFloorControls(bool shown) {
        for (const ToolCheckBox* box : window.ChkUDL) {
            EXPECT_EQ(box->Visible(), shown) << box->Caption().toStdString();
        }
        EXPECT_EQ(window.LabMlloads->Visible(), !shown);
        EXPECT_EQ(window.ChkBeeNos->Visible(), !shown);
        EXPECT_EQ(window.ChkType->isEnabled(), shown);
    }

    OpenWindow open;
    Group& window;
};

TEST_F(GroupModes, MemberLoadShowsItsControlsAndDisablesLoadType) {
    const int drawn = window.plansDrawn();
    QTest::mouseClick(window.OptMemb, Qt::LeftButton);
    EXPECT_TRUE(window.OptMemb->Value());
    EXPECT_FALSE(window.OptFloor->Value());
    expectFloorControls(false);
    EXPECT_TRUE(window.viewState().memberLoadMode);
    EXPECT_EQ(window.plansDrawn(), drawn + 1);
    // The tick of LOAD TYPE stays and applies again back in floor-load mode.
    EXPECT_EQ(window.ChkType->Value(), kTicked);

    QTest::mouseClick(window.OptFloor, Qt::LeftButton);
    EXPECT_TRUE(window.OptFloor->Value());
    expectFloorControls(true);
    EXPECT_FALSE(window.viewState().memberLoadMode);
    EXPECT_EQ(window.plansDrawn(), drawn + 2);
}

TEST_F(GroupModes, BeamNumbersAreAskedForOnlyInMemberLoadMode) {
    QTest::mouseClick(window.OptMemb, Qt::LeftButton);
    const int drawn = window.plansDrawn();
    QTest::mouseClick(window.ChkBeeNos, Qt::LeftButton);
    EXPECT_EQ(window.viewState().beamNumbers, kTicked);
    EXPECT_EQ(window.plansDrawn(), drawn + 1);
}

TEST_F(GroupModes, AReleaseOverTheSelectedButtonRedrawsInTheSameMode) {
    const int drawn = window.plansDrawn();
    QTest::mouseClick(window.OptFloor, Qt::RightButton);
    EXPECT_TRUE(window.OptFloor->Value());
    expectFloorControls(true);
    EXPECT_EQ(window.plansDrawn(), drawn + 1);
}

TEST_F(GroupModes, ARightButtonReleaseOverTheOtherModeRedrawsButKeepsTheMode) {
    const int drawn = window.plansDrawn();
    QTest::mouseClick(window.OptMemb, Qt::RightButton);
    EXPECT_TRUE(window.OptFloor->Value());
    expectFloorControls(true);
    EXPECT_EQ(window.plansDrawn(), drawn + 1);

    QTest::mouseClick(window.OptMemb, Qt::LeftButton);
    QTest::mouseClick(window.OptFloor, Qt::RightButton);
    EXPECT_TRUE(window.OptMemb->Value());
    expectFloorControls(false);
}

TEST_F(GroupModes, AReleaseAwayFromTheButtonRunsNoHandler) {
    const int drawn = window.plansDrawn();
    QTest::mousePress(window.OptMemb, Qt::LeftButton);
    QTest::mouseRelease(window.OptMemb, Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_EQ(window.plansDrawn(), drawn);
    expectFloorControls(true);
}

TEST_F(GroupModes, AKeyboardChangeOfModeRunsNeitherHandler) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const int drawn = window.plansDrawn();
    window.OptFloor->setFocus();
    QTest::keyClick(window.OptFloor, Qt::Key_Left);
    ASSERT_TRUE(window.OptMemb->Value());
    EXPECT_EQ(window.plansDrawn(), drawn);
    expectFloorControls(true);
    // The next redraw already follows the new selection.
    EXPECT_TRUE(window.viewState().memberLoadMode);
}

}  // namespace
}  // namespace fp::testing

namespace fp::testing {
namespace {

TEST(GroupPlan, TheViewOptionsReachTheDrawing) {
    OpenWindow open(threeLevelListing());
    Group& window = open.window();
    const QImage allLoads = window.PicXZ->image().copy();
    QTest::mouseClick(window.ChkUDL[0], Qt::LeftButton);
    const QImage noLoads = window.PicXZ->image().copy();
    EXPECT_NE(noLoads, allLoads);
    QTest::mouseClick(window.ChkUDL[0], Qt::LeftButton);
    EXPECT_EQ(window.PicXZ->image(), allLoads);

    QTest::mouseClick(window.OptMemb, Qt::LeftButton);
    const QImage memberMode = window.PicXZ->image().copy();
    // Member-load mode writes no floor-load labels; "Beem Nos" adds the member numbers.
    EXPECT_NE(memberMode, allLoads);
    QTest::mouseClick(window.ChkBeeNos, Qt::LeftButton);
    EXPECT_NE(window.PicXZ->image(), memberMode);
}

TEST(GroupPlan, RepaintsFromItsImageWithoutRedrawingTheModel) {
    OpenWindow open(threeLevelListing());
    Group& window = open.window();
    const int drawn = window.plansDrawn();
    const QImage shown = window.PicXZ->grab(window.PicXZ->contentsRect()).toImage();
    window.PicXZ->repaint();
    EXPECT_EQ(window.plansDrawn(), drawn);
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32),
              window.PicXZ->image().convertToFormat(QImage::Format_RGB32));
}

}  // namespace
}  // namespace fp::testing
