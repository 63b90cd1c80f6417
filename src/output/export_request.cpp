// The levels and the view of an export, resolved against the listing.
#include "output/export_request.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "files/file_names.h"
#include "model/listing_error.h"
#include "model/number_text.h"
#include "plan/column_loads.h"
#include "plan/shown_cases.h"

namespace fp {

std::string heightsText(const ListingDocument& document) {
    std::string heights;
    for (int level = 1; level <= document.levelCount(); ++level) {
        heights += (level > 1 ? ", " : "") +
                   valueText(static_cast<float>(metres(document.levelHeight(level))));
    }
    return heights;
}

std::optional<ExportFormat> formatNamed(const std::string& name) {
    std::string lowered = name;
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lowered == "png") {
        return ExportFormat::Png;
    }
    if (lowered == "svg") {
        return ExportFormat::Svg;
    }
    if (lowered == "pdf") {
        return ExportFormat::Pdf;
    }
    if (lowered == "dxf") {
        return ExportFormat::Dxf;
    }
    return std::nullopt;
}

namespace {

// A case or combination the takedown does not have: ListingError naming those it has.
void requireColumnLoadChoice(const ListingDocument& document, const ColumnLoadChoice& chosen) {
    const LoadCases& cases = documentTakedown(document).cases;
    if (loadChoiceOf(cases, chosen)) {
        return;
    }
    std::string available;
    for (const std::string& number : cases.cases) {
        if (!number.empty()) {
            available += (available.empty() ? "" : ", ") + number;
        }
    }
    for (const Combination& combination : cases.combinations) {
        available += (available.empty() ? "c" : ", c") + combination.number;
    }
    throw ListingError("--column-loads: the listing has no " +
                           std::string(chosen.combination ? "load combination " : "load case ") +
                           chosen.number + " with floor or member loads",
                       available.empty() ? "The listing has no floor or member loads."
                                         : "It has " + available + ".");
}

// The most load cases a message names: a listing may have thousands.
constexpr std::size_t kCasesNamed = 20;

// The view's cases made whole; a case the listing does not have throws ListingError naming those
// it has.
void chooseCases(const ListingDocument& document, PlanView& view) {
    for (const std::string& wanted : view.shownCases) {
        if (document.loadCase(wanted) != nullptr) {
            continue;
        }
        std::string available;
        for (std::size_t i = 0; i < document.loadCases.size() && i < kCasesNamed; ++i) {
            available +=
                (available.empty() ? "" : ", ") + document.loadCases[i].number.abbreviated();
        }
        if (document.loadCases.size() > kCasesNamed) {
            available +=
                " and " + std::to_string(document.loadCases.size() - kCasesNamed) + " more";
        }
        throw ListingError(
            "--cases: the listing has no load case " + CaseNumber(wanted).abbreviated(),
            available.empty() ? "The listing has no load cases."
                              : "Its load cases are " + available + ".");
    }
    view.shownCases = caseChoice(document, view.shownCases);
}

}  // namespace

PlanView exportView(const ListingDocument& document, const ExportRequest& request) {
    PlanView view = request.view;
    view.level = startLevel(document);
    view.shownIntensities.assign(document.floorIntensities.begin(),
                                 document.floorIntensities.end());
    if (view.columnLoads) {
        requireColumnLoadChoice(document, *view.columnLoads);
    }
    chooseCases(document, view);
    if (!request.intensities) {
        return view;
    }
    std::string available;
    for (const float intensity : document.floorIntensities) {
        available += (available.empty() ? "" : ", ") + valueText(intensity);
    }
    view.shownIntensities.clear();
    for (const float wanted : *request.intensities) {
        if (!document.floorIntensities.contains(wanted)) {
            throw ListingError("--intensities: " + valueText(wanted) +
                                   " is not a floor-load intensity of the listing",
                               available.empty() ? "The listing has no floor loads."
                                                 : "Its intensities are " + available + ".");
        }
        view.shownIntensities.push_back(wanted);
    }
    return view;
}

std::vector<int> levelsToExport(const ListingDocument& document, const ExportRequest& request) {
    return chosenLevels(document, request.levels);
}

std::vector<int> chosenLevels(const ListingDocument& document, const LevelChoice& choice) {
    const int count = document.levelCount();
    if (count < 1) {
        throw ListingError("The listing has no joints", "There is no level to draw.");
    }
    std::vector<int> levels;
    if (choice.all) {
        for (int level = 1; level <= count; ++level) {
            levels.push_back(level);
        }
        return levels;
    }
    if (choice.heightMetres) {
        const int level = document.levelAtMetres(*choice.heightMetres);
        if (level == 0) {
            throw ListingError("There is no level at " + valueText(*choice.heightMetres) + " m",
                               "Its levels are at " + heightsText(document) + " m.");
        }
        return {level};
    }
    const int level = choice.number.value_or(startLevel(document));
    if (level < 1 || level > count) {
        throw ListingError(
            "There is no level " + std::to_string(level),
            "Its levels are numbered 1 to " + std::to_string(count) + ", from the lowest up.");
    }
    levels.push_back(level);
    return levels;
}

std::string levelFilePath(const ExportRequest& request, int level) {
    return request.levels.all
               ? withSuffixBeforeExtension(request.output, "-" + std::to_string(level))
               : request.output;
}

}  // namespace fp
