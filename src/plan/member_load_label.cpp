// Member-load labels.
#include "plan/member_load_label.h"

#include "model/number_text.h"

namespace fp {

std::string memberLoadLabel(std::span<const MemberLoad> loads, const PlanView& view) {
    std::string label;
    for (const MemberLoad& load : loads) {
        if (!view.showsCase(load.caseNumber)) {
            continue;
        }
        if (!label.empty()) {
            label += ", ";
        }
        label += valueText(load.value, view.decimalSeparator);
        if (view.loadCaseNumbers && !load.caseNumber.empty()) {
            label += " (" + load.caseNumber.abbreviated() + ")";
        }
    }
    return label;
}

}  // namespace fp
