// Reading the unit line, the joint coordinates and the member incidences of a listing.
#include "reader/structure_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/listing_error.h"
#include "reader/listing_fixture.h"

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

// The unit message is the program's own, shown as it stands: no file, line or advice is added.
TEST(UnitLine, AnyOtherLengthUnitEndsTheReadingWithTheUnitMessageAlone) {
    for (const std::string unitLine : {"UNIT KN METER", "UNIT  METER KN", "UNIT MMS KN", "UNIT"}) {
        testing::RecordingSink sink;
        try {
            openListing(testing::writeListingFile(withUnitLine(unitLine)), sink);
            ADD_FAILURE() << unitLine << " was accepted";
        } catch (const ListingError& failure) {
            EXPECT_EQ(failure.message(), "Change the units to Kn Meter ") << unitLine;
            EXPECT_EQ(failure.line(), 1) << unitLine;
        }
        EXPECT_TRUE(sink.messages().empty()) << unitLine;
    }
}

// A missing section is reported at the line of the section after which it was looked for, not at
// the end of the listing where the search stopped.
TEST(UnitLine, AMissingSectionIsReportedAtTheLineOfTheSectionBefore) {
    try {
        readListingText(lines({"1. STAAD", "2. UNIT METER KN", "3. PRINT", "4. FINISH"}));
        ADD_FAILURE() << "a listing without joints was read";
    } catch (const ListingError& failure) {
        EXPECT_EQ(failure.line(), 2);
        EXPECT_NE(std::string(failure.what()).find("after its unit line"), std::string::npos);
    }
    try {
        readListingText(lines({"UNIT METER KN", "JOINT COORDINATES", "3. 1 0 0 0", "4. FINISH"}));
        ADD_FAILURE() << "a listing without members was read";
    } catch (const ListingError& failure) {
        EXPECT_EQ(failure.line(), 2);
    }
}

TEST(UnitLine, OnlyTheFirstUnitLineCounts) {
    const std::string text = lines({"UNIT METER KN", "UNIT FEET KIP", "JOINT COORDINATES",
                                    "1. 1 0 0 0", "5. MEMBER INCIDENCES", "6. 1 1 1"});
    EXPECT_NO_THROW(readListingText(text));
}

// Expects the reading to end with a message holding every one of `parts`.
void expectFailureMessage(const std::string& text, std::initializer_list<std::string> parts) {
    try {
        readListingText(text);
        ADD_FAILURE() << "the listing was read";
    } catch (const ListingError& failure) {
        for (const std::string& part : parts) {
            EXPECT_NE(std::string(failure.what()).find(part), std::string::npos)
                << failure.what() << " does not hold " << part;
        }
    }
}

TEST(MissingSections, EndTheReadingWithAMessageNamingTheFileAndTheSection) {
    expectFailureMessage(lines({"STAAD SPACE", "JOINT COORDINATES"}), {"\"UNIT\"", ".anl"});
    expectFailureMessage(lines({"JOINT COORDINATES", "UNIT METER KN", "1. 1 0 0 0"}),
                         {"\"JOINT COORDINATES\""});
    expectFailureMessage(lines({"UNIT METER KN", "JOINT COORDINATES", "3. 1 0 0 0"}),
                         {"\"MEMBER INCIDENCES\""});
}

TEST(JointSection, ValuesFlowOverLineBreaksAndTheMemberHeadingEndsTheSection) {
    const auto result = readListingText(
        lines({"    2. UNIT METER KN", "    4. JOINT COORDINATES", "    5. 1 0 0 0; 2 4.5 0 0",
               "    6. 3 9 0 0", "    7. MEMBER INCIDENCES", "    8. 1 1 2; 2 2 3"}));
    const ListingDocument& document = result.document;
    ASSERT_EQ(document.joints.size(), 3u);
    const int16_t expected[3][4] = {{1, 0, 0, 0}, {2, 450, 0, 0}, {3, 900, 0, 0}};
    for (std::size_t i = 0; i < 3; ++i) {
        const Joint& joint = document.joints[i];
        EXPECT_EQ((std::vector<int16_t>{joint.number, joint.x, joint.y, joint.z}),
                  (std::vector<int16_t>(std::begin(expected[i]), std::end(expected[i]))))
            << "joint " << i + 1;
    }
    // Each joint is at the line its number is written on.
    EXPECT_EQ((std::vector<long>{document.joints[0].line, document.joints[1].line,
                                 document.joints[2].line}),
              (std::vector<long>{3, 3, 4}));
    ASSERT_EQ(document.members.size(), 2u);
    EXPECT_EQ(document.members[0].number, 1);
    EXPECT_EQ(document.members[0].end, 2);
    EXPECT_EQ(document.members[1].number, 2);
    EXPECT_EQ(document.members[1].start, 2);
    EXPECT_EQ(document.members[1].end, 3);
    EXPECT_EQ(document.grid.x.count(), 3);
    EXPECT_EQ(document.grid.x.at(3), 900);
}

