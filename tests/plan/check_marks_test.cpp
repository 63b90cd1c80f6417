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
        // Twice: the two lines of a load that misses its panel warn twice, under one sign.
        const std::vector<PanelBounds> warned = warnedPanels({c.finding, c.finding}, view);
        EXPECT_EQ(warned.size(), c.signed_ ? 1u : 0u) << c.name;
        for (const PanelBounds& panel : warned) {
            EXPECT_EQ(panel, (PanelBounds{0, 500, 600, 1600})) << c.name;
        }
    }
}

TEST(CheckMarks, ASignStandsCentredJustAboveItsLabel) {
    test::RecordingSurface surface;
    const PlanRect label{100, 200, 180, 260};
    const PlanRect sign = signOver(label, surface);
    EXPECT_DOUBLE_EQ((sign.left + sign.right) / 2, 140);
    EXPECT_LT(sign.bottom, label.top);
    EXPECT_GT(sign.bottom, label.top - 5) << "close enough to read as the label's";
    EXPECT_DOUBLE_EQ(sign.height(), 20) << "a line of text high";
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
