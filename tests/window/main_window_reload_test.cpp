// Reading the listing on show again: by F5 or Reload, or from the bar that tells of a change on
// disk; the level by its height and the view options that still apply are kept.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <fstream>

#include "main_window_fixture.h"
#include "window/listing_watcher.h"
#include "window/reload_bar.h"

namespace fp::testing {
namespace {

constexpr int kWatchTimeoutMs = 5000;

// The three-level listing with one more level below, at -3 m: every level moves up one place.
std::string withBasement() {
    std::string text = threeLevelListing();
    const std::string joints = "    6. 9 0 7 0; 10 5 7 0; 11 0 7 4; 12 5 7 4\n";
    text.replace(text.find(joints), joints.size(),
                 "    6. 9 0 7 0; 10 5 7 0; 11 0 7 4; 12 5 7 4; 13 0 -3 0\n");
    return text;
}

void rewrite(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::trunc) << text;
}

TEST(MainWindowReload, KeepsTheLevelByItsHeightAndTheViewOptions) {
    TestedMainWindow tested;
    TemporaryListing listing(threeLevelListing());
    ASSERT_TRUE(tested.open(listing.path()));
    ControlBar& controls = tested.controls();
    const auto& labels = tested.levels().levelLabels;
    QTest::mouseClick(labels[1], Qt::LeftButton);
    QTest::mouseClick(controls.intensityBoxes[0], Qt::LeftButton);
    QTest::mouseClick(controls.memberLoadOption, Qt::LeftButton);
    QTest::mouseClick(controls.beamNumbersBox, Qt::LeftButton);
    ASSERT_EQ(tested.view().level, 2);

    rewrite(listing.path(), withBasement());
    ASSERT_TRUE(tested.reload());
    ASSERT_EQ(labels.size(), 4u);
    // 3.5 m is now the third level.
    EXPECT_EQ(tested.view().level, 3);
    EXPECT_EQ(labels[2]->frameShape(), QFrame::Box);
    EXPECT_EQ(tested.levels().heightLabel->text(), QStringLiteral("3.5 M"));
    EXPECT_TRUE(controls.memberLoadOption->isChecked());
    EXPECT_FALSE(controls.allIntensitiesBox->isVisible());
    EXPECT_FALSE(controls.loadTypeBox->isEnabled());
    EXPECT_TRUE(tested.view().memberNumbers);
    EXPECT_EQ(tested.view().shownIntensities, std::vector<float>{4.5f});
}

TEST(MainWindowReload, KeepsTheZoomWhileTheGridIsTheSame) {
    TestedMainWindow tested;
    TemporaryListing listing(threeLevelListing());
    ASSERT_TRUE(tested.open(listing.path()));
    PlanCanvas& canvas = tested.canvas();
    canvas.zoomAt(3, QPointF(20, 20));
    const PlanFrame zoomed = canvas.visibleFrame();
    rewrite(listing.path(), unloadedListing());
    ASSERT_TRUE(tested.reload());
    EXPECT_EQ(canvas.visibleFrame(), zoomed);
    // Another grid is shown whole.
    rewrite(listing.path(), closeBeamsListing());
    ASSERT_TRUE(tested.reload());
    EXPECT_EQ(canvas.visibleFrame(), canvas.modelFrame());
}

TEST(MainWindowReload, ALevelThatIsGoneGivesTheStartLevel) {
    TestedMainWindow tested;
    TemporaryListing listing(threeLevelListing());
    ASSERT_TRUE(tested.open(listing.path()));
    QTest::mouseClick(tested.levels().levelLabels[1], Qt::LeftButton);
    rewrite(listing.path(), closeBeamsListing());
    ASSERT_TRUE(tested.reload());
    EXPECT_EQ(tested.view().level, 2);
    EXPECT_EQ(tested.levels().heightLabel->text(), QStringLiteral("3 M"));
}

TEST(MainWindowReload, AChangeOnDiskOffersAReloadInTheBar) {
    TestedMainWindow tested;
    TemporaryListing listing(threeLevelListing());
    ASSERT_TRUE(tested.open(listing.path()));
    ReloadBar& bar = tested.window().reloadBar();
    EXPECT_FALSE(bar.isVisible());
    rewrite(listing.path(), withBasement());
    ASSERT_TRUE(QTest::qWaitFor([&bar] { return bar.isVisible(); }, kWatchTimeoutMs));
    EXPECT_EQ(bar.reloadButton->text(), QStringLiteral("Reload"));
    bar.reloadButton->click();
    ASSERT_TRUE(tested.waitForReadings());
    EXPECT_EQ(tested.levels().levelLabels.size(), 4u);
    EXPECT_FALSE(bar.isVisible());
}

// The analysis writes its listing in many pieces: the bar waits for the writes to stop, and
// offers one reload of the whole file.
TEST(MainWindowReload, TheBarWaitsForTheWritesToStop) {
    TestedMainWindow tested;
    TemporaryListing listing(threeLevelListing());
    ASSERT_TRUE(tested.open(listing.path()));
    ReloadBar& bar = tested.window().reloadBar();
    QSignalSpy offers(&tested.session(), &DocumentSession::listingChangedOnDisk);
    const std::string whole = withBasement();
    for (std::size_t written = 0; written < whole.size(); written += whole.size() / 8) {
        rewrite(listing.path(), whole.substr(0, written));
        QTest::qWait(20);
    }
    rewrite(listing.path(), whole);
    ASSERT_TRUE(QTest::qWaitFor([&bar] { return bar.isVisible(); }, kWatchTimeoutMs));
    QTest::qWait(ListingWatcher::kQuietMs);
    EXPECT_EQ(offers.count(), 1);
}

// Other files written in the listing's folder all the while (other runs, other programs) do not
// put the offer off: only the listing's own writes do.
TEST(MainWindowReload, WritesToOtherFilesOfTheFolderDoNotPutTheBarOff) {
    TestedMainWindow tested;
    TemporaryListing listing(threeLevelListing());
    ASSERT_TRUE(tested.open(listing.path()));
    ReloadBar& bar = tested.window().reloadBar();
    rewrite(listing.path(), withBasement());
    bool shown = false;
    for (int i = 0; i < 40 && !shown; ++i) {
        // Made and removed again: the folder changes each time.
        { const TemporaryListing neighbour("x"); }
        shown = QTest::qWaitFor([&bar] { return bar.isVisible(); }, ListingWatcher::kQuietMs / 4);
    }
    EXPECT_TRUE(shown);
}

// A reading the analysis overwrote half-way shows why it failed and keeps the listing on show.
TEST(MainWindowReload, AListingChangedWhileReadKeepsTheListingOnShow) {
    TestedMainWindow tested;
    TemporaryListing listing(threeLevelListing());
    ASSERT_TRUE(tested.open(listing.path()));
    const ListingDocument* shown = tested.window().document();
    // Cut short once the reading has begun.
    tested.session().loader().reader = [](const std::string& path, MessageSink& messages,
                                          const ReadProgress& progress) {
        bool rewritten = false;
        return openListing(path, messages, [&](std::uint64_t reached, std::uint64_t size) {
            if (!rewritten) {
                rewritten = true;
                rewrite(path, "");
            }
            return progress(reached, size);
        });
    };
    EXPECT_FALSE(tested.reload());
    ASSERT_EQ(tested.messages.size(), 1u);
    EXPECT_NE(tested.messages[0].find("the listing changed while it was being read"),
              std::string::npos)
        << tested.messages[0];
    EXPECT_EQ(tested.window().document(), shown);
}

TEST(MainWindowReload, AReloadThatFailsKeepsTheListingOnShow) {
    TestedMainWindow tested;
    TemporaryListing listing(threeLevelListing());
    ASSERT_TRUE(tested.open(listing.path()));
    const ListingDocument* shown = tested.window().document();
    rewrite(listing.path(), "    1. UNIT KN METER\n");
    EXPECT_FALSE(tested.reload());
    EXPECT_EQ(tested.messages.size(), 1u);
    EXPECT_EQ(tested.window().document(), shown);
    EXPECT_FALSE(tested.endedWith.has_value());
}

}  // namespace
}  // namespace fp::testing
