// Writing labels on a surface: horizontal text aligned on a point, and text in a rotated font.
#pragma once

#include <string_view>

#include "plan/surface.h"

namespace fp {

// Alignment values of PrintAligned.
constexpr int kAlignCentre = 1;
constexpr int kAlignRight = 2;
constexpr int kAlignLeft = 0;

// Writes `text` horizontally with the top of its cell at y: centred on x for alignment 1, ending
// at x for alignment 2, starting at x for any other value.
void PrintAligned(Surface& surface, std::string_view text, float x, float y, int alignment);

// Writes `text` in 9-point Arial turned by `angle` tenths of a degree counter-clockwise. The
// cell's top-left sits at (x, y + 2 * width), the width measured in the rotated font; at 900 the
// text reads upward from there. The surface's own font is back in place on return.
void PrintRotated(Surface& surface, std::string_view text, float x, float y, float angle);

}  // namespace fp
