// What is selected on a level's plan: beams and columns by their member numbers and slab panels
// by their bounds, so that a selection outlives a zoom and a reload that keeps the same members.
#pragma once

#include <cstdint>
#include <vector>

#include "document/listing_document.h"

namespace fp {

struct SelectedItem {
    enum class Kind { Beam, Panel, Column };
    Kind kind = Kind::Beam;
    // A beam's or a column's member number.
    int32_t member = 0;
    // A panel's bounds.
    PanelBounds bounds;

    static SelectedItem beam(int32_t member);
    static SelectedItem panel(const PanelBounds& bounds);
    static SelectedItem column(int32_t member);
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
    std::vector<LevelColumn> columns;
    // The items found; those no longer on the level are left out.
    Selection kept;

    // How many items were found.
    std::size_t count() const { return beams.size() + panels.size() + columns.size(); }
};

// Finds the selected items among the level's beams (in serial order), panels and columns.
LevelSelection findSelection(const Selection& selection, const LevelModel& level);

}  // namespace fp
