// Picking a beam on the plan, and dragging the member-load label.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include "plan_panel_fixture.h"

namespace fp::testing {
namespace {

using Serials = std::vector<int>;

QPointF middleOf(const PickBox& box) {
    return {(box.left + box.right) / 2.0, (box.top + box.bottom) / 2.0};
}

TEST(PlanPanelPicking, APressOnABeamShowsItsSerialNumber) {
    OpenPanel open(threeLevelListing());
    PlanPanel& panel = open.panel();
    // The top level: the +X beam at Z = 0 is beam 1, the +Z beam from the same joint beam 2.
    const PickBox first = panel.pickBoxes().at(0);
    QTest::mouseClick(panel.planArea, Qt::LeftButton, {}, open.pixelOf(middleOf(first)));
    const PickBox fourth = panel.pickBoxes().at(3);
    QTest::mouseClick(panel.planArea, Qt::RightButton, Qt::ShiftModifier,
                      open.pixelOf(middleOf(fourth)));
    EXPECT_EQ(open.picked(), (Serials{1, 4}));
}

TEST(PlanPanelPicking, TheEdgesOfABoxCountAsInside) {
    OpenPanel open(threeLevelListing());
    PlanPanel& panel = open.panel();
    const PickBox box = panel.pickBoxes().at(2);
    panel.planPressed(QPointF(box.left, box.top));
    panel.planPressed(QPointF(box.right, box.bottom));
    panel.planPressed(QPointF(box.left - 0.01, box.top));
    EXPECT_EQ(open.picked(), (Serials{3, 3}));
}

TEST(PlanPanelPicking, WhereBoxesOverlapTheLowerSerialNumberWins) {
    OpenPanel open(closeBeamsListing());
    PlanPanel& panel = open.panel();
    ASSERT_EQ(panel.pickBoxes().size(), 2u);
    panel.planPressed(QPointF(30, 200));
    panel.planPressed(QPointF(80, 200));
    EXPECT_EQ(open.picked(), (Serials{1, 2}));
}

TEST(PlanPanelPicking, APressOnALevelWithoutBeamsShowsNothing) {
    OpenPanel open(threeLevelListing());
    PlanPanel& panel = open.panel();
    const QPointF whereABeamWas = middleOf(panel.pickBoxes().at(0));
    QTest::mouseClick(panel.levelLabels[0], Qt::LeftButton);
    QTest::mouseClick(panel.planArea, Qt::LeftButton, {}, open.pixelOf(whereABeamWas));
    EXPECT_TRUE(open.picked().empty());
}

class MemberLoadsDrag : public ::testing::Test {
  protected:
    MemberLoadsDrag() : open(threeLevelListing()), label(*open.panel().memberLoadsLabel) {
        QTest::mouseClick(open.panel().memberLoadOption, Qt::LeftButton);
    }

    void press(Qt::MouseButton button, QPoint at) {
        QMouseEvent event(QEvent::MouseButtonPress, at, label.mapToGlobal(at), button, button,
                          Qt::NoModifier);
        QApplication::sendEvent(&label, &event);
    }
    void move(Qt::MouseButtons held, QPoint to) {
        QMouseEvent event(QEvent::MouseMove, to, label.mapToGlobal(to), Qt::NoButton, held,
                          Qt::NoModifier);
        QApplication::sendEvent(&label, &event);
    }

    OpenPanel open;
    PlacedLabel& label;
};

TEST_F(MemberLoadsDrag, TheLeftButtonDragsTheLabelSideways) {
    const TwipsRect before = label.twipsGeometry();
    press(Qt::LeftButton, QPoint(10, 5));
    // 20 pixels at 96 dots per inch are 300 twips; the vertical motion is ignored.
    move(Qt::LeftButton, QPoint(30, 12));
    EXPECT_DOUBLE_EQ(label.twipsGeometry().left, before.left + 300);
    EXPECT_DOUBLE_EQ(label.twipsGeometry().top, before.top);
    EXPECT_DOUBLE_EQ(label.twipsGeometry().width, before.width);
    EXPECT_EQ(label.x(), 576 + 20);
    // The grabbed point stays under the pointer: it is now 20 pixels further right.
    move(Qt::LeftButton, QPoint(10, 5));
    EXPECT_DOUBLE_EQ(label.twipsGeometry().left, before.left + 300);
}

TEST_F(MemberLoadsDrag, OtherButtonsDoNotMoveIt) {
    const double left = label.twipsGeometry().left;
    press(Qt::RightButton, QPoint(10, 5));
    move(Qt::RightButton, QPoint(30, 5));
    move(Qt::LeftButton | Qt::RightButton, QPoint(30, 5));
    move(Qt::NoButton, QPoint(30, 5));
    EXPECT_DOUBLE_EQ(label.twipsGeometry().left, left);
}

}  // namespace
}  // namespace fp::testing
