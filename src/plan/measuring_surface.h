// A surface that measures as another does and draws nothing: a drawing tried first, to learn how
// much room it needs, leaves no trace in a file that cannot be erased (SVG, PDF).
#pragma once

#include "plan/surface.h"

namespace fp {

class MeasuringSurface : public Surface {
  public:
    explicit MeasuringSurface(Surface& target) : target_(target) {}

    void clear() override {}
    void setScale(double left, double top, double right, double bottom) override {
        target_.setScale(left, top, right, bottom);
    }
    void line(double, double, double, double) override {}
    void circle(double, double, double) override {}
    void fillSquare(double, double, double) override {}
    double verticalPerHorizontal() override { return target_.verticalPerHorizontal(); }
    double textWidth(std::string_view text) override { return target_.textWidth(text); }
    double textHeight(std::string_view text) override { return target_.textHeight(text); }
    void drawText(std::string_view, double, double) override {}
    void selectFont(const FontDescription& font) override { target_.selectFont(font); }
    void restoreOwnFont() override { target_.restoreOwnFont(); }

  private:
    Surface& target_;
};

}  // namespace fp
