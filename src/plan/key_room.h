// Room on a plan for lines of text that belong to no feature: the callouts' key and the note of
// what could not be shown, outside the level's bays.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "plan/label_layout.h"
#include "plan/plan_rect.h"
#include "plan/surface.h"

namespace fp {

// Lines go into the strips between the drawing's extent and the edges of the part on show: below
// it first, left to right and row by row, then to its right, above it and to its left. Each line
// takes the first place along its strip's rows where `isClear` accepts its box; the strips fill
// in order, so the key reads in its numbers' order.
class KeyRoom {
  public:
    // `extent`: what the level's drawing covers (its bays, beams, grid and texts); `isClear`:
    // whether a box, with its air, covers nothing drawn or placed. Lines are measured on
    // `surface` in its own font.
    KeyRoom(const PlanRect& visible, const std::optional<PlanRect>& extent, Surface& surface,
            std::function<bool(const PlanRect&)> isClear);

    // The place of the next line, or nothing when no strip has room for it left.
    std::optional<PlacedLine> place(const std::string& text);

  private:
    struct Strip {
        PlanRect area;
        double x;
        double z;
    };

    std::optional<PlacedLine> placeIn(Strip& strip, const PlanRect& size, const std::string& text);

    Surface& surface_;
    std::function<bool(const PlanRect&)> isClear_;
    double lineHeight_;
    double gapX_;
    double gapZ_;
    std::vector<Strip> strips_;
};

}  // namespace fp
