// The load schedules of a listing as tables: one row per slab panel, one per beam, for
// spreadsheets (XLSX or CSV).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "checks/finding.h"

#include "document/listing_document.h"

namespace fp {

// A number, a text, or an empty cell.
class ScheduleCell {
  public:
    ScheduleCell() = default;
    ScheduleCell(std::nullopt_t) {}  // NOLINT: an empty cell reads as nothing at all
    template <typename Number>
    requires std::is_arithmetic_v<Number> ScheduleCell(Number number)
        : number_(static_cast<double>(number)) {}               // NOLINT
    ScheduleCell(std::string text) : text_(std::move(text)) {}  // NOLINT

    const std::optional<double>& number() const { return number_; }
    // Empty for a number or an empty cell.
    const std::string& text() const { return text_; }

    bool operator==(const ScheduleCell&) const = default;

  private:
    std::optional<double> number_;
    std::string text_;
};
using ScheduleRow = std::vector<ScheduleCell>;
using RowVisitor = std::function<void(const ScheduleRow& row)>;

struct ScheduleTable {
    std::string name;  // "Panels", "Beams", "Checks": the sheet's name, the CSV file's suffix
    // With their units: "Area (m²)".
    std::vector<std::string> headers;
    // Makes the rows in order and hands each to the visitor, which must not keep it: a schedule
    // is written row by row, so its memory does not grow with rows times load cases. Reads the
    // document the table was made of, which must outlive it.
    std::function<void(const RowVisitor& visit)> forEachRow;
    // What a sheet, which holds a limited number of rows, says in its last row of the `count`
    // rows it had to leave out, and where to see them; without it, the count alone.
    std::function<std::string(std::uint64_t count)> rowsLeftOut = {};
};

// Panels, level by level from the lowest, in the order the plan finds them: level (m), X and Z
// bounds (m), spans (m), area (m²), then for each floor-load case its intensity (kN/m²) and total
// (kN), empty where none of its loads acts on the panel.
ScheduleTable panelSchedule(const ListingDocument& document);

// Beams, level by level, in serial order: level (m), serial, member, start and end joints, length
// (m, as printed in its design block), then for each load case of the member loads the sum of
// the member's loads of that case (kN/m), empty where it has none.
ScheduleTable beamSchedule(const ListingDocument& document);

// Both. A level past a drawing limit has no rows in either.
std::vector<ScheduleTable> loadSchedules(const ListingDocument& document);

// The findings of the check, one row each in their order: level (m; empty for the whole
// listing), severity, kind, listing lines, load case, the place's X and Z bounds (m; empty
// without one), and the sentence.
ScheduleTable checkSchedule(const ListingDocument& document, const std::vector<Finding>& findings);

}  // namespace fp
