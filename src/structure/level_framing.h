// The framing of one level: the members that join neighbouring joints of the level along its
// grid lines, and the panel edges they make.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "grid/grid.h"
#include "model/records.h"

namespace fp {

// The number of a beam's design row, counting the design rows of the listing from 1; 0 for a
// beam without a design block.
using DesignRowNumber = int16_t;

enum class BeamDirection { PlusX, PlusZ };

// The lowest level is the supports: it has no beams and no panels.
inline bool levelHasBeams(int level) {
    return level >= 2;
}

// Which beams leave a grid point, each named after the direction it leaves in. Grid points
// strictly between a beam's two joints carry both flags of that beam's direction.
struct BeamEdges {
    bool minusZ = false;
    bool plusZ = false;
    bool plusX = false;
    bool minusX = false;
};

// A member the framing joins: from the joint at grid lines (ix, iz) to the next joint of the
// level along X (or Z), at line `farLine` of that axis.
struct FramedMember {
    BeamDirection direction = BeamDirection::PlusX;
    int ix = 0;
    int iz = 0;
    int farLine = 0;
    int32_t member = 0;
    DesignRowNumber designRow = 0;
};

// The members by their two joints, and the first design row of each member: asked once for every
// pair of neighbouring joints, so they are built once for the whole listing.
class MemberJoins {
  public:
    MemberJoins(const MemberList& members, const DesignRowList& designRows);

    // The first member stored from joint `start` to joint `end`, as the reader orients members;
    // 0 when none.
    int32_t memberFrom(int32_t start, int32_t end) const;
    // The first design row of the member; 0 when it has none.
    DesignRowNumber designRowOf(int32_t member) const;

  private:
    std::unordered_map<int64_t, int32_t> firstMember_;
    std::unordered_map<int32_t, DesignRowNumber> firstDesignRow_;
};

struct LevelFraming {
    int linesX = 0;
    int linesZ = 0;
    // One per grid point of the level, by (ix, iz), lines counted from 1.
    std::vector<BeamEdges> edges;
    // In plan order: by X line, then by Z line, and at one joint the +X member first.
    std::vector<FramedMember> members;

    const BeamEdges& edgesAt(int ix, int iz) const {
        return edges[static_cast<std::size_t>(ix) * static_cast<std::size_t>(linesZ + 1) +
                     static_cast<std::size_t>(iz)];
    }
};

// A member joins two joints of `level` when it runs from one to the next joint of the level along
// an X (or Z) line, with no joint of the level between them. Members without a design row still
// make panel edges. A level without beams (the lowest) has no framing.
LevelFraming frameLevel(const Grid& grid, int level, const MemberJoins& joins);

}  // namespace fp
