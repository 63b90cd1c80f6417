// The font of rotated labels, at a whole number of tenths of a degree.
#include "plan/font_description.h"

#include "model/rounding.h"

namespace fp {

FontDescription rotatedLabelFont(float angleTenths) {
    FontDescription font;
    font.points = kRotatedLabelPoints;
    font.angleTenths = roundToInt32(angleTenths, "angle of a rotated label");
    font.family = "Arial";
    return font;
}

}  // namespace fp
