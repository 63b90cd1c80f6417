// The controls above the plan: their texts and order, the controls of each mode, the boxes of
// the intensities with "Chk All" over them, and each change drawn once with the focus back on
// the plan.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "main_window_fixture.h"
#include "window/checks_dock.h"
#include "window/member_loads_strip.h"
#include "window/properties_dock.h"

namespace fp::testing {
namespace {

class Controls : public ::testing::Test {
  protected:
    Controls() : open(threeLevelListing()), bar(open.controls()) {
        open.window().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&open.window()));
    }

    int drawn() { return open.canvas().plansDrawn(); }
    bool planHasFocus() {
        return QTest::qWaitFor([this] { return QApplication::focusWidget() == &open.canvas(); });
    }
    void expectModeControls(LoadMode mode) {
        const bool floor = mode == LoadMode::Floor;
        EXPECT_EQ(open.view().mode, mode);
        EXPECT_EQ(bar.floorLoadOption->isChecked(), floor);
        EXPECT_EQ(bar.memberLoadOption->isChecked(), !floor);
        for (QWidget* floorControl : {static_cast<QWidget*>(bar.intensitiesLabel),
                                      static_cast<QWidget*>(bar.allIntensitiesBox),
                                      static_cast<QWidget*>(bar.intensityBoxes.at(0)),
                                      static_cast<QWidget*>(bar.intensityBoxes.at(1))}) {
            EXPECT_EQ(floorControl->isVisible(), floor) << floorControl->objectName().toStdString();
        }
        EXPECT_EQ(bar.beamNumbersBox->isVisible(), !floor);
        EXPECT_EQ(bar.memberLoads->isVisible(), !floor);
        EXPECT_EQ(bar.loadTypeBox->isEnabled(), floor);
    }

    OpenWindow open;
    ControlBar& bar;
};

TEST_F(Controls, OpenInFloorLoadModeWithTheirTextsInOrder) {
    expectModeControls(LoadMode::Floor);
    const std::vector<QWidget*> row{
        bar.memberLoadOption,  bar.floorLoadOption,   bar.loadTypeBox,      bar.intensitiesLabel,
        bar.allIntensitiesBox, bar.intensityBoxes[0], bar.intensityBoxes[1]};
    const QStringList texts{"Member Load", "Floor Load", "LOAD TYPE", "FLOADS ->",
                            "Chk All",     "2",          "4.5"};
    for (std::size_t i = 0; i < row.size(); ++i) {
        const QString text = qobject_cast<QLabel*>(row[i]) != nullptr
                                 ? qobject_cast<QLabel*>(row[i])->text()
                                 : qobject_cast<QAbstractButton*>(row[i])->text();
        EXPECT_EQ(text, texts[static_cast<int>(i)]);
        // In reading order: on the right of the one before, or on a row below it.
        if (i > 0) {
            const QRect before(row[i - 1]->mapTo(&bar, QPoint(0, 0)), row[i - 1]->size());
            const QRect at(row[i]->mapTo(&bar, QPoint(0, 0)), row[i]->size());
            const bool sameRow = at.top() <= before.bottom() && before.top() <= at.bottom();
            EXPECT_TRUE(at.top() > before.bottom() || (sameRow && at.left() > before.right())) << i;
        }
    }
    EXPECT_TRUE(bar.intensitiesLabel->alignment() & Qt::AlignRight);
    EXPECT_EQ(bar.beamNumbersBox->text(), QStringLiteral("Beem Nos"));
    EXPECT_TRUE(bar.loadTypeBox->isChecked());
    EXPECT_FALSE(bar.beamNumbersBox->isChecked());
    EXPECT_EQ(bar.allIntensitiesBox->checkState(), Qt::Checked);
    QLabel& memberLoads = *bar.memberLoads->label();
    EXPECT_EQ(memberLoads.text(), QStringLiteral("Member Loads   10   12.5"));
    EXPECT_EQ(memberLoads.font().family(), QStringLiteral("Liberation Sans Narrow"));
    EXPECT_DOUBLE_EQ(memberLoads.font().pointSizeF(), 12);
    // Tab goes from the level list across the controls as they stand, into the plan, then
    // through the docks beside it.
    std::vector<QWidget*> along{static_cast<QWidget*>(&open.levels()),
                                bar.memberLoadOption,
                                bar.floorLoadOption,
                                bar.loadTypeBox,
                                bar.casesButton,
                                bar.columnLoadsBox,
                                bar.columnLoadChoice,
                                bar.beamNumbersBox,
                                bar.allIntensitiesBox};
    along.insert(along.end(), bar.intensityBoxes.begin(), bar.intensityBoxes.end());
    along.push_back(&open.canvas());
    along.push_back(open.child<PropertiesDock>("propertiesDock").table);
    along.push_back(open.child<ChecksDock>("checksDock").list);
    std::vector<QWidget*> order;
    for (QWidget* widget = along.front(); order.size() < along.size();
         widget = widget->nextInFocusChain()) {
        if (std::find(along.begin(), along.end(), widget) != along.end()) {
            order.push_back(widget);
        }
    }
    EXPECT_EQ(order, along);
}

