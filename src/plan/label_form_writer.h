// Writes a label's form as the drawing designs it, recording its texts instead of drawing them.
#pragma once

#include <optional>

#include "plan/plan_label.h"
#include "plan/surface.h"

namespace fp {

// A surface in front of the one a plan is drawn on: the writing routines (writeAligned,
// writeRotated) write on it as on any surface; every text they write is measured on the target
// in the font selected and kept, with the box it covers, in the form being written. Lines and
// circles have no place in a label's form and are ignored.
class LabelFormWriter : public Surface {
  public:
    explicit LabelFormWriter(Surface& target) : target_(target) {}

    // The texts written since the last take(), as one form; the writer starts a new one.
    LabelForm take();

    void clear() override {}
    void setScale(double, double, double, double) override {}
    void line(double, double, double, double) override {}
    void circle(double, double, double) override {}
    void fillSquare(double, double, double) override {}
    double verticalPerHorizontal() override { return target_.verticalPerHorizontal(); }
    double textWidth(std::string_view text) override { return target_.textWidth(text); }
    double textHeight(std::string_view text) override { return target_.textHeight(text); }
    void drawText(std::string_view text, double x, double z) override;
    void selectFont(const FontDescription& font) override;
    void restoreOwnFont() override;

    // The next text written stands for a callout's number.
    void nextIsCalloutNumber() { calloutNumber_ = true; }

  private:
    Surface& target_;
    std::optional<FontDescription> font_;
    bool calloutNumber_ = false;
    LabelForm form_;
};

// The box a text covers when written with its cell's top-left at (x, z) in `font` (the surface's
// own when none), which is the font selected on `surface`: turned about that point as the font
// says.
PlanRect textBox(Surface& surface, std::string_view text, double x, double z,
                 const std::optional<FontDescription>& font);

}  // namespace fp
