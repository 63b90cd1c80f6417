// The font of rotated labels, rounded as the device asks for it.
#include "plan/font_description.h"

#include "model/rounding.h"

namespace fp {

FontDescription rotatedLabelFont(float angleTenths, double twipsPerPixelY) {
    FontDescription font;
    font.pixelHeight = roundToInt32(180.0 / twipsPerPixelY, "height of the rotated label font");
    font.angleTenths = roundToInt32(angleTenths, "angle of a rotated label");
    font.family = "Arial";
    return font;
}

}  // namespace fp
