// What one placement of a level's texts found, kept so that the same level drawn again at the
// same scale takes the same places without the search.
#pragma once

#include <cstddef>
#include <vector>

#include "plan/label_layout.h"
#include "plan/plan_view.h"

namespace fp {

// The last placement and what it was found for: the view, and the surface's scale and text sizes
// as numbers, with the panels warned about and the parts kept clear. The same view at the same
// scale draws the same texts, so their places are taken again: the same level panned at one zoom,
// or drawn again with a finding outlined. Any other view, zoom or window size places the texts
// afresh. A memory serves one document; it is to be forgotten when another document, or the same
// listing read again, is drawn.
class PlacementMemory {
  public:
    // The placement kept for `view` at `scale`, or null when it was found for another.
    const LabelLayout* placementFor(const PlanView& view, const std::vector<double>& scale);
    void keep(const PlanView& view, std::vector<double> scale, LabelLayout placement);
    void forget() { kept_ = false; }

    // How many placements were found afresh and how many were taken from memory.
    std::size_t placed() const { return placed_; }
    std::size_t reused() const { return reused_; }

  private:
    bool kept_ = false;
    PlanView view_;
    std::vector<double> scale_;
    LabelLayout placement_;
    std::size_t placed_ = 0;
    std::size_t reused_ = 0;
};

}  // namespace fp
