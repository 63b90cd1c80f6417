// Start-up of the main window: level labels, intensity boxes, captions and the plan area.
#include <gtest/gtest.h>

#include <QFont>

#include "app/window_services.h"
#include "group_fixture.h"

namespace fp::testing {
namespace {

TEST(GroupStartup, StacksOneLabelPerLevelBottomToTopAndOpensOnTheThirdLevel) {
    OpenWindow open(threeLevelListing());
    Group& window = open.window();
    ASSERT_EQ(window.Labyy.size(), 4u);
    EXPECT_EQ(window.Labyy[1]->Caption(), QStringLiteral(" 0"));
    EXPECT_EQ(window.Labyy[2]->Caption(), QStringLiteral(" 3.5"));
    EXPECT_EQ(window.Labyy[3]->Caption(), QStringLiteral(" 7"));
    // Each level directly above the one below, the column centred on half the window's height.
    EXPECT_DOUBLE_EQ(window.Labyy[1]->Top() - window.Labyy[2]->Top(), 270);
    EXPECT_DOUBLE_EQ(window.Labyy[2]->Top() - window.Labyy[3]->Top(), 270);
    // Centred on half the window's outer height, which takes in a frame where there is one.
    const double columnMiddle = (window.Labyy[3]->Top() + window.Labyy[1]->Top() + 270) / 2;
    EXPECT_GE(columnMiddle, 7500 / 2);
    EXPECT_LE(columnMiddle, window.outerHeightTwips() / 2);
    EXPECT_EQ(window.Labyy[1]->Left(), 30);
    EXPECT_EQ(window.Labyy[1]->Width(), 600);
    EXPECT_FALSE(window.Labyy[0]->Visible());

    EXPECT_EQ(open.model().CurrentLevel, 3);
    EXPECT_EQ(window.Labyy[3]->BorderStyle(), 1);
    EXPECT_EQ(window.Labyy[1]->BorderStyle(), 0);
    EXPECT_EQ(window.LabLvl->Caption(), QStringLiteral("7 M"));
    EXPECT_EQ(window.beamBoxes().BeamBoxCount, 4);
}

TEST(GroupStartup, ModelsWithFewerThanThreeLevelsOpenOnTheHighest) {
    OpenWindow open(closeBeamsListing());
    EXPECT_EQ(open.model().CurrentLevel, 2);
    EXPECT_EQ(open.window().Labyy[2]->BorderStyle(), 1);
    EXPECT_EQ(open.window().LabLvl->Caption(), QStringLiteral("3 M"));
}

TEST(GroupStartup, AListingWithoutJointsOpensOnAnEmptyPlan) {
    OpenWindow open(
        "    1. UNIT METER KN\n    2. JOINT COORDINATES\n    3. MEMBER INCIDENCES\n    4. "
        "FINISH\n");
    Group& window = open.window();
    EXPECT_EQ(window.beamBoxes().BeamBoxCount, 0);
    EXPECT_TRUE(window.isVisible());
    const int level = open.model().CurrentLevel;
    window.PicXZ_KeyDown(38);
    window.PicXZ_KeyDown(40);
    EXPECT_EQ(open.model().CurrentLevel, level);
}

TEST(GroupStartup, PutsOneTickedBoxPerIntensityInAscendingOrder900TwipsApart) {
    OpenWindow open(threeLevelListing());
    const auto& boxes = open.window().ChkUDL;
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0]->Caption(), QStringLiteral("Chk All"));
    EXPECT_EQ(boxes[0]->Left(), 7560);
    EXPECT_EQ(boxes[1]->Caption(), QStringLiteral("2"));
    EXPECT_EQ(boxes[1]->Left(), 8460);
    EXPECT_EQ(boxes[2]->Caption(), QStringLiteral("4.5"));
    EXPECT_EQ(boxes[2]->Left(), 9360);
    for (const ToolCheckBox* box : boxes) {
        EXPECT_EQ(box->Value(), kTicked);
        EXPECT_TRUE(box->Visible());
        EXPECT_EQ(box->Top(), 240);
        EXPECT_EQ(box->Width(), 900);
    }
}

TEST(GroupStartup, WithoutLoadsKeepsOnlyChkAllAndThePlainMemberLoadCaption) {
    OpenWindow open(unloadedListing());
    ASSERT_EQ(open.window().ChkUDL.size(), 1u);
    EXPECT_EQ(open.window().LabMlloads->Caption(), QStringLiteral("Member Loads"));
    EXPECT_EQ(open.window().LabMlloads->Width(), 1365);
}

