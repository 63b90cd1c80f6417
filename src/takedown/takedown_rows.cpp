// Rows of the takedown for tables.
#include "takedown/takedown_rows.h"

#include <cstdio>
#include <string_view>

#include "model/number_text.h"
#include "structure/place_text.h"

namespace fp {
namespace {

std::string remarkOf(const Takedown& takedown, const ColumnTakedown& column) {
    std::string remark;
    for (const Inflow& inflow : column.inflows) {
        if (!inflow.cantilever) {
            continue;
        }
        remark += remark.empty() ? "" : "; ";
        remark += inflow.fraction < 0 ? "lifted by the cantilever at joint "
                                      : "carries the cantilever at joint ";
        remark += std::to_string(inflow.joint);
    }
    const ColumnStack& stack = takedown.stacks[column.stack];
    if (!column.columnBelow && stack.end != StackEnd::Base) {
        remark += remark.empty() ? "" : "; ";
        remark += "stands " + stackEndText(takedown, stack);
    }
    return remark;
}

}  // namespace

std::string kNText(double kN) {
    char text[48];
    std::snprintf(text, sizeof text, "%.1f", kN);
    return std::string_view(text) == "-0.0" ? "0.0" : text;
}

std::string equilibriumText(const Takedown& takedown, const LoadChoice& choice) {
    const Equilibrium& balance = takedown.equilibrium;
    const LoadCases& cases = takedown.cases;
    const double floor = cases.valueOf(choice, balance.floor);
    const double member = cases.valueOf(choice, balance.member);
    return "applied " + kNText(floor + member) + " (floor " + kNText(floor) + " + member " +
           kNText(member) + ") = bases " + kNText(cases.valueOf(choice, balance.bases)) +
           " + unsupported " + kNText(cases.valueOf(choice, balance.unsupported));
}

std::vector<double> valuesOf(const LoadCases& cases, const std::vector<LoadChoice>& choices,
                             const CaseValues& byCase) {
    std::vector<double> values;
    values.reserve(choices.size());
    for (const LoadChoice& choice : choices) {
        values.push_back(cases.valueOf(choice, byCase));
    }
    return values;
}

std::vector<ColumnRow> stackRows(const Takedown& takedown, const ColumnStack& stack,
                                 const std::vector<LoadChoice>& choices, int onlyLevel) {
    std::vector<ColumnRow> rows;
    for (const std::size_t index : stack.columns) {
        const ColumnTakedown& column = takedown.columns[index];
        if (onlyLevel != 0 && column.level != onlyLevel) {
            continue;
        }
        rows.push_back(ColumnRow{
            index, column.level, takedown.levels[static_cast<std::size_t>(column.level - 1)].height,
            column.member, valuesOf(takedown.cases, choices, column.added),
            valuesOf(takedown.cases, choices, column.below), remarkOf(takedown, column)});
    }
    return rows;
}

std::vector<LevelRow> levelRows(const Takedown& takedown, const std::vector<LoadChoice>& choices,
                                int onlyLevel) {
    std::vector<LevelRow> rows;
    for (auto level = takedown.levels.rbegin(); level != takedown.levels.rend(); ++level) {
        const std::vector<std::size_t>& columns = takedown.columnsOf(level->level);
        if ((onlyLevel != 0 && level->level != onlyLevel) ||
            (level->beams.empty() && columns.empty())) {
            continue;
        }
        CaseValues applied = level->floorLoad;
        applied.addScaled(level->memberLoad);
        CaseValues below;
        for (const std::size_t column : columns) {
            below.addScaled(takedown.columns[column].below);
        }
        CaseValues lost;
        for (const UnsupportedLoad& load : takedown.unsupported) {
            if (load.level == level->level) {
                lost.addScaled(load.byCase);
            }
        }
        rows.push_back(LevelRow{
            level->level, level->height, valuesOf(takedown.cases, choices, applied),
            valuesOf(takedown.cases, choices, below), valuesOf(takedown.cases, choices, lost),
            level->limit ? level->limit->message() : std::string()});
    }
    return rows;
}

std::string stackEndText(const Takedown& takedown, const ColumnStack& stack) {
    const ColumnTakedown& bottom = takedown.columns[stack.columns.back()];
    const float height = takedown.levels[static_cast<std::size_t>(stack.endLevel - 1)].height;
    switch (stack.end) {
        case StackEnd::Base:
            break;
        case StackEnd::OnBeams:
            return "on the beams at " + levelHeightText(height) +
                   ": its load goes on to the columns of their lines";
        case StackEnd::Unsupported:
            return "on joint " + std::to_string(bottom.bottomJoint) + " at " +
                   levelHeightText(height) + ", which no column or beam line carries: unsupported";
    }
    return "base at " + levelHeightText(height);
}

std::string stackHeading(const Takedown& takedown, const ColumnStack& stack) {
    return stack.name + " at " + pointText(metres(stack.at.x), metres(stack.at.z)) + ", " +
           stackEndText(takedown, stack);
}

}  // namespace fp
