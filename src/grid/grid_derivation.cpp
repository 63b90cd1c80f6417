// Builds the coordinate grid from the joints and derives each level's beams and panel edges.
#include "grid/grid_derivation.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace fp {
namespace {

// The values of a sorted grid list, for finding a coordinate's line by binary search.
struct SortedLines {
    explicit SortedLines(const GridList& list) : count(list.count()) {
        for (int i = 1; i <= count; ++i) {
            values[i - 1] = list[i];
        }
    }

    // The 1-based index of the line at exactly `coordinate`; every joint has one after BuildGrid.
    int indexOf(float coordinate) const {
        const float* found = std::lower_bound(values.data(), values.data() + count, coordinate);
        return static_cast<int>(found - values.data()) + 1;
    }

    int count;
    std::array<float, GridList::capacity()> values{};
};

// DeriveFrames asks for members and design rows once per neighbour pair, up to tens of
// thousands of times; these indexes answer each in constant time with the first-match result of
// the linear scans FindMemberByEnds and FindDesignRow.
class MemberByEndsIndex {
  public:
    explicit MemberByEndsIndex(const ModelStore& model) {
        firstMember_.reserve(static_cast<std::size_t>(std::max<int>(model.MemberCount, 0)));
        for (int row = 1; row <= model.MemberCount; ++row) {
            const int64_t key = keyOf(model.MemberTable.at(row, 1), model.MemberTable.at(row, 2));
            firstMember_.try_emplace(key, model.MemberTable.at(row, 0));
        }
    }

    int32_t find(int16_t a, int16_t b) const {
        const auto found = firstMember_.find(keyOf(a, b));
        return found == firstMember_.end() ? 0 : found->second;
    }

  private:
    static int64_t keyOf(int32_t start, int32_t end) {
        return static_cast<int64_t>(static_cast<uint64_t>(static_cast<uint32_t>(start)) << 32 |
                                    static_cast<uint32_t>(end));
    }

    std::unordered_map<int64_t, int32_t> firstMember_;
};

class DesignRowIndex {
  public:
    explicit DesignRowIndex(const ModelStore& model) {
        firstRow_.reserve(static_cast<std::size_t>(std::max<int>(model.BeamDesignCount, 0)));
        for (int row = 1; row <= model.BeamDesignCount; ++row) {
            firstRow_.try_emplace(model.BeamDesignTable.at(row, 1), static_cast<int16_t>(row));
        }
    }

    int16_t find(int32_t member) const {
        const auto found = firstRow_.find(member);
        return found == firstRow_.end() ? 0 : found->second;
    }

  private:
    std::unordered_map<int32_t, int16_t> firstRow_;
};

struct FrameLookups {
    MemberByEndsIndex members;
    DesignRowIndex designRows;
};

// One of the two directions a beam is looked for in (+X or +Z): the number of lines on that
// axis, the map of design rows and the flags it sets.
struct BeamDirection {
    bool alongX;
    int lineCount;
    GridMap<int16_t, ModelStore::kMaxGridLines>& beamGrid;
    int16_t PanelEdges::*leavingForward;
    int16_t PanelEdges::*leavingBackward;
};

// The beam from the joint at (ix, iy, iz) to the next joint of the level along `direction`, if
// a member joins the two: records its design row and sets the flags of every point it touches.
void deriveBeam(ModelStore& model, const FrameLookups& lookups, const BeamDirection& direction,
                int ix, int iy, int iz) {
    const int start = direction.alongX ? ix : iz;
    auto pointAt = [&](int line) -> std::array<int, 3> {
        return direction.alongX ? std::array<int, 3>{line, iy, iz}
                                : std::array<int, 3>{ix, iy, line};
    };
    auto jointAt = [&](int line) {
        const auto [x, y, z] = pointAt(line);
        return model.NodeGrid.at(x, y, z);
    };
    auto edgesAt = [&](int line) -> PanelEdges& {
        const auto [x, y, z] = pointAt(line);
        return model.PanelEdgeGrid.at(x, y, z);
    };

    int end = start + 1;
    while (end <= direction.lineCount && jointAt(end) == 0) {
        ++end;
    }
    if (end > direction.lineCount) {
        return;
    }
    const int32_t member = lookups.members.find(jointAt(start), jointAt(end));
    if (member == 0) {
        return;
    }
    direction.beamGrid.at(ix, iy, iz) = lookups.designRows.find(member);
    edgesAt(start).*direction.leavingForward = kTrue;
    for (int line = start + 1; line < end; ++line) {
        edgesAt(line).*direction.leavingBackward = kTrue;
        edgesAt(line).*direction.leavingForward = kTrue;
    }
    edgesAt(end).*direction.leavingBackward = kTrue;
}

}  // namespace

