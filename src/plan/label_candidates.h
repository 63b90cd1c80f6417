// The places a label may take, made from the geometry of the feature it describes.
#pragma once

#include <vector>

#include "plan/plan_label.h"

namespace fp {

// A move of a label from its designed place.
struct Shift {
    double dx = 0;
    double dz = 0;
};

// The room a text keeps around it on each side, in plan units.
struct Air {
    double x = 0;
    double z = 0;
};

// Where `box` (a form of the label at the size tried, at its designed place) may go by the
// label's rule, as shifts, nearest the designed place first: a few dozen at most, spread over the
// room the home leaves. Inside: every place whose box, with its air, lies in the home. BesideLine:
// just clear of the line on either side and a row farther, along it while the box's middle stays
// over the line. AroundPoint: the box beside each side and corner of the feature, then a step
// farther. Fixed: centred in the home, where the designed place is. Places that leave the home are
// not made.
std::vector<Shift> candidateShifts(const PlanLabel& label, const PlanRect& box, const Air& air);

}  // namespace fp
