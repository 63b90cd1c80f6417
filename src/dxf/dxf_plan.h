// Level plans as DXF drawings: what the screen draws, in metres at the true coordinates.
#pragma once

#include <string>
#include <vector>

#include "document/listing_document.h"
#include "dxf/dxf_drawing.h"
#include "plan/plan_view.h"

namespace fp {

// The view's level drawn as the screen draws it, and its title above the plan's top-left
// corner on the TITLE layer: the level's caption and, under it, the listing's file name. A level
// past a drawing limit throws ListingError.
DxfDrawing dxfPlan(const ListingDocument& document, const PlanView& view);

// One DXF file of one level.
struct DxfPlanFile {
    int level = 0;
    std::string path;
};

// Writes each file with its level in the view, and returns their paths. Every file is whole
// before any is put in place, so a failure (ListingError for a level, FileWriteError for a file)
// leaves none behind.
std::vector<std::string> writeDxfPlans(const ListingDocument& document, PlanView view,
                                       const std::vector<DxfPlanFile>& files);

}  // namespace fp
