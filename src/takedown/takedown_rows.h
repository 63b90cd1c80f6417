// The takedown as rows, the one form every table of it takes: the text and JSON of the command
// line, the schedule's sheet and CSV file, the PDF pages and the window's dock.
#pragma once

#include <string>
#include <vector>

#include "document/listing_document.h"
#include "takedown/takedown.h"

namespace fp {

// One column of a stack at one level.
struct ColumnRow {
    std::size_t column = 0;  // into the takedown's columns
    int level = 0;
    float height = 0;  // hundredths of a metre
    int32_t member = 0;
    // By choice, kN: the load reaching its top joint on the level, and the load in it.
    std::vector<double> added;
    std::vector<double> below;
    // What the engineer must know of the row: a cantilever lifting it or leaning on it.
    std::string remark;
};

// One level: its own loads and what its columns carry.
struct LevelRow {
    int level = 0;
    float height = 0;
    // By choice, kN: the floor and member loads put on the level, the load in the columns below
    // it, and its loads that find no column.
    std::vector<double> applied;
    std::vector<double> columnsBelow;
    std::vector<double> unsupported;
    // The drawing limit that leaves the level's own loads out; empty within the limits.
    std::string leftOut;
};

// The rows of a stack from its top down, each with its values for every choice; only the row of
// `onlyLevel` when it is not 0.
std::vector<ColumnRow> stackRows(const Takedown& takedown, const ColumnStack& stack,
                                 const std::vector<LoadChoice>& choices, int onlyLevel = 0);

// Every level that has beams or columns, from the top down; only `onlyLevel` when not 0.
std::vector<LevelRow> levelRows(const Takedown& takedown, const std::vector<LoadChoice>& choices,
                                int onlyLevel = 0);

// "base at 0 m", "on the beams at 4.2 m: its load goes on to the columns of their lines",
// "on joint 405 at 15 m, which no column or beam line carries: unsupported".
std::string stackEndText(const Takedown& takedown, const ColumnStack& stack);

// "A/1 at X 0 m, Z 0 m, base at 0 m".
std::string stackHeading(const Takedown& takedown, const ColumnStack& stack);

// A load in kN to a tenth, "0.0" rather than "-0.0": "15805.0".
std::string kNText(double kN);

// "applied 15805.0 (floor 10941.0 + member 4864.0) = bases 15805.0 + unsupported 0.0": the
// equilibrium of a case or a combination, in kN.
std::string equilibriumText(const Takedown& takedown, const LoadChoice& choice);

// The value of every choice from the values of the cases.
std::vector<double> valuesOf(const LoadCases& cases, const std::vector<LoadChoice>& choices,
                             const CaseValues& byCase);

}  // namespace fp
