// Summing the floor loads of a level's panels, case by case.
#include "panels/level_totals.h"

#include <algorithm>

#include "model/number_text.h"
#include "model/text_encoding.h"
#include "structure/floor_load_reach.h"

namespace fp {

std::vector<CaseNumber> inHeaderOrder(const ListingDocument& document,
                                      const std::vector<CaseNumber>& used) {
    std::vector<CaseNumber> cases;
    const auto isUsed = [&used](const CaseNumber& number) {
        return std::find(used.begin(), used.end(), number) != used.end();
    };
    for (const LoadCase& loadCase : document.loadCases) {
        if (isUsed(loadCase.number)) {
            cases.push_back(loadCase.number);
        }
    }
    for (const CaseNumber& number : used) {
        if (std::find(cases.begin(), cases.end(), number) == cases.end()) {
            cases.push_back(number);
        }
    }
    return cases;
}

std::string loadCaseName(const ListingDocument& document, const std::string& number) {
    if (number.empty()) {
        return "No load case";
    }
    return utf8FromListingText("Case " + document.loadCaseText(number));
}

std::vector<CaseNumber> floorLoadCases(const ListingDocument& document) {
    std::vector<CaseNumber> used;
    for (const FloorLoad& load : document.floorLoads) {
        used.push_back(load.caseNumber);
    }
    return inHeaderOrder(document, used);
}

std::vector<double> intensitiesByCase(const std::vector<ActingLoad>& loads,
                                      const std::vector<CaseNumber>& cases) {
    std::vector<double> intensities(cases.size(), 0.0);
    for (const ActingLoad& load : loads) {
        const auto at = std::find(cases.begin(), cases.end(), load.caseNumber);
        if (at != cases.end()) {
            intensities[static_cast<std::size_t>(at - cases.begin())] +=
                writtenValue(load.intensity);
        }
    }
    return intensities;
}

LevelTotals levelTotals(const ListingDocument& document, int level) {
    const std::vector<CaseNumber> cases = floorLoadCases(document);
    LevelTotals totals;
    totals.level = level;
    for (const CaseNumber& number : cases) {
        totals.cases.push_back(CaseTotal{number, 0.0, 0, 0});
    }
    const LevelModel& model = document.level(level);
    model.requirePanels();
    for (const LevelPanel& panel : model.panels) {
        const std::vector<double> intensities = intensitiesByCase(panel.loads, cases);
        const double area = panel.area();
        ++totals.panels;
        if (panel.loads.empty()) {
            ++totals.panelsWithoutLoad;
        }
        for (std::size_t i = 0; i < cases.size(); ++i) {
            CaseTotal& total = totals.cases[i];
            const bool loaded = std::any_of(
                panel.loads.begin(), panel.loads.end(),
                [&total](const ActingLoad& load) { return load.caseNumber == total.caseNumber; });
            total.load += area * intensities[i];
            ++(loaded ? total.panelsLoaded : total.panelsUnloaded);
        }
    }
    const float height = levelInMetres(model.height);
    for (const UnshownFloorLoad& unshown : document.unshownLoads.floorLoads.items) {
        if (reachesHeight(unshown.load, height)) {
            totals.loadsLeftOut.push_back(unshown.load.line);
        }
    }
    return totals;
}

}  // namespace fp
