// Real-to-integer conversions: nearest, halves to even, range-checked.
#include "model/rounding.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "model/listing_error.h"

namespace fp {
namespace {

template <typename Int>
Int roundChecked(double value, const std::string& what, const char* rangeText) {
    // std::nearbyint follows the default rounding mode, round-to-nearest-even.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= static_cast<double>(std::numeric_limits<Int>::min()) &&
          rounded <= static_cast<double>(std::numeric_limits<Int>::max()))) {
        char shown[32];
        std::snprintf(shown, sizeof shown, "%.10g", value);
        throw ListingError(
            "The " + what + " " + shown + " is outside the range the program can hold",
            std::string("Values must lie within ") + rangeText + ".");
    }
    return static_cast<Int>(rounded);
}

}  // namespace

int16_t roundToInt16(double value, const std::string& what) {
    return roundChecked<int16_t>(value, what, "-32768 to 32767");
}

int32_t roundToInt32(double value, const std::string& what) {
    return roundChecked<int32_t>(value, what, "-2147483648 to 2147483647");
}

}  // namespace fp
