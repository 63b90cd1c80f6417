// The tributary areas of a level's panels, drawn as faint lines under the beams.
#pragma once

#include "document/listing_document.h"
#include "plan/plan_view.h"
#include "plan/surface.h"

namespace fp {

// Where the view shows them, the lines that part each panel's load between its beams, as the
// takedown parts it at the default one-way ratio: from each corner at 45° to the ridge, and the
// ridge, of a two-way panel; the line down the middle of a one-way one.
void drawTributaryLines(const ListingDocument& document, const PlanView& view, Surface& surface);

}  // namespace fp
