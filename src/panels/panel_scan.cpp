// The panel scan: corners with beams towards +X and +Z, closed along X line iz and Z line ix2.
#include "panels/panel_scan.h"

#include <optional>

#include "panels/panel_limits.h"

namespace fp {
namespace {

struct FarCorner {
    int ix2;
    int iz2;
};

// The flags of the level's grid points, and the line counts as the reals they are held as.
struct LevelEdges {
    const ModelStore& model;
    int16_t level;
    float nX;
    float nZ;

    const PanelEdges& at(int ix, int iz) const { return model.PanelEdgeGrid.at(ix, level, iz); }
};

bool has(int16_t flag) {
    return flag == kTrue;
}

// The opposite corner of the panel whose first corner is (ix, iz), if one starts there. Along
// X line iz the first point with a beam back and a beam towards +Z is the far X line; along
// that Z line the first point that closes a rectangle with Z line ix is the far Z line. The
// sides on Z line ix and on X line iz2 are tested at their corners only.
std::optional<FarCorner> panelFrom(const LevelEdges& edges, int ix, int iz) {
    const PanelEdges& corner = edges.at(ix, iz);
    if (!has(corner.PlusX) || !has(corner.PlusZ)) {
        return std::nullopt;
    }

    int ix2 = ix + 1;
    for (;; ++ix2) {
        const PanelEdges& point = edges.at(ix2, iz);
        if (has(point.MinusX) && has(point.PlusZ)) {
            break;
        }
        if (static_cast<float>(ix2) >= edges.nX || !has(point.MinusX)) {
            return std::nullopt;
        }
    }

    for (int iz2 = iz + 1;; ++iz2) {
        const PanelEdges& farPoint = edges.at(ix2, iz2);
        const PanelEdges& nearPoint = edges.at(ix, iz2);
        if (has(farPoint.MinusX) && has(farPoint.MinusZ) && has(nearPoint.PlusX) &&
            has(nearPoint.MinusZ)) {
            return FarCorner{ix2, iz2};
        }
        if (static_cast<float>(iz2) >= edges.nZ || !has(farPoint.MinusZ)) {
            return std::nullopt;
        }
    }
}

void recordPanel(ModelStore& model, int16_t level, int16_t ix, int16_t iz, int16_t ix2,
                 int16_t iz2) {
    if (model.PanelCount >= ModelStore::kMaxPanels) {
        throw tooManyPanels(model, level);
    }
    const int row = ++model.PanelCount;
    model.PanelTable.at(row, 1) = ix;
    model.PanelTable.at(row, 2) = iz;
    model.PanelTable.at(row, 3) = ix2;
    model.PanelTable.at(row, 4) = iz2;
}

}  // namespace

void FindPanels(ModelStore& model, int16_t level, const PanelAction& action) {
    const LevelEdges edges{model, level, model.GridX[0], model.GridZ[0]};
    model.PanelCount = 0;

    // The first X line and the first point of each are always visited; the loops go on while
    // the index is below the line count less one, compared as reals.
    for (int iz = 1;; ++iz) {
        for (int ix = 1;;) {
            // After a panel the scan resumes at its far corner, tested as if coming from the
            // point before it, so the points the panel spans are not tried as corners.
            int continuedFrom = ix;
            if (const auto far = panelFrom(edges, ix, iz)) {
                const auto ix2 = static_cast<int16_t>(far->ix2);
                const auto iz2 = static_cast<int16_t>(far->iz2);
                recordPanel(model, level, static_cast<int16_t>(ix), static_cast<int16_t>(iz), ix2,
                            iz2);
                action(static_cast<int16_t>(ix), static_cast<int16_t>(iz), ix2, iz2);
                continuedFrom = ix2 - 1;
            }
            if (!(static_cast<float>(continuedFrom) < edges.nX - 1)) {
                break;
            }
            ix = continuedFrom + 1;
        }
        if (!(static_cast<float>(iz) < edges.nZ - 1)) {
            break;
        }
    }
}

}  // namespace fp
