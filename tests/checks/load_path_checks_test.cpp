// The loads that find no way to a column: the takedown keeps each where it stopped, with its kN
// and reason, and the check names it with the same kN; a frame whose every load reaches a column,
// cantilevers included, gives neither.
#include <gtest/gtest.h>

#include <optional>

#include "checks/listing_checks.h"
#include "support/frame_listing.h"

namespace fp {
namespace {

using testing::FrameListing;

std::vector<Finding> loadPathFindings(const ListingDocument& document) {
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

double kNOf(const Finding& finding) {
    double kN = 0;
    for (const FindingNumber& number : finding.numbers) {
        kN += number.unit == "kN" ? number.value : 0;
    }
    return kN;
}

struct Unsupported {
    UnsupportedKind kind;
    const char* why;  // a part of the first unsupported load's reason
};

struct Expected {
    FindingKind kind;
    Severity severity;
    FindingPlace::Kind place;
    double kN;
    std::string sentence;  // a part of it
};

// The far side at Z 4 lacks its middle beam (2-4 m): the trapezoid's 2 x 2 m under it.
FrameListing panelSideWithoutItsMiddleBeam() {
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
}

// A beam off a column-free joint of a girder: its line has no column to lean on.
FrameListing beamOffAColumnFreeJoint(bool loaded) {
    FrameListing frame;
    frame.beam(3, 0, 0, 2, 0);
    frame.beam(3, 2, 0, 4, 0);
    frame.beam(3, 2, 0, 2, 3);
    frame.column(0, 0, 0, 3);
    frame.column(4, 0, 0, 3);
    if (loaded) {
        frame.text.memberLoad("3", 10);
    }
    return frame;
}

TEST(LoadPathChecks, EachLoadThatFindsNoColumnStaysWhereItIsAndIsNamed) {
    const struct {
        const char* what;
        FrameListing frame;
        double unsupportedKN;
        std::optional<Unsupported> unsupported;
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
         0,
         std::nullopt,
         {}},
        {"a beam off a girder's column-free joint, its far end on nothing",
         beamOffAColumnFreeJoint(true),
         15,
         Unsupported{UnsupportedKind::BeamEnd, "beam 3 ends at joint 4"},
         {{FindingKind::BeamEndOnNothing, Severity::Warning, FindingPlace::Kind::Beam, 15,
           "The end of beam 3 at joint 4 (X 2 m, Z 3 m) rests on nothing"}}},
        {"a beam end on nothing is told even without a load",
         beamOffAColumnFreeJoint(false),
         0,
         Unsupported{UnsupportedKind::BeamEnd, "beam 3 ends at joint 4"},
         {{FindingKind::BeamEndOnNothing, Severity::Warning, FindingPlace::Kind::Beam, 0,
           "it carries no load there"}}},
        {"a panel side missing its middle beam",
         panelSideWithoutItsMiddleBeam(),
         20,
         Unsupported{UnsupportedKind::PanelSide, "no beam runs along X 2–4 m at Z 4 m"},
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
         120,
         Unsupported{UnsupportedKind::Joint, "the listing has no columns"},
         {{FindingKind::LoadWithoutColumn, Severity::Note, FindingPlace::Kind::None, 120,
           "The listing has no columns"}}},
    };
    for (const auto& c : cases) {
        const ListingDocument document = testing::readFrame(c.frame.text);
        const Takedown takedown = takeDown(document);
        double unsupportedKN = 0;
        for (const UnsupportedLoad& lost : takedown.unsupported) {
            unsupportedKN += lost.byCase.at(0);
        }
        EXPECT_NEAR(unsupportedKN, c.unsupportedKN, 1e-9) << c.what;
        ASSERT_EQ(takedown.unsupported.empty(), !c.unsupported) << c.what;
        if (c.unsupported) {
            const UnsupportedLoad& first = takedown.unsupported.front();
            EXPECT_EQ(first.kind, c.unsupported->kind) << c.what;
            EXPECT_NE(first.why.find(c.unsupported->why), std::string::npos)
                << c.what << ": " << first.why;
        }
        // Nothing is lost on the way: what does not reach a base stays unsupported.
        EXPECT_NEAR(takedown.equilibrium.reached(0), takedown.equilibrium.applied(0), 1e-9)
            << c.what;

        const std::vector<Finding> found = loadPathFindings(document);
        ASSERT_EQ(found.size(), c.expected.size()) << c.what;
        double foundKN = 0;
        for (std::size_t i = 0; i < found.size(); ++i) {
            const Expected& expected = c.expected[i];
            EXPECT_EQ(found[i].kind, expected.kind) << c.what;
            EXPECT_EQ(found[i].severity, expected.severity) << c.what;
            EXPECT_EQ(found[i].place.kind, expected.place) << c.what;
            EXPECT_NEAR(kNOf(found[i]), expected.kN, 1e-9) << c.what;
            EXPECT_NE(found[i].sentence.find(expected.sentence), std::string::npos)
                << c.what << ": " << found[i].sentence;
            foundKN += kNOf(found[i]);
        }
        // The check names every kN the takedown could not take down, and no other.
        EXPECT_NEAR(foundKN, unsupportedKN, 1e-9) << c.what;
    }
}

}  // namespace
}  // namespace fp
