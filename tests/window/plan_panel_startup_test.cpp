// The client area showing a document: level labels, intensity boxes, captions and the plan area.
#include <gtest/gtest.h>

#include <QFont>

#include "plan_panel_fixture.h"

namespace fp::testing {
namespace {

TEST(PlanPanelStartup, StacksOneLabelPerLevelBottomToTopAndOpensOnTheThirdLevel) {
    OpenPanel open(threeLevelListing());
    PlanPanel& panel = open.panel();
    const auto& labels = panel.levelLabels;
    ASSERT_EQ(labels.size(), 3u);
    EXPECT_EQ(labels[0]->text(), QStringLiteral(" 0"));
    EXPECT_EQ(labels[1]->text(), QStringLiteral(" 3.5"));
    EXPECT_EQ(labels[2]->text(), QStringLiteral(" 7"));
    // Each level directly above the one below.
    EXPECT_DOUBLE_EQ(labels[0]->twipsGeometry().top - labels[1]->twipsGeometry().top, 270);
    EXPECT_DOUBLE_EQ(labels[1]->twipsGeometry().top - labels[2]->twipsGeometry().top, 270);
    // Centred on half the panel's height, 7500 twips as designed.
    const double columnMiddle =
        (labels[2]->twipsGeometry().top + labels[0]->twipsGeometry().top + 270) / 2;
    EXPECT_DOUBLE_EQ(panel.heightTwips(), 7500);
    EXPECT_NEAR(columnMiddle, 7500 / 2, 1);
    for (const PlacedLabel* label : labels) {
        EXPECT_EQ(label->twipsGeometry().left, 30);
        EXPECT_EQ(label->twipsGeometry().width, 600);
        EXPECT_TRUE(label->isShown());
    }

    EXPECT_EQ(panel.levelOnShow(), 3);
    EXPECT_TRUE(labels[2]->isMarked());
    EXPECT_FALSE(labels[0]->isMarked());
    EXPECT_FALSE(labels[1]->isMarked());
    EXPECT_EQ(panel.levelHeightLabel->text(), QStringLiteral("7 M"));
    EXPECT_EQ(panel.pickBoxes().size(), 4u);
}

TEST(PlanPanelStartup, ModelsWithFewerThanThreeLevelsOpenOnTheHighest) {
    OpenPanel open(closeBeamsListing());
    EXPECT_EQ(open.panel().levelOnShow(), 2);
    EXPECT_TRUE(open.panel().levelLabels[1]->isMarked());
    EXPECT_EQ(open.panel().levelHeightLabel->text(), QStringLiteral("3 M"));
}

TEST(PlanPanelStartup, AListingWithoutJointsOpensOnAnEmptyPlan) {
    OpenPanel open(
        "    1. UNIT METER KN\n    2. JOINT COORDINATES\n    3. MEMBER INCIDENCES\n    4. "
        "FINISH\n");
    PlanPanel& panel = open.panel();
    EXPECT_TRUE(panel.pickBoxes().empty());
    EXPECT_TRUE(panel.isVisible());
    const int level = panel.levelOnShow();
    panel.stepLevel(Qt::Key_Up);
    panel.stepLevel(Qt::Key_Down);
    EXPECT_EQ(panel.levelOnShow(), level);
}

TEST(PlanPanelStartup, PutsOneTickedBoxPerIntensityInAscendingOrder900TwipsApart) {
    OpenPanel open(threeLevelListing());
    PlanPanel& panel = open.panel();
    ASSERT_EQ(panel.intensityBoxes.size(), 2u);
    EXPECT_EQ(panel.allIntensitiesBox->text(), QStringLiteral("Chk All"));
    EXPECT_EQ(panel.allIntensitiesBox->twipsGeometry().left, 7560);
    EXPECT_EQ(panel.intensityBoxes[0]->text(), QStringLiteral("2"));
    EXPECT_EQ(panel.intensityBoxes[0]->twipsGeometry().left, 8460);
    EXPECT_EQ(panel.intensityBoxes[1]->text(), QStringLiteral("4.5"));
    EXPECT_EQ(panel.intensityBoxes[1]->twipsGeometry().left, 9360);
    std::vector<const PlacedCheckBox*> boxes{panel.allIntensitiesBox};
    boxes.insert(boxes.end(), panel.intensityBoxes.begin(), panel.intensityBoxes.end());
    for (const PlacedCheckBox* box : boxes) {
        EXPECT_TRUE(box->isTicked()) << box->text().toStdString();
        EXPECT_TRUE(box->isShown()) << box->text().toStdString();
        EXPECT_EQ(box->twipsGeometry().top, 240);
        EXPECT_EQ(box->twipsGeometry().width, 900);
    }
}

TEST(PlanPanelStartup, WithoutLoadsKeepsOnlyTheAllBoxAndThePlainMemberLoadCaption) {
    OpenPanel open(unloadedListing());
    EXPECT_TRUE(open.panel().intensityBoxes.empty());
    EXPECT_EQ(open.panel().memberLoadsLabel->text(), QStringLiteral("Member Loads"));
    EXPECT_EQ(open.panel().memberLoadsLabel->twipsGeometry().width, 1365);
}

TEST(PlanPanelStartup, AppendsTheSortedMemberLoadsToTheirCaption) {
    OpenPanel open(threeLevelListing());
    const PlacedLabel& label = *open.panel().memberLoadsLabel;
    EXPECT_EQ(label.text(), QStringLiteral("Member Loads   10   12.5"));
    // Wide enough to show every value, from its designed place.
    EXPECT_GE(label.width(), label.fontMetrics().horizontalAdvance(label.text()));
    EXPECT_EQ(label.twipsGeometry().left, 8640);
    EXPECT_EQ(label.twipsGeometry().top, 120);
    EXPECT_EQ(label.twipsGeometry().height, 300);
}

TEST(PlanPanelStartup, OpensInFloorLoadModeWithTheDesignedControls) {
    OpenPanel open(threeLevelListing());
    PlanPanel& panel = open.panel();
    EXPECT_TRUE(panel.floorLoadOption->isChecked());
    EXPECT_FALSE(panel.memberLoadOption->isChecked());
    EXPECT_TRUE(panel.loadTypeBox->isTicked());
    EXPECT_TRUE(panel.loadTypeBox->isEnabled());
    EXPECT_FALSE(panel.beamNumbersBox->isTicked());
    EXPECT_FALSE(panel.beamNumbersBox->isShown());
    EXPECT_FALSE(panel.memberLoadsLabel->isShown());
    EXPECT_EQ(panel.floadsLabel->text(), QStringLiteral("FLOADS ->"));
    EXPECT_TRUE(panel.floadsLabel->alignment() & Qt::AlignRight);
    EXPECT_TRUE(panel.levelHeightLabel->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(panel.levelHeightLabel->font().family(), QStringLiteral("Liberation Sans"));
    EXPECT_DOUBLE_EQ(panel.levelHeightLabel->font().pointSizeF(), 14.25);
    EXPECT_EQ(panel.memberLoadsLabel->font().family(), QStringLiteral("Liberation Sans Narrow"));
    EXPECT_DOUBLE_EQ(panel.memberLoadsLabel->font().pointSizeF(), 12);
    EXPECT_EQ(panel.memberLoadOption->text(), QStringLiteral("Member Load"));
    EXPECT_EQ(panel.memberLoadOption->geometry(), QRect(104, 8, 89, 25));
    // Tab moves through the controls that take the focus in their designed order.
    std::vector<QWidget*> tabOrder;
    for (QWidget* widget = panel.allIntensitiesBox; tabOrder.size() < 5;
         widget = widget->nextInFocusChain()) {
        if (widget->focusPolicy() & Qt::TabFocus) {
            tabOrder.push_back(widget);
        }
    }
    EXPECT_EQ(tabOrder,
              (std::vector<QWidget*>{panel.allIntensitiesBox, panel.memberLoadOption,
                                     panel.floorLoadOption, panel.planArea, panel.loadTypeBox}));
    EXPECT_FALSE(panel.levelHeightLabel->focusPolicy() & Qt::TabFocus);
    // "Beem Nos" covers the part of "FLOADS ->" it overlaps, as a control covers a label.
    const QPoint overlap =
        panel.floadsLabel->geometry().intersected(panel.beamNumbersBox->geometry()).center();
    panel.memberLoadOption->setChecked(true);
    panel.memberLoadReleased();
    EXPECT_EQ(panel.childAt(overlap), panel.beamNumbersBox);
    EXPECT_TRUE(panel.beamNumbersBox->autoFillBackground());
}

TEST(PlanPanelStartup, SizesThePlanAreaFromTheWindowAndFramesTheWholeModel) {
    OpenPanel open(threeLevelListing());
    const PlanArea& area = *open.panel().planArea;
    EXPECT_EQ(area.twipsGeometry().left, 650);
    EXPECT_EQ(area.twipsGeometry().top, 500);
    EXPECT_DOUBLE_EQ(area.twipsGeometry().width, open.panel().widthTwips() - 1200);
    EXPECT_DOUBLE_EQ(area.twipsGeometry().height, open.panel().heightTwips() - 1200);
    EXPECT_EQ(area.image().deviceIndependentSize(), QSizeF(area.contentsRect().size()));
    EXPECT_DOUBLE_EQ(area.frame().left, -100);
    EXPECT_DOUBLE_EQ(area.frame().top, -100);
    EXPECT_DOUBLE_EQ(area.frame().right, 600);
    EXPECT_DOUBLE_EQ(area.frame().bottom, 500);
}

}  // namespace
}  // namespace fp::testing