TEST(GroupStartup, AppendsTheSortedMemberLoadsToTheirCaption) {
    OpenWindow open(threeLevelListing());
    const ToolLabel& label = *open.window().LabMlloads;
    EXPECT_EQ(label.Caption(), QStringLiteral("Member Loads   10   12.5"));
    // Wide enough to show every value, from its designed place.
    EXPECT_GE(label.width(), label.fontMetrics().horizontalAdvance(label.Caption()));
    EXPECT_EQ(label.Left(), 8640);
    EXPECT_EQ(label.Top(), 120);
    EXPECT_EQ(label.Height(), 300);
}

TEST(GroupStartup, OpensInFloorLoadModeWithTheDesignedControls) {
    OpenWindow open(threeLevelListing());
    Group& window = open.window();
    EXPECT_TRUE(window.OptFloor->Value());
    EXPECT_FALSE(window.OptMemb->Value());
    EXPECT_EQ(window.ChkType->Value(), kTicked);
    EXPECT_TRUE(window.ChkType->isEnabled());
    EXPECT_EQ(window.ChkBeeNos->Value(), kUnticked);
    EXPECT_FALSE(window.ChkBeeNos->Visible());
    EXPECT_FALSE(window.LabMlloads->Visible());
    EXPECT_EQ(window.LabUDLS->Caption(), QStringLiteral("FLOADS ->"));
    EXPECT_TRUE(window.LabUDLS->alignment() & Qt::AlignRight);
    EXPECT_TRUE(window.LabLvl->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(window.LabLvl->font().family(), QStringLiteral("Liberation Sans"));
    EXPECT_DOUBLE_EQ(window.LabLvl->font().pointSizeF(), 14.25);
    EXPECT_EQ(window.LabMlloads->font().family(), QStringLiteral("Liberation Sans Narrow"));
    EXPECT_DOUBLE_EQ(window.LabMlloads->font().pointSizeF(), 12);
    EXPECT_EQ(window.OptMemb->Caption(), QStringLiteral("Member Load"));
    EXPECT_EQ(window.OptMemb->geometry(), QRect(104, 8, 89, 25));
    // Tab moves through the controls that take the focus in their designed order.
    std::vector<QWidget*> tabOrder;
    for (QWidget* widget = window.ChkUDL[0]; tabOrder.size() < 5;
         widget = widget->nextInFocusChain()) {
        if (widget->focusPolicy() & Qt::TabFocus) {
            tabOrder.push_back(widget);
        }
    }
    EXPECT_EQ(tabOrder, (std::vector<QWidget*>{window.ChkUDL[0], window.OptMemb, window.OptFloor,
                                               window.PicXZ, window.ChkType}));
    EXPECT_FALSE(window.LabLvl->focusPolicy() & Qt::TabFocus);
    // "Beem Nos" covers the part of "FLOADS ->" it overlaps, as a control covers a label.
    const QPoint overlap =
        window.LabUDLS->geometry().intersected(window.ChkBeeNos->geometry()).center();
    window.OptMemb->setValue(true);
    window.OptMemb_MouseUp();
    EXPECT_EQ(window.childAt(overlap), window.ChkBeeNos);
    EXPECT_TRUE(window.ChkBeeNos->autoFillBackground());
}

TEST(GroupStartup, SizesThePlanAreaFromTheWindowAndFramesTheWholeModel) {
    OpenWindow open(threeLevelListing());
    const PictureBox& picture = *open.window().PicXZ;
    EXPECT_EQ(picture.Left(), 650);
    EXPECT_EQ(picture.Top(), 500);
    EXPECT_DOUBLE_EQ(picture.Width(), open.window().outerWidthTwips() - 1200);
    EXPECT_DOUBLE_EQ(picture.Height(), open.window().outerHeightTwips() - 1200);
    EXPECT_EQ(picture.image().deviceIndependentSize(), QSizeF(picture.contentsRect().size()));
    EXPECT_DOUBLE_EQ(picture.userScale().left, -100);
    EXPECT_DOUBLE_EQ(picture.userScale().top, -100);
    EXPECT_DOUBLE_EQ(picture.userScale().right, 600);
    EXPECT_DOUBLE_EQ(picture.userScale().bottom, 500);
}

TEST(GroupStartup, TheWindowServicesTakeTheListingNamedOnTheCommandLineAndShowItsPath) {
    const std::string listing = "/tmp/some listing.anl";
    WindowServices services(listing);
    QWidget window;
    services.setWindow(window);
    EXPECT_EQ(services.chooseListingFile("Analysis Files(*.ANL)|*.ANL"), listing);
    services.setCaption(listing);
    EXPECT_EQ(window.windowTitle().toStdString(), listing);
}

}  // namespace
}  // namespace fp::testing
