// Picking a beam on the plan, and dragging the member-load label.
#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>

#include "group_fixture.h"

namespace fp::testing {
namespace {

using Messages = std::vector<std::string>;

QPointF middleOf(const BeamBox& box) {
    return {(box.X1 + box.X2) / 2.0, (box.Z1 + box.Z2) / 2.0};
}

TEST(GroupPicking, APressOnABeamShowsItsSerialNumber) {
    OpenWindow open(threeLevelListing());
    Group& window = open.window();
    // The top level: the +X beam at Z = 0 is beam 1, the +Z beam from the same joint beam 2.
    const BeamBox& first = window.beamBoxes().Box[1];
    QTest::mouseClick(window.PicXZ, Qt::LeftButton, {}, open.pixelOf(middleOf(first)));
    const BeamBox& fourth = window.beamBoxes().Box[4];
    QTest::mouseClick(window.PicXZ, Qt::RightButton, Qt::ShiftModifier,
                      open.pixelOf(middleOf(fourth)));
    EXPECT_EQ(open.services().messages, (Messages{"1", "4"}));
}

TEST(GroupPicking, TheEdgesOfABoxCountAsInside) {
    OpenWindow open(threeLevelListing());
    Group& window = open.window();
    const BeamBox box = window.beamBoxes().Box[3];
    window.PicXZ_MouseDown(QPointF(box.X1, box.Z1));
    window.PicXZ_MouseDown(QPointF(box.X2, box.Z2));
    window.PicXZ_MouseDown(QPointF(box.X1 - 0.01, box.Z1));
    EXPECT_EQ(open.services().messages, (Messages{"3", "3"}));
}

TEST(GroupPicking, WhereBoxesOverlapTheLowerSerialNumberWins) {
    OpenWindow open(closeBeamsListing());
    Group& window = open.window();
    ASSERT_EQ(window.beamBoxes().BeamBoxCount, 2);
    window.PicXZ_MouseDown(QPointF(30, 200));
    window.PicXZ_MouseDown(QPointF(80, 200));
    EXPECT_EQ(open.services().messages, (Messages{"1", "2"}));
}

TEST(GroupPicking, APressOnALevelWithoutBeamsShowsNothing) {
    OpenWindow open(threeLevelListing());
    Group& window = open.window();
    const QPointF whereABeamWas = middleOf(window.beamBoxes().Box[1]);
    QTest::mouseClick(window.Labyy[1], Qt::LeftButton);
    QTest::mouseClick(window.PicXZ, Qt::LeftButton, {}, open.pixelOf(whereABeamWas));
    EXPECT_TRUE(open.services().messages.empty());
}

class LoadLabelDrag : public ::testing::Test {
  protected:
    LoadLabelDrag() : open(threeLevelListing()), label(*open.window().LabMlloads) {
        QTest::mouseClick(open.window().OptMemb, Qt::LeftButton);
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
    ToolLabel& label;
};

TEST_F(LoadLabelDrag, TheLeftButtonDragsTheLabelSideways) {
    const TwipsRect before = label.twipsGeometry();
    press(Qt::LeftButton, QPoint(10, 5));
    // 20 pixels at 96 dots per inch are 300 twips; the vertical motion is ignored.
    move(Qt::LeftButton, QPoint(30, 12));
    EXPECT_DOUBLE_EQ(label.Left(), before.left + 300);
    EXPECT_DOUBLE_EQ(label.Top(), before.top);
    EXPECT_DOUBLE_EQ(label.Width(), before.width);
    EXPECT_EQ(label.x(), 576 + 20);
    // The grabbed point stays under the pointer: it is now 20 pixels further right.
    move(Qt::LeftButton, QPoint(10, 5));
    EXPECT_DOUBLE_EQ(label.Left(), before.left + 300);
}

TEST_F(LoadLabelDrag, OtherButtonsDoNotMoveIt) {
    const double left = label.Left();
    press(Qt::RightButton, QPoint(10, 5));
    move(Qt::RightButton, QPoint(30, 5));
    move(Qt::LeftButton | Qt::RightButton, QPoint(30, 5));
    move(Qt::NoButton, QPoint(30, 5));
    EXPECT_DOUBLE_EQ(label.Left(), left);
}

}  // namespace
}  // namespace fp::testing
