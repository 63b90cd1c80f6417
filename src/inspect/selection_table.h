// The tables the Properties dock shows: one beam, one panel, or several things at once.
#pragma once

#include <vector>

#include "document/listing_document.h"
#include "inspect/beam_facts.h"
#include "inspect/facts_table.h"
#include "inspect/panel_facts.h"

namespace fp {

// Rows of property, value, load case and listing line: the serial, the member, its joints with
// their coordinates, its direction, its length as designed (with its design block's line), each
// member load, and the sum per load case.
FactsTable beamTable(const ListingDocument& document, const BeamFacts& facts,
                     char decimalSeparator);

// The same columns: the bounds, grid lines, spans and area, each floor load acting with its kN,
// the total per load case, and what the load checks found on the panel.
FactsTable panelTable(const ListingDocument& document, const PanelFacts& facts,
                      char decimalSeparator);

// One row per beam and panel with its length or area and its load per load case in kN (member
// loads times length, floor loads times area), and a last row of totals.
FactsTable selectionSummary(const ListingDocument& document, const std::vector<BeamFacts>& beams,
                            const std::vector<PanelFacts>& panels, char decimalSeparator);

}  // namespace fp
