// A slab panel's rectangle on the plan, the one way every part of the program holds it.
#pragma once

#include "model/number_text.h"

namespace fp {

// Corners in hundredths of a metre, as the grid holds its lines: x1 < x2, z1 < z2.
struct PanelBounds {
    float x1 = 0;
    float z1 = 0;
    float x2 = 0;
    float z2 = 0;

    friend bool operator==(const PanelBounds&, const PanelBounds&) = default;

    // Hundredths of a metre.
    float spanX() const { return x2 - x1; }
    float spanZ() const { return z2 - z1; }
    // Square metres.
    double area() const { return metres(x2 - x1) * metres(z2 - z1); }
    // Edges count as inside; plan units.
    bool contains(double x, double z) const { return x1 <= x && x <= x2 && z1 <= z && z <= z2; }
};

}  // namespace fp
