// The failures of a level whose panels, or a panel whose floor loads, pass their limits.
#pragma once

#include "document/listing_document.h"
#include "model/listing_error.h"

namespace fp {

struct SlabPanel;

// More than 200 panels on one level.
ListingError tooManyPanels(const ListingDocument& document, int level);

// More than 10 floor loads acting on one panel of a level.
ListingError tooManyPanelLoads(const ListingDocument& document, int level, const SlabPanel& panel);

}  // namespace fp
