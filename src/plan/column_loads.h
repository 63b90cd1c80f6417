// The column loads of a plan: beside each column, the load it carries below the level for one
// load case or combination, from the document's takedown.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/listing_document.h"
#include "plan/plan_labels.h"
#include "plan/plan_view.h"
#include "plan/surface.h"
#include "takedown/takedown.h"

namespace fp {

// The case or combination of that number among the takedown's; none when it has no such one.
std::optional<LoadChoice> loadChoiceOf(const LoadCases& cases, const ColumnLoadChoice& chosen);

// The load under one column of a level.
struct ColumnLoadMark {
    PlanPoint at;
    // The column below the level's joint; on the lowest level of its stack, the column above.
    int32_t member = 0;
    double kN = 0;
};

// Every column below a joint of the level with the load in it, and every stack that ends on the
// ground at the level with the load into its base; in the takedown's order.
std::vector<ColumnLoadMark> columnLoadMarks(const Takedown& takedown, int level,
                                            const LoadChoice& choice);

// "812.4 kN".
std::string columnLoadText(double kN);

// Where the view asks for them and the document has its case or combination, the loads of the
// level's columns, each registered with `labels` to stand around its column, designed above and
// to the right of it.
void drawColumnLoads(const ListingDocument& document, const PlanView& view, Surface& surface,
                     PlanLabels& labels);

}  // namespace fp
