// The takedown for people: tables of kN, the equilibrium, what finds no column.
#include "cli/takedown_report.h"

#include <cstdio>
#include <string>

#include "model/text_encoding.h"
#include "structure/place_text.h"
#include "takedown/takedown_rows.h"

namespace fp {
namespace {

// Each value of a table in a column of this width.
constexpr int kValueWidth = 10;
// The level and member columns at the left of a table.
constexpr int kLevelWidth = 10;
constexpr int kMemberWidth = 8;

std::string padded(const std::string& text, int width) {
    // Widths count characters; the few texts with "–" or "²" are a column or two short at worst.
    return text.size() >= static_cast<std::size_t>(width)
               ? text + " "
               : text + std::string(static_cast<std::size_t>(width) - text.size(), ' ');
}

std::string kN(double value) {
    char text[48];
    std::snprintf(text, sizeof text, "%*.1f", kValueWidth, value == 0 ? 0.0 : value);
    return text;
}

// The heads of a table's value columns: each choice over its two values.
// A line of a table without the blanks its last cell leaves at its end.
void writeLine(std::ostream& out, const std::string& line) {
    const std::size_t end = line.find_last_not_of(' ');
    out << (end == std::string::npos ? std::string() : line.substr(0, end + 1)) << "\n";
}

void writeHeads(std::ostream& out, const LoadCases& cases, const std::vector<LoadChoice>& choices,
                const char* member, const char* first, const char* second) {
    std::string names = "  " + padded("Level", kLevelWidth) + padded(member, kMemberWidth);
    std::string heads = "  " + std::string(kLevelWidth + kMemberWidth, ' ');
    for (const LoadChoice& choice : choices) {
        names += padded(choiceShortName(cases, choice), 2 * kValueWidth + 2);
        char text[64];
        std::snprintf(text, sizeof text, "%*s%*s  ", kValueWidth, first, kValueWidth, second);
        heads += text;
    }
    writeLine(out, names);
    writeLine(out, heads);
}

std::string valuesText(const std::vector<double>& first, const std::vector<double>& second) {
    std::string text;
    for (std::size_t i = 0; i < first.size(); ++i) {
        text += kN(first[i]) + kN(second[i]) + "  ";
    }
    return text;
}

void writeStacks(std::ostream& out, const Takedown& takedown,
                 const std::vector<LoadChoice>& choices, int onlyLevel) {
    out << "\nColumns  the load reaching the column's top at each level (added) and the load in "
           "it (below)\n";
    for (const ColumnStack& stack : takedown.stacks) {
        const std::vector<ColumnRow> rows = stackRows(takedown, stack, choices, onlyLevel);
        if (rows.empty()) {
            continue;
        }
        out << "\n" << stackHeading(takedown, stack) << "\n";
        writeHeads(out, takedown.cases, choices, "Column", "added", "below");
        for (const ColumnRow& row : rows) {
            writeLine(out, "  " + padded(levelHeightText(row.height), kLevelWidth) +
                               padded(std::to_string(row.member), kMemberWidth) +
                               valuesText(row.added, row.below) + row.remark);
        }
    }
}

void writeLevels(std::ostream& out, const Takedown& takedown,
                 const std::vector<LoadChoice>& choices, int onlyLevel) {
    out << "\nLevels  the floor and member loads put on each level (applied) and the load in the "
           "columns below it\n";
    writeHeads(out, takedown.cases, choices, "", "applied", "columns");
    for (const LevelRow& row : levelRows(takedown, choices, onlyLevel)) {
        writeLine(out, "  " + padded(levelHeightText(row.height), kLevelWidth + kMemberWidth) +
                           valuesText(row.applied, row.columnsBelow) + row.leftOut);
    }
}

void writeUnsupported(std::ostream& out, const ListingDocument& document, const Takedown& takedown,
                      const std::vector<LoadChoice>& choices, int onlyLevel) {
    bool headed = false;
    for (const UnsupportedLoad& lost : takedown.unsupported) {
        if (onlyLevel != 0 && lost.level != onlyLevel) {
            continue;
        }
        if (!headed) {
            out << "\nUnsupported loads  they stay where they are\n";
            headed = true;
        }
        out << "  " << padded(levelHeightText(document.levelHeight(lost.level)), kLevelWidth);
        const std::vector<double> values = valuesOf(takedown.cases, choices, lost.byCase);
        for (std::size_t i = 0; i < choices.size(); ++i) {
            out << (i > 0 ? ", " : "") << kNText(values[i]) << " kN ("
                << choiceShortName(takedown.cases, choices[i]) << ")";
        }
        out << ": " << lost.why << "\n";
    }
}

std::string linesText(const std::vector<long>& lines) {
    std::string text;
    for (const long line : lines) {
        text += (text.empty() ? "" : ", ") + std::to_string(line);
    }
    return text;
}

void writeEquilibrium(std::ostream& out, const ListingDocument& document, const Takedown& takedown,
                      const std::vector<LoadChoice>& choices) {
    const Equilibrium& balance = takedown.equilibrium;
    out << "\nEquilibrium  applied (floor + member) = bases + unsupported, in kN without "
           "self-weight\n";
    for (const LoadChoice& choice : choices) {
        out << "  " << padded(choiceName(document, takedown.cases, choice), 40)
            << equilibriumText(takedown, choice);
        if (choice.kind == LoadChoice::Kind::Case &&
            !balance.floorLoadsMissed[choice.index].empty()) {
            out << "; not in it: the floor loads panels do not take whole, lines "
                << linesText(balance.floorLoadsMissed[choice.index]) << " (frameplan check)";
        }
        out << "\n";
    }
    for (const int level : balance.levelsLeftOut) {
        out << "  Level " << levelHeightText(document.levelHeight(level))
            << " is left out, past a drawing limit: its own loads are in neither side.\n";
    }
}

void writeCombinationNotes(std::ostream& out, const ListingDocument& document,
                           const LoadCases& cases, const std::vector<LoadChoice>& choices) {
    for (const LoadChoice& choice : choices) {
        if (choice.kind != LoadChoice::Kind::Combination) {
            continue;
        }
        const Combination& combination = cases.combinations[choice.index];
        for (const std::string& number : combination.casesWithoutLoads) {
            out << choiceName(document, cases, choice) << ": case " << utf8FromListingText(number)
                << " has no floor or member loads and adds nothing here.\n";
        }
        if (combination.unpaired) {
            out << choiceName(document, cases, choice)
                << ": the last case number has no factor and is left out (line " << combination.line
                << ").\n";
        }
    }
}

}  // namespace

void writeTakedownReport(std::ostream& out, const ListingDocument& document,
                         const Takedown& takedown, const std::vector<LoadChoice>& choices,
                         int onlyLevel) {
    out << "Takedown of " << utf8FromListingText(document.name) << "\n";
    char ratio[32];
    std::snprintf(ratio, sizeof ratio, "%g", takedown.oneWayRatio);
    out << "Loads in kN without self-weight. Panels go two-way by the 45\u00b0 rule, one-way "
           "where the long span is at least "
        << ratio << " times the short.\n";
    if (!takedown.hasColumns) {
        out << "The listing has no columns (no vertical members): every load stays at its "
               "joint, unsupported.\n";
    }
    if (takedown.cases.cases.empty()) {
        out << "The listing has no floor or member loads.\n";
        return;
    }
    writeCombinationNotes(out, document, takedown.cases, choices);
    writeStacks(out, takedown, choices, onlyLevel);
    writeLevels(out, takedown, choices, onlyLevel);
    writeUnsupported(out, document, takedown, choices, onlyLevel);
    writeEquilibrium(out, document, takedown, choices);
}

}  // namespace fp
