// Marking changed beams along their lines and changed panels by a frame inside their edges.
#include "compare/change_marks.h"

#include <algorithm>
#include <cmath>

namespace fp {
namespace {

// The frame of a panel stands this share of its shorter span inside its edges, clear of the
// beams and of their marks.
constexpr double kPanelInset = 0.08;
// Marks are wider than the plan's lines, to be seen over them.
constexpr double kMarkWidth = 3;

// Along the beam as the plan draws it: from its start to its printed length.
void markBeam(Surface& surface, const PlanPoint& from, const PlanPoint& to, ChangeMark mark) {
    surface.setStroke(changeStroke(mark));
    surface.line(from.x, from.z, to.x, to.z);
}

void markPanel(Surface& surface, const PanelBounds& bounds, ChangeMark mark) {
    const double inset =
        kPanelInset * std::min(std::abs(bounds.x2 - bounds.x1), std::abs(bounds.z2 - bounds.z1));
    const double x1 = bounds.x1 + inset;
    const double x2 = bounds.x2 - inset;
    const double z1 = bounds.z1 + inset;
    const double z2 = bounds.z2 - inset;
    surface.setStroke(changeStroke(mark));
    surface.line(x1, z1, x2, z1);
    surface.line(x2, z1, x2, z2);
    surface.line(x2, z2, x1, z2);
    surface.line(x1, z2, x1, z1);
}

ChangeMark beamMark(ChangeKind kind) {
    switch (kind) {
        case ChangeKind::Added:
            return ChangeMark::Added;
        case ChangeKind::Removed:
            return ChangeMark::Removed;
        default:
            return ChangeMark::Changed;
    }
}

}  // namespace

Stroke changeStroke(ChangeMark mark) {
    switch (mark) {
        case ChangeMark::Added:
            return Stroke{0, 150, 60, false, kMarkWidth};
        case ChangeMark::Removed:
            return Stroke{210, 30, 30, true, kMarkWidth};
        default:
            return Stroke{235, 130, 0, false, kMarkWidth};
    }
}

const std::array<ChangeLegendEntry, 3>& changeLegend() {
    static const std::array<ChangeLegendEntry, 3> legend{
        {{ChangeMark::Added, "added"},
         {ChangeMark::Removed, "removed (dashed, where it was)"},
         {ChangeMark::Changed, "changed (number, length or loads)"}}};
    return legend;
}

void drawChangeMarks(const LevelComparison& level, Surface& surface) {
    for (const PanelChange& change : level.panels) {
        markPanel(surface, change.bounds,
                  change.kind == ChangeKind::Added ? ChangeMark::Added : ChangeMark::Removed);
    }
    for (const FloorLoadChange& change : level.floorLoads) {
        markPanel(surface, change.bounds, ChangeMark::Changed);
    }
    for (const BeamChange& change : level.beams) {
        markBeam(surface, change.place.from, change.drawnTo, beamMark(change.kind));
    }
    for (const MemberLoadChange& change : level.memberLoads) {
        markBeam(surface, change.place.from, change.drawnTo, ChangeMark::Changed);
    }
    surface.restorePlanStroke();
}

}  // namespace fp
