// What is selected on a level's plan: beams by their member numbers and slab panels by their
// bounds, so that a selection outlives a zoom and a reload that keeps the same members.
#pragma once

#include <cstdint>
#include <vector>

#include "document/listing_document.h"

namespace fp {

struct SelectedItem {
    enum class Kind { Beam, Panel };
    Kind kind = Kind::Beam;
    // A beam's member number.
    int32_t member = 0;
    // A panel's bounds.
    PanelBounds bounds;

    static SelectedItem beam(int32_t member);
    static SelectedItem panel(const PanelBounds& bounds);
    bool operator==(const SelectedItem&) const = default;
};

// In the order chosen.
using Selection = std::vector<SelectedItem>;

// Adds the item, or takes it away when it is selected already.
void toggle(Selection& selection, const SelectedItem& item);

// The selection found on the plan of a level.
struct LevelSelection {
    // Serial numbers (from 1) with their beams, and panels, in the order chosen.
    std::vector<std::pair<int, LevelBeam>> beams;
    std::vector<LevelPanel> panels;
    // The items found; those no longer on the level are left out.
    Selection kept;
};

// Finds the selected items among the level's beams (in serial order) and panels.
LevelSelection findSelection(const Selection& selection, const LevelModel& level);

}  // namespace fp
