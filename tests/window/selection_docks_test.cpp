// Selecting on the plan, the Properties dock of what is selected, the Listing dock its listing
// lines lead to, and the status bar's elided text.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <algorithm>
#include <fstream>

#include "main_window_fixture.h"
#include "reader/line_index.h"
#include "window/elided_label.h"
#include "window/listing_dock.h"
#include "window/listing_view.h"
#include "window/properties_dock.h"

namespace fp::testing {
namespace {

// On the top level of the three-level listing: beam 1 is member 9 along Z = 0, under 12.5 kN/m
// read from line 17; the 5 m by 4 m bay carries 4.5 kN/m² from line 14.
const QPointF kOnBeam9(250, 0);
const QPointF kInBay(250, 200);
const QPointF kOffThePlan(-60, 200);

class Inspect : public ::testing::Test {
  protected:
    Inspect() : open(threeLevelListing()), canvas(open.canvas()) {}

    void click(QPointF planPoint, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(&canvas, Qt::LeftButton, modifiers, open.pixelOf(planPoint));
    }
    Selection beam9() const { return {SelectedItem::beam(9)}; }
    SelectedItem bay() {
        return SelectedItem::panel(open.window().document()->level(2).panels.at(0).bounds);
    }
    PropertiesDock& properties() { return open.child<PropertiesDock>("propertiesDock"); }
    ListingDock& listing() { return open.child<ListingDock>("listingDock"); }
    // The row of the Properties table whose first cells are these.
    int rowOf(const QString& property, const QString& value) {
        QTableWidget& table = *properties().table;
        for (int row = 0; row < table.rowCount(); ++row) {
            if (table.item(row, 0)->text() == property && table.item(row, 1)->text() == value) {
                return row;
            }
        }
        return -1;
    }

    OpenWindow open;
    PlanCanvas& canvas;
};

TEST_F(Inspect, ClicksSelectCtrlTogglesAndEscapeOrEmptyPaperClears) {
    struct Step {
        QPointF at;
        Qt::KeyboardModifiers modifiers;
        int selected;  // beam 9 and the bay, as bits 1 and 2
    };
    const std::vector<Step> steps{
        {kOnBeam9, {}, 1},
        {kInBay, Qt::ControlModifier, 3},
        {kOnBeam9, Qt::ControlModifier, 2},
        {kOffThePlan, Qt::ControlModifier, 2},
        {kOnBeam9, {}, 1},
        {kOffThePlan, {}, 0},
    };
    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(i);
        click(steps[i].at, steps[i].modifiers);
        Selection expected;
        for (std::size_t k = 0; k < 2; ++k) {
            const SelectedItem item = k == 0 ? SelectedItem::beam(9) : bay();
            if ((steps[i].selected & (1 << k)) != 0) {
                expected.push_back(item);
            }
        }
        const Selection got = open.session().selection();
        EXPECT_EQ(got.size(), expected.size());
        for (const SelectedItem& item : expected) {
            EXPECT_NE(std::find(got.begin(), got.end(), item), got.end());
        }
    }
    click(kOnBeam9);
    QTest::keyClick(&canvas, Qt::Key_Escape);
    EXPECT_TRUE(open.session().selection().empty());
    EXPECT_TRUE(open.messages.empty()) << "no box unless asked for";
}

TEST_F(Inspect, TheBeamNumberBoxIsAnOption) {
    open.action("beamNumberBoxOnClickAction").setChecked(true);
    click(kOnBeam9);
    EXPECT_EQ(open.picked(), std::vector<int>{1});
    EXPECT_EQ(open.session().selection(), beam9()) << "and the click still selects";
}

TEST_F(Inspect, TheSelectionOutlivesZoomAndReloadWhileItsMembersDo) {
    click(kOnBeam9);
    click(kInBay, Qt::ControlModifier);
    const Selection both = open.session().selection();
    canvas.zoomAtMiddle(2);
    EXPECT_EQ(open.session().selection(), both);
    ASSERT_TRUE(open.reload());
    EXPECT_EQ(open.session().selection(), both);

    // Member 9 renumbered 19: its beam is gone, the bay it closes is still there.
    std::string renumbered = threeLevelListing();
    renumbered.replace(renumbered.find("   10. 9 9 10"), 13, "   10. 19 9 10");
    renumbered.replace(renumbered.find("N O.     9"), 10, "N O.    19");
    std::ofstream(open.listingPath(), std::ios::trunc) << renumbered;
    ASSERT_TRUE(open.reload());
    EXPECT_EQ(open.session().selection(), Selection{bay()});

    open.session().showLevel(2);
    EXPECT_TRUE(open.session().selection().empty());
}

TEST_F(Inspect, PropertiesShowWhatIsSelectedAndCopyItAsTabSeparatedText) {
    open.action("propertiesAction").trigger();
    EXPECT_EQ(properties().caption->text(), QStringLiteral("Nothing is selected."));
    click(kOnBeam9);
    EXPECT_EQ(properties().caption->text(), QStringLiteral("Beam 1"));
    const int load = rowOf(QStringLiteral("Member load"), QStringLiteral("12.5 kN/m"));
    ASSERT_GE(load, 0);
    EXPECT_EQ(properties().table->item(load, 3)->text(), QStringLiteral("17"));

    QApplication::clipboard()->clear();
    properties().table->setFocus();
    QTest::keyClick(properties().table, Qt::Key_C, Qt::ControlModifier);
    const QString copied = QApplication::clipboard()->text();
    EXPECT_EQ(copied, properties().tableText());
    EXPECT_TRUE(copied.contains(QStringLiteral("\nMember load\t12.5 kN/m\tCase 1 DL\t17\n")))
        << copied.toStdString();

    click(kInBay, Qt::ControlModifier);
    EXPECT_EQ(properties().caption->text(), QStringLiteral("2 selected"));
    QTableWidget& table = *properties().table;
    EXPECT_EQ(table.item(table.rowCount() - 1, 0)->text(), QStringLiteral("Total"));

    open.session().showLevel(2);
    EXPECT_EQ(properties().caption->text(), QStringLiteral("Nothing is selected."));
}

TEST_F(Inspect, AListingLineLeadsToTheListingDockWithItsOwnFindAndGoToLine) {
    open.action("propertiesAction").trigger();
    click(kInBay);
    const int load = rowOf(QStringLiteral("Floor load"), QStringLiteral("4.5 kN/m², 90 kN"));
    ASSERT_GE(load, 0);
    QTableWidget& table = *properties().table;
    const QRect cell = table.visualRect(table.model()->index(load, 3));
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, cell.center());
    ListingView& view = *listing().view;
    ASSERT_TRUE(listing().isVisible());
    // The lines are indexed off the window's thread; the line asked for is shown once they are.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !listing().isIndexing(); }));
    EXPECT_EQ(view.currentLine(), 14);
    EXPECT_EQ(view.highlightedLine(), 14);
    EXPECT_LE(view.topLine(), 14);
    EXPECT_LT(14, view.topLine() + view.linesOnShow());

