// The 45° rule and the one-way split of slab panels.
#include "takedown/tributary_areas.h"

#include <algorithm>

#include "model/number_text.h"

namespace fp {
namespace {

bool isLongSide(const Tributary& tributary, PanelSide side) {
    const bool alongX = side == PanelSide::LowZ || side == PanelSide::HighZ;
    return alongX == tributary.longAlongX;
}

}  // namespace

Tributary tributaryOf(const PanelBounds& bounds, double oneWayRatio) {
    const double spanX = metres(bounds.spanX());
    const double spanZ = metres(bounds.spanZ());
    Tributary tributary;
    tributary.longAlongX = spanX >= spanZ;
    tributary.shortSpan = std::min(spanX, spanZ);
    tributary.longSpan = std::max(spanX, spanZ);
    tributary.oneWay = tributary.longSpan >= oneWayRatio * tributary.shortSpan;
    return tributary;
}

SideShape sideShape(const Tributary& tributary, PanelSide side) {
    const bool isLong = isLongSide(tributary, side);
    if (tributary.oneWay) {
        return isLong ? SideShape::Uniform : SideShape::None;
    }
    return isLong ? SideShape::Trapezoid : SideShape::Triangle;
}

LoadProfile sideProfile(const Tributary& tributary, PanelSide side) {
    const double a = tributary.shortSpan;
    const double b = tributary.longSpan;
    const double half = a / 2;
    switch (sideShape(tributary, side)) {
        case SideShape::Uniform:
            return LoadProfile({{0, half}, {b, half}});
        case SideShape::Trapezoid:
            return LoadProfile({{0, 0}, {half, half}, {b - half, half}, {b, 0}});
        case SideShape::Triangle:
            return LoadProfile({{0, 0}, {half, half}, {a, 0}});
        case SideShape::None:
            break;
    }
    return {};
}

const char* sideShapeName(SideShape shape) {
    switch (shape) {
        case SideShape::Triangle:
            return "triangle";
        case SideShape::Trapezoid:
            return "trapezoid";
        case SideShape::Uniform:
            return "half, one-way";
        case SideShape::None:
            break;
    }
    return "none";
}

std::vector<PlanSegment> splitLines(const PanelBounds& bounds, double oneWayRatio) {
    const Tributary tributary = tributaryOf(bounds, oneWayRatio);
    const float middleX = (bounds.x1 + bounds.x2) / 2;
    const float middleZ = (bounds.z1 + bounds.z2) / 2;
    if (tributary.oneWay) {
        if (tributary.longAlongX) {
            return {{{bounds.x1, middleZ}, {bounds.x2, middleZ}}};
        }
        return {{{middleX, bounds.z1}, {middleX, bounds.z2}}};
    }
    // In plan units, as the bounds are.
    const float half = std::min(bounds.spanX(), bounds.spanZ()) / 2;
    const PlanPoint ridgeStart = tributary.longAlongX ? PlanPoint{bounds.x1 + half, middleZ}
                                                      : PlanPoint{middleX, bounds.z1 + half};
    const PlanPoint ridgeEnd = tributary.longAlongX ? PlanPoint{bounds.x2 - half, middleZ}
                                                    : PlanPoint{middleX, bounds.z2 - half};
    // The corners at the ridge's start are those at low X when the panel is long in X, else
    // those at low Z.
    const bool alongX = tributary.longAlongX;
    std::vector<PlanSegment> lines{
        {{bounds.x1, bounds.z1}, ridgeStart},
        {{bounds.x2, bounds.z2}, ridgeEnd},
        {{alongX ? bounds.x1 : bounds.x2, alongX ? bounds.z2 : bounds.z1}, ridgeStart},
        {{alongX ? bounds.x2 : bounds.x1, alongX ? bounds.z1 : bounds.z2}, ridgeEnd}};
    if (!(ridgeStart == ridgeEnd)) {
        lines.push_back({ridgeStart, ridgeEnd});
    }
    return lines;
}

}  // namespace fp
