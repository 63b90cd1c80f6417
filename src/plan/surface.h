// The drawing surface the plan and its labels are drawn on: screen, image, SVG, PDF, the printer
// or a test recorder all implement it, so every drawing routine is written once.
#pragma once

#include <string_view>

#include "plan/font_description.h"
#include "plan/stroke.h"

namespace fp {

// The kinds of thing a plan is drawn in, for a surface that keeps them apart (DXF layers).
enum class PlanPart {
    Beams,           // beam lines and start-joint circles
    BeamSerials,     // the serial number on each beam
    MemberNumbers,   // "B: " and the member number
    MemberLoads,     // the member loads on each beam
    PanelLabels,     // the floor loads and spans of each slab panel
    PanelHatching,   // the hatching of panels without floor load
    Grid,            // grid lines and their named bubbles
    Columns,         // the joints columns reach, and the columns' member numbers
    TributaryAreas,  // the lines that part each panel's load between its beams
    ColumnLoads,     // the load each column carries below the level
};

// How lines (and circles) are drawn from now on.
enum class LineStyle {
    Normal,    // beams: the surface's own pen
    Thin,      // thin and solid: grid bubbles
    GridLine,  // thin and dash-dotted
};

class Surface {
  public:
    virtual ~Surface() = default;

    // What is drawn from now on; a surface that draws every part alike ignores it.
    virtual void startPart(PlanPart) {}

    // Erases the whole surface to its background colour.
    virtual void clear() = 0;
    // The plan coordinates of the left, top, right and bottom edges. X and Z are scaled
    // independently.
    virtual void setScale(double left, double top, double right, double bottom) = 0;

    virtual void line(double x1, double z1, double x2, double z2) = 0;
    // A true circle on the device; the radius is in horizontal plan units.
    virtual void circle(double x, double z, double radius) = 0;

    // A filled square centred on (x, z), its half side in horizontal plan units; square on the
    // device whatever the two scales.
    virtual void fillSquare(double x, double z, double halfSide) = 0;

    // The pen of the lines and circles drawn from now on; a surface with one pen ignores it.
    virtual void setLineStyle(LineStyle) {}

    // How many vertical plan units one horizontal plan unit spans on the device: 1 where the
    // two scales agree. It turns a rotated text's measures, or a radius, into the other axis.
    virtual double verticalPerHorizontal() { return 1; }

    // Measures in plan units, in the font currently selected (the rotated one while selected).
    virtual double textWidth(std::string_view text) = 0;
    virtual double textHeight(std::string_view text) = 0;

    // Writes the text with the top-left of its cell at (x, z), in the font currently selected:
    // turned about that point by its angle when rotated.
    virtual void drawText(std::string_view text, double x, double z) = 0;

    // Selects a font in place of the surface's own; restoreOwnFont() undoes it.
    virtual void selectFont(const FontDescription& font) = 0;
    virtual void restoreOwnFont() = 0;

    // Strokes lines and circles with `stroke` until restorePlanStroke(); a surface that draws in
    // one colour ignores both.
    virtual void setStroke(const Stroke&) {}
    virtual void restorePlanStroke() {}
};

}  // namespace fp
