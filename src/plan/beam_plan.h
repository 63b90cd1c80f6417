// The beam plan of one level: beam lines, start-joint circles, numbers and pick boxes.
#pragma once

#include "document/listing_document.h"
#include "plan/pick_boxes.h"
#include "plan/plan_labels.h"
#include "plan/plan_view.h"
#include "plan/surface.h"

namespace fp {

// Draws every designed beam of the view's level over what the surface holds: +X and +Z beams
// from their start joints, at their printed lengths, numbered serially column by column. Each
// beam's texts are registered with `labels` to stand beside it, designed as the plan has always
// written them: the serial number across the beam; in member-load mode when asked for, "B: " and
// the member number on the serial number or beside it, and the member loads. The beam lines are
// registered as what no text may cross. Returns one pick box per beam drawn. More than 300 beams on
// the level throws ListingError naming the level.
PickBoxes drawBeams(const ListingDocument& document, const PlanView& view, Surface& surface,
                    PlanLabels& labels);

}  // namespace fp
