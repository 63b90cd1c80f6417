// The colour and pattern of marks drawn over a plan, such as the changes between two listings.
#pragma once

#include <cstdint>

namespace fp {

struct Stroke {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    bool dashed = false;
    // Times the plan's own line width.
    double widthFactor = 1;
};

}  // namespace fp
