// Reading the unit line, the joint coordinates and the member incidences of a listing.
#include <gtest/gtest.h>

#include <string>

#include "model/run_error.h"
#include "reader/listing_fixture.h"
#include "reader/run_ended.h"

namespace fp {
namespace {

using testing::lines;
using testing::readListingText;

std::string withUnitLine(const std::string& unitLine) {
    return lines({"    2. " + unitLine, "    3. JOINT COORDINATES", "    4. 1 0 0 0",
                  "    5. MEMBER INCIDENCES", "    6. 1 1 1"});
}

TEST(UnitLine, MetresAreAcceptedWhateverTheForceUnit) {
    EXPECT_NO_THROW(readListingText(withUnitLine("UNIT METER KN")));
    EXPECT_NO_THROW(readListingText(withUnitLine("UNIT METER MTON")));
}

TEST(UnitLine, AnyOtherLengthUnitShowsTheUnitMessageAndEndsTheRun) {
    for (const std::string unitLine : {"UNIT KN METER", "UNIT  METER KN", "UNIT MMS KN", "UNIT"}) {
        testing::RecordingServices services(testing::writeListingFile(withUnitLine(unitLine)));
        auto model = makeModelStore();
        ListingReading reading;
        try {
            ReadListing(*model, services, reading);
            ADD_FAILURE() << unitLine << " was accepted";
        } catch (const RunEnded& ended) {
            EXPECT_EQ(ended.reason(), RunEnded::Reason::MessageShown);
        }
        EXPECT_EQ(services.messages(), std::vector<std::string>{"Change the units to Kn Meter "})
            << unitLine;
    }
}

TEST(UnitLine, OnlyTheFirstUnitLineCounts) {
    const std::string text = lines({"UNIT METER KN", "UNIT FEET KIP", "JOINT COORDINATES",
                                    "1. 1 0 0 0", "5. MEMBER INCIDENCES", "6. 1 1 1"});
    EXPECT_NO_THROW(readListingText(text));
}

// Expects the run to end with a message holding every one of `parts`.
void expectRunEndingMessage(const std::string& text, std::initializer_list<std::string> parts) {
    try {
        readListingText(text);
        ADD_FAILURE() << "the listing was read";
    } catch (const RunEndingError& failure) {
        for (const std::string& part : parts) {
            EXPECT_NE(std::string(failure.what()).find(part), std::string::npos)
                << failure.what() << " does not hold " << part;
        }
    }
}

TEST(MissingSections, EndTheRunWithAMessageNamingTheFileAndTheSection) {
    expectRunEndingMessage(lines({"STAAD SPACE", "JOINT COORDINATES"}), {"\"UNIT\"", ".anl"});
    expectRunEndingMessage(lines({"JOINT COORDINATES", "UNIT METER KN", "1. 1 0 0 0"}),
                           {"\"JOINT COORDINATES\""});
    expectRunEndingMessage(lines({"UNIT METER KN", "JOINT COORDINATES", "3. 1 0 0 0"}),
                           {"\"MEMBER INCIDENCES\""});
}

TEST(MissingSections, ACancelledDialogEndsTheRunWithoutAMessage) {
    testing::RecordingServices services("");
    auto model = makeModelStore();
    ListingReading reading;
    try {
        ReadListing(*model, services, reading);
        ADD_FAILURE() << "reading went on without a file";
    } catch (const RunEnded& ended) {
        EXPECT_EQ(ended.reason(), RunEnded::Reason::Cancelled);
    }
    EXPECT_TRUE(services.messages().empty());
}

TEST(MissingSections, AFileThatCannotBeOpenedEndsTheRunNamingIt) {
    testing::RecordingServices services("/nonexistent/model.anl");
    auto model = makeModelStore();
    ListingReading reading;
    EXPECT_THROW(ReadListing(*model, services, reading), RunEndingError);
    EXPECT_EQ(services.caption(), "/nonexistent/model.anl");
    EXPECT_EQ(services.filter(), "Analysis Files(*.ANL)|*.ANL|All Files(*.*)|*.*");
}

TEST(JointSection, ValuesFlowOverLineBreaksAndTheMemberHeadingEndsTheSection) {
    const auto result = readListingText(
        lines({"    2. UNIT METER KN", "    4. JOINT COORDINATES", "    5. 1 0 0 0; 2 4.5 0 0",
               "    6. 3 9 0 0", "    7. MEMBER INCIDENCES", "    8. 1 1 2; 2 2 3"}));
    const ModelStore& model = *result.model;
    ASSERT_EQ(model.JointCount, 3);
    const int16_t expected[3][4] = {{1, 0, 0, 0}, {2, 450, 0, 0}, {3, 900, 0, 0}};
    for (int row = 1; row <= 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            EXPECT_EQ(model.JointTable.at(row, column), expected[row - 1][column]);
        }
    }
    ASSERT_EQ(model.MemberCount, 2);
    EXPECT_EQ(model.MemberTable.at(1, 0), 1);
    EXPECT_EQ(model.MemberTable.at(1, 2), 2);
    EXPECT_EQ(model.MemberTable.at(2, 0), 2);
    EXPECT_EQ(model.MemberTable.at(2, 1), 2);
    EXPECT_EQ(model.MemberTable.at(2, 2), 3);
    EXPECT_EQ(model.GridX.count(), 3);
    EXPECT_EQ(model.GridX[3], 900);
}

TEST(JointSection, NegativeExponentsAreZeroAndHeadingsInsideTheSectionAreSkipped) {
    const auto result = readListingText(
        lines({"UNIT METER KN", "   10. JOINT COORDINATES", "   11. 1 1.2E-05 3.5 -2.5E-03", "",
               "     STAAD SPACE                              -- PAGE NO.    2", "",
               "   12. 2 0.015 0.005 327.67", "   13. MEMBER INCIDENCES", "   14. 1 1 2"}));
    const ModelStore& model = *result.model;
    ASSERT_EQ(model.JointCount, 2);
    EXPECT_EQ(model.JointTable.at(1, 1), 0);
    EXPECT_EQ(model.JointTable.at(1, 2), 350);
    EXPECT_EQ(model.JointTable.at(1, 3), 0);
    EXPECT_EQ(model.JointTable.at(2, 1), 2);
    EXPECT_EQ(model.JointTable.at(2, 2), 0);
    EXPECT_EQ(model.JointTable.at(2, 3), 32767);
}

TEST(JointSection, ACoordinateOutsideTheSixteenBitRangeEndsTheRunAtItsLine) {
    expectRunEndingMessage(lines({"UNIT METER KN", "JOINT COORDINATES", "3. 1 0 0 0",
                                  "4. 2 327.68 0 0", "5. MEMBER INCIDENCES", "6. 1 1 2"}),
                           {"(line 4)", ".anl"});
}

TEST(JointSection, MoreJointsThanTheTableHoldsEndTheRunAtTheLineOfTheLastOne) {
    std::string text = lines({"UNIT METER KN", "JOINT COORDINATES"});
    for (int joint = 1; joint <= 9001; ++joint) {
        text += "3. " + std::to_string(joint % 30000) + " 1 2 3\n";
    }
    text += lines({"9. MEMBER INCIDENCES", "9. 1 1 2"});
    expectRunEndingMessage(text, {"9000 joints", "(line 9003)"});
}

TEST(JointSection, AListingEndingInsideASectionEndsTheSectionThere) {
    expectRunEndingMessage(lines({"UNIT METER KN", "JOINT COORDINATES", "3. 1 0 0 0"}),
                           {"\"MEMBER INCIDENCES\""});
    const auto result =
        readListingText(lines({"UNIT METER KN", "JOINT COORDINATES", "3. 1 0 0 0; 2 3 0 0",
                               "4. MEMBER INCIDENCES", "5. 1 1 2; 2 2 1"}));
    EXPECT_EQ(result.model->MemberCount, 2);
}

TEST(MemberSection, MembersAreOrientedFromTheirLowerToTheirHigherJoint) {
    const auto result = readListingText(
        lines({"UNIT METER KN", "JOINT COORDINATES", "3. 1 0 0 0; 2 4 0 0; 3 4 3 0; 4 4 3 5",
               "4. MEMBER INCIDENCES", "5. 1 2 1; 2 1 2; 3 3 2; 4 4 3; 5 4 9"}));
    const ModelStore& model = *result.model;
    const int32_t expected[5][2] = {{1, 2}, {1, 2}, {2, 3}, {3, 4}, {9, 4}};
    for (int row = 1; row <= 5; ++row) {
        EXPECT_EQ(model.MemberTable.at(row, 1), expected[row - 1][0]) << "member " << row;
        EXPECT_EQ(model.MemberTable.at(row, 2), expected[row - 1][1]) << "member " << row;
    }
}

TEST(MemberSection, MemberNumbersAboveSixteenBitsAreKept) {
    const auto result =
        readListingText(lines({"UNIT METER KN", "JOINT COORDINATES", "3. 1 0 0 0; 2 4 0 0",
                               "4. MEMBER INCIDENCES", "5. 100001 2 1"}));
    EXPECT_EQ(result.model->MemberTable.at(1, 0), 100001);
    EXPECT_EQ(result.model->MemberTable.at(1, 1), 1);
}

TEST(CrlfListing, IsReadLikeOneWithLineFeeds) {
    std::string text = testing::structureHead();
    std::string crlf;
    for (const char c : text) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    const auto result = readListingText(crlf);
    EXPECT_EQ(result.model->JointCount, 4);
    EXPECT_EQ(result.model->MemberCount, 2);
    EXPECT_EQ(result.model->JointTable.at(4, 3), 800);
}

}  // namespace
}  // namespace fp
