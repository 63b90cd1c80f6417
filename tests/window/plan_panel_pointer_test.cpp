// What the status bar tells of the point under the pointer, and Find Member's hit and misses.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include "plan_panel_fixture.h"

namespace fp::testing {
namespace {

class PlanPanelPointer : public ::testing::Test {
  protected:
    PlanPanelPointer() : open(threeLevelListing()), panel(open.panel()) {}

    // The text told when the pointer is over the plan point.
    std::string textAt(QPointF planPoint) {
        QSignalSpy told(&panel, &PlanPanel::pointerTextChanged);
        panel.pointerMoved(planPoint);
        return told.isEmpty() ? "nothing told" : told.last().at(0).toString().toStdString();
    }

    // The text told when the pointer moves onto a pixel of the plan area.
    std::string textAtPixel(QPoint pixel) {
        QSignalSpy told(&panel, &PlanPanel::pointerTextChanged);
        QMouseEvent move(QEvent::MouseMove, pixel, panel.planArea->mapToGlobal(pixel), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(panel.planArea, &move);
        return told.isEmpty() ? "nothing told" : told.last().at(0).toString().toStdString();
    }

    OpenPanel open;
    PlanPanel& panel;
};

// On the top level: beam 1 is member 9 along Z = 0, 5 m long, under 12.5 kN/m of load case 1,
// titled DL; the 5 m by 4 m bay carries the floor load of 4.5 of load case 1.
TEST_F(PlanPanelPointer, TellsThePointTheBeamAndThePanelUnderThePointer) {
    const PickBox box = panel.pickBoxes().at(0);
    const std::string onBeam = textAt(QPointF((box.left + box.right) / 2, 0));
    EXPECT_EQ(onBeam.rfind("X 2.5 m, Z 0 m; beam 1: member 9, 5 m long, member loads 12.5 kN/m "
                           "(1 DL); panel X 0 to 5 m",
                           0),
              0u)
        << onBeam;
    EXPECT_EQ(textAt(QPointF(250, 200)),
              "X 2.5 m, Z 2 m; panel X 0 to 5 m, Z 0 to 4 m, spans 5 × 4 m: 4.5 kN/m² (1 DL)");
    // Outside the bay, only the point.
    EXPECT_EQ(textAt(QPointF(-50, 450)), "X -0.5 m, Z 4.5 m");
}

TEST_F(PlanPanelPointer, InMemberLoadModeNoPanelIsTold) {
    QTest::mouseClick(panel.memberLoadOption, Qt::LeftButton);
    EXPECT_EQ(textAt(QPointF(250, 200)), "X 2.5 m, Z 2 m");
    // The middle level's bay has no beams with design blocks, so neither beam nor panel.
    QTest::mouseClick(panel.floorLoadOption, Qt::LeftButton);
    QTest::keyClick(panel.planArea, Qt::Key_Down);
    EXPECT_EQ(textAt(QPointF(250, 200)).find("beam"), std::string::npos);
}

TEST_F(PlanPanelPointer, AtEveryZoomThePointerTellsThePointDrawnUnderIt) {
    for (const double zoom : {1.0, 3.0, 20.0}) {
        panel.planArea->fit();
        panel.planArea->zoomAt(zoom, QPointF(30, 30));
        const QPoint pixel = open.pixelOf(QPointF(100, 50)) + QPoint(1, 1);
        const QPointF point =
            panel.planArea->toPlan(pixel - panel.planArea->contentsRect().topLeft());
        EXPECT_EQ(textAtPixel(pixel), textAt(point)) << "zoom " << zoom;
    }
}

TEST_F(PlanPanelPointer, FindMemberShowsItsLevelAndHighlightsItsBeam) {
    QTest::mouseClick(panel.levelLabels[0], Qt::LeftButton);
    EXPECT_EQ(panel.findMember(12), "");
    EXPECT_EQ(panel.levelOnShow(), 3);
    EXPECT_EQ(panel.highlightedBeam(), 4);
    const QImage highlighted = panel.planArea->image().copy();
    // The next change of level or view ends the highlight.
    panel.selectLevel(3);
    EXPECT_EQ(panel.highlightedBeam(), 0);
    EXPECT_NE(panel.planArea->image(), highlighted);
    panel.findMember(12);
    panel.planArea->zoomAtMiddle(2);
    EXPECT_EQ(panel.highlightedBeam(), 0);
}

TEST_F(PlanPanelPointer, FindMemberBringsABeamOutOfViewIntoIt) {
    // Zoomed in on the top-left corner, far from member 12 along X = 5 m.
    panel.planArea->zoomAt(8, QPointF(0, 0));
    ASSERT_LT(panel.planArea->frame().right, 500);
    EXPECT_EQ(panel.findMember(12), "");
    const PlanFrame shown = panel.planArea->frame();
    EXPECT_LE(shown.left, 500);
    EXPECT_GE(shown.right, 500);
    EXPECT_LE(shown.top, 200);
    EXPECT_GE(shown.bottom, 200);
    EXPECT_EQ(panel.highlightedBeam(), 4);
}

TEST_F(PlanPanelPointer, FindMemberAnswersForAMemberThatIsNoBeamOnThePlans) {
    EXPECT_EQ(panel.findMember(99), "Member 99 is not in the listing.");
    EXPECT_EQ(panel.findMember(1),
              "Member 1 is a column, from 0 m to 3.5 m; the plans show beams only.");
    EXPECT_EQ(panel.findMember(5),
              "Member 5 is a beam without a design block, so it is not drawn.");
    EXPECT_EQ(panel.levelOnShow(), 3);
    EXPECT_EQ(panel.highlightedBeam(), 0);
}

TEST(FindMember, AMemberOnALevelPastALimitIsToldSo) {
    OpenPanel open(crowdedMiddleLevelListing());
    const std::string answer = open.panel().findMember(1);
    EXPECT_EQ(answer.rfind("Member 1 is on the level at 3 m, which cannot be drawn: Level 2", 0),
              0u)
        << answer;
}

}  // namespace
}  // namespace fp::testing
