// Tests of the listing error's message: what it says, where, and what to do.
#include "model/listing_error.h"

#include <gtest/gtest.h>

#include <string>

namespace fp {
namespace {

TEST(ListingError, TheMessageReadsPlaceStatementAndAdvice) {
    EXPECT_STREQ(ListingError("The beam is lost", "Check it.", 12).what(),
                 "line 12: The beam is lost. Check it.");
    EXPECT_STREQ(ListingError("The beam is lost", "Check it.", 12).inListing("a.anl").what(),
                 "a.anl, line 12: The beam is lost. Check it.");
    EXPECT_STREQ(ListingError("The beam is lost", "Check it.").inListing("a.anl").what(),
                 "a.anl: The beam is lost. Check it.");
    EXPECT_STREQ(ListingError("The beam is lost").what(), "The beam is lost.");
    EXPECT_EQ(ListingError("The beam is lost", "Check it.", 12).inListing("a.anl").message(),
              "The beam is lost. Check it.");
}

TEST(ListingError, AVerbatimMessageKeepsItsTextExactlyAfterItsPlace) {
    const ListingError failure = ListingError::verbatim("Change the units to Kn Meter ");
    EXPECT_STREQ(failure.what(), "Change the units to Kn Meter ");
    EXPECT_STREQ(failure.atLine(7).inListing("b.anl").what(),
                 "b.anl, line 7: Change the units to Kn Meter ");
    EXPECT_EQ(failure.atLine(7).message(), "Change the units to Kn Meter ");
}

TEST(ListingError, AnErrorThatNamesItsPlaceKeepsIt) {
    const ListingError unplaced("No joints", "Add some.");
    EXPECT_STREQ(unplaced.atLine(4).what(), "line 4: No joints. Add some.");
    EXPECT_EQ(unplaced.atLine(4).line(), 4);
    const ListingError placed = ListingError("No joints", "Add some.", 9).inListing("c.anl");
    EXPECT_STREQ(placed.atLine(4).inListing("d.anl").what(), "c.anl, line 9: No joints. Add some.");
    EXPECT_EQ(placed.atLine(4).statement(), "No joints");
    EXPECT_EQ(placed.atLine(4).advice(), "Add some.");
    EXPECT_EQ(placed.listing(), "c.anl");
}

// Listing text quoted in a message may hold NUL bytes; the message is read as a C string, so
// it would stop at the first of them and lose the line and the advice.
TEST(ListingError, ANulByteOfQuotedTextDoesNotCutTheMessageShort) {
    const ListingError failure(std::string("Piece 3, \"2\0x\", is no number", 28), "Check it.", 9);
    EXPECT_STREQ(failure.what(), "line 9: Piece 3, \"2\\0x\", is no number. Check it.");
    EXPECT_EQ(failure.statement().size(), 28u);
}

TEST(TooMany, NamesTheThingsAndTheLimit) {
    EXPECT_STREQ(tooMany("joints", 9000).what(),
                 "The listing has more than 9000 joints. FramePlan holds at most 9000 joints.");
}

}  // namespace
}  // namespace fp
