// Takedown rows of the load schedules.
#include "output/takedown_schedule.h"

#include <cmath>

#include "model/number_text.h"
#include "takedown/takedown_rows.h"

namespace fp {
namespace {

// Millionths of a kN or a metre are far below what a schedule shows, and rounding to them keeps
// sums such as 6 x 1.8 from reading 10.799999999999999 in a spreadsheet.
double rounded(double value) {
    return std::round(value * 1e6) / 1e6;
}

}  // namespace

ScheduleTable takedownSchedule(const ListingDocument& document, const Takedown& takedown) {
    ScheduleTable table{"Takedown", {"Column stack", "X (m)", "Z (m)", "Level (m)", "Column"}, {}};
    std::vector<LoadChoice> choices = takedown.cases.everyChoice();
    for (const LoadChoice& choice : choices) {
        table.headers.push_back(choiceName(document, takedown.cases, choice) +
                                " below (kN, without self-weight)");
    }
    table.headers.emplace_back("Remark");
    table.forEachRow = [&takedown, choices = std::move(choices)](const RowVisitor& visit) {
        ScheduleRow row;
        for (const ColumnStack& stack : takedown.stacks) {
            for (const ColumnRow& column : stackRows(takedown, stack, choices)) {
                row = {stack.name, rounded(metres(stack.at.x)), rounded(metres(stack.at.z)),
                       rounded(metres(column.height)), column.member};
                for (const double kN : column.below) {
                    row.emplace_back(rounded(kN));
                }
                row.push_back(column.remark.empty() ? ScheduleCell() : ScheduleCell(column.remark));
                visit(row);
            }
        }
    };
    return table;
}

}  // namespace fp