TEST(JointSection, NegativeExponentsAreZeroAndHeadingsInsideTheSectionAreSkipped) {
    const auto result = readListingText(
        lines({"UNIT METER KN", "   10. JOINT COORDINATES", "   11. 1 1.2E-05 3.5 -2.5E-03", "",
               "     STAAD SPACE                              -- PAGE NO.    2", "",
               "   12. 2 0.015 0.005 327.67", "   13. MEMBER INCIDENCES", "   14. 1 1 2"}));
    const JointList& joints = result.document.joints;
    ASSERT_EQ(joints.size(), 2u);
    EXPECT_EQ(joints[0].x, 0);
    EXPECT_EQ(joints[0].y, 350);
    EXPECT_EQ(joints[0].z, 0);
    EXPECT_EQ(joints[1].x, 2);
    EXPECT_EQ(joints[1].y, 0);
    EXPECT_EQ(joints[1].z, 32767);
}

TEST(JointSection, ACoordinateOutsideTheSixteenBitRangeEndsTheReadingAtItsLine) {
    expectFailureMessage(lines({"UNIT METER KN", "JOINT COORDINATES", "3. 1 0 0 0",
                                "4. 2 327.68 0 0", "5. MEMBER INCIDENCES", "6. 1 1 2"}),
                         {"line 4:", ".anl"});
}

TEST(JointSection, MoreJointsThanTheListHoldsEndTheReadingAtTheLineOfTheLastOne) {
    std::string text = lines({"UNIT METER KN", "JOINT COORDINATES"});
    for (int joint = 1; joint <= 9001; ++joint) {
        text += "3. " + std::to_string(joint % 30000) + " 1 2 3\n";
    }
    text += lines({"9. MEMBER INCIDENCES", "9. 1 1 2"});
    expectFailureMessage(text, {"9000 joints", "line 9003:"});
}

TEST(JointSection, AListingEndingInsideASectionEndsTheSectionThere) {
    expectFailureMessage(lines({"UNIT METER KN", "JOINT COORDINATES", "3. 1 0 0 0"}),
                         {"\"MEMBER INCIDENCES\""});
    const auto result =
        readListingText(lines({"UNIT METER KN", "JOINT COORDINATES", "3. 1 0 0 0; 2 3 0 0",
                               "4. MEMBER INCIDENCES", "5. 1 1 2; 2 2 1"}));
    EXPECT_EQ(result.document.members.size(), 2u);
}

TEST(MemberSection, MembersAreOrientedFromTheirLowerToTheirHigherJoint) {
    const auto result = readListingText(
        lines({"UNIT METER KN", "JOINT COORDINATES", "3. 1 0 0 0; 2 4 0 0; 3 4 3 0; 4 4 3 5",
               "4. MEMBER INCIDENCES", "5. 1 2 1; 2 1 2; 3 3 2; 4 4 3; 5 4 9"}));
    const MemberList& members = result.document.members;
    const int32_t expected[5][2] = {{1, 2}, {1, 2}, {2, 3}, {3, 4}, {9, 4}};
    ASSERT_EQ(members.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(members[i].start, expected[i][0]) << "member " << i + 1;
        EXPECT_EQ(members[i].end, expected[i][1]) << "member " << i + 1;
    }
}

TEST(MemberSection, MemberNumbersAboveSixteenBitsAreKept) {
    const auto result =
        readListingText(lines({"UNIT METER KN", "JOINT COORDINATES", "3. 1 0 0 0; 2 4 0 0",
                               "4. MEMBER INCIDENCES", "5. 100001 2 1"}));
    EXPECT_EQ(result.document.members[0].number, 100001);
    EXPECT_EQ(result.document.members[0].start, 1);
}

// The reader leaves members as written; turning them is a step of its own.
TEST(MemberSection, ReadStructureKeepsTheWrittenOrderOfEachMembersJoints) {
    const std::string text =
        lines({"UNIT METER KN", "JOINT COORDINATES", "3. 1 0 0 0; 2 4 0 0; 3 4 3 0",
               "4. MEMBER INCIDENCES", "5. 1 2 1; 2 1 2; 3 5 3"});
    const auto listing = listingInMemory(text, "structure.anl");
    Structure structure = readStructure(*listing);
    ASSERT_EQ(structure.members.size(), 3u);
    EXPECT_EQ(structure.members[0].start, 2);
    orientMembers(structure.members, structure.joints);
    EXPECT_EQ(structure.members[0].start, 1);
    EXPECT_EQ(structure.members[0].end, 2);
    EXPECT_EQ(structure.members[1].start, 1);
    // Joint 5 is not in the list: it counts as a joint at the origin.
    EXPECT_EQ(structure.members[2].start, 5);
    EXPECT_EQ(structure.members[2].end, 3);
}

TEST(CrlfListing, IsReadLikeOneWithLineFeeds) {
    std::string text = testing::structureHead();
    std::string crlf;
    for (const char c : text) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    const auto result = readListingText(crlf);
    EXPECT_EQ(result.document.joints.size(), 4u);
    EXPECT_EQ(result.document.members.size(), 2u);
    EXPECT_EQ(result.document.joints[3].z, 800);
}

}  // namespace
}  // namespace fp
