// How a run ends in the window's start-up: quietly on a cancelled dialog, after one message on
// a listing that cannot be read.
#include <gtest/gtest.h>

#include "app/twips_scale.h"
#include "app/window_startup.h"
#include "group_fixture.h"

namespace fp::testing {
namespace {

struct Started {
    std::optional<int> status;
    std::vector<std::string> messages;
    bool windowShown = false;
};

Started startOn(const std::string& chosenPath) {
    const auto model = makeModelStore();
    RecordingServices services(chosenPath);
    Group window(*model, services, TwipsScale(96));
    Started started;
    started.status = startWindow(window, services);
    started.messages = services.messages;
    started.windowShown = window.isVisible();
    return started;
}

TEST(WindowEnding, ACancelledDialogEndsQuietly) {
    const Started started = startOn("");
    EXPECT_EQ(started.status, 0);
    EXPECT_TRUE(started.messages.empty());
    EXPECT_FALSE(started.windowShown);
}

TEST(WindowEnding, AWrongUnitEndsAfterItsOneMessage) {
    const TemporaryListing listing("    1. UNIT KN METER\n    2. JOINT COORDINATES\n");
    const Started started = startOn(listing.path());
    ASSERT_TRUE(started.status.has_value());
    EXPECT_NE(*started.status, 0);
    EXPECT_EQ(started.messages, std::vector<std::string>{"Change the units to Kn Meter "});
    EXPECT_FALSE(started.windowShown);
}

TEST(WindowEnding, AListingThatCannotBeReadEndsAfterAMessageNamingIt) {
    const std::string missing = "/nonexistent/folder/TOWER.ANL";
    const Started started = startOn(missing);
    ASSERT_TRUE(started.status.has_value());
    EXPECT_NE(*started.status, 0);
    ASSERT_EQ(started.messages.size(), 1u);
    EXPECT_NE(started.messages[0].find(missing), std::string::npos) << started.messages[0];
    EXPECT_FALSE(started.windowShown);
}

TEST(WindowEnding, AGoodListingLeavesTheWindowOpen) {
    const TemporaryListing listing(threeLevelListing());
    const Started started = startOn(listing.path());
    EXPECT_FALSE(started.status.has_value());
    EXPECT_TRUE(started.messages.empty());
    EXPECT_TRUE(started.windowShown);
}

}  // namespace
}  // namespace fp::testing
