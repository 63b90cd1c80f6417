// The shape of a member, from the places of its joints.
#include "structure/member_facts.h"

#include <algorithm>
#include <cstdlib>

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

namespace {

// A miss of `off` over a run of `along`, both hundredths of a metre.
bool slightMiss(int off, int along) {
    return off > 0 && off < kLineMissLimit && off * 4 < along;
}

}  // namespace

LineMiss lineMissOf(const Joint& a, const Joint& b) {
    const int dx = std::abs(a.x - b.x);
    const int dy = std::abs(a.y - b.y);
    const int dz = std::abs(a.z - b.z);
    if (dy == 0) {
        if (slightMiss(dz, dx)) {
            return {.acrossX = 0, .acrossZ = dz};
        }
        if (slightMiss(dx, dz)) {
            return {.acrossX = dx, .acrossZ = 0};
        }
        return {};
    }
    const bool offPlumb = (dx == 0 || slightMiss(dx, dy)) && (dz == 0 || slightMiss(dz, dy));
    return offPlumb ? LineMiss{.acrossX = dx, .acrossZ = dz} : LineMiss{};
}

int JointOffLine::distance() const {
    return std::abs((xLine ? joint.x : joint.z) - line);
}

}  // namespace fp
