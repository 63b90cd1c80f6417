// Every text of one plan, registered with what it describes, and what texts must keep clear of.
#pragma once

#include <vector>

#include "plan/plan_label.h"

namespace fp {

// Filled by the drawing of a level, feature by feature, in any order: each part of the drawing
// registers its own texts and obstacles, and the placement step takes them all at once.
class PlanLabels {
  public:
    void add(PlanLabel label) { labels_.push_back(std::move(label)); }
    void addObstacle(const PlanRect& area, ObstacleKind kind) {
        obstacles_.push_back({area, kind});
    }

    const std::vector<PlanLabel>& labels() const { return labels_; }
    const std::vector<Obstacle>& obstacles() const { return obstacles_; }

  private:
    std::vector<PlanLabel> labels_;
    std::vector<Obstacle> obstacles_;
};

}  // namespace fp
