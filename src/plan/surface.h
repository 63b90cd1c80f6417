// The drawing surface the plan and its labels are drawn on: screen, image, SVG, PDF or a test
// recorder all implement it, so every drawing routine is written once.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fp {

// The logical font of rotated text: 9-point Arial turned by an escapement in tenths of a degree.
// Every other font field is left at the platform default, so only these three are carried.
struct FontDescription {
    int32_t lfHeight = 0;      // negative: character height in pixels
    int32_t lfEscapement = 0;  // tenths of a degree, counter-clockwise
    std::string lfFaceName;

    // 9 points (180 twips) in pixels, negated; the angle rounded half-even.
    static FontDescription rotatedArial(float angleTenths, double twipsPerPixelY);
};

class Surface {
  public:
    virtual ~Surface() = default;

    // Erases the whole surface to its background colour.
    virtual void clear() = 0;
    // User scale: the plan coordinates of the left, top, right and bottom edges. X and Z are
    // scaled independently.
    virtual void setScale(double left, double top, double right, double bottom) = 0;

    virtual void line(double x1, double z1, double x2, double z2) = 0;
    // A true circle on the device; the radius is in horizontal plan units.
    virtual void circle(double x, double z, double radius) = 0;

    // Measures in plan units, in the font currently selected (the rotated one while selected).
    virtual double TextWidth(std::string_view text) = 0;
    virtual double TextHeight(std::string_view text) = 0;

    // Writes the text with the top-left of its cell at (CurrentX, CurrentY), in the font
    // currently selected: turned about that point by its escapement when rotated.
    virtual void Print(std::string_view text) = 0;

    // Selects a created font in place of the surface's own; restoreOwnFont() undoes it.
    virtual void selectFont(const FontDescription& font) = 0;
    virtual void restoreOwnFont() = 0;

    // The device's twips per pixel, vertically (15 on a 96-dpi screen).
    virtual double twipsPerPixelY() const = 0;

    double CurrentX = 0;
    double CurrentY = 0;
};

}  // namespace fp
