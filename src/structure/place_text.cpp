// Levels and places written the same way everywhere.
#include "structure/place_text.h"

#include "model/number_text.h"

namespace fp {
namespace {

std::string metresText(double metres, char decimalSeparator) {
    return valueText(static_cast<float>(metres), decimalSeparator);
}

}  // namespace

std::string levelHeightText(float heightHundredths, char decimalSeparator) {
    return metresText(metres(heightHundredths), decimalSeparator) + " m";
}

std::string levelHeading(float heightHundredths, char decimalSeparator) {
    return "Level " + levelHeightText(heightHundredths, decimalSeparator);
}

std::string rangeText(double x1, double x2, double z1, double z2, char decimalSeparator) {
    return "X " + metresText(x1, decimalSeparator) + "\u2013" + metresText(x2, decimalSeparator) +
           " m, Z " + metresText(z1, decimalSeparator) + "\u2013" +
           metresText(z2, decimalSeparator) + " m";
}

std::string pointText(double x, double z, char decimalSeparator) {
    return "X " + metresText(x, decimalSeparator) + " m, Z " + metresText(z, decimalSeparator) +
           " m";
}

std::string stretchText(double x1, double x2, double z1, double z2, char decimalSeparator) {
    if (z1 == z2) {
        return "X " + metresText(x1, decimalSeparator) + "\u2013" +
               metresText(x2, decimalSeparator) + " m at Z " + metresText(z1, decimalSeparator) +
               " m";
    }
    return "Z " + metresText(z1, decimalSeparator) + "\u2013" + metresText(z2, decimalSeparator) +
           " m at X " + metresText(x1, decimalSeparator) + " m";
}

std::string boundsText(const PanelBounds& bounds, char decimalSeparator) {
    return rangeText(metres(bounds.x1), metres(bounds.x2), metres(bounds.z1), metres(bounds.z2),
                     decimalSeparator);
}

}  // namespace fp
