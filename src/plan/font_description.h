// The font of rotated labels: 9-point Arial turned by an angle.
#pragma once

#include <cstdint>
#include <string>

namespace fp {

// Every other property of the font is left to the surface, which turns the size into its own
// device's pixels.
struct FontDescription {
    // The character height in points (not the cell height); 0 keeps the surface's own size.
    double points = 0;
    // Counter-clockwise, in tenths of a degree.
    int32_t angleTenths = 0;
    // Empty keeps the surface's own family.
    std::string family;
    // A share of that size: a text drawn smaller where it has no room at its own size.
    double shrink = 1;

    bool operator==(const FontDescription&) const = default;
};

inline constexpr double kRotatedLabelPoints = 9;

// 9-point Arial at the angle, rounded half to even to whole tenths of a degree.
FontDescription rotatedLabelFont(float angleTenths);

}  // namespace fp
