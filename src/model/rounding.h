// Real-to-integer conversions of the listing's values: nearest, halves to even, range-checked.
#pragma once

#include <cstdint>
#include <string>

namespace fp {

// Rounds to the nearest integer, halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). A value
// outside the 16-bit range (or not a number) throws ListingError naming `what`.
int16_t roundToInt16(double value, const std::string& what);

// The same for the 32-bit range.
int32_t roundToInt32(double value, const std::string& what);

}  // namespace fp
