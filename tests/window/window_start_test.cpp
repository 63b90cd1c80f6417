// Opening the window on a listing: a listing that cannot be read gives the one message the
// program's start shows, and no window; a good one leaves the window open.
#include <gtest/gtest.h>

#include "model/listing_error.h"
#include "plan_window_fixture.h"

namespace fp::testing {
namespace {

struct Started {
    // The failure that ends the run, if the listing could not be shown.
    std::optional<ListingError> failure;
    std::vector<std::string> messages;
    bool windowShown = false;
};

Started startOn(const std::string& path) {
    RecordingMessages messages;
    PlanWindow window(TwipsScale(96));
    Started started;
    try {
        window.showDocument(openListing(path, messages));
    } catch (const ListingError& failure) {
        started.failure = failure;
    }
    started.messages = messages.shown;
    started.windowShown = window.isVisible();
    return started;
}

TEST(WindowStart, AWrongUnitEndsWithItsOneMessageAsWritten) {
    const TemporaryListing listing("    1. UNIT KN METER\n    2. JOINT COORDINATES\n");
    const Started started = startOn(listing.path());
    ASSERT_TRUE(started.failure.has_value());
    // Shown as written, after the place it is about.
    EXPECT_EQ(started.failure->message(), "Change the units to Kn Meter ");
    EXPECT_EQ(std::string(started.failure->what()),
              listing.path() + ", line 1: Change the units to Kn Meter ");
    EXPECT_TRUE(started.messages.empty());
    EXPECT_FALSE(started.windowShown);
}

TEST(WindowStart, AListingThatCannotBeReadEndsWithAMessageNamingIt) {
    const std::string missing = "/nonexistent/folder/TOWER.ANL";
    const Started started = startOn(missing);
    ASSERT_TRUE(started.failure.has_value());
    const std::string message = started.failure->what();
    EXPECT_NE(message.find(missing), std::string::npos) << message;
    EXPECT_TRUE(started.messages.empty());
    EXPECT_FALSE(started.windowShown);
}

TEST(WindowStart, AGoodListingLeavesTheWindowOpen) {
    const TemporaryListing listing(threeLevelListing());
    const Started started = startOn(listing.path());
    EXPECT_FALSE(started.failure.has_value());
    EXPECT_TRUE(started.messages.empty());
    EXPECT_TRUE(started.windowShown);
}

}  // namespace
}  // namespace fp::testing
