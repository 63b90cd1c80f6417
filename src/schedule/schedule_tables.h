// The load schedules of a listing as tables: one row per slab panel, one per beam, for
// spreadsheets (XLSX or CSV).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "document/listing_document.h"

namespace fp {

// A number, or an empty cell.
using ScheduleCell = std::optional<double>;
using ScheduleRow = std::vector<ScheduleCell>;
using RowVisitor = std::function<void(const ScheduleRow& row)>;

struct ScheduleTable {
    std::string name;  // "Panels", "Beams": the sheet's name, and the CSV file's suffix
    // With their units: "Area (m²)".
    std::vector<std::string> headers;
    // Makes the rows in order and hands each to the visitor, which must not keep it: a schedule
    // is written row by row, so its memory does not grow with rows times load cases. Reads the
    // document the table was made of, which must outlive it.
    std::function<void(const RowVisitor& visit)> forEachRow;
};

// Panels, level by level from the lowest, in the order the plan finds them: level (m), X and Z
// bounds (m), spans (m), area (m²), then for each floor-load case its intensity (kN/m²) and total
// (kN), empty where none of its loads acts on the panel.
ScheduleTable panelSchedule(const ListingDocument& document);

// Beams, level by level, in serial order: level (m), serial, member, start and end joints, length
// (m, as printed in its design block), then for each load case of the member loads the sum of
// the member's loads of that case (kN/m), empty where it has none.
ScheduleTable beamSchedule(const ListingDocument& document);

// Both. A level past a drawing limit (checkLevelLimits) has no rows in either.
std::vector<ScheduleTable> loadSchedules(const ListingDocument& document);

}  // namespace fp
