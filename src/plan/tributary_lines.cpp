// Faint split lines inside every panel.
#include "plan/tributary_lines.h"

#include "takedown/tributary_areas.h"

namespace fp {
namespace {

// Light grey, half the plan's line width: read under the beams and the labels, never for one.
constexpr Stroke kFaint{170, 170, 170, false, 0.5};

}  // namespace

void drawTributaryLines(const ListingDocument& document, const PlanView& view, Surface& surface) {
    if (!view.showsTributaryAreas()) {
        return;
    }
    surface.startPart(PlanPart::TributaryAreas);
    surface.setLineStyle(LineStyle::Thin);
    surface.setStroke(kFaint);
    for (const LevelPanel& panel : document.level(view.level).panels) {
        for (const PlanSegment& segment : splitLines(panel.bounds, kDefaultOneWayRatio)) {
            surface.line(segment.from.x, segment.from.z, segment.to.x, segment.to.z);
        }
    }
    surface.restorePlanStroke();
    surface.setLineStyle(LineStyle::Normal);
}

}  // namespace fp
