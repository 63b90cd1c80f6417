// The font of rotated labels: 9-point Arial turned by an angle.
#pragma once

#include <cstdint>
#include <string>

namespace fp {

// Every other property of the font is left to the surface.
struct FontDescription {
    // The character height in pixels (not the cell height).
    int32_t pixelHeight = 0;
    // Counter-clockwise, in tenths of a degree.
    int32_t angleTenths = 0;
    std::string family;

    bool operator==(const FontDescription&) const = default;
};

// 9 points (180 twips) at `twipsPerPixelY`, and the angle, each rounded half to even:
// 12 pixels at 15 twips per pixel, 15 at 12.
FontDescription rotatedLabelFont(float angleTenths, double twipsPerPixelY);

}  // namespace fp
