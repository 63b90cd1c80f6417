// The check's marks on a plan: warning signs only where they belong, and the outline of a place
// within it.
#include "plan/check_marks.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/recording_surface.h"

namespace fp {
namespace {

constexpr int kLevel = 2;

Finding panelFinding(Severity severity, int level) {
    Finding finding;
    finding.kind = FindingKind::PartialFloorLoad;
    finding.severity = severity;
    finding.level = level;
    finding.place = {FindingPlace::Kind::Panel, 0, 6, 5, 16, 0};
    return finding;
}

TEST(CheckMarks, AWarningSignOnlyForAPanelWarningOfTheLevelInFloorLoadModeWhileMarked) {
    struct Case {
        const char* name;
        Finding finding;
        LoadMode mode;
        bool marked;
        bool signed_;
    };
    for (const Case& c : {
             Case{"a warning", panelFinding(Severity::Warning, kLevel), LoadMode::Floor, true,
                  true},
             Case{"marks off", panelFinding(Severity::Warning, kLevel), LoadMode::Floor, false,
                  false},
             Case{"member-load mode", panelFinding(Severity::Warning, kLevel), LoadMode::Member,
                  true, false},
             Case{"a note", panelFinding(Severity::Note, kLevel), LoadMode::Floor, true, false},
             Case{"another level", panelFinding(Severity::Warning, 3), LoadMode::Floor, true,
                  false},
         }) {
        PlanView view;
        view.level = kLevel;
        view.mode = c.mode;
        view.markChecks = c.marked;
        test::RecordingSurface surface;
        // Twice: the two lines of a load that misses its panel warn twice, under one sign.
        const std::vector<PlanRect> signs = warningSigns({c.finding, c.finding}, view, surface);
        EXPECT_EQ(signs.size(), c.signed_ ? 1u : 0u) << c.name;
        for (const PlanRect& sign : signs) {
            // Over the panel's middle (X 3 m), above its centre (Z 10.5 m).
            EXPECT_NEAR((sign.left + sign.right) / 2, 300, 1) << c.name;
            EXPECT_LT(sign.bottom, 1050) << c.name;
        }
    }
}

TEST(CheckMarks, TheOutlineOfAPlaceRunsJustInsideItsEdgesInDashes) {
    const FindingPlace range{FindingPlace::Kind::Range, 0, 6, 5, 16, 0};
    test::RecordingSurface surface;
    outlineFindingPlace(range, surface);
    const auto lines = surface.lines();
    // Dashes, not four whole sides.
    ASSERT_GT(lines.size(), 8u);
    // Inside the range, within half a metre of an edge, never on one (a beam may lie there).
    for (const auto& line : lines) {
        for (const double x : {line.x1, line.x2}) {
            EXPECT_GT(x, 0);
            EXPECT_LT(x, 600);
        }
        for (const double z : {line.z1, line.z2}) {
            EXPECT_GT(z, 500);
            EXPECT_LT(z, 1600);
        }
        const double fromEdge = std::min({line.x1, 600 - line.x1, line.z1 - 500, 1600 - line.z1});
        EXPECT_LT(fromEdge, 50) << line.x1 << ", " << line.z1;
    }
}

}  // namespace
}  // namespace fp
