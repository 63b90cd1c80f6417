// Derives each level's beams and panel edges from the grid, the members and the design rows.
#include "grid/framing.h"

#include <array>
#include <unordered_map>

namespace fp {
namespace {

// The first member stored from one joint to another, found at once for each pair of
// neighbouring joints rather than by a scan of the member list.
class MemberByEnds {
  public:
    explicit MemberByEnds(const MemberList& members) {
        firstMember_.reserve(members.size());
        for (const Member& member : members) {
            firstMember_.try_emplace(keyOf(member.start, member.end), member.number);
        }
    }

    int32_t find(int16_t start, int16_t end) const {
        const auto found = firstMember_.find(keyOf(start, end));
        return found == firstMember_.end() ? 0 : found->second;
    }

  private:
    static int64_t keyOf(int32_t start, int32_t end) {
        return static_cast<int64_t>(static_cast<uint64_t>(static_cast<uint32_t>(start)) << 32 |
                                    static_cast<uint32_t>(end));
    }

    std::unordered_map<int64_t, int32_t> firstMember_;
};

// The first design row of each member.
class DesignRowOfMember {
  public:
    explicit DesignRowOfMember(const DesignRowList& designRows) {
        firstRow_.reserve(designRows.size());
        for (std::size_t i = 0; i < designRows.size(); ++i) {
            firstRow_.try_emplace(designRows[i].member, static_cast<DesignRowNumber>(i + 1));
        }
    }

    DesignRowNumber find(int32_t member) const {
        const auto found = firstRow_.find(member);
        return found == firstRow_.end() ? 0 : found->second;
    }

  private:
    std::unordered_map<int32_t, DesignRowNumber> firstRow_;
};

// One of the two directions a beam is looked for in (+X or +Z): the number of lines on that
// axis, the map of design rows and the flags it sets.
struct BeamDirection {
    bool alongX;
    int lineCount;
    GridMap<DesignRowNumber>& beams;
    bool BeamEdges::*leavingForward;
    bool BeamEdges::*leavingBackward;
};

class FrameDerivation {
  public:
    FrameDerivation(const Grid& grid, const MemberList& members, const DesignRowList& designRows)
        : grid_(grid), members_(members), designRows_(designRows) {}

    // The beam from the joint at (ix, iy, iz) to the next joint of the level along `direction`,
    // if a member joins the two: records its design row and sets the flags of every point it
    // touches.
    void deriveBeam(Framing& framing, const BeamDirection& direction, int ix, int iy,
                    int iz) const {
        const int start = direction.alongX ? ix : iz;
        const auto pointAt = [&](int line) -> std::array<int, 3> {
            return direction.alongX ? std::array<int, 3>{line, iy, iz}
                                    : std::array<int, 3>{ix, iy, line};
        };
        const auto jointAt = [&](int line) {
            const auto [x, y, z] = pointAt(line);
            return grid_.joints.at(x, y, z);
        };
        const auto edgesAt = [&](int line) -> BeamEdges& {
            const auto [x, y, z] = pointAt(line);
            return framing.edges.at(x, y, z);
        };

        int end = start + 1;
        while (end <= direction.lineCount && jointAt(end) == 0) {
            ++end;
        }
        if (end > direction.lineCount) {
            return;
        }
        const int32_t member = members_.find(jointAt(start), jointAt(end));
        if (member == 0) {
            return;
        }
        direction.beams.at(ix, iy, iz) = designRows_.find(member);
        edgesAt(start).*direction.leavingForward = true;
        for (int line = start + 1; line < end; ++line) {
            edgesAt(line).*direction.leavingBackward = true;
            edgesAt(line).*direction.leavingForward = true;
        }
        edgesAt(end).*direction.leavingBackward = true;
    }

  private:
    const Grid& grid_;
    MemberByEnds members_;
    DesignRowOfMember designRows_;
};

}  // namespace

Framing deriveFrames(const Grid& grid, const MemberList& members, const DesignRowList& designRows) {
    const int nX = grid.x.count();
    const int nY = grid.y.count();
    const int nZ = grid.z.count();
    Framing framing{GridMap<DesignRowNumber>(nX, nY, nZ), GridMap<DesignRowNumber>(nX, nY, nZ),
                    GridMap<BeamEdges>(nX, nY, nZ)};
    const FrameDerivation derivation(grid, members, designRows);
    const BeamDirection alongX{true, nX, framing.xBeams, &BeamEdges::plusX, &BeamEdges::minusX};
    const BeamDirection alongZ{false, nZ, framing.zBeams, &BeamEdges::plusZ, &BeamEdges::minusZ};

    for (int iy = 2; iy <= nY; ++iy) {
        for (int ix = 1; ix <= nX; ++ix) {
            for (int iz = 1; iz <= nZ; ++iz) {
                if (grid.joints.at(ix, iy, iz) == 0) {
                    continue;
                }
                derivation.deriveBeam(framing, alongX, ix, iy, iz);
                derivation.deriveBeam(framing, alongZ, ix, iy, iz);
            }
        }
    }
    return framing;
}

}  // namespace fp
