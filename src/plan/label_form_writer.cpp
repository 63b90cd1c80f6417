// Label forms recorded from the drawing's own writing routines.
#include "plan/label_form_writer.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace fp {

PlanRect textBox(Surface& surface, std::string_view text, double x, double z,
                 const std::optional<FontDescription>& font) {
    const double length = surface.textWidth(text);
    const double thickness = surface.textHeight(text);
    if (!font || font->angleTenths == 0) {
        return {x, z, x + length, z + thickness};
    }
    // Turned about the cell's top-left, counter-clockwise as seen, with Z growing downward; the
    // turn is worked in horizontal units so that it is a true turn on the device.
    const double verticalPerHorizontal = surface.verticalPerHorizontal();
    const double across = thickness / verticalPerHorizontal;
    const double radians = font->angleTenths / 10.0 * std::numbers::pi / 180;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    PlanRect box{x, z, x, z};
    for (const auto& [u, v] : {std::pair{length, 0.0}, {0.0, across}, {length, across}}) {
        const double dx = u * c + v * s;
        const double dz = (-u * s + v * c) * verticalPerHorizontal;
        box = box.united({x + dx, z + dz, x + dx, z + dz});
    }
    return box;
}

void LabelFormWriter::drawText(std::string_view text, double x, double z) {
    LabelText written{std::string(text), x, z, font_, textBox(target_, text, x, z, font_),
                      calloutNumber_};
    calloutNumber_ = false;
    form_.box = form_.texts.empty() ? written.box : form_.box.united(written.box);
    form_.texts.push_back(std::move(written));
}

void LabelFormWriter::selectFont(const FontDescription& font) {
    font_ = font;
    target_.selectFont(font);
}

void LabelFormWriter::restoreOwnFont() {
    font_.reset();
    target_.restoreOwnFont();
}

LabelForm LabelFormWriter::take() {
    return std::exchange(form_, LabelForm{});
}

}  // namespace fp
