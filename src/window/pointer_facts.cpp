// The facts under the pointer, found from the level's beams and panels.
#include "window/pointer_facts.h"

#include <cmath>

#include "model/number_text.h"
#include "model/text_encoding.h"
#include "plan/grid_lines.h"

namespace fp {
namespace {

// Plan units (hundredths of a metre) in metres, to the centimetre.
std::string metresText(double hundredths, char separator) {
    return valueText(static_cast<float>(std::round(hundredths) / 100), separator);
}

}  // namespace

void PointerFacts::levelDrawn(const ListingDocument* document, const PlanView& view,
                              const PickBoxes& boxes, bool drawn) {
    document_ = document;
    view_ = view;
    boxes_ = boxes;
    drawn_ = drawn;
    beams_.reset();
    panels_.reset();
    gridLines_.reset();
}

const std::vector<LevelBeam>& PointerFacts::beams() {
    if (!beams_) {
        beams_ = beamsOfLevel(*document_, view_.level);
    }
    return *beams_;
}

const std::vector<PointerFacts::PanelFacts>& PointerFacts::panels() {
    if (!panels_) {
        panels_.emplace();
        findPanels(*document_, view_.level, [this](const SlabPanel& panel) {
            panels_->push_back({panel, panelLoads(*document_, view_.level, panel)});
        });
    }
    return *panels_;
}

std::optional<LevelBeam> PointerFacts::beam(int serial) {
    if (document_ == nullptr || !drawn_ || serial < 1 ||
        static_cast<std::size_t>(serial) > beams().size()) {
        return std::nullopt;
    }
    return beams()[static_cast<std::size_t>(serial - 1)];
}

const PointerFacts::PanelFacts* PointerFacts::panelFactsAt(double x, double z) {
    const Grid& grid = document_->grid;
    for (const PanelFacts& facts : panels()) {
        const SlabPanel& panel = facts.panel;
        if (grid.x.at(panel.ix) <= x && x <= grid.x.at(panel.ix2) && grid.z.at(panel.iz) <= z &&
            z <= grid.z.at(panel.iz2)) {
            return &facts;
        }
    }
    return nullptr;
}

std::optional<SlabPanel> PointerFacts::panelAt(double x, double z) {
    if (document_ == nullptr || !drawn_) {
        return std::nullopt;
    }
    const PanelFacts* found = panelFactsAt(x, z);
    return found != nullptr ? std::optional<SlabPanel>(found->panel) : std::nullopt;
}

std::vector<LevelBeam> PointerFacts::levelBeams() {
    return document_ != nullptr && drawn_ ? beams() : std::vector<LevelBeam>{};
}

std::vector<SlabPanel> PointerFacts::levelPanels() {
    std::vector<SlabPanel> found;
    if (document_ != nullptr && drawn_) {
        for (const PanelFacts& facts : panels()) {
            found.push_back(facts.panel);
        }
    }
    return found;
}

std::string PointerFacts::beamText(int serial) {
    const std::optional<LevelBeam> found = beam(serial);
    if (!found) {
        return {};
    }
    const char separator = view_.decimalSeparator;
    std::string text = "beam " + std::to_string(serial) + ": member " +
                       std::to_string(found->member) + ", " +
                       valueText(static_cast<float>(found->lengthMm) / 1000, separator) + " m long";
    std::string loads;
    for (const MemberLoad& load : document_->memberLoadsOn(found->member)) {
        loads += (loads.empty() ? "" : ", ") + valueText(load.value, separator) + " kN/m";
        if (!load.caseNumber.empty()) {
            loads += " (" + utf8FromListingText(document_->loadCaseText(load.caseNumber)) + ")";
        }
    }
    return loads.empty() ? text : text + ", member loads " + loads;
}

std::string PointerFacts::panelText(const PanelFacts& facts) const {
    const Grid& grid = document_->grid;
    const char separator = view_.decimalSeparator;
    const SlabPanel& panel = facts.panel;
    const float x1 = grid.x.at(panel.ix);
    const float x2 = grid.x.at(panel.ix2);
    const float z1 = grid.z.at(panel.iz);
    const float z2 = grid.z.at(panel.iz2);
    std::string text = "panel X " + metresText(x1, separator) + " to " + metresText(x2, separator) +
                       " m, Z " + metresText(z1, separator) + " to " + metresText(z2, separator) +
                       " m, spans " + metresText(x2 - x1, separator) + " × " +
                       metresText(z2 - z1, separator) + " m";
    if (facts.loads.loads.empty()) {
        return text + ", no floor loads";
    }
    std::string loads;
    for (const ActingLoad& load : facts.loads.loads) {
        loads += (loads.empty() ? "" : ", ") + valueText(load.intensity, separator) + " kN/m² (" +
                 utf8FromListingText(document_->loadCaseText(load.caseNumber)) + ")";
    }
    return text + ": " + loads;
}

std::string PointerFacts::textAt(double x, double z) {
    if (document_ == nullptr || view_.level < 1) {
        return {};
    }
    const char separator = view_.decimalSeparator;
    std::string text = "X " + metresText(x, separator) + " m, Z " + metresText(z, separator) + " m";
    if (!drawn_) {
        return text;
    }
    if (!gridLines_) {
        gridLines_ = gridLinesOf(*document_, view_.level);
    }
    if (const std::string intersection = nearestIntersection(*gridLines_, x, z);
        !intersection.empty()) {
        text += ", grid " + intersection;
    }
    const int serial = beamAt(boxes_, static_cast<float>(x), static_cast<float>(z));
    if (serial > 0) {
        text += "; " + beamText(serial);
    }
    if (view_.mode == LoadMode::Floor) {
        if (const PanelFacts* facts = panelFactsAt(x, z)) {
            text += "; " + panelText(*facts);
        }
    }
    return text;
}

}  // namespace fp
