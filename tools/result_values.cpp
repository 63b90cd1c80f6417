// Repeatable made-up result values.
#include "result_values.h"

namespace gen {
namespace {

// SplitMix64: a cheap, well-mixed hash of one 64-bit word.
std::uint64_t mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

}  // namespace

double resultValue(std::uint64_t a, std::uint64_t b, std::uint64_t c, double scale) {
    const std::uint64_t bits = mix(a ^ mix(b ^ mix(c)));
    const double unit = static_cast<double>(bits >> 11) / static_cast<double>(1ULL << 53);
    return (2 * unit - 1) * scale;
}

}  // namespace gen
