// The bundled office-block listing reads completely and describes its building.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>
#include <tuple>

#include "document/listing_document.h"
#include "reader/listing_fixture.h"

namespace fp {
namespace {

std::string samplePath() {
    // The tests run in the project's folder.
    return "samples/office-block.anl";
}

class OfficeBlockSample : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::RecordingSink sink;
        document = openListing(samplePath(), sink);
        messages = sink.messages();
    }

    // The first joint numbered `number`; none is a failure of the test.
    const Joint& joint(int number) const {
        for (const Joint& joint : document.joints) {
            if (joint.number == number) {
                return joint;
            }
        }
        ADD_FAILURE() << "no joint " << number;
        static const Joint none;
        return none;
    }

    // The first member numbered `number`, or nullptr.
    const Member* member(int32_t number) const {
        for (const Member& member : document.members) {
            if (member.number == number) {
                return &member;
            }
        }
        return nullptr;
    }

    ListingDocument document;
    std::vector<std::string> messages;
};

TEST_F(OfficeBlockSample, ReadsEveryListWithoutAMessage) {
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(document.name, samplePath());
    EXPECT_EQ(document.joints.size(), 162u);
    EXPECT_EQ(document.members.size(), 334u);
    EXPECT_EQ(document.designRows.size(), 214u);
    EXPECT_EQ(document.floorLoads.size(), 30u);
    EXPECT_EQ(document.grid.x.count(), 6);
    EXPECT_EQ(document.grid.y.count(), 7);
    EXPECT_EQ(document.grid.z.count(), 5);
    EXPECT_EQ(document.floorIntensities.size(), 7u);
    EXPECT_EQ(document.memberLoadValues.size(), 5u);
}

TEST_F(OfficeBlockSample, LoadsComeFromBothLoadCasesAndBothLineForms) {
    const FloorLoad& first = document.floorLoads[0];
    EXPECT_EQ(first.caseNumber, "1");
    EXPECT_FLOAT_EQ(first.intensity, 4.5f);
    EXPECT_FLOAT_EQ(first.z2, 16.0f);
    const FloorLoad& roof = document.floorLoads[10];
    EXPECT_FLOAT_EQ(roof.y1, 22.1f);
    EXPECT_FLOAT_EQ(roof.x1, -0.01f);
    EXPECT_FLOAT_EQ(roof.z2, 17.81f);
    EXPECT_EQ(document.floorLoads[29].caseNumber, "2");
}

TEST_F(OfficeBlockSample, DesignLengthsAreTheBeamsLengthsInMillimetres) {
    std::size_t index = 0;
    for (const DesignRow& row : document.designRows) {
        ++index;
        const Member* designed = member(row.member);
        ASSERT_NE(designed, nullptr) << "design row " << index;
        const Joint& start = joint(designed->start);
        const Joint& end = joint(designed->end);
        const double dx = end.x - start.x;
        const double dy = end.y - start.y;
        const double dz = end.z - start.z;
        EXPECT_EQ(row.lengthMm, std::lround(std::sqrt(dx * dx + dy * dy + dz * dz) * 10))
            << "design row " << index;
    }
}

TEST_F(OfficeBlockSample, CantileverWrittenFromItsTipRunsOutwards) {
    const Member* cantilever = member(133);
    ASSERT_NE(cantilever, nullptr);
    EXPECT_EQ(cantilever->start, 119);
    EXPECT_EQ(cantilever->end, 123);
}

// Every level above the ground has designed beams, and each beam's design row is its member's.
TEST_F(OfficeBlockSample, EveryUpperLevelIsFramed) {
    for (int level = 2; level <= document.levelCount(); ++level) {
        const std::vector<LevelBeam>& beams = document.level(level).beams;
        for (const LevelBeam& beam : beams) {
            EXPECT_NE(member(document.designRow(beam.designRow).member), nullptr);
        }
        EXPECT_FALSE(beams.empty()) << "level " << level;
    }
}

// Cut off right after a beam header, the listing keeps every complete block's row as the whole
// listing has it, and names the cut header instead of giving it a row.
TEST_F(OfficeBlockSample, CutAfterABeamHeaderKeepsEveryCompleteBlock) {
    constexpr long kCutAt = 1387;
    std::ifstream whole(samplePath());
    std::string cut;
    std::string line;
    for (long number = 1; number <= kCutAt && std::getline(whole, line); ++number) {
        cut += line + "\n";
    }
    ASSERT_NE(line.find("B E A M  N O."), std::string::npos) << line;
    const ListingDocument shortened = testing::readListingText(cut).document;
    std::vector<std::tuple<int32_t, int32_t, long>> expected;
    for (const DesignRow& row : document.designRows) {
        if (row.line < kCutAt) {
            expected.emplace_back(row.member, row.lengthMm, row.line);
        }
    }
    std::vector<std::tuple<int32_t, int32_t, long>> rows;
    for (const DesignRow& row : shortened.designRows) {
        rows.emplace_back(row.member, row.lengthMm, row.line);
    }
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(shortened.cutDesignHeaderLine, kCutAt);
}

}  // namespace
}  // namespace fp
