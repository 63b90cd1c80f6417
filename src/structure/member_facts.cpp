// The shape of a member, from the places of its joints.
#include "structure/member_facts.h"

namespace fp {

MemberShape shapeOf(const Joint& a, const Joint& b) {
    if (a.x == b.x && a.z == b.z) {
        return a.y != b.y ? MemberShape::Column : MemberShape::Other;
    }
    if (a.y != b.y) {
        return MemberShape::Other;
    }
    if (a.z == b.z) {
        return MemberShape::BeamAlongX;
    }
    return a.x == b.x ? MemberShape::BeamAlongZ : MemberShape::Other;
}

}  // namespace fp
