// Column loads as labels of the plan, placed as every other text is.
#include "plan/column_loads.h"

#include "plan/columns.h"
#include "plan/label_form_writer.h"
#include "plan/text_placement.h"
#include "takedown/takedown_rows.h"

namespace fp {

std::optional<LoadChoice> loadChoiceOf(const LoadCases& cases, const ColumnLoadChoice& chosen) {
    if (chosen.combination) {
        if (const std::optional<std::size_t> index = cases.combinationIndex(chosen.number)) {
            return LoadChoice{LoadChoice::Kind::Combination, *index};
        }
        return std::nullopt;
    }
    if (const std::optional<std::size_t> index = cases.caseIndex(chosen.number)) {
        return LoadChoice{LoadChoice::Kind::Case, *index};
    }
    return std::nullopt;
}

std::vector<ColumnLoadMark> columnLoadMarks(const Takedown& takedown, int level,
                                            const LoadChoice& choice) {
    std::vector<ColumnLoadMark> marks;
    for (const std::size_t index : takedown.columnsOf(level)) {
        const ColumnTakedown& column = takedown.columns[index];
        marks.push_back({column.at, column.member, takedown.cases.valueOf(choice, column.below)});
    }
    // A base has no column below it: what its stack's lowest column carries goes into it.
    for (const ColumnStack& stack : takedown.stacks) {
        if (stack.end != StackEnd::Base || stack.endLevel != level || stack.columns.empty()) {
            continue;
        }
        const ColumnTakedown& lowest = takedown.columns[stack.columns.back()];
        marks.push_back({lowest.at, lowest.member, takedown.cases.valueOf(choice, lowest.below)});
    }
    return marks;
}

std::string columnLoadText(double kN) {
    return kNText(kN) + " kN";
}

void drawColumnLoads(const ListingDocument& document, const PlanView& view, Surface& surface,
                     PlanLabels& labels) {
    if (!view.columnLoads) {
        return;
    }
    const Takedown& takedown = documentTakedown(document);
    const std::optional<LoadChoice> choice = loadChoiceOf(takedown.cases, *view.columnLoads);
    if (!choice) {
        return;
    }
    LabelFormWriter writer(surface);
    const double half = columnHalfSide(surface);
    const double down = half * surface.verticalPerHorizontal();
    const double digit = surface.textWidth("8");
    for (const ColumnLoadMark& mark : columnLoadMarks(takedown, view.level, *choice)) {
        const std::string text = columnLoadText(mark.kN);
        writeAligned(writer, text, static_cast<float>(mark.at.x + 1.5 * half),
                     static_cast<float>(mark.at.z - down - surface.textHeight(text)),
                     Alignment::Left);
        PlanLabel label;
        label.part = PlanPart::ColumnLoads;
        label.rule = CandidateRule::AroundPoint;
        label.feature = {mark.at.x - half, mark.at.z - down, mark.at.x + half, mark.at.z + down};
        label.forms.push_back(writer.take());
        // Room for the second ring of places round the column, clear of the beams that meet
        // there: twice its width and two digits each side, three lines above and below.
        const PlanRect& box = label.forms.front().box;
        const double across = 2 * box.width() + 2 * digit;
        const double along = 3 * box.height() + down;
        label.home = {mark.at.x - across, mark.at.z - along, mark.at.x + across, mark.at.z + along};
        labels.add(std::move(label));
    }
}

}  // namespace fp
