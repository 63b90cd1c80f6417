// The takedown of one beam or one column, as text and as a table.
#include "inspect/takedown_facts.h"

#include <algorithm>

#include "panels/level_totals.h"
#include "structure/grid_names.h"
#include "structure/place_text.h"
#include "takedown/takedown_rows.h"

namespace fp {
namespace {

const std::vector<std::string> kPropertyHeaders{"Property", "Value", "Load case", "Listing line"};

std::string choiceCaption(const ListingDocument& document, const Takedown& takedown,
                          const LoadChoice& choice) {
    return choiceName(document, takedown.cases, choice);
}

// Whether the case counts in the choice: it is the case, or a term of the combination.
bool counts(const LoadCases& cases, const LoadChoice& choice, std::size_t caseIndex) {
    if (choice.kind == LoadChoice::Kind::Case) {
        return choice.index == caseIndex;
    }
    const std::vector<FactoredCase>& terms = cases.combinations[choice.index].terms;
    return std::any_of(terms.begin(), terms.end(), [caseIndex](const FactoredCase& term) {
        return term.caseIndex == caseIndex;
    });
}

std::string partText(const ListingDocument& document, const Takedown& takedown,
                     const LoadPart& part) {
    const std::string caseName = loadCaseName(document, takedown.cases.cases[part.caseIndex]);
    switch (part.source) {
        case LoadSource::FloorLoad:
            return "floor load, " + caseName;
        case LoadSource::MemberLoad:
            return "member load, " + caseName;
        case LoadSource::ColumnAbove:
            break;
    }
    return "column " + std::to_string(part.member) + " standing on the joint, " + caseName;
}

FactsCell numberCell(const std::string& text) {
    return {text, 0, true};
}

FactsCell lineCell(long line) {
    return line > 0 ? FactsCell{std::to_string(line), line, true} : FactsCell{};
}

// One row of the stack's table: its level, what the load is, its listing line, a value for
// every choice (blank where `shown` says the choice has none).
std::vector<FactsCell> stackRow(const std::string& level, const std::string& what, long line,
                                const std::vector<double>& values, const std::vector<bool>& shown) {
    std::vector<FactsCell> row{{level}, {what}, lineCell(line)};
    for (std::size_t i = 0; i < values.size(); ++i) {
        row.push_back(shown[i] ? numberCell(kNText(values[i])) : FactsCell{});
    }
    return row;
}

std::string slabText(const BeamShare& share) {
    return "peak " + kNText(share.slabPeak) + " kN/m, total " + kNText(share.slabTotal) + " kN";
}

// "10.0 kN at A/1, 10.0 kN at A/2".
std::string reactionsText(const GridLineSet& lines, const BeamShare& share) {
    const auto at = [&lines](const PlanPoint& point) {
        const std::string name = nearestIntersection(lines, point.x, point.z);
        return name.empty() ? std::string() : " at " + name;
    };
    return kNText(share.startReaction) + " kN" + at(share.start) + ", " +
           kNText(share.endReaction) + " kN" + at(share.end);
}

}  // namespace

std::optional<BeamShare> beamShare(const Takedown& takedown, int level, int32_t member,
                                   const LoadChoice& choice) {
    const LevelTakedown* loads = takedown.level(level);
    const BeamTakedown* beam = loads != nullptr ? loads->beam(member) : nullptr;
    if (beam == nullptr) {
        return std::nullopt;
    }
    const LoadProfile slab = slabProfile(*loads, *beam, takedown.cases, choice);
    return BeamShare{slab.peak(),
                     slab.total(),
                     takedown.cases.valueOf(choice, beam->startReaction.byCase()),
                     takedown.cases.valueOf(choice, beam->endReaction.byCase()),
                     beam->start,
                     beam->end};
}

std::string beamShareText(const GridLineSet& lines, const BeamShare& share) {
    return "slab share " + slabText(share) + "; reactions " + reactionsText(lines, share);
}

void addBeamShareRows(FactsTable& table, const ListingDocument& document, const Takedown& takedown,
                      int level, int32_t member) {
    const GridLineSet lines = levelGridLines(document.grid, level);
    for (const LoadChoice& choice : takedown.cases.everyChoice()) {
        const std::optional<BeamShare> share = beamShare(takedown, level, member, choice);
        if (!share) {
            return;
        }
        const std::string caption = choiceCaption(document, takedown, choice);
        table.rows.push_back({{"Slab share"}, {slabText(*share)}, {caption}, {}});
        table.rows.push_back({{"Reactions"}, {reactionsText(lines, *share)}, {caption}, {}});
    }
}

const ColumnStack* stackAt(const Takedown& takedown, int level, const PlanPoint& at) {
    if (const ColumnTakedown* column = takedown.columnBelow(level, at)) {
        return &takedown.stacks[column->stack];
    }
    for (const ColumnStack& stack : takedown.stacks) {
        if (stack.endLevel == level && stack.at == at) {
            return &stack;
        }
    }
    return nullptr;
}

FactsTable stackTable(const ListingDocument& document, const Takedown& takedown,
                      const ColumnStack& stack) {
    const LoadCases& cases = takedown.cases;
    const std::vector<LoadChoice> choices = cases.everyChoice();
    FactsTable table;
    table.headers = {"Level", "Load", "Listing line"};
    for (const LoadChoice& choice : choices) {
        table.headers.push_back(choiceShortName(cases, choice) + ", kN");
    }
    const std::vector<bool> every(choices.size(), true);
    for (const std::size_t index : stack.columns) {
        const ColumnTakedown& column = takedown.columns[index];
        const std::string level =
            levelHeightText(takedown.levels[static_cast<std::size_t>(column.level - 1)].height);
        table.rows.push_back(stackRow(level,
                                      "added at the top of column " + std::to_string(column.member),
                                      0, valuesOf(cases, choices, column.added), every));
        LoadParts parts = column.direct;
        for (const Inflow& inflow : column.inflows) {
            parts.addScaled(inflow.load, 1);
        }
        for (const LoadPart& part : parts.parts()) {
            CaseValues alone;
            alone.add(part.caseIndex, part.kN);
            std::vector<bool> shown;
            for (const LoadChoice& choice : choices) {
                shown.push_back(counts(cases, choice, part.caseIndex));
            }
            table.rows.push_back(stackRow({}, "  " + partText(document, takedown, part), part.line,
                                          valuesOf(cases, choices, alone), shown));
        }
        table.rows.push_back(stackRow({}, "in column " + std::to_string(column.member) + " below",
                                      0, valuesOf(cases, choices, column.below), every));
    }
    std::vector<FactsCell> end{{}, {"stands " + stackEndText(takedown, stack)}, {}};
    end.resize(table.headers.size());
    table.rows.push_back(std::move(end));
    return table;
}

}  // namespace fp
