// The check names the loads that find no way to a column, each with its kN and place; a frame
// whose every load reaches a column, cantilevers included, gives no such finding.
#include <gtest/gtest.h>

#include "checks/listing_checks.h"
#include "support/frame_listing.h"

namespace fp {
namespace {

using testing::FrameListing;

std::vector<Finding> loadPathFindings(const FrameListing& frame) {
    const ListingDocument document = testing::readFrame(frame.text);
    std::vector<Finding> found;
    for (const Finding& finding : checkDocument(document)) {
        if (finding.kind == FindingKind::LoadWithoutColumn ||
            finding.kind == FindingKind::BeamEndOnNothing ||
            finding.kind == FindingKind::PanelSideWithoutBeam) {
            found.push_back(finding);
        }
    }
    return found;
}

struct Expected {
    FindingKind kind;
    Severity severity;
    FindingPlace::Kind place;
    double kN;
    std::string sentence;  // a part of it
};

TEST(LoadPathChecks, NameEachLoadThatFindsNoColumn) {
    const struct {
        const char* what;
        FrameListing frame;
        std::vector<Expected> expected;
    } cases[] = {
        {"a cantilever on two columns",
         [] {
             FrameListing frame;
             frame.beam(3, 0, 0, 5, 0);
             frame.beam(3, 5, 0, 7, 0);
             frame.column(0, 0, 0, 3);
             frame.column(5, 0, 0, 3);
             frame.text.memberLoad("1 2", 10);
             return frame;
         }(),
         {}},
        {"a beam off a girder's column-free joint, its far end on nothing",
         [] {
             FrameListing frame;
             frame.beam(3, 0, 0, 2, 0);
             frame.beam(3, 2, 0, 4, 0);
             frame.beam(3, 2, 0, 2, 3);
             frame.column(0, 0, 0, 3);
             frame.column(4, 0, 0, 3);
             frame.text.memberLoad("3", 10);
             return frame;
         }(),
         {{FindingKind::BeamEndOnNothing, Severity::Warning, FindingPlace::Kind::Beam, 15,
           "The end of beam 3 at joint 4 (X 2 m, Z 3 m) rests on nothing"}}},
        {"a beam end on nothing is told even without a load",
         [] {
             FrameListing frame;
             frame.beam(3, 0, 0, 2, 0);
             frame.beam(3, 2, 0, 4, 0);
             frame.beam(3, 2, 0, 2, 3);
             frame.column(0, 0, 0, 3);
             frame.column(4, 0, 0, 3);
             return frame;
         }(),
         {{FindingKind::BeamEndOnNothing, Severity::Warning, FindingPlace::Kind::Beam, 0,
           "it carries no load there"}}},
        {"a panel side missing its middle beam",
         [] {
             FrameListing frame;
             frame.beam(3, 0, 0, 6, 0);
             frame.beam(3, 0, 0, 0, 4);
             frame.beam(3, 6, 0, 6, 4);
             frame.beam(3, 0, 4, 2, 4);
             frame.beam(3, 4, 4, 6, 4);
             for (const auto& [x, z] : {std::pair{0.0, 0.0}, {6.0, 0.0}, {0.0, 4.0}, {6.0, 4.0}}) {
                 frame.column(x, z, 0, 3);
             }
             frame.text.floorLoad(2.9, 3.1, 5);
             return frame;
         }(),
         {{FindingKind::PanelSideWithoutBeam, Severity::Warning, FindingPlace::Kind::Range, 20,
           "A load of 20.0 kN (case 1) finds no beam: no beam runs along X 2–4 m at Z 4 m"}}},
        {"no columns at all: one note for the whole listing",
         [] {
             FrameListing frame;
             frame.bay(3, 0, 0, 6, 4, false);
             frame.joint(0, 0, 0);
             frame.text.floorLoad(2.9, 3.1, 5);
             return frame;
         }(),
         {{FindingKind::LoadWithoutColumn, Severity::Note, FindingPlace::Kind::None, 120,
           "The listing has no columns"}}},
    };
    for (const auto& c : cases) {
        const std::vector<Finding> found = loadPathFindings(c.frame);
        ASSERT_EQ(found.size(), c.expected.size()) << c.what;
        for (std::size_t i = 0; i < found.size(); ++i) {
            const Expected& expected = c.expected[i];
            EXPECT_EQ(found[i].kind, expected.kind) << c.what;
            EXPECT_EQ(found[i].severity, expected.severity) << c.what;
            EXPECT_EQ(found[i].place.kind, expected.place) << c.what;
            double kN = 0;
            for (const FindingNumber& number : found[i].numbers) {
                kN += number.unit == "kN" ? number.value : 0;
            }
            EXPECT_NEAR(kN, expected.kN, 1e-9) << c.what;
            EXPECT_NE(found[i].sentence.find(expected.sentence), std::string::npos)
                << c.what << ": " << found[i].sentence;
        }
    }
}

}  // namespace
}  // namespace fp
