// The member loads of one beam as a plan label.
#pragma once

#include <span>
#include <string>

#include "model/records.h"
#include "plan/plan_view.h"

namespace fp {

// "10 (1), 2 (2)": the value in kN/m of each load of a case the view shows, in the order read,
// followed by its load-case number in brackets when the view shows load-case numbers and the load
// has a case. Empty for a member without such loads.
std::string memberLoadLabel(std::span<const MemberLoad> loads, const PlanView& view);

}  // namespace fp
