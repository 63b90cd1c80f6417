// Opening listings in the main window: a new document replaces the one on show only once it is
// read whole; a failure leaves the one on show, asks again, or ends the run, as the window was
// started; the recent listings; a dropped file.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QUrl>

#include "main_window_fixture.h"
#include "window/member_loads_strip.h"

namespace fp::testing {
namespace {

const char* const kWrongUnits = "    1. UNIT KN METER\n    2. JOINT COORDINATES\n";

TEST(MainWindowOpen, ShowsTheListingAndNamesItInTheTitle) {
    TestedMainWindow tested;
    EXPECT_EQ(tested.window().windowTitle(), QStringLiteral("FramePlan"));
    EXPECT_FALSE(tested.action("reloadAction").isEnabled());
    TemporaryListing listing(threeLevelListing());
    ASSERT_TRUE(tested.open(listing.path()));
    EXPECT_EQ(tested.window().windowTitle(),
              QFileInfo(QString::fromStdString(listing.path())).fileName() +
                  QStringLiteral(" — FramePlan"));
    EXPECT_EQ(tested.view().level, 3);
    EXPECT_EQ(tested.window().listingPath(), QString::fromStdString(listing.path()));
    EXPECT_TRUE(tested.action("reloadAction").isEnabled());
    EXPECT_TRUE(tested.messages.empty());
    // The plan has the focus, so the arrows step through the levels at once.
    EXPECT_EQ(tested.window().focusWidget(), &tested.canvas());
}

TEST(MainWindowOpen, AnotherListingReplacesTheLabelsAndBoxesOfTheFirst) {
    TestedMainWindow tested;
    TemporaryListing first(threeLevelListing());
    TemporaryListing second(closeBeamsListing());
    ASSERT_TRUE(tested.open(first.path()));
    QTest::mouseClick(tested.levels().levelLabels[0], Qt::LeftButton);
    ASSERT_TRUE(tested.open(second.path()));
    ASSERT_EQ(tested.levels().levelLabels.size(), 2u);
    EXPECT_EQ(tested.window().findChildren<QLabel*>(QStringLiteral("levelLabel3")).size(), 0);
    EXPECT_TRUE(tested.controls().intensityBoxes.empty());
    EXPECT_EQ(tested.window().findChildren<QCheckBox*>(QStringLiteral("intensityBox1")).size(), 0);
    EXPECT_EQ(tested.controls().memberLoads->label()->text(), QStringLiteral("Member Loads"));
    // The start level is chosen as at start-up, whatever was on show before.
    EXPECT_EQ(tested.view().level, 2);
    EXPECT_EQ(tested.levels().levelLabels[1]->frameShape(), QFrame::Box);
    EXPECT_EQ(tested.canvas().pickBoxes().size(), 2u);
}

TEST(MainWindowOpen, AListingThatFailsLeavesTheOneOnShowUntouched) {
    TestedMainWindow tested;
    TemporaryListing good(threeLevelListing());
    TemporaryListing bad(kWrongUnits);
    ASSERT_TRUE(tested.open(good.path()));
    QTest::mouseClick(tested.levels().levelLabels[1], Qt::LeftButton);
    const ListingDocument* shown = tested.window().document();
    const QString title = tested.window().windowTitle();
    const int drawn = tested.canvas().plansDrawn();

    EXPECT_FALSE(tested.open(bad.path()));
    ASSERT_EQ(tested.messages.size(), 1u);
    EXPECT_EQ(tested.messages[0], bad.path() + ", line 1: Change the units to Kn Meter ");
    EXPECT_EQ(tested.window().document(), shown);
    EXPECT_EQ(tested.view().level, 2);
    EXPECT_EQ(tested.levels().levelLabels.size(), 3u);
    EXPECT_EQ(tested.canvas().plansDrawn(), drawn);
    EXPECT_EQ(tested.window().windowTitle(), title);
    EXPECT_EQ(tested.window().listingPath(), QString::fromStdString(good.path()));
    EXPECT_FALSE(tested.endedWith.has_value());
}

TEST(MainWindowOpen, StartedOnAListingThatFailsTheRunEndsWithStatusTwo) {
    TestedMainWindow tested;
    EXPECT_FALSE(tested.open("/nonexistent/folder/TOWER.ANL", MainWindow::OnFailure::EndRun));
    ASSERT_EQ(tested.messages.size(), 1u);
    EXPECT_NE(tested.messages[0].find("/nonexistent/folder/TOWER.ANL"), std::string::npos);
    EXPECT_EQ(tested.endedWith, 2);
    EXPECT_TRUE(tested.askedIn.empty());
}

TEST(MainWindowOpen, AListingToStartWithIsReadWhileTheWindowIsBuilt) {
    TemporaryListing good(threeLevelListing());
    MainWindow window(QString::fromStdString(good.path()));
    EXPECT_TRUE(window.session().loader().isReading());
    ASSERT_TRUE(
        QTest::qWaitFor([&window] { return !window.session().loader().isReading(); }, 10000));
    EXPECT_EQ(window.session().view().level, 3);

    TemporaryListing bad(kWrongUnits);
    MainWindow failing(QString::fromStdString(bad.path()));
    std::vector<std::string> messages;
    failing.showMessage = [&messages](const std::string& message) { messages.push_back(message); };
    std::optional<int> ended;
    QObject::connect(&failing, &MainWindow::runEnded, [&ended](int status) { ended = status; });
    ASSERT_TRUE(
        QTest::qWaitFor([&failing] { return !failing.session().loader().isReading(); }, 10000));
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(ended, 2);
}

TEST(MainWindowOpen, StartedWithoutAListingAFailureAsksAgainAndCancelEndsQuietly) {
    TestedMainWindow tested;
    TemporaryListing bad(kWrongUnits);
    tested.answers = {QString::fromStdString(bad.path()), QString()};
    tested.window().askForListing(MainWindow::OnFailure::AskAgain);
    ASSERT_TRUE(tested.waitForReadings());
    EXPECT_EQ(tested.messages.size(), 1u);
    EXPECT_EQ(tested.askedIn.size(), 2u);
    EXPECT_EQ(tested.endedWith, 0);
    EXPECT_EQ(tested.window().document(), nullptr);
}

TEST(MainWindowOpen, StartedWithoutAListingAGoodOneIsShown) {
    TestedMainWindow tested;
    TemporaryListing good(threeLevelListing());
    tested.answers = {QString::fromStdString(good.path())};
    tested.window().askForListing(MainWindow::OnFailure::AskAgain);
    ASSERT_TRUE(tested.waitForReadings());
    EXPECT_NE(tested.window().document(), nullptr);
    EXPECT_FALSE(tested.endedWith.has_value());
    // Cancelling Open with a listing on show changes nothing.
    tested.window().askForListing();
    EXPECT_NE(tested.window().document(), nullptr);
    EXPECT_FALSE(tested.endedWith.has_value());
}

TEST(MainWindowOpen, CtrlOAsksForAListingInTheFolderOfTheLastOne) {
    TestedMainWindow tested;
    TemporaryListing listing(threeLevelListing());
    ASSERT_TRUE(tested.open(listing.path()));
    tested.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&tested.window()));
    QTest::keyClick(&tested.window(), Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(tested.askedIn.size(), 1u);
    EXPECT_EQ(tested.askedIn[0], QFileInfo(QString::fromStdString(listing.path())).absolutePath());
}

TEST(MainWindowOpen, TheReadersMessagesAreShownOnceTheReadingIsOver) {
    TestedMainWindow tested;
    // A member list the reader cannot read is told, and the reading goes on: the empty piece
    // between two blanks makes the next line part of the list.
    std::string text = threeLevelListing();
    const std::string loadLine = "   17. 9 10 UNI GY -12.5";
    text.replace(text.find(loadLine), loadLine.size(), "   17. 9  10 UNI GY -12.5");
    TemporaryListing listing(text);
    ASSERT_TRUE(tested.open(listing.path()));
    ASSERT_FALSE(tested.messages.empty());
    EXPECT_EQ(tested.messages[0].rfind(listing.path() + ", line ", 0), 0u) << tested.messages[0];
}

TEST(MainWindowOpen, ADroppedListingIsOpened) {
    TestedMainWindow tested;
    // Two files, or a web address, are not a listing.
    QMimeData two;
    two.setUrls({QUrl::fromLocalFile(QStringLiteral("/a.anl")),
                 QUrl::fromLocalFile(QStringLiteral("/b.anl"))});
    QDragEnterEvent refused(QPoint(50, 50), Qt::CopyAction, &two, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&tested.window(), &refused);
    EXPECT_FALSE(refused.isAccepted());
    QMimeData web;
    web.setUrls({QUrl(QStringLiteral("https://example.com/tower.anl"))});
    QDragEnterEvent remote(QPoint(50, 50), Qt::CopyAction, &web, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&tested.window(), &remote);
    EXPECT_FALSE(remote.isAccepted());

    TemporaryListing listing(threeLevelListing());
    QMimeData one;
    one.setUrls({QUrl::fromLocalFile(QString::fromStdString(listing.path()))});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &one, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&tested.window(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &one, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&tested.window(), &drop);
    ASSERT_TRUE(tested.waitForReadings());
    EXPECT_EQ(tested.window().listingPath(), QString::fromStdString(listing.path()));
}

TEST(RecentListings, KeepsTheLastEightMostRecentFirstEachOnce) {
    QSettings().clear();
    RecentListings recent;
    std::vector<std::unique_ptr<TemporaryListing>> listings;
    for (int i = 0; i < 10; ++i) {
        listings.push_back(std::make_unique<TemporaryListing>(unloadedListing()));
        recent.add(QString::fromStdString(listings.back()->path()));
    }
    const auto pathOf = [&](int i) { return QString::fromStdString(listings[i]->path()); };
    QStringList paths = recent.paths();
    ASSERT_EQ(paths.size(), 8);
    EXPECT_EQ(paths.first(), pathOf(9));
    EXPECT_EQ(paths.last(), pathOf(2));
    recent.add(pathOf(5));
    paths = recent.paths();
    EXPECT_EQ(paths.size(), 8);
    EXPECT_EQ(paths.first(), pathOf(5));
    EXPECT_EQ(paths.count(pathOf(5)), 1);
    EXPECT_EQ(recent.lastFolder(), QFileInfo(pathOf(5)).absolutePath());
}

TEST(RecentListings, TheMenuDropsListingsThatAreGoneWithANote) {
    QSettings().clear();
    TestedMainWindow tested;
    TemporaryListing kept(threeLevelListing());
    QString gonePath;
    {
        TemporaryListing gone(unloadedListing());
        gonePath = QString::fromStdString(gone.path());
        ASSERT_TRUE(tested.open(gone.path()));
    }
    ASSERT_TRUE(tested.open(kept.path()));
    QMenu& menu = tested.child<QMenu>("recentMenu");
    emit menu.aboutToShow();
    ASSERT_EQ(menu.actions().size(), 1);
    EXPECT_TRUE(menu.actions()[0]->text().contains(QFileInfo(kept.path().c_str()).fileName()));
    EXPECT_TRUE(tested.window().statusBar()->currentMessage().contains(gonePath))
        << tested.window().statusBar()->currentMessage().toStdString();
    EXPECT_FALSE(tested.window().session().recentListings().paths().contains(gonePath));

    // Choosing an entry opens it.
    TemporaryListing other(closeBeamsListing());
    ASSERT_TRUE(tested.open(other.path()));
    emit menu.aboutToShow();
    menu.actions()[1]->trigger();
    ASSERT_TRUE(tested.waitForReadings());
    EXPECT_EQ(tested.window().listingPath(), QString::fromStdString(kept.path()));
}

}  // namespace
}  // namespace fp::testing
