// The logical font of rotated labels, rounded as the device asks for it.
#include "model/checked_convert.h"
#include "plan/surface.h"

namespace fp {

FontDescription FontDescription::rotatedArial(float angleTenths, double twipsPerPixelY) {
    FontDescription font;
    // 180 twips is 9 points; negative asks for the character height rather than the cell height.
    font.lfHeight = toInt32(-180.0 / twipsPerPixelY, "height of the rotated label font");
    font.lfEscapement = toInt32(angleTenths, "angle of a rotated label");
    font.lfFaceName = "Arial";
    return font;
}

}  // namespace fp
