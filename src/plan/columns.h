// The columns of a level: the joints a vertical member reaches, drawn as small filled squares.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/listing_document.h"
#include "plan/plan_view.h"
#include "plan/surface.h"

namespace fp {

// A joint of the level that a vertical member reaches, at (x, z) in plan units.
struct LevelColumn {
    float x = 0;
    float z = 0;
    // The column below the joint where there is one, else the one above.
    int32_t member = 0;
    // Whether that member stands below the joint.
    bool fromBelow = false;
};

// One per joint, in the order of the joints' grid points: by X line, then by Z line.
std::vector<LevelColumn> columnsOfLevel(const ListingDocument& document, int level);

// "C: 1043": the column's member number as the plan writes it.
std::string columnLabel(const LevelColumn& column);

// A filled square at every column, and in member-load mode its label beside it, below and to
// the right of the joint.
void drawColumns(const ListingDocument& document, const PlanView& view, Surface& surface);

}  // namespace fp
