// Test helper: whether the texts a reader finds in a slab panel are that panel's label, read
// from what an output drew rather than from the placement's own record.
#pragma once

#include <string>
#include <vector>

#include "plan/plan_view.h"
#include "structure/level_model.h"

namespace fp::test {

// "[12]": the number of a callout.
bool isCalloutNumber(const std::string& text);

// What is wrong with `found`, the texts inside one panel, as that panel's label; empty when it is
// one: its own lines, one line per load case, its spans (on one line or stacked) with a callout's
// number whose line in `key` (the texts drawn outside every panel) carries its loads, or, unless
// `spansRequired`, the number alone. A panel with nothing in it, or a callout without its key
// line, is right only where `noteDrawn`: the plan says it could not show some texts.
std::string judgePanel(const LevelPanel& panel, const PlanView& view,
                       const std::vector<std::string>& found, const std::vector<std::string>& key,
                       bool noteDrawn, bool spansRequired);

}  // namespace fp::test
