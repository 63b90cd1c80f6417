// Diagonal hatching clipped to a panel.
#include "plan/panel_hatching.h"

#include <algorithm>
#include <cmath>

namespace fp {

void hatchPanel(const PanelBounds& panel, Surface& surface) {
    const double x0 = panel.x1;
    const double x1 = panel.x2;
    const double z0 = panel.z1;
    const double z1 = panel.z2;
    // Each line is x = z + c; it crosses the panel for c strictly between x0 - z1 and x1 - z0.
    const double first = std::floor((x0 - z1) / kHatchSpacing + 1) * kHatchSpacing;
    for (double c = first; c < x1 - z0; c += kHatchSpacing) {
        const double low = std::max(z0, x0 - c);
        const double high = std::min(z1, x1 - c);
        surface.line(low + c, low, high + c, high);
    }
}

}  // namespace fp
