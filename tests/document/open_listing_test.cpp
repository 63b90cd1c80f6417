// Opening a listing: one call reads it whole into a document, or fails naming the listing and
// leaves nothing behind; documents of different listings stand side by side.
#include "document/listing_document.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "document/startup_texts.h"
#include "model/listing_error.h"
#include "plan/level_drawing.h"
#include "plan/plan_view.h"
#include "reader/listing_fixture.h"
#include "support/recording_surface.h"

namespace fp {
namespace {

using testing::lines;

// Two joints per level at the given heights (metres), at X 0 and 6 m on Z 0, and on every level
// above the lowest a beam between them, written from its far joint, with its design block.
std::string framedListing(const std::vector<std::string>& levels) {
    std::string text =
        lines({"    1. STAAD SPACE", "    2. UNIT METER KN", "    3. JOINT COORDINATES"});
    for (std::size_t level = 1; level <= levels.size(); ++level) {
        const std::string y = levels[level - 1];
        text += "    4. " + std::to_string(2 * level - 1) + " 0 " + y + " 0; " +
                std::to_string(2 * level) + " 6 " + y + " 0\n";
    }
    text += "    5. MEMBER INCIDENCES\n";
    for (std::size_t level = 2; level <= levels.size(); ++level) {
        text += "    6. " + std::to_string(level) + " " + std::to_string(2 * level) + " " +
                std::to_string(2 * level - 1) + "\n";
    }
    text += "    7. DEFINE MATERIAL\n";
    for (std::size_t level = 2; level <= levels.size(); ++level) {
        text += "   B E A M  N O.     " + std::to_string(level) +
                "   D E S I G N   R E S U L T S\n   LENGTH:  6000.0 mm\n";
    }
    return text;
}

TEST(OpenListing, ReadsStructureGridLoadsDesignsAndFramingInOneCall) {
    const std::string text =
        framedListing({"0", "3.5", "7"}) +
        lines({"   20. LOAD 1 LOADTYPE DEAD TITLE", "   21. FLOOR LOAD",
               "   22. YRANGE 3 8 FLOAD -4.5 GY", "   23. YRANGE 3 8 FLOAD -2 GY",
               "   45. MEMBER LOAD", "   46. 2 UNI GY -12.5", "   47. 3 UNI GY -10"});
    const auto result = testing::readListingText(text);
    const ListingDocument& document = result.document;
    EXPECT_TRUE(result.messages.empty());
    EXPECT_EQ(document.name, result.path);
    EXPECT_EQ(document.joints.size(), 6u);
    EXPECT_EQ(document.levelCount(), 3);
    EXPECT_EQ(document.levelHeight(2), 350);
    // The distinct values ascending, whatever order the listing gives them in.
    EXPECT_EQ(
        (std::vector<float>{document.floorIntensities.begin(), document.floorIntensities.end()}),
        (std::vector<float>{2, 4.5}));
    EXPECT_EQ(
        (std::vector<float>{document.memberLoadValues.begin(), document.memberLoadValues.end()}),
        (std::vector<float>{10, 12.5}));
    // Member 2 was written from its far joint; once turned it is the beam of level 2.
    EXPECT_EQ(document.members[0].start, 3);
    EXPECT_EQ(document.level(2).beams.at(0).designRow, 1);
    EXPECT_EQ(document.level(3).beams.at(0).designRow, 2);
    EXPECT_EQ(document.designRow(2).member, 3);
}

TEST(OpenListing, AListingInMemoryReadsLikeTheSameListingInAFile) {
    const std::string text =
        framedListing({"0", "3"}) + lines({"   21. FLOOR LOAD", "   22. YRANGE 2 4 FLOAD -5 GY"});
    const auto fromFile = testing::readListingText(text);
    const auto memory = listingInMemory(text, "in memory");
    testing::RecordingSink sink;
    const ListingDocument fromMemory = readListing(*memory, sink);
    EXPECT_EQ(fromMemory.name, "in memory");
    EXPECT_EQ(fromMemory.joints.size(), fromFile.document.joints.size());
    EXPECT_EQ(fromMemory.members.size(), fromFile.document.members.size());
    EXPECT_EQ(fromMemory.designRows.size(), fromFile.document.designRows.size());
    ASSERT_EQ(fromMemory.floorLoads.size(), 1u);
    EXPECT_EQ(fromMemory.floorLoads[0].x2, fromFile.document.floorLoads[0].x2);
    EXPECT_EQ(fromMemory.level(2).beams.at(0).member,
              fromFile.document.level(2).beams.at(0).member);
}

TEST(OpenListing, AFileThatCannotBeOpenedEndsTheReadingNamingIt) {
    testing::RecordingSink sink;
    try {
        openListing("/nonexistent/model.anl", sink);
        FAIL() << "a missing listing was opened";
    } catch (const ListingError& failure) {
        EXPECT_NE(std::string(failure.what()).find("/nonexistent/model.anl: "), std::string::npos)
            << failure.what();
    }
    EXPECT_TRUE(sink.messages().empty());
}

// Opens `text` from a file into `document`, and returns the message of its failure.
std::string failureOpening(const std::string& path, std::optional<ListingDocument>& document,
                           std::vector<std::string>& messages) {
    testing::RecordingSink sink;
    try {
        document = openListing(path, sink);
    } catch (const ListingError& failure) {
        messages = sink.messages();
        return failure.what();
    }
    messages = sink.messages();
    return "(read)";
}

// A failure late in the reading, after the structure and most loads were read, still gives no
// document; its message names the listing.
TEST(OpenListing, AListingThatFailsLateGivesNoDocumentAndANamedFailure) {
    std::string loads = lines({"   20. FLOOR LOAD"});
    for (int i = 1; i <= 21; ++i) {
        loads += "   21. YRANGE 2 4 FLOAD -" + std::to_string(i) + " GY\n";
    }
    const std::string header = "   B E A M  N O.            12";
    const std::string path = testing::writeListingFile(framedListing({"0", "3"}) + loads + header);
    std::optional<ListingDocument> document;
    std::vector<std::string> messages;
    const std::string failure = failureOpening(path, document, messages);
    EXPECT_EQ(failure, path +
                           ", line 32: The listing has more than 20 distinct floor-load "
                           "intensities. FramePlan holds at most 20 distinct floor-load "
                           "intensities.");
    EXPECT_FALSE(document.has_value());
    EXPECT_TRUE(messages.empty()) << "the design pass, which comes later, shows nothing";

    std::string joints = lines({"UNIT METER KN", "JOINT COORDINATES"});
    for (int joint = 1; joint <= 101; ++joint) {
        joints += "3. " + std::to_string(joint) + " " + std::to_string(joint) + " 0 0\n";
    }
    const std::string wide = testing::writeListingFile(joints + lines({"9. MEMBER INCIDENCES"}));
    const std::string gridFailure = failureOpening(wide, document, messages);
    EXPECT_EQ(gridFailure, wide +
                               ", line 103: The listing has more than 100 distinct X coordinates. "
                               "FramePlan holds at most 100 distinct X coordinates.");
    EXPECT_FALSE(document.has_value());
}

TEST(OpenListing, TwoDocumentsStandSideBySideEachWithItsOwnGridAndLevels) {
    const auto low = testing::readListingText(
        framedListing({"0", "3"}) + lines({"   21. FLOOR LOAD", "   22. YRANGE 2 4 FLOAD -5 GY"}));
    const auto tall =
        testing::readListingText(framedListing({"0", "4", "8", "12"}) +
                                 lines({"   21. FLOOR LOAD", "   22. YRANGE 3 13 FLOAD -2.5 GY"}));

    EXPECT_NE(low.document.name, tall.document.name);
    EXPECT_EQ(levelLabels(low.document), (std::vector<std::string>{" 0", " 3"}));
    EXPECT_EQ(levelLabels(tall.document), (std::vector<std::string>{" 0", " 4", " 8", " 12"}));
    EXPECT_EQ(startLevel(low.document), 2);
    EXPECT_EQ(startLevel(tall.document), 3);
    EXPECT_EQ(intensityCaptions(low.document, '.'), std::vector<std::string>{"5"});
    EXPECT_EQ(intensityCaptions(tall.document, '.'), std::vector<std::string>{"2.5"});

    // Drawing one leaves the other as it was.
    test::RecordingSurface surface;
    const PickBoxes tallBoxes = drawLevel(tall.document, startUpView(tall.document), surface).boxes;
    const PickBoxes lowBoxes = drawLevel(low.document, startUpView(low.document), surface).boxes;
    EXPECT_EQ(tallBoxes.size(), 1u);
    EXPECT_EQ(lowBoxes.size(), 1u);
    EXPECT_EQ(low.document.levelCount(), 2);
    EXPECT_EQ(tall.document.levelCount(), 4);
    EXPECT_EQ(tall.document.designRows.size(), 3u);
    EXPECT_EQ(low.document.designRows.size(), 1u);
}

// The progress callback sees the reading reach the listing's end, and stopping it makes nothing.
TEST(OpenListing, ProgressIsToldAndCanStopTheReading) {
    const std::string path = testing::writeListingFile(framedListing({"0", "3"}));
    testing::RecordingSink sink;
    std::uint64_t furthest = 0;
    std::uint64_t size = 0;
    openListing(path, sink, [&](std::uint64_t reached, std::uint64_t total) {
        furthest = std::max(furthest, reached);
        size = total;
        return true;
    });
    EXPECT_GT(size, 0u);
    EXPECT_EQ(furthest, size);
    EXPECT_THROW(openListing(path, sink, [](std::uint64_t, std::uint64_t) { return false; }),
                 ReadCancelled);
}

}  // namespace
}  // namespace fp
