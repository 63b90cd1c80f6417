// The design scan: one row per beam block, lengths up to a column header, header messages.
#include <gtest/gtest.h>

#include <string>

#include "model/listing_error.h"
#include "reader/listing_fixture.h"

namespace fp {
namespace {

using testing::lines;
using testing::readListingText;

std::string beamHeader(const std::string& number) {
    return "   B E A M  N O.     " + number + "   D E S I G N   R E S U L T S";
}

std::string columnHeader(const std::string& number) {
    return "   C O L U M N   N O.   " + number + "   D E S I G N   R E S U L T S";
}

std::string lengthLine(const std::string& length) {
    return "   LENGTH:  " + length + " mm      SIZE:  230 mm X  450 mm";
}

struct Row {
    int32_t member;
    int32_t length;
    bool operator==(const Row&) const = default;
};

std::vector<Row> designRows(const ListingDocument& document) {
    std::vector<Row> rows;
    for (const DesignRow& row : document.designRows) {
        rows.push_back({row.member, row.lengthMm});
    }
    return rows;
}

TEST(DesignScan, EveryBeamBlockGivesARowInListingOrder) {
    const auto result =
        readListingText(testing::structureHead() +
                        lines({beamHeader("12"), "", lengthLine("4500.0"), beamHeader("15"),
                               lengthLine("4500.5"), beamHeader("12"), lengthLine("4501.5")}));
    EXPECT_EQ(designRows(result.document), (std::vector<Row>{{12, 4500}, {15, 4500}, {12, 4502}}));
    EXPECT_TRUE(result.messages.empty());
}

TEST(DesignScan, AListingWithoutDesignOutputHasNoRows) {
    const auto result = readListingText(testing::structureHead());
    EXPECT_EQ(result.document.designRows.size(), 0u);
}

TEST(DesignScan, AColumnHeaderStopsTheLengthSearchAndColumnsAddNoRow) {
    const auto result = readListingText(
        testing::structureHead() +
        lines({beamHeader("12"), columnHeader("7"), lengthLine("3000"), beamHeader("15"),
               lengthLine("6000"), columnHeader("8"), lengthLine("3500")}));
    EXPECT_EQ(designRows(result.document), (std::vector<Row>{{12, 0}, {15, 6000}}));
}

TEST(DesignScan, ABeamWithoutLengthTakesTheNextBlocksLengthAndThatHeaderIsPassedOver) {
    const auto result = readListingText(
        testing::structureHead() + lines({beamHeader("12"), beamHeader("15"), lengthLine("6000"),
                                          beamHeader("17"), lengthLine("2500")}));
    EXPECT_EQ(designRows(result.document), (std::vector<Row>{{12, 6000}, {17, 2500}}));
}

TEST(DesignScan, TheNumberMustStandInTheTenCharactersAfterTheKey) {
    const std::string farHeader = "   B E A M  N O.          12";
    const auto result =
        readListingText(testing::structureHead() + lines({farHeader, lengthLine("4000")}));
    EXPECT_EQ(designRows(result.document), (std::vector<Row>{{0, 4000}}));
    EXPECT_EQ(result.messages, std::vector<std::string>{farHeader});
}

// A listing cut off inside a beam block, before its length: every complete block keeps its row
// in order, the cut block has none, and the document names the header it was cut after.
TEST(DesignScan, ABlockCutOffBeforeItsLengthHasNoRowAndTheOthersKeepTheirs) {
    const struct {
        const char* name;
        std::string designs;
        std::vector<Row> rows;
        long cutHeaderLine;
    } cases[] = {
        {"the listing ends on the header", beamHeader("12"), {}, 8},
        {"after complete blocks",
         lines({beamHeader("12"), lengthLine("4000"), beamHeader("15"), lengthLine("5500")}) +
             beamHeader("21"),
         {{12, 4000}, {15, 5500}},
         12},
        {"after lines of the cut block",
         lines({beamHeader("12"), lengthLine("4000"), beamHeader("21"),
                "   SIZE:  230 mm X  450 mm"}),
         {{12, 4000}},
         10},
        {"nothing cut", lines({beamHeader("12"), lengthLine("4000")}), {{12, 4000}}, 0},
    };
    for (const auto& c : cases) {
        const auto result = readListingText(testing::structureHead() + c.designs);
        EXPECT_EQ(designRows(result.document), c.rows) << c.name;
        EXPECT_EQ(result.document.cutDesignHeaderLine, c.cutHeaderLine) << c.name;
    }
}

TEST(DesignScan, ABeamNumberTooLargeEndsTheReadingAtItsHeader) {
    try {
        readListingText(testing::structureHead() + lines({lengthLine("4000")}) +
                        beamHeader("1E20"));
        ADD_FAILURE() << "the beam number was held";
    } catch (const ListingError& failure) {
        EXPECT_NE(std::string(failure.what()).find("line 9:"), std::string::npos) << failure.what();
    }
}

TEST(DesignScan, MoreThan2500BeamBlocksEndTheReading) {
    std::string blocks;
    for (int i = 1; i <= 2501; ++i) {
        blocks += beamHeader(std::to_string(i)) + "\n" + lengthLine("1000") + "\n";
    }
    try {
        readListingText(testing::structureHead() + blocks);
        ADD_FAILURE() << "2501 beam blocks were held";
    } catch (const ListingError& failure) {
        EXPECT_NE(std::string(failure.what()).find("2500 beam design blocks"), std::string::npos);
        EXPECT_NE(std::string(failure.what()).find("line 5008:"), std::string::npos)
            << failure.what();
    }
}

}  // namespace
}  // namespace fp
