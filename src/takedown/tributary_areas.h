// How a slab panel's load goes to the beams round it: two-way by the 45° rule, or one-way to its
// long sides where it is long and narrow.
#pragma once

#include <vector>

#include "structure/level_model.h"
#include "structure/panel_bounds.h"
#include "takedown/load_profile.h"

namespace fp {

// The long span at least this many times the short one makes a panel one-way, unless the user
// asks for another ratio.
inline constexpr double kDefaultOneWayRatio = 2;

// The sides of a panel: along X at its lower and upper Z, along Z at its lower and upper X.
enum class PanelSide { LowZ, HighZ, LowX, HighX };

// What a side takes of the panel.
enum class SideShape {
    None,       // a short side of a one-way panel
    Triangle,   // a short side of a two-way panel
    Trapezoid,  // a long side of a two-way panel
    Uniform,    // a long side of a one-way panel: half the panel
};

struct Tributary {
    bool oneWay = false;
    // The long sides run along X (the sides at low and high Z); a square panel counts so.
    bool longAlongX = true;
    double shortSpan = 0;  // metres
    double longSpan = 0;   // metres
};

// The split of a panel for a one-way ratio (more than 1).
Tributary tributaryOf(const PanelBounds& bounds, double oneWayRatio);

SideShape sideShape(const Tributary& tributary, PanelSide side);

// The load the side takes for 1 kN/m² over the panel, in kN/m along it from its lower end.
LoadProfile sideProfile(const Tributary& tributary, PanelSide side);

// "triangle", "trapezoid", "half, one-way" or "none".
const char* sideShapeName(SideShape shape);

struct PlanSegment {
    PlanPoint from;
    PlanPoint to;
};

// The lines that part the panel's load between its sides, in plan units: from each corner at 45°
// to the ridge and the ridge itself for a two-way panel, the line down its middle along the
// long span for a one-way one.
std::vector<PlanSegment> splitLines(const PanelBounds& bounds, double oneWayRatio);

}  // namespace fp
