// The beam lines of a level and the columns below its joints: where a load at a joint with no
// column below goes, by the lever rule along the straight lines of beams through it.
#pragma once

#include <cstdint>
#include <vector>

#include "document/listing_document.h"

namespace fp {

// A grid point of a level, by its X and Z lines (from 1).
struct GridPoint {
    int ix = 0;
    int iz = 0;
    friend bool operator==(const GridPoint&, const GridPoint&) = default;
};

// A share of a joint's load that goes to the joint of a column on a line through it.
struct Transfer {
    GridPoint to;
    // Of the joint's load; more than 1 for the column next to a cantilever, less than 0 for the
    // column it lifts.
    double fraction = 0;
    bool alongX = true;
    // The joint lies beyond the last column of its line.
    bool cantilever = false;
};

class BeamLines {
  public:
    BeamLines(const ListingDocument& document, int level);

    // The column standing below the joint; 0 when none.
    int32_t columnBelow(const GridPoint& point) const;
    // The members of the level's framing that end at the joint.
    int membersMeeting(const GridPoint& point) const;
    // Where the load of a joint with no column below goes: along the lines running straight
    // through it that reach a column (half each where there are two), else along the lines
    // ending at it that do. Empty when no line takes it.
    std::vector<Transfer> transfersFrom(const GridPoint& point) const;
    // The grid point of a plan position (hundredths of a metre); nothing off the grid.
    std::optional<GridPoint> pointAt(float x, float z) const;
    PlanPoint positionOf(const GridPoint& point) const;

  private:
    // Joints joined by members one after the other along a grid line.
    struct Chain {
        bool alongX = true;
        std::vector<GridPoint> joints;
    };
    std::size_t indexOf(const GridPoint& point) const;
    double along(const Chain& chain, const GridPoint& point) const;
    void addChains(const std::vector<FramedMember>& framed, bool alongX);
    void leverRule(const Chain& chain, const GridPoint& point, double share,
                   std::vector<Transfer>& transfers) const;

    const Grid& grid_;
    int linesZ_ = 0;
    std::vector<int32_t> columnBelow_;
    std::vector<int> meeting_;
    std::vector<Chain> chains_;
    // By grid point: the chain along X and along Z it lies on, -1 for none.
    std::vector<int> chainAlongX_;
    std::vector<int> chainAlongZ_;
};

}  // namespace fp
