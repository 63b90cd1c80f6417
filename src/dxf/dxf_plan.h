// Level plans as DXF drawings: what the screen draws, in metres at the true coordinates.
#pragma once

#include "document/listing_document.h"
#include "dxf/dxf_drawing.h"
#include "plan/plan_view.h"

namespace fp {

// The view's level drawn as the screen draws it, and its title above the plan's top-left
// corner on the TITLE layer: the level's caption and, under it, the listing's file name. A level
// past a drawing limit throws ListingError.
DxfDrawing dxfPlan(const ListingDocument& document, const PlanView& view);

}  // namespace fp
