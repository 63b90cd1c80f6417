// Plan drawing calls as DXF entities.
#include "dxf/dxf_surface.h"

#include <cmath>
#include <numbers>

#include "model/number_text.h"
#include "model/text_encoding.h"

namespace fp {
namespace {

constexpr double kCellHeights = 1.5;
constexpr double kBaselineHeights = 1.25;
constexpr double kCharacterWidths = 0.8;

// Characters, not bytes: a UTF-8 continuation byte adds no width.
std::size_t characters(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

}  // namespace

void DxfSurface::startPart(PlanPart part) {
    switch (part) {
        case PlanPart::Beams:
            layer_ = kBeamsLayer;
            break;
        case PlanPart::BeamSerials:
            layer_ = kBeamSerialsLayer;
            break;
        case PlanPart::MemberNumbers:
            layer_ = kMemberNumbersLayer;
            break;
        case PlanPart::MemberLoads:
            layer_ = kMemberLoadsLayer;
            break;
        case PlanPart::PanelLabels:
            layer_ = kPanelLabelsLayer;
            break;
        case PlanPart::PanelHatching:
            layer_ = kPanelHatchingLayer;
            break;
        case PlanPart::Grid:
            layer_ = kGridLayer;
            break;
        case PlanPart::Columns:
            layer_ = kColumnsLayer;
            break;
        case PlanPart::TributaryAreas:
            layer_ = kTributaryAreasLayer;
            break;
        case PlanPart::ColumnLoads:
            layer_ = kColumnLoadsLayer;
            break;
    }
}

void DxfSurface::line(double x1, double z1, double x2, double z2) {
    drawing_.lines.push_back(DxfLine{layer_, metres(x1), -metres(z1), metres(x2), -metres(z2)});
}

void DxfSurface::circle(double x, double z, double radius) {
    drawing_.circles.push_back(DxfCircle{layer_, metres(x), -metres(z), metres(radius)});
}

void DxfSurface::fillSquare(double x, double z, double halfSide) {
    drawing_.squares.push_back(DxfSquare{layer_, metres(x), -metres(z), metres(halfSide)});
}

double DxfSurface::textWidth(std::string_view text) {
    return static_cast<double>(characters(text)) * kCharacterWidths * textHeight_ * shrink_ * 100;
}

double DxfSurface::textHeight(std::string_view) {
    return kCellHeights * textHeight_ * shrink_ * 100;
}

void DxfSurface::drawText(std::string_view text, double x, double z) {
    writeText(layer_, text, x, z, textHeight_ * shrink_);
}

void DxfSurface::selectFont(const FontDescription& font) {
    degrees_ = font.angleTenths / 10.0;
    shrink_ = font.shrink;
}

void DxfSurface::writeText(const std::string& layer, std::string_view text, double x, double z,
                           double height) {
    // From the cell's top-left down to the baseline, "down" being the text's own.
    const double radians = degrees_ * std::numbers::pi / 180;
    const double drop = kBaselineHeights * height;
    drawing_.texts.push_back(DxfText{layer, metres(x) + drop * std::sin(radians),
                                     -metres(z) - drop * std::cos(radians), height, degrees_,
                                     utf8FromListingText(text)});
}

}  // namespace fp
