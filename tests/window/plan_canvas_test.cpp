// The plan on the screen: drawn at the screen's resolution, zoomed and dragged about the pointer,
// picked exactly at every zoom, and the pointer's facts for the status bar, told again after
// every change of what is drawn.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include "main_window_fixture.h"
#include "window/plan_canvas.h"

namespace fp::testing {
namespace {

QPointF middleOf(const PickBox& box) {
    return {(box.left + box.right) / 2.0, (box.top + box.bottom) / 2.0};
}

void expectNear(QPointF actual, QPointF expected, double within) {
    EXPECT_NEAR(actual.x(), expected.x(), within);
    EXPECT_NEAR(actual.y(), expected.y(), within);
}

class Canvas : public ::testing::Test {
  protected:
    // With the box of the serial number a click once gave, which these tests read the picks
    // from.
    Canvas() : open(threeLevelListing()), canvas(open.canvas()) {
        open.window().actions.beamNumberBoxOnClick->setChecked(true);
    }

    // A Ctrl + wheel turn of `notches` over a pixel of the canvas.
    void wheel(QPoint at, int notches, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QWheelEvent event(at, canvas.mapToGlobal(at), QPoint(), QPoint(0, 120 * notches),
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&canvas, &event);
    }
    // The plan point under a pixel of the canvas.
    QPointF planAt(QPoint pixel) const {
        return canvas.toPlan(pixel - canvas.contentsRect().topLeft());
    }
    std::string textAt(QPointF planPoint) { return open.hover(planPoint); }
    std::string statusText() { return open.window().pointerText->text().toStdString(); }