void AddGridValue(GridList& list, int16_t value) {
    const int count = list.count();
    const float coordinate = value;
    for (int i = 1; i <= count; ++i) {
        if (list[i] == coordinate) {
            return;
        }
    }
    list.set(count + 1, coordinate);
    list.setCount(count + 1);
}

void BuildGrid(ModelStore& model) {
    for (int row = 1; row <= model.JointCount; ++row) {
        AddGridValue(model.GridX, model.JointTable.at(row, 1));
        AddGridValue(model.GridY, model.JointTable.at(row, 2));
        AddGridValue(model.GridZ, model.JointTable.at(row, 3));
    }
    SortValueList(model.GridX);
    SortValueList(model.GridY);
    SortValueList(model.GridZ);

    // Joints in row order, so that of several rows at one position the highest one stays.
    const SortedLines linesX(model.GridX);
    const SortedLines linesY(model.GridY);
    const SortedLines linesZ(model.GridZ);
    for (int row = 1; row <= model.JointCount; ++row) {
        const int ix = linesX.indexOf(model.JointTable.at(row, 1));
        const int iy = linesY.indexOf(model.JointTable.at(row, 2));
        const int iz = linesZ.indexOf(model.JointTable.at(row, 3));
        model.NodeGrid.at(ix, iy, iz) = model.JointTable.at(row, 0);
    }
}

int32_t FindMemberByEnds(const ModelStore& model, int16_t a, int16_t b) {
    for (int row = 1; row <= model.MemberCount; ++row) {
        if (model.MemberTable.at(row, 1) == a && model.MemberTable.at(row, 2) == b) {
            return model.MemberTable.at(row, 0);
        }
    }
    return 0;
}

int16_t FindDesignRow(const ModelStore& model, int32_t m) {
    for (int row = 1; row <= model.BeamDesignCount; ++row) {
        if (model.BeamDesignTable.at(row, 1) == m) {
            return static_cast<int16_t>(row);
        }
    }
    return 0;
}

void DeriveFrames(ModelStore& model) {
    const int nX = model.GridX.count();
    const int nY = model.GridY.count();
    const int nZ = model.GridZ.count();
    const FrameLookups lookups{MemberByEndsIndex(model), DesignRowIndex(model)};
    const BeamDirection alongX{true, nX, model.XBeamGrid, &PanelEdges::PlusX, &PanelEdges::MinusX};
    const BeamDirection alongZ{false, nZ, model.ZBeamGrid, &PanelEdges::PlusZ, &PanelEdges::MinusZ};

    for (int iy = 2; iy <= nY; ++iy) {
        for (int ix = 1; ix <= nX; ++ix) {
            for (int iz = 1; iz <= nZ; ++iz) {
                if (model.NodeGrid.at(ix, iy, iz) == 0) {
                    continue;
                }
                deriveBeam(model, lookups, alongX, ix, iy, iz);
                deriveBeam(model, lookups, alongZ, ix, iy, iz);
            }
        }
    }
}

}  // namespace fp
