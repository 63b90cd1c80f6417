// What a plan shows.
#include "plan/plan_view.h"

#include <algorithm>

namespace fp {

bool PlanView::showsIntensity(float intensity) const {
    return std::find(shownIntensities.begin(), shownIntensities.end(), intensity) !=
           shownIntensities.end();
}

bool PlanView::showsCase(std::string_view caseNumber) const {
    return shownCases.empty() ||
           std::find(shownCases.begin(), shownCases.end(), caseNumber) != shownCases.end();
}

PlanView startUpView(const ListingDocument& document, char decimalSeparator) {
    PlanView view;
    view.level = startLevel(document);
    view.shownIntensities.assign(document.floorIntensities.begin(),
                                 document.floorIntensities.end());
    view.decimalSeparator = decimalSeparator;
    return view;
}

}  // namespace fp
