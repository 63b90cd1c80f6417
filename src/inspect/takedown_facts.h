// What the takedown says about one beam or one column of a plan, for the status bar's pointer
// text and the Properties dock.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/listing_document.h"
#include "inspect/facts_table.h"
#include "structure/grid_names.h"
#include "takedown/takedown.h"

namespace fp {

// A beam's load for one case or combination, kN/m and kN, without self-weight.
struct BeamShare {
    // The slab's share of it, from the panels on both sides.
    double slabPeak = 0;
    double slabTotal = 0;
    // Its end reactions as a simply supported span, slab and member loads together.
    double startReaction = 0;
    double endReaction = 0;
    PlanPoint start;
    PlanPoint end;
};

// The share of the level's beam of that member; nothing when it is no beam of the level's
// framing.
std::optional<BeamShare> beamShare(const Takedown& takedown, int level, int32_t member,
                                   const LoadChoice& choice);

// "slab share peak 7.5 kN/m, total 20.0 kN; reactions 10.0 kN at A/1, 10.0 kN at A/2" with the
// ends named by the level's grid lines.
std::string beamShareText(const GridLineSet& lines, const BeamShare& share);

// Rows for the beam's table (property, value, load case, listing line): its slab share and its
// reactions for every case and combination.
void addBeamShareRows(FactsTable& table, const ListingDocument& document, const Takedown& takedown,
                      int level, int32_t member);

// The stack of the column drawn at `at` on the level: the one below the level's joint there, or
// the one whose base is there. Null when none is.
const ColumnStack* stackAt(const Takedown& takedown, int level, const PlanPoint& at);

// The stack's takedown from its top down to its end, one column per case and combination: at
// each level the load added at its top joint, each part of it with the listing line it came
// from, and the load in the column below; then where the stack ends.
FactsTable stackTable(const ListingDocument& document, const Takedown& takedown,
                      const ColumnStack& stack);

}  // namespace fp
