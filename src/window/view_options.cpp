// The View menu's options of the plan.
#include "window/view_options.h"

namespace fp {

const ViewOptions& viewOptions() {
    static const ViewOptions kOptions{
        {"gridLines", "G&rid Lines", "", &PlanView::gridLines, false, true},
        {"memberNumbersBeside", "Member &numbers beside serials", "",
         &PlanView::memberNumbersBeside, true, true},
        {"memberLoadsOnBeams", "Member loads on &beams", "", &PlanView::memberLoadsOnBeams, false,
         true},
        {"markPanelsWithoutLoad", "Mar&k panels without floor load", "",
         &PlanView::markPanelsWithoutLoad, false, true},
        {"tributaryAreas", "&Tributary Areas", "", &PlanView::tributaryAreas, false, true},
        {"designedLabelPositions", "&Designed Label Positions", "",
         &PlanView::designedLabelPositions, false, true},
        {"markChecks", "Mark checks on the pl&an", "", &PlanView::markChecks, false, true},
    };
    return kOptions;
}

const ViewOption* optionOf(const ViewOptions& options, bool PlanView::*field) {
    for (const ViewOption& option : options) {
        if (option.field == field) {
            return &option;
        }
    }
    return nullptr;
}

}  // namespace fp
