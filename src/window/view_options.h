// The on/off options of the plan's view that the View menu offers, described once: the menu
// entries, their ticks, what is kept from run to run and what a reading keeps are all made from
// this table. A new option is one more row.
#pragma once

#include <vector>

#include "plan/plan_view.h"

namespace fp {

struct ViewOption {
    // Stable and unique: the settings key "view/<name>" and the menu action's object name.
    const char* name;
    // The menu entry, with its mnemonic: "&Grid Lines".
    const char* label;
    // In QKeySequence's portable form ("Ctrl+Shift+G"); empty for none.
    const char* shortcut;
    // The field of the view it turns on and off.
    bool PlanView::*field;
    // Remembered for the next run (and so over every listing of this one).
    bool keptBetweenRuns;
    // Kept when a listing is read, again or another one; otherwise each reading starts it as
    // PlanView does.
    bool keptOnReload;
};

using ViewOptions = std::vector<ViewOption>;

// The options of the View menu, in the menu's order.
const ViewOptions& viewOptions();

// The option of the table that sets `field`; null when none does.
const ViewOption* optionOf(const ViewOptions& options, bool PlanView::*field);

}  // namespace fp
