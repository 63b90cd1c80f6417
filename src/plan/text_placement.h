// Writing labels on a surface: horizontal text aligned on a point, and text in a rotated font.
#pragma once

#include <string_view>

#include "plan/surface.h"

namespace fp {

enum class Alignment { Left, Centre, Right };

// Writes `text` horizontally with the top of its cell at y: starting at x, centred on x, or
// ending at x.
void writeAligned(Surface& surface, std::string_view text, float x, float y, Alignment alignment);

// Writes `text` in 9-point Arial turned by `angleTenths` tenths of a degree counter-clockwise.
// The cell's top-left sits at (x, y + 2 * width), the width measured in the rotated font; at 900
// the text reads upward from there. The surface's own font is back in place on return.
void writeRotated(Surface& surface, std::string_view text, float x, float y, float angleTenths);

// The width of `text` in the rotated font writeRotated writes it in, in plan units.
float rotatedTextWidth(Surface& surface, std::string_view text, float angleTenths);

}  // namespace fp