TEST_F(Controls, EachModeShowsItsControlsAndLoadTypeKeepsItsTick) {
    int before = drawn();
    QTest::mouseClick(bar.memberLoadOption, Qt::LeftButton);
    expectModeControls(LoadMode::Member);
    EXPECT_EQ(drawn(), before + 1);
    EXPECT_TRUE(planHasFocus());
    EXPECT_TRUE(bar.loadTypeBox->isChecked());
    QTest::mouseClick(bar.beamNumbersBox, Qt::LeftButton);
    EXPECT_TRUE(open.view().showsMemberNumbers());
    EXPECT_EQ(drawn(), before + 2);

    QTest::mouseClick(bar.floorLoadOption, Qt::LeftButton);
    expectModeControls(LoadMode::Floor);
    EXPECT_TRUE(open.view().loadCaseNumbers);
    EXPECT_FALSE(open.view().showsMemberNumbers());
}

// Any button released over an option draws the plan again in the mode selected; only the left
// button selects, and a release away from the option does nothing.
TEST_F(Controls, AReleaseOverAnOptionDrawsTheModeSelected) {
    const struct {
        QRadioButton* option;
        Qt::MouseButton button;
        LoadMode mode;
    } releases[] = {{bar.floorLoadOption, Qt::RightButton, LoadMode::Floor},
                    {bar.memberLoadOption, Qt::RightButton, LoadMode::Floor},
                    {bar.floorLoadOption, Qt::LeftButton, LoadMode::Floor},
                    {bar.memberLoadOption, Qt::LeftButton, LoadMode::Member},
                    {bar.floorLoadOption, Qt::MiddleButton, LoadMode::Member}};
    for (const auto& [option, button, mode] : releases) {
        const int before = drawn();
        QTest::mouseClick(option, button);
        expectModeControls(mode);
        EXPECT_EQ(drawn(), before + 1);
    }
    const int before = drawn();
    QTest::mousePress(bar.floorLoadOption, Qt::LeftButton);
    QTest::mouseRelease(bar.floorLoadOption, Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_EQ(drawn(), before);
    expectModeControls(LoadMode::Member);
}

TEST_F(Controls, AKeyboardChoiceOfModeAppliesItAsAClickDoes) {
    const int before = drawn();
    bar.floorLoadOption->setFocus();
    QTest::keyClick(bar.floorLoadOption, Qt::Key_Left);
    expectModeControls(LoadMode::Member);
    EXPECT_EQ(drawn(), before + 1);
    EXPECT_TRUE(planHasFocus());
    bar.floorLoadOption->setFocus();
    QTest::keyClick(bar.floorLoadOption, Qt::Key_Space);
    expectModeControls(LoadMode::Floor);
    EXPECT_EQ(drawn(), before + 2);
}

// "Chk All" shows whether every box, none or some are ticked; a click ticks them all unless all
// are ticked already, and clears them then.
TEST_F(Controls, ChkAllShowsTheBoxesStateAndAClickTicksThemAll) {
    const auto boxes = [&] {
        return std::vector<bool>{bar.intensityBoxes[0]->isChecked(),
                                 bar.intensityBoxes[1]->isChecked()};
    };
    int before = drawn();
    QTest::mouseClick(bar.intensityBoxes[1], Qt::LeftButton);
    EXPECT_EQ(boxes(), (std::vector<bool>{true, false}));
    EXPECT_EQ(bar.allIntensitiesBox->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(open.view().shownIntensities, std::vector<float>{2});
    EXPECT_EQ(drawn(), before + 1);
    EXPECT_TRUE(planHasFocus());

    QTest::mouseClick(bar.allIntensitiesBox, Qt::LeftButton);
    EXPECT_EQ(boxes(), (std::vector<bool>{true, true}));
    EXPECT_EQ(bar.allIntensitiesBox->checkState(), Qt::Checked);
    EXPECT_EQ(open.view().shownIntensities, (std::vector<float>{2, 4.5f}));
    EXPECT_EQ(drawn(), before + 2);

    QTest::mouseClick(bar.allIntensitiesBox, Qt::LeftButton);
    EXPECT_EQ(boxes(), (std::vector<bool>{false, false}));
    EXPECT_EQ(bar.allIntensitiesBox->checkState(), Qt::Unchecked);
    EXPECT_TRUE(open.view().shownIntensities.empty());
    QTest::mouseClick(bar.intensityBoxes[0], Qt::LeftButton);
    EXPECT_EQ(bar.allIntensitiesBox->checkState(), Qt::PartiallyChecked);
    QTest::mouseClick(bar.allIntensitiesBox, Qt::LeftButton);
    EXPECT_EQ(boxes(), (std::vector<bool>{true, true}));
}

TEST_F(Controls, EveryTickReachesTheDrawing) {
    const QImage allLoads = open.canvas().image().copy();
    QTest::mouseClick(bar.allIntensitiesBox, Qt::LeftButton);
    EXPECT_NE(open.canvas().image(), allLoads);
    QTest::mouseClick(bar.allIntensitiesBox, Qt::LeftButton);
    EXPECT_EQ(open.canvas().image(), allLoads);
    QTest::mouseClick(bar.loadTypeBox, Qt::LeftButton);
    EXPECT_FALSE(open.view().loadCaseNumbers);
    EXPECT_NE(open.canvas().image(), allLoads);

    QTest::mouseClick(bar.memberLoadOption, Qt::LeftButton);
    const QImage memberMode = open.canvas().image().copy();
    QTest::mouseClick(bar.beamNumbersBox, Qt::LeftButton);
    EXPECT_NE(open.canvas().image(), memberMode);
}

TEST(ControlsWithoutLoads, OnlyChkAllWithNothingToTickAndThePlainMemberLoadCaption) {
    OpenWindow open(unloadedListing());
    EXPECT_TRUE(open.controls().intensityBoxes.empty());
    EXPECT_TRUE(open.controls().allIntensitiesBox->isVisible());
    EXPECT_FALSE(open.controls().allIntensitiesBox->isEnabled());
    EXPECT_EQ(open.controls().memberLoads->label()->text(), QStringLiteral("Member Loads"));
}

TEST(ControlsBeforeAListing, AreLaidOutAsInFloorLoadMode) {
    TestedMainWindow empty;
    EXPECT_TRUE(empty.controls().floorLoadOption->isChecked());
    EXPECT_TRUE(empty.controls().allIntensitiesBox->isVisible());
    EXPECT_FALSE(empty.controls().memberLoads->isVisible());
    EXPECT_EQ(empty.levels().heightLabel->text(), QStringLiteral("Level"));
}

}  // namespace
}  // namespace fp::testing
