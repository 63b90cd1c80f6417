// Comparing listings as documents: levels matched by height whatever their numbers, levels that
// cannot be compared, and the marks drawn for each kind of change.
#include <gtest/gtest.h>

#include "compare/change_marks.h"
#include "compare/comparison_report.h"
#include "compare/listing_comparison.h"
#include "support/document_builder.h"
#include "support/recording_surface.h"

namespace fp {
namespace {

using testing::DocumentBuilder;
using testing::oneClosedBay;

ListingComparison compare(const ListingDocument& before, const ListingDocument& after) {
    const std::vector<ListingMessage> none;
    return compareListings({before, none}, {after, none});
}

const LevelComparison& levelAt(const ListingComparison& comparison, float height) {
    for (const LevelComparison& level : comparison.levels) {
        if (level.height == height) {
            return level;
        }
    }
    throw std::runtime_error("no level at " + std::to_string(height));
}

TEST(LevelMatching, ANewLevelInBetweenLeavesTheLevelsAboveMatchedByTheirHeight) {
    const ListingDocument before = oneClosedBay({1, 2, 3, 4}, {5000, 4000, 4000, 5000}).build();
    DocumentBuilder basement = oneClosedBay({1, 2, 3, 4}, {5000, 4000, 4000, 5000});
    basement.joint(1, 0, 150, 0).joint(2, 500, 150, 0).member(9, 1, 2);
    basement.designRow(9, 5000);
    const ListingComparison comparison = compare(before, basement.build());

    const LevelComparison& added = levelAt(comparison, 150);
    EXPECT_EQ(added.oldLevel, 0);
    ASSERT_EQ(added.beams.size(), 1u);
    EXPECT_EQ(added.beams[0].kind, ChangeKind::Added);
    EXPECT_EQ(added.beams[0].newMember, 9);
    EXPECT_TRUE(levelAt(comparison, 300).same());
    EXPECT_EQ(levelAt(comparison, 300).newLevel, 3);
}

TEST(LevelMatching, ALevelPastADrawingLimitIsNeverTakenAsTheSame) {
    testing::LevelFrame frame(17, 17);
    frame.allNeighbourBeams();
    for (int32_t member = 1; member <= 2 * 16 * 17; ++member) {
        frame.builder.designRow(member, 5000);
    }
    const ListingDocument crowded = frame.builder.build();
    const ListingComparison comparison = compare(crowded, crowded);
    const LevelComparison& level = levelAt(comparison, 300);
    ASSERT_EQ(level.problems.size(), 2u);
    EXPECT_NE(level.problems[0].find("300 beams"), std::string::npos) << level.problems[0];
    EXPECT_FALSE(comparison.same());
}

// What the Properties dock tells of one panel: the changes on it, none of another panel's.
TEST(ReportLines, APanelGetsTheLinesAboutItOnly) {
    const auto bay = [](float intensity) {
        DocumentBuilder builder = oneClosedBay({1, 2, 3, 4}, {5000, 4000, 4000, 5000});
        builder.loadCase("1", "DEAD").floorLoad("1", intensity, 2.9f, 3.1f, 0, 5, 0, 4);
        return builder.build();
    };
    const ListingComparison comparison = compare(bay(4.5f), bay(5));
    const std::vector<ReportLine> lines =
        panelChanges(comparison, testing::kBayLevel, PanelBounds{0, 0, 500, 400});
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].text.find("4.5 -> 5 kN/m²"), std::string::npos) << lines[0].text;
    EXPECT_TRUE(panelChanges(comparison, testing::kBayLevel, PanelBounds{0, 0, 500, 300}).empty());
}

TEST(ChangeMarks, EachKindOfChangeIsDrawnInItsOwnStrokeAtItsPlace) {
    LevelComparison level;
    const BeamPlace added{{0, 0}, {500, 0}};
    const BeamPlace removed{{0, 400}, {500, 400}};
    const BeamPlace renumbered{{0, 0}, {0, 400}};
    for (const auto& [kind, place] :
         {std::pair{ChangeKind::Added, added}, std::pair{ChangeKind::Removed, removed},
          std::pair{ChangeKind::Renumbered, renumbered}}) {
        BeamChange change;
        change.kind = kind;
        change.place = place;
        // Drawn at a printed length a little short of the far joint.
        change.drawnTo = {place.to.x == 0 ? 0 : place.to.x - 20,
                          place.to.z == 0 ? 0 : place.to.z - 20};
        level.beams.push_back(change);
    }
    const PanelBounds panel{0, 0, 500, 400};
    FloorLoadChange heavier;
    heavier.bounds = panel;
    level.floorLoads = {heavier};
    test::RecordingSurface surface;
    drawChangeMarks(level, surface);
    surface.line(0, 0, 1, 1);

    const auto lines = surface.lines();
    ASSERT_EQ(lines.size(), 4u + 3u + 1u);
    for (std::size_t i = 0; i < 4; ++i) {
        const auto& frame = lines[i];
        EXPECT_EQ(frame.stroke->red, changeStroke(ChangeMark::Changed).red);
        for (const double x : {frame.x1, frame.x2}) {
            EXPECT_GT(x, panel.x1);
            EXPECT_LT(x, panel.x2);
        }
        for (const double z : {frame.z1, frame.z2}) {
            EXPECT_GT(z, panel.z1);
            EXPECT_LT(z, panel.z2);
        }
    }
    const struct {
        BeamChange change;
        ChangeMark mark;
    } beams[] = {{level.beams[0], ChangeMark::Added},
                 {level.beams[1], ChangeMark::Removed},
                 {level.beams[2], ChangeMark::Changed}};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto& line = lines[4 + i];
        const Stroke expected = changeStroke(beams[i].mark);
        EXPECT_EQ(line.x1, beams[i].change.place.from.x);
        EXPECT_EQ(line.x2, beams[i].change.drawnTo.x) << "the mark is as long as the beam drawn";
        EXPECT_EQ(line.z2, beams[i].change.drawnTo.z);
        ASSERT_TRUE(line.stroke.has_value());
        EXPECT_EQ(line.stroke->dashed, beams[i].mark == ChangeMark::Removed);
        EXPECT_EQ(line.stroke->green, expected.green);
    }
    EXPECT_FALSE(lines.back().stroke.has_value()) << "the plan's own stroke is restored";
}

}  // namespace
}  // namespace fp
