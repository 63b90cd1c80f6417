// What a member is to the plans: a beam along a grid line, a column, or neither, and whether a
// plan draws it.
#pragma once

#include <cstdint>

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

    bool isBeam() const {
        return shape == MemberShape::BeamAlongX || shape == MemberShape::BeamAlongZ;
    }
    bool isColumn() const { return shape == MemberShape::Column; }
    // A plan draws it: a beam of a plan with a design block.
    bool drawn() const { return onPlan && designRow > 0; }
};

}  // namespace fp
