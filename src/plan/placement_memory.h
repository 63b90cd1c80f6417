// What the placements of a level's texts found, kept so that the same level drawn again at the
// same scale takes the same places without the search.
#pragma once

#include <cstddef>
#include <vector>

#include "plan/label_layout.h"
#include "plan/plan_view.h"

namespace fp {

// The last few placements and what each was found for: the view (with its level), and the
// surface's scale and text sizes as numbers, with the panels warned about and the parts kept
// clear. The same view at the same scale draws the same texts, so their places are taken again:
// the same level panned at one zoom, drawn again with a finding outlined, or stepped away from
// and back onto. Any other view, zoom or window size places the texts afresh, and the placement
// used longest ago makes room for it. A memory serves one document; it is to be forgotten when
// another document, or the same listing read again, is drawn.
class PlacementMemory {
  public:
    // As many placements as a few levels stepped through in a few views; each takes some tens
    // of bytes a text, far less than the plan's image.
    static constexpr std::size_t kMostKept = 8;

    // The placement kept for `view` at `scale`, or null when none was found for them. It stays
    // valid until the memory is next asked, told or forgotten.
    const LabelLayout* placementFor(const PlanView& view, const std::vector<double>& scale);
    void keep(const PlanView& view, std::vector<double> scale, LabelLayout placement);
    void forget() { kept_.clear(); }

    // How many placements were found afresh and how many were taken from memory.
    std::size_t placed() const { return placed_; }
    std::size_t reused() const { return reused_; }

  private:
    struct Kept {
        PlanView view;
        std::vector<double> scale;
        LabelLayout placement;
    };

    // The most recently used first.
    std::vector<Kept> kept_;
    std::size_t placed_ = 0;
    std::size_t reused_ = 0;
};

}  // namespace fp
