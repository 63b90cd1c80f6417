// The window's one state seen from outside: the View menu made from its table of options, and
// docks and plan that stay where they are while the engineer works.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QSettings>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "main_window_fixture.h"
#include "window/checks_dock.h"
#include "window/properties_dock.h"

namespace fp::testing {
namespace {

TEST(ViewOptionTable, ARowMakesItsMenuEntryItsSavingAndItsReloadRule) {
    QSettings().clear();
    // The program's table with two rows of the test's own in place of two of its rows.
    ViewOptions options;
    for (const ViewOption& option : viewOptions()) {
        if (option.field != &PlanView::gridLines &&
            option.field != &PlanView::designedLabelPositions) {
            options.push_back(option);
        }
    }
    options.push_back(
        {"forgotten", "&Forgotten On Reload", "Ctrl+Shift+Y", &PlanView::gridLines, false, false});
    options.push_back(
        {"remembered", "&Remembered", "", &PlanView::designedLabelPositions, true, true});
    TemporaryListing listing(threeLevelListing());
    {
        TestedMainWindow tested(options);
        ASSERT_TRUE(tested.open(listing.path()));
        QAction& forgotten = tested.action("forgottenAction");
        EXPECT_TRUE(tested.child<QMenu>("viewMenu").actions().contains(&forgotten));
        EXPECT_EQ(forgotten.text(), QStringLiteral("&Forgotten On Reload"));
        EXPECT_EQ(forgotten.shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+Y")));
        EXPECT_TRUE(forgotten.isChecked()) << "it starts as the view does";
        forgotten.trigger();
        EXPECT_FALSE(tested.view().gridLines);
        ASSERT_TRUE(tested.reload());
        EXPECT_TRUE(tested.view().gridLines) << "a reading starts it afresh";
        EXPECT_TRUE(forgotten.isChecked()) << "and the menu follows";

        tested.action("rememberedAction").trigger();
        EXPECT_TRUE(tested.view().designedLabelPositions);
        ASSERT_TRUE(tested.reload());
        EXPECT_TRUE(tested.view().designedLabelPositions);
        tested.session().setOption(&PlanView::gridLines, false);
        EXPECT_FALSE(forgotten.isChecked()) << "a change made elsewhere shows in the menu";
    }
    TestedMainWindow nextRun(options);
    EXPECT_TRUE(nextRun.view().designedLabelPositions);
    EXPECT_TRUE(nextRun.action("rememberedAction").isChecked());
    EXPECT_TRUE(nextRun.view().gridLines);
    QSettings().clear();
}

// The rectangle of a widget in the window's coordinates.
QRect placeOf(QWidget& widget) {
    return QRect(widget.mapTo(widget.window(), QPoint(0, 0)), widget.size());
}

class DocksBesideThePlan : public ::testing::Test {
  protected:
    DocksBesideThePlan() : open(threeLevelListing()) {
        open.window().resize(1100, 700);
        QApplication::processEvents();
    }

    void click(QPointF planPoint, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(&open.canvas(), Qt::LeftButton, modifiers, open.pixelOf(planPoint));
        QApplication::processEvents();
    }

    OpenWindow open;
};

TEST_F(DocksBesideThePlan, NoSelectionWidensThePropertiesDockOrMovesThePlan) {
    open.action("propertiesAction").trigger();
    QApplication::processEvents();
    auto& dock = open.child<PropertiesDock>("propertiesDock");
    const QRect dockPlace = placeOf(dock);
    const QRect planPlace = placeOf(open.canvas());
    const PlanFrame shown = open.canvas().visibleFrame();
    struct Step {
        QPointF at;
        Qt::KeyboardModifiers modifiers;
    };
    // The first beam, the bay added to it, the bay alone.
    for (const Step& step :
         std::vector<Step>{{{250, 0}, {}}, {{250, 200}, Qt::ControlModifier}, {{250, 200}, {}}}) {
        click(step.at, step.modifiers);
        ASSERT_FALSE(open.session().selection().empty());
        EXPECT_EQ(placeOf(dock), dockPlace);
        EXPECT_EQ(placeOf(open.canvas()), planPlace);
        EXPECT_EQ(open.canvas().visibleFrame(), shown);
    }
}

TEST_F(DocksBesideThePlan, DocksOpenReadableKeepTheirWidthAndShareTheirSideUnsqueezed) {
    open.child<QToolButton>("checksButton").click();
    QApplication::processEvents();
    auto& checks = open.child<ChecksDock>("checksDock");
    EXPECT_GE(checks.width(), 280);
    EXPECT_LE(checks.width(), open.window().width() / 2);
    const int width = checks.width();
    open.action("propertiesAction").trigger();
    QApplication::processEvents();
    auto& properties = open.child<PropertiesDock>("propertiesDock");
    click({250, 0});
    EXPECT_EQ(checks.width(), width) << "the second dock shares the side";
    // Neither list is squeezed to a couple of rows.
    const int row = open.window().fontMetrics().height();
    EXPECT_GE(properties.table->height(), 5 * row);
    EXPECT_GE(checks.list->height(), 5 * row);
    open.action("checksAction").trigger();
    open.action("checksAction").trigger();
    QApplication::processEvents();
    EXPECT_EQ(checks.width(), width) << "opened again, it keeps its width";
}

// The right edge of a header's last column, which is to stay within the view.
int headerEnd(const QHeaderView& header) {
    return header.sectionPosition(header.count() - 1) + header.sectionSize(header.count() - 1);
}

TEST(DockTexts, LongTextsWrapInTheirCellsInsteadOfPushingColumnsOffTheDocks) {
    TestedMainWindow tested;
    ASSERT_TRUE(tested.open("samples/office-block.anl"));
    tested.window().resize(900, 700);
    tested.action("propertiesAction").trigger();
    tested.child<QToolButton>("checksButton").click();
    tested.session().showLevel(2);
    // A beam, whose rows give its share for every case and combination.
    QTest::mouseClick(&tested.canvas(), Qt::LeftButton, {}, tested.pixelOf(QPointF(900, 500)));
    QApplication::processEvents();
    ASSERT_EQ(tested.session().selection().size(), 1u);
    QTreeWidget& list = *tested.child<ChecksDock>("checksDock").list;
    ASSERT_GT(list.topLevelItemCount(), 0);
    EXPECT_LE(headerEnd(*list.header()), list.viewport()->width());
    const QRect firstRow = list.visualItemRect(list.topLevelItem(0));
    EXPECT_GT(firstRow.height(), 2 * list.fontMetrics().height()) << "the sentence wraps";
    QTableWidget& table = *tested.child<PropertiesDock>("propertiesDock").table;
    ASSERT_GT(table.rowCount(), 0);
    EXPECT_LE(headerEnd(*table.horizontalHeader()), table.viewport()->width());
}

}  // namespace
}  // namespace fp::testing
