// The plan follows the panel's size, and the window's zoom and pan: the model point under the
// pointer stays put, picking stays exact, Fit shows the whole level again, and stepping levels
// keeps the zoom.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWheelEvent>

#include "plan_panel_fixture.h"

namespace fp::testing {
namespace {

QPointF middleOf(const PickBox& box) {
    return {(box.left + box.right) / 2.0, (box.top + box.bottom) / 2.0};
}

void expectNear(QPointF actual, QPointF expected, double within) {
    EXPECT_NEAR(actual.x(), expected.x(), within);
    EXPECT_NEAR(actual.y(), expected.y(), within);
}

class PlanPanelView : public ::testing::Test {
  protected:
    PlanPanelView() : open(threeLevelListing()), panel(open.panel()), area(*panel.planArea) {}

    // A Ctrl + wheel turn of `notches` over a pixel of the plan area.
    void wheel(QPoint at, int notches, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QWheelEvent event(at, area.mapToGlobal(at), QPoint(), QPoint(0, 120 * notches),
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&area, &event);
    }

    // The plan point under a pixel of the plan area.
    QPointF planAt(QPoint pixel) const {
        return area.toPlan(pixel - area.contentsRect().topLeft());
    }

    OpenPanel open;
    PlanPanel& panel;
    PlanArea& area;
};

TEST_F(PlanPanelView, AResizeRefitsThePlanAndItsPickBoxes) {
    const QSize before = area.size();
    const int drawn = panel.plansDrawn();
    panel.resize(1400, 900);
    EXPECT_EQ(area.width(), before.width() + 1400 - 917);
    EXPECT_EQ(area.height(), before.height() + 900 - 500);
    EXPECT_EQ(area.image().deviceIndependentSize(), QSizeF(area.contentsRect().size()));
    EXPECT_GT(panel.plansDrawn(), drawn);
    // The whole model is still on show, and a beam is picked where it is now drawn.
    EXPECT_EQ(area.frame(), area.modelFrame());
    const QPoint beam = open.pixelOf(middleOf(panel.pickBoxes().at(3)));
    QTest::mouseClick(&area, Qt::LeftButton, {}, beam);
    EXPECT_EQ(open.picked(), std::vector<int>{4});
}

TEST_F(PlanPanelView, ControlWheelZoomsAboutThePointer) {
    const QPoint pointer(150, 90);
    const QPointF under = planAt(pointer);
    wheel(pointer, 3);
    EXPECT_NEAR(area.zoom().factor(), 1.25 * 1.25 * 1.25, 1e-9);
    expectNear(planAt(pointer), under, 1e-6);
    wheel(pointer, -1);
    expectNear(planAt(pointer), under, 1e-6);
    // Without Ctrl the wheel is left to the frame around the panel.
    wheel(pointer, 2, Qt::NoModifier);
    EXPECT_NEAR(area.zoom().factor(), 1.25 * 1.25, 1e-9);
}

TEST_F(PlanPanelView, PlusAndMinusZoomAboutTheMiddleAndNeverOutPastTheWhole) {
    const PlanFrame whole = area.frame();
    QTest::keyClick(&area, Qt::Key_Plus);
    const PlanFrame in = area.frame();
    EXPECT_NEAR((in.left + in.right) / 2, (whole.left + whole.right) / 2, 1e-9);
    EXPECT_NEAR(in.right - in.left, (whole.right - whole.left) / 1.25, 1e-9);
    QTest::keyClick(&area, Qt::Key_Minus);
    QTest::keyClick(&area, Qt::Key_Minus);
    EXPECT_EQ(area.frame(), whole);
}

TEST_F(PlanPanelView, TheMiddleButtonOrSpaceAndTheLeftButtonDragThePlan) {
    area.zoomAtMiddle(4);
    const QPoint from(200, 120);
    const QPointF under = planAt(from);
    QTest::mousePress(&area, Qt::MiddleButton, {}, from);
    QTest::mouseMove(&area, from + QPoint(30, 20));
    QTest::mouseRelease(&area, Qt::MiddleButton, {}, from + QPoint(30, 20));
    expectNear(planAt(from + QPoint(30, 20)), under, 1e-6);

    const QPointF nowUnder = planAt(from);
    QTest::keyPress(&area, Qt::Key_Space);
    QTest::mousePress(&area, Qt::LeftButton, {}, from);
    QTest::mouseMove(&area, from + QPoint(-40, 0));
    QTest::mouseRelease(&area, Qt::LeftButton, {}, from + QPoint(-40, 0));
    QTest::keyRelease(&area, Qt::Key_Space);
    expectNear(planAt(from + QPoint(-40, 0)), nowUnder, 1e-6);
    // Dragging is no pick.
    EXPECT_TRUE(open.picked().empty());
}

TEST_F(PlanPanelView, PickingStaysExactWhenZoomedAndFitShowsTheWholeLevel) {
    const PlanFrame whole = area.frame();
    const QPointF beam = middleOf(panel.pickBoxes().at(2));
    wheel(open.pixelOf(beam), 4);
    ASSERT_NE(area.frame(), whole);
    // The boxes are those of the plan as it is now drawn.
    const QPoint shown = open.pixelOf(middleOf(panel.pickBoxes().at(2)));
    QTest::mouseClick(&area, Qt::LeftButton, {}, shown);
    EXPECT_EQ(open.picked(), std::vector<int>{3});
    area.fit();
    EXPECT_EQ(area.frame(), whole);
}

TEST_F(PlanPanelView, SteppingLevelsKeepsTheZoom) {
    area.zoomAt(3, QPointF(40, 40));
    const PlanFrame zoomed = area.frame();
    QTest::keyClick(&area, Qt::Key_Down);
    EXPECT_EQ(panel.levelOnShow(), 2);
    EXPECT_EQ(area.frame(), zoomed);
}

}  // namespace
}  // namespace fp::testing
