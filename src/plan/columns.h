// The columns of a level, drawn as small filled squares at their joints.
#pragma once

#include <string>

#include "document/listing_document.h"
#include "plan/plan_labels.h"
#include "plan/plan_view.h"
#include "plan/surface.h"

namespace fp {

// "C: 1043": the column's member number as the plan writes it.
std::string columnLabel(const LevelColumn& column);

// Half the side of a column's square on the surface, in plan units across.
double columnHalfSide(Surface& surface);

// A filled square at every column, registered with `labels` as what no text may cover; in
// member-load mode its label, registered to stand around the column, designed below and to the
// right of the joint.
void drawColumns(const ListingDocument& document, const PlanView& view, Surface& surface,
                 PlanLabels& labels);

}  // namespace fp
