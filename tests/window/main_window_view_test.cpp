// The View and Help menus, and a slow reading: its progress in the status bar after half a
// second, and a Cancel that keeps what was on show.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <chrono>
#include <thread>

#include "main_window_fixture.h"
#include "reader/read_progress.h"
#include "window/help_texts.h"
#include "window/legend_panel.h"
#include "window/read_status.h"

namespace fp::testing {
namespace {

// A reading that goes on, telling its progress, until it is stopped.
ListingDocument endlessReading(const std::string&, MessageSink&, const ReadProgress& progress) {
    for (std::uint64_t reached = 0;; reached += 1000) {
        if (!progress(reached % 100000, 100000)) {
            throw ReadCancelled();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

TEST(SlowReading, ShowsItsProgressAndACancelKeepsTheListingOnShow) {
    TestedMainWindow tested;
    TemporaryListing shown(threeLevelListing());
    ASSERT_TRUE(tested.open(shown.path()));
    const ListingDocument* before = tested.window().document();
    ReadStatus& status = tested.window().readStatus();

    tested.session().loader().reader = endlessReading;
    tested.window().openListing(QStringLiteral("/network/drive/TOWER.ANL"));
    EXPECT_FALSE(status.isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&status] { return status.isVisible(); }, 5000));
    EXPECT_TRUE(status.text->text().startsWith(QStringLiteral("Reading TOWER.ANL: ")))
        << status.text->text().toStdString();
    status.cancelButton->click();
    ASSERT_TRUE(tested.waitForReadings());
    EXPECT_FALSE(status.isVisible());
    EXPECT_EQ(tested.window().document(), before);
    EXPECT_EQ(tested.window().listingPath(), QString::fromStdString(shown.path()));
    EXPECT_TRUE(tested.messages.empty());
    EXPECT_EQ(tested.window().statusBar()->currentMessage(),
              QStringLiteral("Stopped reading TOWER.ANL."));
}

TEST(ViewMenu, MemberNumbersBesideSerialsIsRememberedAndReachesTheExports) {
    QSettings().clear();
    {
        TestedMainWindow tested;
        EXPECT_FALSE(tested.action("memberNumbersBesideAction").isChecked());
        TemporaryListing listing(threeLevelListing());
        ASSERT_TRUE(tested.open(listing.path()));
        tested.action("memberNumbersBesideAction").trigger();
        EXPECT_TRUE(tested.view().memberNumbersBeside);
    }
    TestedMainWindow again;
    EXPECT_TRUE(again.action("memberNumbersBesideAction").isChecked());
    EXPECT_TRUE(again.view().memberNumbersBeside);
    QSettings().clear();
}

// The legend follows the view on show, and View -> Legend hides it; the grid lines and the
// designed label positions are options of the view.
TEST(ViewMenu, TheLegendFollowsTheViewAndCanBeHidden) {
    TestedMainWindow tested;
    TemporaryListing listing(threeLevelListing());
    ASSERT_TRUE(tested.open(listing.path()));
    const LegendPanel& legend = tested.window().legend();
    EXPECT_FALSE(legend.isHidden());
    EXPECT_TRUE(legend.text().contains(QStringLiteral("kN/m²"))) << legend.text().toStdString();
    tested.action("legendAction").trigger();
    EXPECT_TRUE(legend.isHidden());
    tested.action("legendAction").trigger();
    EXPECT_FALSE(legend.isHidden());
    EXPECT_TRUE(legend.text().contains(QStringLiteral("Grid")));
    EXPECT_TRUE(tested.action("gridLinesAction").isChecked());
    tested.action("gridLinesAction").trigger();
    EXPECT_FALSE(tested.view().gridLines);
    EXPECT_FALSE(legend.text().contains(QStringLiteral("Grid"))) << "the legend follows";
    EXPECT_FALSE(tested.action("designedLabelPositionsAction").isChecked());
    tested.action("designedLabelPositionsAction").trigger();
    EXPECT_TRUE(tested.view().designedLabelPositions);
}

TEST(HelpMenu, TheShortcutsListTheMenusKeysAndThePlans) {
    TestedMainWindow tested;
    QList<QAction*> all;
    for (const QMenu* menu : {&tested.child<QMenu>("fileMenu"), &tested.child<QMenu>("viewMenu")}) {
        all += menu->actions();
    }
    const std::vector<ShortcutLine> lines = keyboardShortcuts(all);
    const auto has = [&lines](const char* keys, const char* what) {
        return std::any_of(lines.begin(), lines.end(), [&](const ShortcutLine& line) {
            return line.keys == QString::fromUtf8(keys) && line.what == QString::fromUtf8(what);
        });
    };
    EXPECT_TRUE(has("Ctrl+O", "Open"));
    EXPECT_TRUE(has("F5", "Reload"));
    EXPECT_TRUE(has("Ctrl+P", "Print"));
    EXPECT_TRUE(has("Ctrl+Q", "Quit"));
    EXPECT_TRUE(has("Ctrl+F", "Find Member"));
    EXPECT_TRUE(has("Ctrl+0", "Fit"));
    EXPECT_TRUE(has("Page Up / Page Down", "Five levels up / down"));
    EXPECT_TRUE(shortcutTable(lines).contains(QStringLiteral("<b>Ctrl+O</b>")));
}

TEST(HelpMenu, AboutTellsTheVersionsAndTheListing) {
    const QString about = aboutText(QStringLiteral("/jobs/TOWER.ANL"));
    EXPECT_TRUE(about.contains(QStringLiteral("FramePlan ")));
    EXPECT_TRUE(about.contains(QStringLiteral("Qt ") + QString::fromLatin1(qVersion())));
    EXPECT_TRUE(about.contains(QStringLiteral("/jobs/TOWER.ANL")));
    EXPECT_TRUE(aboutText({}).contains(QStringLiteral("No listing is open.")));
}

}  // namespace
}  // namespace fp::testing
