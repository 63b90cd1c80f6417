// Horizontal and rotated label text on any surface.
#include "plan/text_placement.h"

namespace fp {
namespace {

// Puts the surface's own font back however the writing ends, so no later text is rotated.
class SelectedFont {
  public:
    SelectedFont(Surface& surface, const FontDescription& font) : surface_(surface) {
        surface_.selectFont(font);
    }
    ~SelectedFont() { surface_.restoreOwnFont(); }
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;

  private:
    Surface& surface_;
};

}  // namespace

void writeAligned(Surface& surface, std::string_view text, float x, float y, Alignment alignment) {
    const float width = static_cast<float>(surface.textWidth(text));
    float start = x;
    if (alignment == Alignment::Centre) {
        start = x - width / 2;
    } else if (alignment == Alignment::Right) {
        start = x - width;
    }
    surface.drawText(text, start, y);
}

float rotatedTextWidth(Surface& surface, std::string_view text, float angleTenths) {
    const SelectedFont selected(surface, rotatedLabelFont(angleTenths));
    return static_cast<float>(surface.textWidth(text));
}

void writeRotated(Surface& surface, std::string_view text, float x, float y, float angleTenths) {
    const SelectedFont selected(surface, rotatedLabelFont(angleTenths));
    // Twice the width, measured in the rotated font: that is where the labels have always sat.
    const float top = y + 2 * static_cast<float>(surface.textWidth(text));
    surface.drawText(text, x, top);
}

}  // namespace fp
