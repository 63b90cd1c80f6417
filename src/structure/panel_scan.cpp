// The panel scan: corners with beams towards +X and +Z, closed along X line iz and Z line ix2.
#include "structure/panel_scan.h"

#include <optional>

namespace fp {
namespace {

// The panel whose first corner is (ix, iz), if one starts there. Along X line iz the first point
// with a beam back and a beam towards +Z is the far X line; along that Z line the first point
// that closes a rectangle with Z line ix is the far Z line. The sides on Z line ix and on X line
// iz2 are tested at their corners only.
std::optional<SlabPanel> panelFrom(const LevelFraming& framing, int ix, int iz) {
    const int nX = framing.linesX;
    const int nZ = framing.linesZ;
    const BeamEdges& corner = framing.edgesAt(ix, iz);
    if (!corner.plusX || !corner.plusZ) {
        return std::nullopt;
    }

    int ix2 = ix + 1;
    for (;; ++ix2) {
        const BeamEdges& point = framing.edgesAt(ix2, iz);
        if (point.minusX && point.plusZ) {
            break;
        }
        if (ix2 >= nX || !point.minusX) {
            return std::nullopt;
        }
    }

    for (int iz2 = iz + 1;; ++iz2) {
        const BeamEdges& farPoint = framing.edgesAt(ix2, iz2);
        const BeamEdges& nearPoint = framing.edgesAt(ix, iz2);
        if (farPoint.minusX && farPoint.minusZ && nearPoint.plusX && nearPoint.minusZ) {
            return SlabPanel{ix, iz, ix2, iz2};
        }
        if (iz2 >= nZ || !farPoint.minusZ) {
            return std::nullopt;
        }
    }
}

}  // namespace

void findPanels(const LevelFraming& framing, const std::function<bool(const SlabPanel&)>& found) {
    const int nX = framing.linesX;
    const int nZ = framing.linesZ;
    // A listing without joints has no grid point to start from, and no panel.
    if (nX < 1 || nZ < 1) {
        return;
    }
    // The first X line and the first point of each are always visited; the loops go on while
    // the line is below the line count less one.
    for (int iz = 1;; ++iz) {
        for (int ix = 1;;) {
            // After a panel the scan resumes at its far corner, tested as if coming from the
            // point before it, so the points the panel spans are not tried as corners.
            int continuedFrom = ix;
            if (const auto panel = panelFrom(framing, ix, iz)) {
                if (!found(*panel)) {
                    return;
                }
                continuedFrom = panel->ix2 - 1;
            }
            if (!(continuedFrom < nX - 1)) {
                break;
            }
            ix = continuedFrom + 1;
        }
        if (!(iz < nZ - 1)) {
            break;
        }
    }
}

}  // namespace fp
