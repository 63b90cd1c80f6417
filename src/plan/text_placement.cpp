// Horizontal and rotated label text on any surface.
#include "plan/text_placement.h"

namespace fp {

void PrintAligned(Surface& surface, std::string_view text, float x, float y, int alignment) {
    const float width = static_cast<float>(surface.TextWidth(text));
    float start = x;
    if (alignment == kAlignCentre) {
        start = x - width / 2;
    } else if (alignment == kAlignRight) {
        start = x - width;
    }
    surface.CurrentX = start;
    surface.CurrentY = y;
    surface.Print(text);
}

namespace {

// Puts the surface's own font back however the printing ends, so no later text is rotated.
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

void PrintRotated(Surface& surface, std::string_view text, float x, float y, float angle) {
    const FontDescription font = FontDescription::rotatedArial(angle, surface.twipsPerPixelY());
    const SelectedFont selected(surface, font);
    surface.CurrentX = x;
    // Twice the width, measured in the rotated font: that is where the labels have always sat.
    surface.CurrentY = y + 2 * static_cast<float>(surface.TextWidth(text));
    surface.Print(text);
}

}  // namespace fp
