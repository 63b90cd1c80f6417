// The beam plan of one level: beam lines, start-joint circles, numbers and pick boxes.
#pragma once

#include "document/listing_document.h"
#include "plan/pick_boxes.h"
#include "plan/plan_view.h"
#include "plan/surface.h"

namespace fp {

// Clears the surface and draws every designed beam of the view's level: +X and +Z beams from
// their start joints, at their printed lengths, numbered serially column by column. Member
// numbers ("B: ") are written only in member-load mode when asked for: on the serial numbers as
// designed, or beside them. Returns one pick box per
// beam drawn. More than 300 beams on the level throws ListingError naming the level.
PickBoxes drawBeamPlan(const ListingDocument& document, const PlanView& view, Surface& surface);

// The same without clearing the surface first, over what is drawn on it already.
PickBoxes drawBeams(const ListingDocument& document, const PlanView& view, Surface& surface);

}  // namespace fp