    listing().findField->setText(QStringLiteral("uni gy"));
    struct Step {
        void (ListingDock::*find)();
        long line;
    };
    for (const Step& step : std::vector<Step>{{&ListingDock::findNext, 17},
                                              {&ListingDock::findNext, 18},
                                              {&ListingDock::findNext, 17},
                                              {&ListingDock::findPrevious, 18}}) {
        (listing().*step.find)();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !listing().isFinding(); }));
        EXPECT_EQ(view.currentLine(), step.line);
    }
    listing().findField->setText(QStringLiteral("NOT THERE"));
    listing().findNext();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !listing().isFinding(); }));
    EXPECT_TRUE(listing().note->isVisibleTo(&listing()));

    open.action("goToListingLineAction").trigger();
    EXPECT_TRUE(listing().lineField->hasFocus());
    listing().showLine(2);
    EXPECT_EQ(view.currentLine(), 2);

    // Read again with a line more: the dock reads the new file.
    const long lines = view.index()->lineCount();
    std::ofstream(open.listingPath(), std::ios::trunc) << "\n" + threeLevelListing();
    ASSERT_TRUE(open.reload());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !listing().isIndexing(); }));
    ASSERT_NE(view.index(), nullptr);
    EXPECT_EQ(view.index()->lineCount(), lines + 1);
}

TEST(StatusBar, LongTextIsElidedWithTheWholeOfItInATooltip) {
    ElidedLabel label;
    label.resize(120, 20);
    const QString whole =
        QStringLiteral("X 2.5 m, Z 0 m; beam 1: member 9, 5 m long, member loads");
    label.setText(whole);
    EXPECT_EQ(label.text(), whole);
    EXPECT_TRUE(label.shownText().endsWith(QChar(0x2026)));
    EXPECT_EQ(label.toolTip(), whole);
    label.setText(QStringLiteral("X 1 m"));
    EXPECT_EQ(label.shownText(), QStringLiteral("X 1 m"));
    EXPECT_TRUE(label.toolTip().isEmpty());
    EXPECT_LT(label.minimumSizeHint().width(), 10) << "it never widens the window";
}

}  // namespace
}  // namespace fp::testing
