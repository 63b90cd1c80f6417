// The panel scan: corners with beams towards +X and +Z, closed along X line iz and Z line ix2.
#include "panels/panel_scan.h"

#include <optional>

#include "panels/panel_limits.h"

namespace fp {
namespace {

// The edge flags of the level's grid points.
struct LevelEdges {
    const GridMap<BeamEdges>& edges;
    int level;

    const BeamEdges& at(int ix, int iz) const { return edges.at(ix, level, iz); }
};

// The panel whose first corner is (ix, iz), if one starts there. Along X line iz the first point
// with a beam back and a beam towards +Z is the far X line; along that Z line the first point
// that closes a rectangle with Z line ix is the far Z line. The sides on Z line ix and on X line
// iz2 are tested at their corners only.
std::optional<SlabPanel> panelFrom(const LevelEdges& edges, int nX, int nZ, int ix, int iz) {
    const BeamEdges& corner = edges.at(ix, iz);
    if (!corner.plusX || !corner.plusZ) {
        return std::nullopt;
    }

    int ix2 = ix + 1;
    for (;; ++ix2) {
        const BeamEdges& point = edges.at(ix2, iz);
        if (point.minusX && point.plusZ) {
            break;
        }
        if (ix2 >= nX || !point.minusX) {
            return std::nullopt;
        }
    }

    for (int iz2 = iz + 1;; ++iz2) {
        const BeamEdges& farPoint = edges.at(ix2, iz2);
        const BeamEdges& nearPoint = edges.at(ix, iz2);
        if (farPoint.minusX && farPoint.minusZ && nearPoint.plusX && nearPoint.minusZ) {
            return SlabPanel{ix, iz, ix2, iz2};
        }
        if (iz2 >= nZ || !farPoint.minusZ) {
            return std::nullopt;
        }
    }
}

}  // namespace

void findPanels(const ListingDocument& document, int level,
                const std::function<void(const SlabPanel&)>& found) {
    const int nX = document.grid.x.count();
    const int nZ = document.grid.z.count();
    // A listing without joints has no grid point to start from, and no panel.
    if (nX < 1 || nZ < 1) {
        return;
    }
    const LevelEdges edges{document.framing.edges, level};
    int panels = 0;

    // The first X line and the first point of each are always visited; the loops go on while
    // the line is below the line count less one.
    for (int iz = 1;; ++iz) {
        for (int ix = 1;;) {
            // After a panel the scan resumes at its far corner, tested as if coming from the
            // point before it, so the points the panel spans are not tried as corners.
            int continuedFrom = ix;
            if (const auto panel = panelFrom(edges, nX, nZ, ix, iz)) {
                if (panels >= kMaxPanelsOnALevel) {
                    throw tooManyPanels(document, level);
                }
                ++panels;
                found(*panel);
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