    OpenWindow open;
    PlanCanvas& canvas;
};

TEST_F(Canvas, FramesTheWholeModelAtTheScreensResolution) {
    // The grid from 0 to 5 m by 4 m, a metre around it at least, and room for the bubbles.
    const PlanFrame frame = canvas.visibleFrame();
    EXPECT_LE(frame.left, -100);
    EXPECT_LE(frame.top, -100);
    EXPECT_GE(frame.right, 600);
    EXPECT_GE(frame.bottom, 500);
    EXPECT_EQ(canvas.image().deviceIndependentSize(), QSizeF(canvas.contentsRect().size()));
    EXPECT_EQ(canvas.image().logicalDpiY(), canvas.logicalDpiY());
    // Repainting the window shows the image again without drawing the model again.
    const int drawn = canvas.plansDrawn();
    canvas.repaint();
    EXPECT_EQ(canvas.plansDrawn(), drawn);
}

TEST_F(Canvas, APressOnABeamTellsItsSerialNumberAndTheLowerWinsWhereBoxesOverlap) {
    const PickBox box = canvas.pickBoxes().at(1);
    QTest::mouseClick(&canvas, Qt::RightButton, {}, open.pixelOf(middleOf(box)));
    QTest::mouseClick(&canvas, Qt::LeftButton, {}, open.pixelOf(QPointF(250, -200)));
    EXPECT_EQ(open.picked(), std::vector<int>{2});

    OpenWindow close(closeBeamsListing());
    close.window().actions.beamNumberBoxOnClick->setChecked(true);
    const PickBox& first = close.canvas().pickBoxes().at(0);
    const PickBox& second = close.canvas().pickBoxes().at(1);
    ASSERT_GT(first.right, second.left) << "the two boxes overlap";
    QTest::mouseClick(&close.canvas(), Qt::LeftButton, {},
                      close.pixelOf(QPointF((first.right + second.left) / 2, middleOf(first).y())));
    EXPECT_EQ(close.picked(), std::vector<int>{1});
}

TEST_F(Canvas, AResizeRefitsThePlanAndItsPickBoxes) {
    const int drawn = canvas.plansDrawn();
    open.window().resize(open.window().size() + QSize(300, 200));
    QApplication::processEvents();
    EXPECT_EQ(canvas.image().deviceIndependentSize(), QSizeF(canvas.contentsRect().size()));
    EXPECT_GT(canvas.plansDrawn(), drawn);
    EXPECT_EQ(canvas.visibleFrame(), canvas.modelFrame());
    QTest::mouseClick(&canvas, Qt::LeftButton, {},
                      open.pixelOf(middleOf(canvas.pickBoxes().at(3))));
    EXPECT_EQ(open.picked(), std::vector<int>{4});
}

TEST_F(Canvas, ZoomKeepsThePointUnderThePointerAndNeverGoesOutPastTheWhole) {
    const QPoint pointer(150, 90);
    const QPointF under = planAt(pointer);
    wheel(pointer, 3);
    EXPECT_NEAR(canvas.zoom().factor(), 1.25 * 1.25 * 1.25, 1e-9);
    expectNear(planAt(pointer), under, 1e-6);
    wheel(pointer, -1);
    expectNear(planAt(pointer), under, 1e-6);
    wheel(pointer, 2, Qt::NoModifier);
    EXPECT_NEAR(canvas.zoom().factor(), 1.25 * 1.25, 1e-9) << "the wheel alone does not zoom";

    canvas.fit();
    const PlanFrame whole = canvas.visibleFrame();
    QTest::keyClick(&canvas, Qt::Key_Plus);
    const PlanFrame in = canvas.visibleFrame();
    EXPECT_NEAR((in.left + in.right) / 2, (whole.left + whole.right) / 2, 1e-9);
    EXPECT_NEAR(in.right - in.left, (whole.right - whole.left) / 1.25, 1e-9);
    QTest::keyClick(&canvas, Qt::Key_Minus);
    QTest::keyClick(&canvas, Qt::Key_Minus);
    EXPECT_EQ(canvas.visibleFrame(), whole);
}

// Dragged past any edge, the plan stops at the model's frame, across and down alike.
TEST_F(Canvas, DraggingMovesThePlanWithThePointerAndStopsAtTheModel) {
    canvas.zoomAtMiddle(4);
    const QPoint from(200, 120);
    const QPointF under = planAt(from);
    const std::size_t placed = canvas.placementMemory().placed();
    QTest::mousePress(&canvas, Qt::MiddleButton, {}, from);
    QTest::mouseMove(&canvas, from + QPoint(30, 20));
    QTest::mouseRelease(&canvas, Qt::MiddleButton, {}, from + QPoint(30, 20));
    expectNear(planAt(from + QPoint(30, 20)), under, 1e-6);
    EXPECT_EQ(canvas.placementMemory().placed(), placed) << "panning keeps the texts' places";

    const QPointF nowUnder = planAt(from);
    QTest::keyPress(&canvas, Qt::Key_Space);
    QTest::mousePress(&canvas, Qt::LeftButton, {}, from);
    QTest::mouseMove(&canvas, from + QPoint(-40, 0));
    QTest::mouseRelease(&canvas, Qt::LeftButton, {}, from + QPoint(-40, 0));
    QTest::keyRelease(&canvas, Qt::Key_Space);
    expectNear(planAt(from + QPoint(-40, 0)), nowUnder, 1e-6);
    EXPECT_TRUE(open.picked().empty()) << "dragging is no pick";

    const PlanFrame model = canvas.modelFrame();
    for (const QPointF far :
         {QPointF(100000, 0), QPointF(-100000, 0), QPointF(0, 100000), QPointF(0, -100000)}) {
        canvas.panBy(far);
        const PlanFrame shown = canvas.visibleFrame();
        EXPECT_GE(shown.left, model.left - 1e-9);
        EXPECT_LE(shown.right, model.right + 1e-9);
        EXPECT_GE(shown.top, model.top - 1e-9);
        EXPECT_LE(shown.bottom, model.bottom + 1e-9);
    }
}

TEST_F(Canvas, PickingStaysExactWhenZoomedAndSteppingLevelsKeepsTheZoom) {
    wheel(open.pixelOf(middleOf(canvas.pickBoxes().at(2))), 4);
    ASSERT_NE(canvas.visibleFrame(), canvas.modelFrame());
    QTest::mouseClick(&canvas, Qt::LeftButton, {},
                      open.pixelOf(middleOf(canvas.pickBoxes().at(2))));
    EXPECT_EQ(open.picked(), std::vector<int>{3});
    const PlanFrame zoomed = canvas.visibleFrame();
    QTest::keyClick(&canvas, Qt::Key_Down);
    EXPECT_EQ(open.view().level, 2);
    EXPECT_EQ(canvas.visibleFrame(), zoomed);
    open.window().actions.fit->trigger();
    EXPECT_EQ(canvas.visibleFrame(), canvas.modelFrame());
}

// On the top level: beam 1 is member 9 along Z = 0, 5 m long, under 12.5 kN/m of load case 1,
// titled DL; the 5 m by 4 m bay carries the floor load of 4.5 of load case 1. The beam takes the
// bay's trapezoid, 9 kN/m at its peak and (90 - 2 x 18) / 2 = 27 kN, and rests on its ends with
// (27 + 12.5 x 5) / 2 = 44.75 kN each.
TEST_F(Canvas, ThePointerTellsThePointTheBeamAndThePanelUnderIt) {
    const std::string onBeam = textAt(QPointF(250, 0));
    EXPECT_EQ(
        onBeam.rfind("X 2.5 m, Z 0 m, grid A/1; beam 1: member 9, 5 m long, member loads 12.5 kN/m "
                     "(1 DL); slab share peak 9.0 kN/m, total 27.0 kN; reactions 44.8 kN at A/1, "
                     "44.8 kN at A/2 (case 1); panel X 0\u20135 m",
                     0),
        0u)
        << onBeam;
    EXPECT_EQ(textAt(QPointF(250, 200)),
              "X 2.5 m, Z 2 m, grid A/1; panel X 0\u20135 m, Z 0\u20134 m, spans 5 × 4 m: 4.5 "
              "kN/m² (1 DL)");
    // Half a metre beside the bay across or down, only the point.
    EXPECT_EQ(textAt(QPointF(-60, 200)), "X -0.6 m, Z 2 m");
    EXPECT_EQ(textAt(QPointF(250, 450)), "X 2.5 m, Z 4.5 m");
}

// What the status bar tells follows the plan on show: a level stepped to, another mode, a zoom,
// without waiting for the pointer to move.
TEST_F(Canvas, TheStatusBarFollowsEveryChangeOfWhatIsDrawn) {
    EXPECT_NE(textAt(QPointF(250, 200)).find("4.5 kN/m²"), std::string::npos);
    QTest::keyClick(&canvas, Qt::Key_Down);
    EXPECT_NE(statusText().find("2 kN/m²"), std::string::npos) << "the middle level's bay";
    QTest::keyClick(&canvas, Qt::Key_Up);
    EXPECT_NE(statusText().find("4.5 kN/m²"), std::string::npos);
    QTest::mouseClick(open.controls().memberLoadOption, Qt::LeftButton);
    EXPECT_EQ(statusText(), "X 2.5 m, Z 2 m, grid A/1");
    canvas.zoomAt(2, QPointF(0, 0));
    EXPECT_EQ(statusText().find("X 2.5 m"), std::string::npos) << "another point is under it";
}

TEST_F(Canvas, FindMemberShowsItsLevelSelectsItsBeamAndBringsItIntoView) {
    QTest::mouseClick(open.levels().levelLabels[0], Qt::LeftButton);
    // Zoomed in on the top-left corner, far from member 12 along X = 5 m.
    canvas.zoomAt(8, QPointF(0, 0));
    ASSERT_LT(canvas.visibleFrame().right, 500);
    open.window().findMember(12);
    EXPECT_TRUE(open.messages.empty());
    EXPECT_EQ(open.view().level, 3);
    EXPECT_EQ(canvas.selection(), Selection{SelectedItem::beam(12)});
    ASSERT_EQ(canvas.shownSelection().beams.size(), 1u);
    EXPECT_EQ(canvas.shownSelection().beams[0].first, 4);
    const PlanFrame shown = canvas.visibleFrame();
    EXPECT_LE(shown.left, 500);
    EXPECT_GE(shown.right, 500);
    EXPECT_LE(shown.top, 0);
    EXPECT_GE(shown.bottom, 400);
    // The same level shown again keeps it; another level ends it.
    open.session().showLevel(3);
    EXPECT_EQ(canvas.selection().size(), 1u);
    open.session().showLevel(2);
    EXPECT_TRUE(canvas.selection().empty());
}

TEST_F(Canvas, FindMemberAnswersForAMemberThatIsNoBeamOnThePlans) {
    for (const long member : {99L, 1L, 5L}) {
        open.window().findMember(member);
    }
    EXPECT_EQ(open.messages,
              (std::vector<std::string>{
                  "Member 99 is not in the listing.",
                  "Member 1 is a column, from 0 m to 3.5 m; the plans show beams only.",
                  "Member 5 is a beam without a design block, so it is not drawn."}));
    EXPECT_TRUE(canvas.selection().empty());

    OpenWindow crowded(crowdedMiddleLevelListing());
    crowded.window().findMember(1);
    ASSERT_EQ(crowded.messages.size(), 1u);
    EXPECT_EQ(crowded.messages[0].rfind(
                  "Member 1 is on the level at 3 m, which cannot be drawn: Level 2", 0),
              0u)
        << crowded.messages[0];
}

}  // namespace
}  // namespace fp::testing
