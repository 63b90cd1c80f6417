// The drawing surface of a DXF file: what the plan draws, kept as CAD entities in metres.
#pragma once

#include <string>

#include "dxf/dxf_drawing.h"
#include "plan/surface.h"

namespace fp {

// Plan units (hundredths of a metre, Z down the plan) become metres at the plan's true
// coordinates, Y up the drawing. Every text is written `textHeight` metres high whatever the
// font asked for, so that it plots at one size; its cell is 1.5 heights tall with the baseline
// 1.25 heights below the top, and a character is taken as 0.8 heights wide. The scale is the
// drawing's own business, so setScale changes nothing.
class DxfSurface : public Surface {
  public:
    static constexpr double kTextHeight = 0.25;  // 2.5 mm at 1:100

    explicit DxfSurface(double textHeight = kTextHeight) : textHeight_(textHeight) {}

    void startPart(PlanPart part) override;
    void clear() override { drawing_ = {}; }
    void setScale(double, double, double, double) override {}
    void line(double x1, double z1, double x2, double z2) override;
    void circle(double x, double z, double radius) override;
    void fillSquare(double x, double z, double halfSide) override;
    double textWidth(std::string_view text) override;
    double textHeight(std::string_view text) override;
    void drawText(std::string_view text, double x, double z) override;
    void selectFont(const FontDescription& font) override;
    void restoreOwnFont() override {
        degrees_ = 0;
        shrink_ = 1;
    }

    // Writes `text` on `layer` with the top-left of its cell at the plan point (x, z),
    // `height` metres high.
    void writeText(const std::string& layer, std::string_view text, double x, double z,
                   double height);

    const DxfDrawing& drawing() const { return drawing_; }

  private:
    double textHeight_;
    double degrees_ = 0;
    double shrink_ = 1;
    std::string layer_ = kBeamsLayer;
    DxfDrawing drawing_;
};

}  // namespace fp
