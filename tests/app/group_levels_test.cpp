// Level selection by label and arrow keys, and the redraws the view options cause.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QTest>

#include "group_fixture.h"

namespace fp::testing {
namespace {

class GroupLevels : public ::testing::Test {
  protected:
    GroupLevels() : open(threeLevelListing()), window(open.window()) {}

    int level() { return open.model().CurrentLevel; }

    OpenWindow open;
    Group& window;
};

TEST_F(GroupLevels, AClickOnALevelLabelMovesTheBorderAndRedraws) {
    const int drawn = window.plansDrawn();
    QTest::mouseClick(window.Labyy[2], Qt::LeftButton);
    EXPECT_EQ(level(), 2);
    EXPECT_EQ(window.Labyy[2]->BorderStyle(), 1);
    EXPECT_EQ(window.Labyy[3]->BorderStyle(), 0);
    EXPECT_EQ(window.LabLvl->Caption(), QStringLiteral("3.5 M"));
    EXPECT_EQ(window.plansDrawn(), drawn + 1);
    // No beam of the middle level has a design block.
    EXPECT_EQ(window.beamBoxes().BeamBoxCount, 0);
}

TEST_F(GroupLevels, ClickingTheLevelOnShowRedrawsItAndKeepsItsBorder) {
    const int drawn = window.plansDrawn();
    QTest::mouseClick(window.Labyy[3], Qt::LeftButton);
    EXPECT_EQ(level(), 3);
    EXPECT_EQ(window.Labyy[3]->BorderStyle(), 1);
    EXPECT_EQ(window.plansDrawn(), drawn + 1);
}

TEST_F(GroupLevels, ArrowsStepThroughTheLevelsWithoutWrapping) {
    QTest::keyClick(window.PicXZ, Qt::Key_Down);
    EXPECT_EQ(level(), 2);
    EXPECT_EQ(window.Labyy[3]->BorderStyle(), 0);
    EXPECT_EQ(window.Labyy[2]->BorderStyle(), 1);
    QTest::keyClick(window.PicXZ, Qt::Key_Down);
    EXPECT_EQ(level(), 1);

    int drawn = window.plansDrawn();
    QTest::keyClick(window.PicXZ, Qt::Key_Down);
    EXPECT_EQ(level(), 1);
    EXPECT_EQ(window.Labyy[1]->BorderStyle(), 1);
    EXPECT_EQ(window.plansDrawn(), drawn + 1);

    QTest::keyClick(window.PicXZ, Qt::Key_Up);
    QTest::keyClick(window.PicXZ, Qt::Key_Up);
    EXPECT_EQ(level(), 3);
    drawn = window.plansDrawn();
    QTest::keyClick(window.PicXZ, Qt::Key_Up);
    EXPECT_EQ(level(), 3);
    EXPECT_EQ(window.Labyy[3]->BorderStyle(), 1);
    EXPECT_EQ(window.LabLvl->Caption(), QStringLiteral("7 M"));
    EXPECT_EQ(window.plansDrawn(), drawn + 1);
}

TEST_F(GroupLevels, OtherKeysDoNothing) {
    const int drawn = window.plansDrawn();
    // '&' and '(' carry Qt key numbers equal to the up and down arrow codes.
    for (const Qt::Key key : {Qt::Key_Ampersand, Qt::Key_ParenLeft, Qt::Key_Left, Qt::Key_Right,
                              Qt::Key_A, Qt::Key_Space, Qt::Key_PageDown}) {
        QTest::keyClick(window.PicXZ, key);
    }
    EXPECT_EQ(level(), 3);
    EXPECT_EQ(window.Labyy[3]->BorderStyle(), 1);
    EXPECT_EQ(window.plansDrawn(), drawn);
}

TEST_F(GroupLevels, TheLevelCaptionUsesTheUsersDecimalSeparator) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTest::mouseClick(window.Labyy[2], Qt::LeftButton);
    QLocale::setDefault(previous);
    EXPECT_EQ(window.LabLvl->Caption(), QStringLiteral("3,5 M"));
    // The level labels keep the point whatever the locale.
    EXPECT_EQ(window.Labyy[2]->Caption(), QStringLiteral(" 3.5"));
}

TEST_F(GroupLevels, ChkAllCopiesItsValueToEveryBoxAndRedrawsOnce) {
    const int drawn = window.plansDrawn();
    QTest::mouseClick(window.ChkUDL[0], Qt::LeftButton);
    EXPECT_EQ(window.ChkUDL[0]->Value(), kUnticked);
    EXPECT_EQ(window.ChkUDL[1]->Value(), kUnticked);
    EXPECT_EQ(window.ChkUDL[2]->Value(), kUnticked);
    EXPECT_EQ(window.plansDrawn(), drawn + 1);
    EXPECT_EQ(window.viewState().intensityBoxes[2], kUnticked);

    window.ChkUDL[1]->setValue(kGrey);
    QTest::mouseClick(window.ChkUDL[0], Qt::LeftButton);
    EXPECT_EQ(window.ChkUDL[1]->Value(), kTicked);
    EXPECT_EQ(window.ChkUDL[2]->Value(), kTicked);
}

TEST_F(GroupLevels, AnIntensityBoxChangesNoOtherBoxAndRedraws) {
    const int drawn = window.plansDrawn();
    QTest::mouseClick(window.ChkUDL[2], Qt::LeftButton);
    EXPECT_EQ(window.ChkUDL[2]->Value(), kUnticked);
    EXPECT_EQ(window.ChkUDL[1]->Value(), kTicked);
    EXPECT_EQ(window.ChkUDL[0]->Value(), kTicked);
    EXPECT_EQ(window.plansDrawn(), drawn + 1);
}

TEST_F(GroupLevels, SettingABoxFromCodeRaisesItsClickOnlyWhenTheValueChanges) {
    int drawn = window.plansDrawn();
    window.ChkType->setValue(kTicked);
    EXPECT_EQ(window.plansDrawn(), drawn);
    window.ChkType->setValue(kGrey);
    EXPECT_EQ(window.plansDrawn(), drawn + 1);
    EXPECT_EQ(window.viewState().loadType, kGrey);
    // A user's click on a grey box ticks it.
    QTest::mouseClick(window.ChkType, Qt::LeftButton);
    EXPECT_EQ(window.ChkType->Value(), kTicked);
    EXPECT_EQ(window.plansDrawn(), drawn + 2);
}

TEST_F(GroupLevels, EveryOptionChangeGivesTheFocusBackToThePlan) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const int drawn = window.plansDrawn();
    QTest::mouseClick(window.ChkType, Qt::LeftButton);
    EXPECT_EQ(window.ChkType->Value(), kUnticked);
    EXPECT_EQ(window.focusWidget(), window.PicXZ);
    // Anywhere on the box counts, not only on its tick and caption.
    QTest::mouseClick(window.ChkUDL[1], Qt::LeftButton, {}, QPoint(55, 8));
    EXPECT_EQ(window.ChkUDL[1]->Value(), kUnticked);
    EXPECT_EQ(window.focusWidget(), window.PicXZ);
    EXPECT_EQ(window.plansDrawn(), drawn + 2);
    // So the arrows go on stepping through the levels.
    ASSERT_EQ(QApplication::focusWidget(), window.PicXZ);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(level(), 2);
}

}  // namespace
}  // namespace fp::testing
