// Walks the joints of one level and joins each to its next neighbour along +X and +Z.
#include "structure/level_framing.h"

namespace fp {
namespace {

int64_t keyOf(int32_t start, int32_t end) {
    return static_cast<int64_t>(static_cast<uint64_t>(static_cast<uint32_t>(start)) << 32 |
                                static_cast<uint32_t>(end));
}

BeamEdges& edgesAt(LevelFraming& framing, int ix, int iz) {
    return framing
        .edges[static_cast<std::size_t>(ix) * static_cast<std::size_t>(framing.linesZ + 1) +
               static_cast<std::size_t>(iz)];
}

// The member from the joint at (ix, iz) to the next joint of the level along `direction`, if a
// member joins the two: recorded, with the flags of every point it touches.
void frameFrom(LevelFraming& framing, const Grid& grid, int level, const MemberJoins& joins,
               BeamDirection direction, int ix, int iz) {
    const bool alongX = direction == BeamDirection::PlusX;
    const int lineCount = alongX ? framing.linesX : framing.linesZ;
    const auto jointAt = [&](int line) {
        return alongX ? grid.joints.at(line, level, iz) : grid.joints.at(ix, level, line);
    };
    const auto pointAt = [&](int line) -> BeamEdges& {
        return alongX ? edgesAt(framing, line, iz) : edgesAt(framing, ix, line);
    };
    const int start = alongX ? ix : iz;
    int end = start + 1;
    while (end <= lineCount && jointAt(end) == 0) {
        ++end;
    }
    if (end > lineCount) {
        return;
    }
    const int32_t member = joins.memberFrom(jointAt(start), jointAt(end));
    if (member == 0) {
        return;
    }
    framing.members.push_back(
        FramedMember{direction, ix, iz, end, member, joins.designRowOf(member)});
    bool BeamEdges::*forward = alongX ? &BeamEdges::plusX : &BeamEdges::plusZ;
    bool BeamEdges::*backward = alongX ? &BeamEdges::minusX : &BeamEdges::minusZ;
    pointAt(start).*forward = true;
    for (int line = start + 1; line < end; ++line) {
        pointAt(line).*backward = true;
        pointAt(line).*forward = true;
    }
    pointAt(end).*backward = true;
}

}  // namespace

MemberJoins::MemberJoins(const MemberList& members, const DesignRowList& designRows) {
    firstMember_.reserve(members.size());
    for (const Member& member : members) {
        firstMember_.try_emplace(keyOf(member.start, member.end), member.number);
    }
    firstDesignRow_.reserve(designRows.size());
    for (std::size_t i = 0; i < designRows.size(); ++i) {
        firstDesignRow_.try_emplace(designRows[i].member, static_cast<DesignRowNumber>(i + 1));
    }
}

int32_t MemberJoins::memberFrom(int32_t start, int32_t end) const {
    const auto found = firstMember_.find(keyOf(start, end));
    return found == firstMember_.end() ? 0 : found->second;
}

DesignRowNumber MemberJoins::designRowOf(int32_t member) const {
    const auto found = firstDesignRow_.find(member);
    return found == firstDesignRow_.end() ? 0 : found->second;
}

LevelFraming frameLevel(const Grid& grid, int level, const MemberJoins& joins) {
    LevelFraming framing;
    framing.linesX = grid.x.count();
    framing.linesZ = grid.z.count();
    framing.edges.resize(static_cast<std::size_t>(framing.linesX + 1) *
                         static_cast<std::size_t>(framing.linesZ + 1));
    if (!levelHasBeams(level) || level > grid.levelCount()) {
        return framing;
    }
    for (int ix = 1; ix <= framing.linesX; ++ix) {
        for (int iz = 1; iz <= framing.linesZ; ++iz) {
            if (grid.joints.at(ix, level, iz) == 0) {
                continue;
            }
            frameFrom(framing, grid, level, joins, BeamDirection::PlusX, ix, iz);
            frameFrom(framing, grid, level, joins, BeamDirection::PlusZ, ix, iz);
        }
    }
    return framing;
}

}  // namespace fp
