// Summing the floor loads of a level's panels, case by case.
#include "panels/level_totals.h"

#include <algorithm>

#include "model/number_text.h"
#include "model/text_encoding.h"

namespace fp {

std::vector<std::string> inHeaderOrder(const ListingDocument& document,
                                       const std::vector<std::string>& used) {
    std::vector<std::string> cases;
    const auto isUsed = [&used](const std::string& number) {
        return std::find(used.begin(), used.end(), number) != used.end();
    };
    for (const LoadCase& loadCase : document.loadCases) {
        if (isUsed(loadCase.number)) {
            cases.push_back(loadCase.number);
        }
    }
    for (const std::string& number : used) {
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

std::vector<std::string> floorLoadCases(const ListingDocument& document) {
    std::vector<std::string> used;
    for (const FloorLoad& load : document.floorLoads) {
        used.push_back(load.caseNumber);
    }
    return inHeaderOrder(document, used);
}

double panelArea(const ListingDocument& document, const SlabPanel& panel) {
    const Grid& grid = document.grid;
    return metres(grid.x.at(panel.ix2) - grid.x.at(panel.ix)) *
           metres(grid.z.at(panel.iz2) - grid.z.at(panel.iz));
}

std::vector<double> intensitiesByCase(const PanelLoads& loads,
                                      const std::vector<std::string>& cases) {
    std::vector<double> intensities(cases.size(), 0.0);
    for (const ActingLoad& load : loads.loads) {
        const auto at = std::find(cases.begin(), cases.end(), load.caseNumber);
        if (at != cases.end()) {
            intensities[static_cast<std::size_t>(at - cases.begin())] +=
                writtenValue(load.intensity);
        }
    }
    return intensities;
}

LevelTotals levelTotals(const ListingDocument& document, int level) {
    const std::vector<std::string> cases = floorLoadCases(document);
    LevelTotals totals;
    totals.level = level;
    for (const std::string& number : cases) {
        totals.cases.push_back(CaseTotal{number, 0.0, 0, 0});
    }
    findPanels(document, level, [&](const SlabPanel& panel) {
        const PanelLoads loads = panelLoads(document, level, panel);
        const std::vector<double> intensities = intensitiesByCase(loads, cases);
        const double area = panelArea(document, panel);
        ++totals.panels;
        if (loads.loads.empty()) {
            ++totals.panelsWithoutLoad;
        }
        for (std::size_t i = 0; i < cases.size(); ++i) {
            CaseTotal& total = totals.cases[i];
            const bool loaded = std::any_of(
                loads.loads.begin(), loads.loads.end(),
                [&total](const ActingLoad& load) { return load.caseNumber == total.caseNumber; });
            total.load += area * intensities[i];
            ++(loaded ? total.panelsLoaded : total.panelsUnloaded);
        }
    });
    return totals;
}

}  // namespace fp
