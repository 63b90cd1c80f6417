// What lies under the pointer on the plan of the level on show, for the status bar: the point in
// metres, the beam with its member loads, and in floor-load mode the slab panel with the floor
// loads acting on it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "document/listing_document.h"
#include "plan/pick_boxes.h"
#include "plan/plan_view.h"
#include "structure/grid_names.h"

namespace fp {

class PointerFacts {
  public:
    // The level of `view` was drawn with these pick boxes, or could not be drawn at all; what
    // was known of the level before is forgotten. The document must outlive the facts.
    void levelDrawn(const ListingDocument* document, const PlanView& view, const PickBoxes& boxes,
                    bool drawn);

    // "X 12.35 m, Z 4.2 m, grid C/4; beam 12: member 1043, 6 m long, member loads 10 kN/m (1 DEAD
    // LOAD); slab share peak 7.5 kN/m, total 20.0 kN; reactions 10.0 kN at C/4, 10.0 kN at D/4
    // (case 1); panel X 0–6 m, Z 0–5 m, spans 6 × 5 m: 4.5 kN/m² (1 DEAD LOAD)". Empty without a
    // level.
    std::string textAt(double x, double z);
    // The beam with the serial number on the plan; nothing when there is none.
    std::optional<LevelBeam> beam(int serial);
    // The first slab panel, in the order found, that holds the point; null when none does or the
    // level has no plan.
    const LevelPanel* panelAt(double x, double z);
    // The level on show; null when it has no plan.
    const LevelModel* level() const;

  private:
    std::string beamText(int serial);
    // "; slab share peak 7.5 kN/m, total 20.0 kN; reactions ... (case 1)": the beam's share of
    // the takedown for the case or combination of the column loads on show, or the first case.
    std::string shareText(int32_t member);
    std::string panelText(const LevelPanel& panel) const;

    const ListingDocument* document_ = nullptr;
    PlanView view_;
    PickBoxes boxes_;
    bool drawn_ = false;
    // Found when first asked for.
    std::optional<GridLineSet> gridLines_;
};

}  // namespace fp
