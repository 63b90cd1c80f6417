// Reading the listing on show again: by F5 or Reload, or from the bar that tells of a change on
// disk; the level by its height and the view options that still apply are kept.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <fstream>

#include "main_window_fixture.h"
#include "plan_panel_fixture.h"
#include "window/plan_panel.h"
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
    PlanPanel& panel = tested.panel();
    QTest::mouseClick(panel.levelLabels[1], Qt::LeftButton);
    QTest::mouseClick(panel.intensityBoxes[0], Qt::LeftButton);
    QTest::mouseClick(panel.memberLoadOption, Qt::LeftButton);
    QTest::mouseClick(panel.beamNumbersBox, Qt::LeftButton);
    ASSERT_EQ(panel.levelOnShow(), 2);

    rewrite(listing.path(), withBasement());
    ASSERT_TRUE(tested.reload());
    ASSERT_EQ(panel.levelLabels.size(), 4u);
    // 3.5 m is now the third level.
    EXPECT_EQ(panel.levelOnShow(), 3);
    EXPECT_TRUE(panel.levelLabels[2]->isMarked());
    EXPECT_EQ(panel.levelHeightLabel->text(), QStringLiteral("3.5 M"));
    EXPECT_TRUE(panel.memberLoadOption->isChecked());
    EXPECT_FALSE(panel.allIntensitiesBox->isShown());
    EXPECT_FALSE(panel.loadTypeBox->isEnabled());
    EXPECT_TRUE(panel.view().memberNumbers);
    EXPECT_EQ(panel.view().shownIntensities, std::vector<float>{4.5f});
}

TEST(MainWindowReload, KeepsTheZoomWhileTheGridIsTheSame) {
    TestedMainWindow tested;
    TemporaryListing listing(threeLevelListing());
    ASSERT_TRUE(tested.open(listing.path()));
    PlanArea& area = *tested.panel().planArea;
    area.zoomAt(3, QPointF(20, 20));
    const PlanFrame zoomed = area.frame();
    rewrite(listing.path(), unloadedListing());
    ASSERT_TRUE(tested.reload());
    EXPECT_EQ(area.frame(), zoomed);
    // Another grid is shown whole.
    rewrite(listing.path(), closeBeamsListing());
    ASSERT_TRUE(tested.reload());
    EXPECT_EQ(area.frame(), area.modelFrame());
}

TEST(MainWindowReload, ALevelThatIsGoneGivesTheStartLevel) {
    TestedMainWindow tested;
    TemporaryListing listing(threeLevelListing());
    ASSERT_TRUE(tested.open(listing.path()));
    QTest::mouseClick(tested.panel().levelLabels[1], Qt::LeftButton);
    rewrite(listing.path(), closeBeamsListing());
    ASSERT_TRUE(tested.reload());
    EXPECT_EQ(tested.panel().levelOnShow(), 2);
    EXPECT_EQ(tested.panel().levelHeightLabel->text(), QStringLiteral("3 M"));
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
    EXPECT_EQ(tested.panel().levelLabels.size(), 4u);
    EXPECT_FALSE(bar.isVisible());
}

TEST(MainWindowReload, AReloadThatFailsKeepsTheListingOnShow) {
    TestedMainWindow tested;
    TemporaryListing listing(threeLevelListing());
    ASSERT_TRUE(tested.open(listing.path()));
    const ListingDocument* shown = tested.panel().document();
    rewrite(listing.path(), "    1. UNIT KN METER\n");
    EXPECT_FALSE(tested.reload());
    EXPECT_EQ(tested.messages.size(), 1u);
    EXPECT_EQ(tested.panel().document(), shown);
    EXPECT_FALSE(tested.endedWith.has_value());
}

}  // namespace
}  // namespace fp::testing
