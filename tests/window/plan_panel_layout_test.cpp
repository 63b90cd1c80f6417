// Nothing the user can reach lies outside the panel: the intensity boxes wrap onto further rows,
// the level column scrolls and keeps the level on show in view, the member-load label stays
// over the plan; and the designed places hold at the designed size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include "plan_panel_fixture.h"

namespace fp::testing {
namespace {

// Whether all of the widget lies inside the panel, and inside `clip` when given.
bool insidePanel(const PlanPanel& panel, const QWidget& widget, const QWidget* clip = nullptr) {
    const QRect place(widget.mapTo(&panel, QPoint(0, 0)), widget.size());
    const bool inClip =
        clip == nullptr || QRect(clip->mapTo(&panel, QPoint(0, 0)), clip->size()).contains(place);
    return panel.rect().contains(place) && inClip;
}

TEST(PlanPanelLayout, TwentyIntensitiesAndFortyLevelsAreAllWithinReach) {
    OpenPanel open(manyLevelsListing(40, 20));
    PlanPanel& panel = open.panel();
    ASSERT_EQ(panel.intensityBoxes.size(), 20u);
    ASSERT_EQ(panel.levelLabels.size(), 40u);
    for (const PlacedCheckBox* box : panel.intensityBoxes) {
        EXPECT_TRUE(insidePanel(panel, *box)) << box->text().toStdString();
        // Above the plan, which moves down to make room.
        EXPECT_LE(box->geometry().bottom(), panel.planArea->geometry().top());
    }
    // The first six keep their designed places.
    EXPECT_EQ(panel.intensityBoxes[0]->twipsGeometry().left, 8460);
    EXPECT_EQ(panel.intensityBoxes[5]->twipsGeometry().left, 8460 + 5 * 900);
    EXPECT_EQ(panel.intensityBoxes[5]->twipsGeometry().top, 240);

    ASSERT_TRUE(panel.levelColumn->scrolls());
    QWidget* shown = panel.levelColumn->viewport();
    for (int level = 1; level <= 40; ++level) {
        panel.selectLevel(level);
        EXPECT_TRUE(insidePanel(panel, *panel.levelLabels[level - 1], shown)) << level;
    }
    // The column sits beside the plan, not under it.
    EXPECT_LE(panel.levelColumn->geometry().right(), panel.planArea->geometry().left());
}

TEST(PlanPanelLayout, AtTheDesignedSizeTheControlsKeepTheirDesignedPlaces) {
    OpenPanel open(manyLevelsListing(27, 6));
    PlanPanel& panel = open.panel();
    // 27 labels of 270 twips fit in the 7500 twips of the panel, centred, with no scrolling.
    EXPECT_FALSE(panel.levelColumn->scrolls());
    EXPECT_EQ(panel.levelLabels[26]->twipsGeometry().top, 105);
    EXPECT_EQ(panel.levelLabels[0]->mapTo(&panel, QPoint(0, 0)), QPoint(2, 475));
    for (const PlacedCheckBox* box : panel.intensityBoxes) {
        EXPECT_EQ(box->twipsGeometry().top, 240) << box->text().toStdString();
    }
    EXPECT_EQ(panel.planArea->twipsGeometry().left, 650);
    EXPECT_EQ(panel.planArea->twipsGeometry().top, 500);
}

TEST(PlanPanelLayout, AWiderPanelTakesMoreIntensitiesOnItsFirstRow) {
    OpenPanel open(manyLevelsListing(3, 20));
    PlanPanel& panel = open.panel();
    const double rowTop = panel.intensityBoxes[19]->twipsGeometry().top;
    panel.resize(1900, 700);
    EXPECT_LT(panel.intensityBoxes[19]->twipsGeometry().top, rowTop);
    for (const PlacedCheckBox* box : panel.intensityBoxes) {
        EXPECT_TRUE(insidePanel(panel, *box)) << box->text().toStdString();
    }
}

class MemberLoadsLabelClamp : public ::testing::Test {
  protected:
    MemberLoadsLabelClamp() : open(threeLevelListing()), panel(open.panel()) {
        QTest::mouseClick(panel.memberLoadOption, Qt::LeftButton);
    }

    void dragBy(int pixels) {
        PlacedLabel& label = *panel.memberLoadsLabel;
        const QPoint grab(10, 5);
        QMouseEvent press(QEvent::MouseButtonPress, grab, label.mapToGlobal(grab), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&label, &press);
        const QPoint to = grab + QPoint(pixels, 0);
        QMouseEvent move(QEvent::MouseMove, to, label.mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&label, &move);
    }

    OpenPanel open;
    PlanPanel& panel;
};

TEST_F(MemberLoadsLabelClamp, TheLabelStaysOverThePlanHoweverItIsDragged) {
    const QRect plan = panel.planArea->geometry();
    dragBy(-5000);
    EXPECT_EQ(panel.memberLoadsLabel->x(), plan.left());
    dragBy(5000);
    EXPECT_EQ(panel.memberLoadsLabel->geometry().right(), plan.right());
    // A narrower panel takes it along.
    panel.resize(600, 500);
    EXPECT_LE(panel.memberLoadsLabel->geometry().right(), panel.planArea->geometry().right());
    EXPECT_GE(panel.memberLoadsLabel->x(), panel.planArea->x());
}

TEST(PlanPanelFocus, TheArrowsStepLevelsAfterAClickOnALevelLabel) {
    OpenPanel open(manyLevelsListing(12, 2));
    PlanPanel& panel = open.panel();
    panel.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
    // At start-up the plan has the focus.
    EXPECT_EQ(QApplication::focusWidget(), panel.planArea);
    panel.loadTypeBox->setFocus();
    QTest::mouseClick(panel.levelLabels[5], Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), panel.planArea);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_EQ(panel.levelOnShow(), 7);
    QTest::keyClick(panel.planArea, Qt::Key_PageUp);
    EXPECT_EQ(panel.levelOnShow(), 12);
    QTest::keyClick(panel.planArea, Qt::Key_PageDown);
    EXPECT_EQ(panel.levelOnShow(), 7);
    QTest::keyClick(panel.planArea, Qt::Key_End);
    EXPECT_EQ(panel.levelOnShow(), 1);
    QTest::keyClick(panel.planArea, Qt::Key_PageDown);
    EXPECT_EQ(panel.levelOnShow(), 1);
    QTest::keyClick(panel.planArea, Qt::Key_Home);
    EXPECT_EQ(panel.levelOnShow(), 12);
}

}  // namespace
}  // namespace fp::testing
