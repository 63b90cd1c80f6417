// Repeatable made-up result values: the same arguments always give the same number.
#pragma once

#include <cstdint>

namespace gen {

// A value in [-scale, scale] drawn from the four keys.
double resultValue(std::uint64_t a, std::uint64_t b, std::uint64_t c, double scale);

}  // namespace gen
