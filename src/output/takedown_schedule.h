// The takedown as a schedule table: the workbook's Takedown sheet and the "-takedown.csv" file.
#pragma once

#include "document/listing_document.h"
#include "schedule/schedule_tables.h"
#include "takedown/takedown.h"

namespace fp {

// One row per column per level, each stack from its top down, stacks in the takedown's order:
// the stack's grid name, its X and Z (m), the level (m), the column's member number, then for
// every case and every combination the load in the column below the level (kN, without
// self-weight), and the row's remark (a cantilever lifting the column, a stack standing on
// beams). Reads the document and the takedown, which must outlive the table.
ScheduleTable takedownSchedule(const ListingDocument& document, const Takedown& takedown);

}  // namespace fp
