// A schedule table as CSV (RFC 4180).
#pragma once

#include <ostream>

#include "schedule/schedule_tables.h"

namespace fp {

// The header row, then one record per row, each ended by CR LF. Fields holding a comma, a double
// quote, CR or LF are enclosed in double quotes, with their quotes doubled. Numbers are written
// with '.' and the fewest digits that read back the same; an empty cell is an empty field.
void writeCsvTable(std::ostream& out, const ScheduleTable& table);

}  // namespace fp
