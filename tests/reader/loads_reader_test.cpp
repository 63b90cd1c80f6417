// The floor loads, the designs and the member loads share one reading of the listing, yet show
// and fail as if they were read in turn.
#include "reader/loads_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/listing_error.h"
#include "reader/listing_fixture.h"

namespace fp {
namespace {

using testing::lines;

const std::string kBadMemberList =
    lines({"   45. MEMBER LOAD", "   46. 10 12  14 UNI GY -5", "   47. 15 UNI GY -3"});
const std::string kHeaderWithoutNumber = "   B E A M  N O.            12";

struct Outcome {
    std::vector<std::string> messages;
    std::string failure;
};

Outcome readToTheEnd(const std::string& text) {
    testing::RecordingSink sink;
    Outcome outcome;
    try {
        openListing(testing::writeListingFile(text), sink);
    } catch (const ListingError& failure) {
        outcome.failure = failure.what();
    }
    outcome.messages = sink.messages();
    return outcome;
}

TEST(LoadsInTurn, DesignMessagesComeBeforeMemberLoadMessagesWhereverTheyStand) {
    const Outcome outcome =
        readToTheEnd(testing::structureHead() + kBadMemberList + lines({kHeaderWithoutNumber}));
    EXPECT_EQ(outcome.failure, "");
    EXPECT_EQ(outcome.messages, (std::vector<std::string>{kHeaderWithoutNumber,
                                                          "2 Error : , 12( 47. 15 UNI GY -3)"}));
}

// Every message names the listing and the line it is about: the header without a number, and
// the line that completes the statement whose member list is bad.
TEST(LoadsInTurn, EveryMessageNamesItsListingAndLine) {
    testing::RecordingSink sink;
    const std::string path = testing::writeListingFile(
        testing::structureHead() + kBadMemberList + lines({"   48. FINISH", kHeaderWithoutNumber}));
    openListing(path, sink);
    ASSERT_EQ(sink.shown().size(), 2u);
    EXPECT_EQ(sink.shown()[0].line, 12);
    EXPECT_EQ(sink.shown()[1].line, 10);
    EXPECT_EQ(sink.shown()[1].described(), path + ", line 10: 2 Error : , 12( 47. 15 UNI GY -3)");
}

TEST(LoadsInTurn, AFloorLoadFailureEndsTheReadingBeforeAnyLaterPassShowsAnything) {
    const Outcome outcome = readToTheEnd(
        testing::structureHead() + kBadMemberList +
        lines({kHeaderWithoutNumber, "   80. FLOOR LOAD", "   81. YRANGE 2.9 3.1 FLOAD"}));
    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_NE(outcome.failure.find("line 13:"), std::string::npos) << outcome.failure;
}

TEST(LoadsInTurn, ADesignFailureShowsTheDesignMessagesButNoMemberLoadMessages) {
    // The first block has no length line: it takes the next one's, whose header is passed over.
    std::string blocks = lines({kHeaderWithoutNumber});
    for (int i = 1; i <= 2501; ++i) {
        blocks += "   B E A M  N O. " + std::to_string(i) + "\n   LENGTH: 4000.0\n";
    }
    const Outcome outcome = readToTheEnd(testing::structureHead() + kBadMemberList + blocks);
    EXPECT_EQ(outcome.messages, std::vector<std::string>{kHeaderWithoutNumber});
    EXPECT_NE(outcome.failure.find("2500 beam design blocks"), std::string::npos)
        << outcome.failure;
}

TEST(LoadsInTurn, AMemberLoadFailureComesAfterEveryDesignMessage) {
    const Outcome outcome = readToTheEnd(testing::structureHead() +
                                         lines({"   45. MEMBER LOAD", "   46. TO 4 UNI GY -5"}) +
                                         lines({kHeaderWithoutNumber}));
    EXPECT_EQ(outcome.messages, std::vector<std::string>{kHeaderWithoutNumber});
    EXPECT_NE(outcome.failure.find("\"TO\""), std::string::npos) << outcome.failure;
    EXPECT_NE(outcome.failure.find("line 9:"), std::string::npos) << outcome.failure;
}

}  // namespace
}  // namespace fp
