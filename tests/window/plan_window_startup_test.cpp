// The window showing a document: level labels, intensity boxes, captions and the plan area.
#include <gtest/gtest.h>

#include <QFont>

#include "plan_window_fixture.h"

namespace fp::testing {
namespace {

TEST(PlanWindowStartup, StacksOneLabelPerLevelBottomToTopAndOpensOnTheThirdLevel) {
    OpenWindow open(threeLevelListing());
    PlanWindow& window = open.window();
    const auto& labels = window.levelLabels;
    ASSERT_EQ(labels.size(), 3u);
    EXPECT_EQ(labels[0]->text(), QStringLiteral(" 0"));
    EXPECT_EQ(labels[1]->text(), QStringLiteral(" 3.5"));
    EXPECT_EQ(labels[2]->text(), QStringLiteral(" 7"));
    // Each level directly above the one below.
    EXPECT_DOUBLE_EQ(labels[0]->twipsGeometry().top - labels[1]->twipsGeometry().top, 270);
    EXPECT_DOUBLE_EQ(labels[1]->twipsGeometry().top - labels[2]->twipsGeometry().top, 270);
    // Centred on half the window's outer height, which takes in a frame where there is one.
    const double columnMiddle =
        (labels[2]->twipsGeometry().top + labels[0]->twipsGeometry().top + 270) / 2;
    EXPECT_GE(columnMiddle, 7500 / 2);
    EXPECT_LE(columnMiddle, window.outerHeightTwips() / 2);
    for (const PlacedLabel* label : labels) {
        EXPECT_EQ(label->twipsGeometry().left, 30);
        EXPECT_EQ(label->twipsGeometry().width, 600);
        EXPECT_TRUE(label->isShown());
    }

    EXPECT_EQ(window.levelOnShow(), 3);
    EXPECT_TRUE(labels[2]->isMarked());
    EXPECT_FALSE(labels[0]->isMarked());
    EXPECT_FALSE(labels[1]->isMarked());
    EXPECT_EQ(window.levelHeightLabel->text(), QStringLiteral("7 M"));
    EXPECT_EQ(window.pickBoxes().size(), 4u);
}

TEST(PlanWindowStartup, ModelsWithFewerThanThreeLevelsOpenOnTheHighest) {
    OpenWindow open(closeBeamsListing());
    EXPECT_EQ(open.window().levelOnShow(), 2);
    EXPECT_TRUE(open.window().levelLabels[1]->isMarked());
    EXPECT_EQ(open.window().levelHeightLabel->text(), QStringLiteral("3 M"));
}

TEST(PlanWindowStartup, AListingWithoutJointsOpensOnAnEmptyPlan) {
    OpenWindow open(
        "    1. UNIT METER KN\n    2. JOINT COORDINATES\n    3. MEMBER INCIDENCES\n    4. "
        "FINISH\n");
    PlanWindow& window = open.window();
    EXPECT_TRUE(window.pickBoxes().empty());
    EXPECT_TRUE(window.isVisible());
    const int level = window.levelOnShow();
    window.stepLevel(Qt::Key_Up);
    window.stepLevel(Qt::Key_Down);
    EXPECT_EQ(window.levelOnShow(), level);
}

TEST(PlanWindowStartup, PutsOneTickedBoxPerIntensityInAscendingOrder900TwipsApart) {
    OpenWindow open(threeLevelListing());
    PlanWindow& window = open.window();
    ASSERT_EQ(window.intensityBoxes.size(), 2u);
    EXPECT_EQ(window.allIntensitiesBox->text(), QStringLiteral("Chk All"));
    EXPECT_EQ(window.allIntensitiesBox->twipsGeometry().left, 7560);
    EXPECT_EQ(window.intensityBoxes[0]->text(), QStringLiteral("2"));
    EXPECT_EQ(window.intensityBoxes[0]->twipsGeometry().left, 8460);
    EXPECT_EQ(window.intensityBoxes[1]->text(), QStringLiteral("4.5"));
    EXPECT_EQ(window.intensityBoxes[1]->twipsGeometry().left, 9360);
    std::vector<const PlacedCheckBox*> boxes{window.allIntensitiesBox};
    boxes.insert(boxes.end(), window.intensityBoxes.begin(), window.intensityBoxes.end());
    for (const PlacedCheckBox* box : boxes) {
        EXPECT_TRUE(box->isTicked()) << box->text().toStdString();
        EXPECT_TRUE(box->isShown()) << box->text().toStdString();
        EXPECT_EQ(box->twipsGeometry().top, 240);
        EXPECT_EQ(box->twipsGeometry().width, 900);
    }
}

TEST(PlanWindowStartup, WithoutLoadsKeepsOnlyTheAllBoxAndThePlainMemberLoadCaption) {
    OpenWindow open(unloadedListing());
    EXPECT_TRUE(open.window().intensityBoxes.empty());
    EXPECT_EQ(open.window().memberLoadsLabel->text(), QStringLiteral("Member Loads"));
    EXPECT_EQ(open.window().memberLoadsLabel->twipsGeometry().width, 1365);
}

TEST(PlanWindowStartup, AppendsTheSortedMemberLoadsToTheirCaption) {
    OpenWindow open(threeLevelListing());
    const PlacedLabel& label = *open.window().memberLoadsLabel;
    EXPECT_EQ(label.text(), QStringLiteral("Member Loads   10   12.5"));
    // Wide enough to show every value, from its designed place.
    EXPECT_GE(label.width(), label.fontMetrics().horizontalAdvance(label.text()));
    EXPECT_EQ(label.twipsGeometry().left, 8640);
    EXPECT_EQ(label.twipsGeometry().top, 120);
    EXPECT_EQ(label.twipsGeometry().height, 300);
}

TEST(PlanWindowStartup, OpensInFloorLoadModeWithTheDesignedControls) {
    OpenWindow open(threeLevelListing());
    PlanWindow& window = open.window();
    EXPECT_TRUE(window.floorLoadOption->isChecked());
    EXPECT_FALSE(window.memberLoadOption->isChecked());
    EXPECT_TRUE(window.loadTypeBox->isTicked());
    EXPECT_TRUE(window.loadTypeBox->isEnabled());
    EXPECT_FALSE(window.beamNumbersBox->isTicked());
    EXPECT_FALSE(window.beamNumbersBox->isShown());
    EXPECT_FALSE(window.memberLoadsLabel->isShown());
    EXPECT_EQ(window.floadsLabel->text(), QStringLiteral("FLOADS ->"));
    EXPECT_TRUE(window.floadsLabel->alignment() & Qt::AlignRight);
    EXPECT_TRUE(window.levelHeightLabel->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(window.levelHeightLabel->font().family(), QStringLiteral("Liberation Sans"));
    EXPECT_DOUBLE_EQ(window.levelHeightLabel->font().pointSizeF(), 14.25);
    EXPECT_EQ(window.memberLoadsLabel->font().family(), QStringLiteral("Liberation Sans Narrow"));
    EXPECT_DOUBLE_EQ(window.memberLoadsLabel->font().pointSizeF(), 12);
    EXPECT_EQ(window.memberLoadOption->text(), QStringLiteral("Member Load"));
    EXPECT_EQ(window.memberLoadOption->geometry(), QRect(104, 8, 89, 25));
    // Tab moves through the controls that take the focus in their designed order.
    std::vector<QWidget*> tabOrder;
    for (QWidget* widget = window.allIntensitiesBox; tabOrder.size() < 5;
         widget = widget->nextInFocusChain()) {
        if (widget->focusPolicy() & Qt::TabFocus) {
            tabOrder.push_back(widget);
        }
    }
    EXPECT_EQ(tabOrder,
              (std::vector<QWidget*>{window.allIntensitiesBox, window.memberLoadOption,
                                     window.floorLoadOption, window.planArea, window.loadTypeBox}));
    EXPECT_FALSE(window.levelHeightLabel->focusPolicy() & Qt::TabFocus);
    // "Beem Nos" covers the part of "FLOADS ->" it overlaps, as a control covers a label.
    const QPoint overlap =
        window.floadsLabel->geometry().intersected(window.beamNumbersBox->geometry()).center();
    window.memberLoadOption->setChecked(true);
    window.memberLoadReleased();
    EXPECT_EQ(window.childAt(overlap), window.beamNumbersBox);
    EXPECT_TRUE(window.beamNumbersBox->autoFillBackground());
}

TEST(PlanWindowStartup, SizesThePlanAreaFromTheWindowAndFramesTheWholeModel) {
    OpenWindow open(threeLevelListing());
    const PlanArea& area = *open.window().planArea;
    EXPECT_EQ(area.twipsGeometry().left, 650);
    EXPECT_EQ(area.twipsGeometry().top, 500);
    EXPECT_DOUBLE_EQ(area.twipsGeometry().width, open.window().outerWidthTwips() - 1200);
    EXPECT_DOUBLE_EQ(area.twipsGeometry().height, open.window().outerHeightTwips() - 1200);
    EXPECT_EQ(area.image().deviceIndependentSize(), QSizeF(area.contentsRect().size()));
    EXPECT_DOUBLE_EQ(area.frame().left, -100);
    EXPECT_DOUBLE_EQ(area.frame().top, -100);
    EXPECT_DOUBLE_EQ(area.frame().right, 600);
    EXPECT_DOUBLE_EQ(area.frame().bottom, 500);
}

TEST(PlanWindowStartup, AnotherDocumentReplacesTheControlsOfTheFirst) {
    OpenWindow open(threeLevelListing());
    PlanWindow& window = open.window();
    RecordingMessages messages;
    TemporaryListing other(closeBeamsListing());
    window.showDocument(openListing(other.path(), messages));
    ASSERT_EQ(window.levelLabels.size(), 2u);
    EXPECT_EQ(window.levelLabels[1]->text(), QStringLiteral(" 3"));
    EXPECT_EQ(window.findChildren<PlacedLabel*>(QStringLiteral("levelLabel3")).size(), 0);
    EXPECT_TRUE(window.intensityBoxes.empty());
    EXPECT_EQ(window.findChildren<PlacedCheckBox*>(QStringLiteral("intensityBox1")).size(), 0);
    EXPECT_EQ(window.memberLoadsLabel->text(), QStringLiteral("Member Loads"));
    EXPECT_EQ(window.levelOnShow(), 2);
    EXPECT_EQ(window.pickBoxes().size(), 2u);
}

}  // namespace
}  // namespace fp::testing
