// What a member is to the plans: a beam along a grid line, a column, or neither, and whether a
// plan draws it.
#pragma once

#include <cstdint>
#include <vector>

#include "model/records.h"
#include "structure/level_framing.h"

namespace fp {

enum class MemberShape {
    Missing,     // the listing has no member of that number
    Unjoined,    // a joint it names is not in the listing
    BeamAlongX,  // level, along an X grid line
    BeamAlongZ,  // level, along a Z grid line
    Column,      // vertical: the same X and Z at both ends, another height
    Other,       // inclined, or of no length
};

// The shape of a member between two joints, whichever way round.
MemberShape shapeOf(const Joint& a, const Joint& b);

// How far apart across each horizontal axis the ends of a member stand that would be a beam
// along a grid line, or a column, but for one end a little off the other's line: in hundredths of
// a metre, 0 across an axis where they agree. Both 0 for any other member.
struct LineMiss {
    int acrossX = 0;  // the ends' X differ by this: the member misses an X line
    int acrossZ = 0;  // the ends' Z differ by this: the member misses a Z line

    bool any() const { return acrossX != 0 || acrossZ != 0; }
};

// A miss of less than half a metre, and less than a quarter of the member's run along its line
// (or up its height), is a joint put down wrong: a grid frame has no beams skewed by a few
// degrees. A member farther off is taken as meant to be inclined.
inline constexpr int kLineMissLimit = 50;

// The miss of a member between two joints, whichever way round.
LineMiss lineMissOf(const Joint& a, const Joint& b);

// A joint of a member that misses its line, standing off the line the member's other end is on.
struct JointOffLine {
    Joint joint;
    // Whether the line is an X line (the joint's X is off) or a Z line.
    bool xLine = true;
    int16_t line = 0;  // the line's coordinate, hundredths of a metre

    int distance() const;
};

struct MemberFacts {
    int32_t number = 0;
    MemberShape shape = MemberShape::Missing;
    // The member's record, oriented; set for every shape but Missing.
    Member record;
    // Its joints, the lower first; set for every shape but Missing and Unjoined.
    Joint start;
    Joint end;
    // The level of a member whose ends stand at one height (1 .. the level count); 0 for any
    // other.
    int level = 0;
    // Its first design block; 0 when it has none.
    DesignRowNumber designRow = 0;
    // A beam along a grid line with another joint of its level between its ends: the framing
    // joins neighbouring joints only, so no plan has it.
    bool passesOverJoint = false;
    // The framing of its level joins it: a beam of that level's plan, drawn when designed.
    bool onPlan = false;
    // For a member that misses its line by a little (see lineMissOf), the joint off the line for
    // each axis it misses, X first: of its two ends, the one whose coordinate fewer joints of
    // the building share, the end joint when as many share both.
    std::vector<JointOffLine> offLine;

    bool isBeam() const {
        return shape == MemberShape::BeamAlongX || shape == MemberShape::BeamAlongZ;
    }
    bool isColumn() const { return shape == MemberShape::Column; }
    // A plan draws it: a beam of a plan with a design block.
    bool drawn() const { return onPlan && designRow > 0; }
};

}  // namespace fp
