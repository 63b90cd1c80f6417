// A text of a plan as it is registered for placement: what it belongs to, where it may stand,
// and the forms it may take there, best first.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "plan/font_description.h"
#include "plan/plan_rect.h"
#include "plan/surface.h"

namespace fp {

// One line of a label, at its designed place: the top-left of its cell, in the font it is written
// in (the surface's own when none), and the box it covers there.
struct LabelText {
    std::string text;
    double x = 0;
    double z = 0;
    std::optional<FontDescription> font;
    PlanRect box;
    // Stands for the number of a callout, which is given only once the label is placed: the
    // text is as wide as the widest number, and the number is written centred in its box.
    bool calloutNumber = false;
};

// One way of writing a label: its lines at their designed places.
struct LabelForm {
    std::vector<LabelText> texts;
    // The texts' boxes, with the warning sign standing on them.
    PlanRect box;
    // A warning sign standing on the label; it goes, and shrinks, with it.
    std::optional<PlanRect> sign;
    // A callout's: what the key writes after the callout's number. Empty for a form that says
    // all it has to say where it stands.
    std::string keyText;
};

// How the places a label may take are made from its feature's geometry.
enum class CandidateRule {
    Fixed,        // the designed place only: a grid name in its bubble
    Inside,       // anywhere inside the home, nearest the designed place first: a panel's label
    BesideLine,   // on either side of `feature`, along it: the texts of a beam
    AroundPoint,  // around `feature`, a small box: the label of a column
};

struct PlanLabel {
    // The kind of text: its layer, and how early it is placed.
    PlanPart part = PlanPart::PanelLabels;
    CandidateRule rule = CandidateRule::Fixed;
    // Where the label must stay whatever form it takes: its panel, the band along its beam, the
    // room around its column, its bubble.
    PlanRect home;
    // The line or the point the label describes, for BesideLine and AroundPoint.
    PlanRect feature;
    // Best first: the designed form, then condensed ones, then callouts. The first is the one
    // drawn when the view asks for the designed label positions.
    std::vector<LabelForm> forms;
    // Whether a grid line across the label is to be avoided where a place clear of it is free.
    bool avoidsGridLines = false;
};

// What no label may cover.
enum class ObstacleKind {
    Line,      // a beam line, a column's square, a bubble's circle: nothing may cross it
    GridLine,  // a label that avoids grid lines keeps clear of it where it can
    Keep,      // a part of the drawing kept clear of text: a legend, a scale bar
    Bay,       // a slab panel or the area the level's beams frame: no key is written there
};

struct Obstacle {
    PlanRect area;
    ObstacleKind kind = ObstacleKind::Line;
};

}  // namespace fp
