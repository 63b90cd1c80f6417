// The one placement step every text of a plan goes through: each label in its own feature's room,
// clear of the others and of the drawing.
#pragma once

#include <string>

#include "plan/label_layout.h"
#include "plan/plan_labels.h"
#include "plan/plan_rect.h"
#include "plan/surface.h"

namespace fp {

// The smallest share of its own size a label is drawn at, the smallest a printed plan still
// reads.
inline constexpr double kSmallestLabelShare = 0.65;

// The part of the plan a placement works in.
struct PlacementArea {
    // The part of the plan on the surface: no text leaves it.
    PlanRect visible;
    // A legend beside the plan lists the key lines that find no room on it (the window's), so
    // they are not counted as not shown, and says how many texts the plan could not show.
    bool legendTakesKey = false;
};

// Places every label registered, in order of importance (grid names, beam serials, member
// numbers, panel labels, column labels, member loads) and then in the order registered. A label
// takes the first of its forms, each tried at its own size and then smaller down to 0.65 of it,
// at the first of its candidates (nearest its designed place first) whose box lies in its home
// and on the surface and, with a little air around it, covers no text placed before it, no
// obstacle (beam lines, columns, bubbles, parts kept clear) and, for a label that avoids them and
// where it can, no grid line. A grid name is checked against texts alone: its bubble is its home.
// Callouts are numbered in reading order once all are placed, and their key lines written in
// clear room outside the level's bays; a label with no place at all is drawn nowhere, and a note
// where there is room says how many texts the plan could not show. `surface` measures the key,
// in its own font.
LabelLayout placeLabels(const PlanLabels& labels, Surface& surface, const PlacementArea& area);

// "2 texts not shown: a larger sheet or more zoom shows them": what a plan, or the legend beside
// it, says of the texts it could not show.
std::string notShownNote(int count);

// Every label in its first form at its designed place, without callouts or key: the drawing as
// designed.
LabelLayout designedLayout(const PlanLabels& labels);

}  // namespace fp
