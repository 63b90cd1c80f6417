// What one placement of a level's texts found, kept so that the same level drawn again at the
// same scale takes the same places without the search.
#pragma once

#include <cstddef>
#include <vector>

#include "plan/plan_rect.h"
#include "plan/plan_view.h"

namespace fp {

// Where one text group went: drawn `shrink` of its size about its designed top-left (originX,
// originZ) where it found no room at its own size, then shifted by (dx, dz).
struct PlacedShift {
    double dx = 0;
    double dz = 0;
    double shrink = 1;
    double originX = 0;
    double originZ = 0;

    double placedX(double x) const { return originX + (x - originX) * shrink + dx; }
    double placedZ(double z) const { return originZ + (z - originZ) * shrink + dz; }
};

// A leader from a text placed far back to its designed place.
struct Leader {
    double x1 = 0;
    double z1 = 0;
    double x2 = 0;
    double z2 = 0;
};

// The places found for one drawing: each group's shift in the order the drawing wrote the groups,
// the leaders and the warning signs.
struct Placement {
    std::vector<PlacedShift> shifts;
    std::vector<Leader> leaders;
    // The warning signs where they went with their labels.
    std::vector<PlanRect> signs;
};

// The last placement and what it was found for: the view, and the surface's scale and text sizes
// as numbers, with the warning signs. The same view at the same scale draws the same
// texts, so their places are taken again: the same level panned at one zoom, or drawn again with a
// finding outlined. Any other view, zoom or window size places the texts afresh. A memory serves
// one document; it is to be forgotten when another document, or the same listing read again, is
// drawn.
class PlacementMemory {
  public:
    // The placement kept for `view` at `scale`, or null when it was found for another.
    const Placement* placementFor(const PlanView& view, const std::vector<double>& scale);
    void keep(const PlanView& view, std::vector<double> scale, Placement placement);
    void forget() { kept_ = false; }

    // How many placements were found afresh and how many were taken from memory.
    std::size_t placed() const { return placed_; }
    std::size_t reused() const { return reused_; }

  private:
    bool kept_ = false;
    PlanView view_;
    std::vector<double> scale_;
    Placement placement_;
    std::size_t placed_ = 0;
    std::size_t reused_ = 0;
};

}  // namespace fp
