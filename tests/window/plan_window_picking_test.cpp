// Picking a beam on the plan, and dragging the member-load label.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include "plan_window_fixture.h"

namespace fp::testing {
namespace {

using Serials = std::vector<int>;

QPointF middleOf(const PickBox& box) {
    return {(box.left + box.right) / 2.0, (box.top + box.bottom) / 2.0};
}

TEST(PlanWindowPicking, APressOnABeamShowsItsSerialNumber) {
    OpenWindow open(threeLevelListing());
    PlanWindow& window = open.window();
    // The top level: the +X beam at Z = 0 is beam 1, the +Z beam from the same joint beam 2.
    const PickBox first = window.pickBoxes().at(0);
    QTest::mouseClick(window.planArea, Qt::LeftButton, {}, open.pixelOf(middleOf(first)));
    const PickBox fourth = window.pickBoxes().at(3);
    QTest::mouseClick(window.planArea, Qt::RightButton, Qt::ShiftModifier,
                      open.pixelOf(middleOf(fourth)));
    EXPECT_EQ(open.picked(), (Serials{1, 4}));
}

TEST(PlanWindowPicking, TheEdgesOfABoxCountAsInside) {
    OpenWindow open(threeLevelListing());
    PlanWindow& window = open.window();
    const PickBox box = window.pickBoxes().at(2);
    window.planPressed(QPointF(box.left, box.top));
    window.planPressed(QPointF(box.right, box.bottom));
    window.planPressed(QPointF(box.left - 0.01, box.top));
    EXPECT_EQ(open.picked(), (Serials{3, 3}));
}

TEST(PlanWindowPicking, WhereBoxesOverlapTheLowerSerialNumberWins) {
    OpenWindow open(closeBeamsListing());
    PlanWindow& window = open.window();
    ASSERT_EQ(window.pickBoxes().size(), 2u);
    window.planPressed(QPointF(30, 200));
    window.planPressed(QPointF(80, 200));
    EXPECT_EQ(open.picked(), (Serials{1, 2}));
}

TEST(PlanWindowPicking, APressOnALevelWithoutBeamsShowsNothing) {
    OpenWindow open(threeLevelListing());
    PlanWindow& window = open.window();
    const QPointF whereABeamWas = middleOf(window.pickBoxes().at(0));
    QTest::mouseClick(window.levelLabels[0], Qt::LeftButton);
    QTest::mouseClick(window.planArea, Qt::LeftButton, {}, open.pixelOf(whereABeamWas));
    EXPECT_TRUE(open.picked().empty());
}

class MemberLoadsDrag : public ::testing::Test {
  protected:
    MemberLoadsDrag() : open(threeLevelListing()), label(*open.window().memberLoadsLabel) {
        QTest::mouseClick(open.window().memberLoadOption, Qt::LeftButton);
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

    OpenWindow open;
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
