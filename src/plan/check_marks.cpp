// Warning signs and dashed outlines, drawn with lines so that every surface can show them.
#include "plan/check_marks.h"

#include <algorithm>
#include <cmath>

namespace fp {
namespace {

// Plan units (hundredths of a metre) per metre.
constexpr double kPerMetre = 100;
// Dashes and the gaps between them, and how far a beam's box stands off it, in plan units.
constexpr double kDash = 30;
constexpr double kGap = 20;
constexpr double kBeamMargin = 30;
// A panel's or a range's outline stands this far inside its edges, which are often beams.
constexpr double kInset = 20;

void dashedLine(Surface& surface, double x1, double z1, double x2, double z2) {
    const double length = std::hypot(x2 - x1, z2 - z1);
    if (length == 0) {
        return;
    }
    const double dx = (x2 - x1) / length;
    const double dz = (z2 - z1) / length;
    for (double at = 0; at < length; at += kDash + kGap) {
        const double end = std::min(at + kDash, length);
        surface.line(x1 + dx * at, z1 + dz * at, x1 + dx * end, z1 + dz * end);
    }
}

void dashedBox(Surface& surface, double left, double top, double right, double bottom) {
    dashedLine(surface, left, top, right, top);
    dashedLine(surface, right, top, right, bottom);
    dashedLine(surface, right, bottom, left, bottom);
    dashedLine(surface, left, bottom, left, top);
}

}  // namespace

bool signedOnPlan(const Finding& finding, const PlanView& view) {
    return view.mode == LoadMode::Floor && view.markChecks && finding.level == view.level &&
           finding.severity == Severity::Warning && finding.place.kind == FindingPlace::Kind::Panel;
}

std::vector<PanelBounds> warnedPanels(const std::vector<Finding>& findings, const PlanView& view) {
    std::vector<PanelBounds> panels;
    for (const Finding& finding : findings) {
        if (!signedOnPlan(finding, view)) {
            continue;
        }
        // The finding's place is in metres, as the listing gives it; panels are held in
        // hundredths.
        const auto hundredths = [](double metres) {
            return static_cast<float>(std::round(metres * kPerMetre));
        };
        const FindingPlace& place = finding.place;
        const PanelBounds bounds{
            hundredths(std::min(place.x1, place.x2)), hundredths(std::min(place.z1, place.z2)),
            hundredths(std::max(place.x1, place.x2)), hundredths(std::max(place.z1, place.z2))};
        if (std::find(panels.begin(), panels.end(), bounds) == panels.end()) {
            panels.push_back(bounds);
        }
    }
    return panels;
}

PlanRect signOver(const PlanRect& label, Surface& surface) {
    const double lineHeight = surface.textHeight("H");
    const double halfWidth = surface.textWidth("M") * 0.6;
    const double middle = (label.left + label.right) / 2;
    const double base = label.top - lineHeight * 0.1;
    return {middle - halfWidth, base - lineHeight, middle + halfWidth, base};
}

void drawWarningSign(Surface& surface, const PlanRect& sign) {
    // A triangle with "!" in it.
    const double x = (sign.left + sign.right) / 2;
    const double z = sign.bottom;
    const double size = sign.height();
    surface.line(sign.left, z, sign.right, z);
    surface.line(sign.right, z, x, sign.top);
    surface.line(x, sign.top, sign.left, z);
    surface.line(x, z - size * 0.75, x, z - size * 0.35);
    surface.line(x, z - size * 0.22, x, z - size * 0.12);
}

void outlineFindingPlace(const FindingPlace& place, Surface& surface) {
    const double x1 = std::min(place.x1, place.x2) * kPerMetre;
    const double x2 = std::max(place.x1, place.x2) * kPerMetre;
    const double z1 = std::min(place.z1, place.z2) * kPerMetre;
    const double z2 = std::max(place.z1, place.z2) * kPerMetre;
    if (place.kind == FindingPlace::Kind::Beam) {
        dashedBox(surface, x1 - kBeamMargin, z1 - kBeamMargin, x2 + kBeamMargin, z2 + kBeamMargin);
    } else if (place.kind != FindingPlace::Kind::None) {
        const double inset = std::min({kInset, (x2 - x1) / 4, (z2 - z1) / 4});
        dashedBox(surface, x1 + inset, z1 + inset, x2 - inset, z2 - inset);
    }
}

}  // namespace fp
