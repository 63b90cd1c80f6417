// The one view state: a reload keeps what still applies of it, another listing starts afresh but
// for the View menu's options, and every change is one notification.
#include <gtest/gtest.h>

#include <QAction>
#include <QSignalSpy>
#include <fstream>

#include "main_window_fixture.h"

namespace fp::testing {
namespace {

// The three-level listing with its floor load of 2 kN/m² raised to 3.
std::string withAnotherIntensity() {
    std::string text = threeLevelListing();
    const auto at = text.find("FLOAD -2 ");
    EXPECT_NE(at, std::string::npos);
    return text.replace(at, 9, "FLOAD -3 ");
}

TEST(DocumentSession, AReloadKeepsAHiddenIntensityHiddenAndShowsOneThatIsNew) {
    OpenWindow open(threeLevelListing());
    DocumentSession& session = open.session();
    session.setIntensityShown(4.5f, false);
    ASSERT_EQ(open.view().shownIntensities, std::vector<float>{2});
    std::ofstream(open.listingPath()) << withAnotherIntensity();
    ASSERT_TRUE(open.reload());
    EXPECT_EQ(open.view().shownIntensities, std::vector<float>{3});
}

TEST(DocumentSession, AnotherListingStartsAfreshButForTheViewMenusOptions) {
    OpenWindow open(threeLevelListing());
    DocumentSession& session = open.session();
    session.setMode(LoadMode::Member);
    session.setLoadCaseNumbers(false);
    open.action("memberLoadsOnBeamsAction").trigger();
    session.setOption(&PlanView::markPanelsWithoutLoad, true);
    session.showLevel(1);
    TemporaryListing other(closeBeamsListing());
    ASSERT_TRUE(open.open(other.path()));
    const PlanView& view = open.view();
    EXPECT_EQ(view.level, 2);
    EXPECT_EQ(view.mode, LoadMode::Floor);
    EXPECT_TRUE(view.loadCaseNumbers);
    EXPECT_TRUE(view.memberLoadsOnBeams);
    EXPECT_TRUE(view.markPanelsWithoutLoad);
    EXPECT_TRUE(open.action("markPanelsWithoutLoadAction").isChecked());
}

TEST(DocumentSession, EveryChangeIsOneNotificationAndALevelOutsideIsNotTaken) {
    OpenWindow open(threeLevelListing());
    QSignalSpy changed(&open.session(), &DocumentSession::viewChanged);
    open.session().showLevel(2);
    open.session().showLevel(4);
    open.session().showLevel(0);
    open.session().stepLevels(-7);
    open.session().setEveryIntensityShown(false);
    EXPECT_EQ(changed.count(), 3);
    EXPECT_EQ(open.view().level, 1);
    EXPECT_TRUE(open.view().shownIntensities.empty());
}

}  // namespace
}  // namespace fp::testing
