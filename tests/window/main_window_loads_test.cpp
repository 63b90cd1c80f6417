// The loads where engineers use them: the View menu's member loads on beams and hatching of
// panels without floor load, the Load Summary dock and the status bar's note of unloaded panels.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "main_window_fixture.h"
#include "window/load_summary.h"

namespace fp::testing {
namespace {

// The dock's table, row by row, each row its cells joined by " | ".
std::vector<std::string> tableRows(const QTableWidget& table) {
    std::vector<std::string> rows;
    for (int row = 0; row < table.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table.columnCount(); ++column) {
            cells << (table.item(row, column) != nullptr ? table.item(row, column)->text()
                                                         : QStringLiteral("(none)"));
        }
        rows.push_back(cells.join(QStringLiteral(" | ")).toStdString());
    }
    return rows;
}

TEST(LoadViewOptions, MemberLoadsOnBeamsIsOffAtFirstAndKeptOverLevelsAndReloads) {
    TestedMainWindow tested;
    TemporaryListing listing(threeLevelListing());
    ASSERT_TRUE(tested.open(listing.path()));
    QAction& memberLoadsOnBeams = tested.action("memberLoadsOnBeamsAction");
    EXPECT_FALSE(memberLoadsOnBeams.isChecked());
    EXPECT_FALSE(tested.view().memberLoadsOnBeams);

    QTest::mouseClick(tested.controls().memberLoadOption, Qt::LeftButton);
    const QImage without = tested.canvas().image().copy();
    memberLoadsOnBeams.trigger();
    EXPECT_TRUE(tested.view().showsMemberLoadsOnBeams());
    EXPECT_NE(tested.canvas().image(), without);

    QTest::keyClick(&tested.canvas(), Qt::Key_Down);
    EXPECT_TRUE(tested.view().memberLoadsOnBeams);
    ASSERT_TRUE(tested.reload());
    EXPECT_TRUE(tested.view().memberLoadsOnBeams);
    EXPECT_TRUE(memberLoadsOnBeams.isChecked());
}

TEST(LoadViewOptions, MarkPanelsWithoutFloorLoadHatchesThemOnThePlanAndInExports) {
    TestedMainWindow tested;
    TemporaryListing listing(unloadedListing());
    ASSERT_TRUE(tested.open(listing.path()));
    QTemporaryDir folder;
    const QString plainFile = folder.filePath(QStringLiteral("plain.png"));
    const QString markedFile = folder.filePath(QStringLiteral("marked.png"));
    QAction* mark = &tested.action("markPanelsWithoutLoadAction");
    EXPECT_FALSE(mark->isChecked());
    const QImage plain = tested.canvas().image().copy();
    tested.window().exportTo(plainFile, false);
    mark->trigger();
    EXPECT_NE(tested.canvas().image(), plain);
    tested.window().exportTo(markedFile, false);
    EXPECT_NE(QImage(plainFile), QImage(markedFile));
}

class LoadSummaryDock : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(tested.open(listing.path())); }

    LoadSummary& dock() { return tested.child<LoadSummary>("loadSummary"); }
    QString note() { return tested.child<QLabel>("loadNote").text(); }

    TemporaryListing listing{threeLevelListing()};
    TestedMainWindow tested;
};

// The top level's 5 m by 4 m bay carries 4.5 kN/m² of load case 1: 90 kN.
TEST_F(LoadSummaryDock, ShowsTheLevelOnShowPerLoadCaseAndFollowsIt) {
    EXPECT_FALSE(dock().isVisible());
    tested.action("loadSummaryAction").trigger();
    ASSERT_TRUE(dock().isVisible());
    EXPECT_EQ(dock().caption->text(), QStringLiteral("Level 7 m: 1 panel, 0 without floor load"));
    EXPECT_EQ(tableRows(*dock().table), std::vector<std::string>{"Case 1 DL | 90.0 | 1 | 0"});

    // The middle level's bay carries 2 kN/m².
    QTest::keyClick(&tested.canvas(), Qt::Key_Down);
    EXPECT_EQ(dock().caption->text(), QStringLiteral("Level 3.5 m: 1 panel, 0 without floor load"));
    EXPECT_EQ(tableRows(*dock().table), std::vector<std::string>{"Case 1 DL | 40.0 | 1 | 0"});

    // Another listing: its level, and no floor loads at all.
    TemporaryListing unloaded(unloadedListing());
    ASSERT_TRUE(tested.open(unloaded.path()));
    EXPECT_EQ(dock().caption->text(),
              QStringLiteral("Level 7 m: 1 panel, 1 without floor load; the listing has no floor "
                             "loads."));
    EXPECT_EQ(dock().table->rowCount(), 0);
    tested.action("loadSummaryAction").trigger();
    EXPECT_FALSE(dock().isVisible());
}

TEST_F(LoadSummaryDock, TheStatusBarCountsPanelsWithoutFloorLoadInFloorLoadModeOnly) {
    EXPECT_EQ(note(), QString());
    TemporaryListing unloaded(unloadedListing());
    ASSERT_TRUE(tested.open(unloaded.path()));
    EXPECT_EQ(note(), QStringLiteral("1 panel without floor load"));
    // Beside it, a beam under the pointer without member loads tells none.
    tested.hover(QPointF(250, 0));
    EXPECT_TRUE(
        tested.child<QLabel>("pointerText").text().contains(QStringLiteral("5 m long; panel")))
        << tested.child<QLabel>("pointerText").text().toStdString();
    QTest::mouseClick(tested.controls().memberLoadOption, Qt::LeftButton);
    EXPECT_EQ(note(), QString());
    QTest::mouseClick(tested.controls().floorLoadOption, Qt::LeftButton);
    EXPECT_EQ(note(), QStringLiteral("1 panel without floor load"));
    // The lowest level has no panels.
    QTest::keyClick(&tested.canvas(), Qt::Key_End);
    EXPECT_EQ(note(), QString());
}

TEST(LoadSummaryLimit, ALevelPastADrawingLimitShowsTheLimitsMessage) {
    TestedMainWindow tested;
    TemporaryListing listing(crowdedMiddleLevelListing());
    ASSERT_TRUE(tested.open(listing.path()));
    tested.action("loadSummaryAction").trigger();
    QTest::keyClick(&tested.canvas(), Qt::Key_Down);
    LoadSummary& dock = tested.child<LoadSummary>("loadSummary");
    EXPECT_TRUE(dock.caption->text().contains(QStringLiteral("more than 300 beams")))
        << dock.caption->text().toStdString();
    EXPECT_FALSE(dock.table->isVisible());
    EXPECT_EQ(tested.child<QLabel>("loadNote").text(), QString());
    EXPECT_TRUE(tested.messages.empty());
    QTest::keyClick(&tested.canvas(), Qt::Key_Up);
    EXPECT_TRUE(dock.table->isVisible());
}

}  // namespace
}  // namespace fp::testing
