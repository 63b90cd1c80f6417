// The facts under the pointer, found from the level's beams and panels.
#include "window/pointer_facts.h"

#include <cmath>

#include "inspect/takedown_facts.h"
#include "model/number_text.h"
#include "model/text_encoding.h"
#include "plan/column_loads.h"
#include "plan/grid_lines.h"
#include "structure/place_text.h"

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
    gridLines_.reset();
}

const LevelModel* PointerFacts::level() const {
    return document_ != nullptr && drawn_ ? &document_->level(view_.level) : nullptr;
}

std::optional<LevelBeam> PointerFacts::beam(int serial) {
    const LevelModel* shown = level();
    if (shown == nullptr || serial < 1 || static_cast<std::size_t>(serial) > shown->beams.size()) {
        return std::nullopt;
    }
    return shown->beams[static_cast<std::size_t>(serial - 1)];
}

const LevelPanel* PointerFacts::panelAt(double x, double z) {
    const LevelModel* shown = level();
    return shown != nullptr ? shown->panelAt(x, z) : nullptr;
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
    if (!loads.empty()) {
        text += ", member loads " + loads;
    }
    return text + shareText(found->member);
}

std::string PointerFacts::shareText(int32_t member) {
    const Takedown& takedown = documentTakedown(*document_);
    const LoadCases& cases = takedown.cases;
    // The case or combination of the column loads on show, else the first case.
    std::optional<LoadChoice> choice =
        view_.columnLoads ? loadChoiceOf(cases, *view_.columnLoads) : std::nullopt;
    if (!choice && !cases.cases.empty()) {
        choice = LoadChoice{LoadChoice::Kind::Case, 0};
    }
    const std::optional<BeamShare> share =
        choice ? beamShare(takedown, view_.level, member, *choice) : std::nullopt;
    if (!share) {
        return {};
    }
    if (!gridLines_) {
        gridLines_ = levelGridLines(document_->grid, view_.level);
    }
    return "; " + beamShareText(*gridLines_, *share) + " (" + choiceShortName(cases, *choice) + ")";
}

std::string PointerFacts::panelText(const LevelPanel& panel) const {
    const char separator = view_.decimalSeparator;
    const PanelBounds& bounds = panel.bounds;
    std::string text = "panel " + boundsText(bounds, separator) + ", spans " +
                       metresText(bounds.spanX(), separator) + " × " +
                       metresText(bounds.spanZ(), separator) + " m";
    if (panel.loads.empty()) {
        return text + ", no floor loads";
    }
    std::string loads;
    for (const ActingLoad& load : panel.loads) {
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
        gridLines_ = levelGridLines(document_->grid, view_.level);
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
        if (const LevelPanel* panel = panelAt(x, z)) {
            text += "; " + panelText(*panel);
        }
    }
    return text;
}

}  // namespace fp
