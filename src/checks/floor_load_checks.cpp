// The floor loads checked panel by panel, level by level.
#include "checks/floor_load_checks.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

#include "checks/finding_text.h"
#include "model/number_text.h"
#include "panels/level_totals.h"
#include "structure/floor_load_reach.h"

namespace fp {
namespace {

// The load of a floor load over its whole range, kN.
double wholeLoad(const FloorLoad& load) {
    const double width = std::fabs(static_cast<double>(load.x2) - load.x1);
    const double depth = std::fabs(static_cast<double>(load.z2) - load.z1);
    return width * depth * load.intensity;
}

// The case's number as a sentence names it; "(none)" for no case.
std::string numberText(const CaseNumber& caseNumber) {
    return caseNumber.empty() ? "(none)" : caseNumber.abbreviated();
}

std::string caseText(const CaseNumber& caseNumber) {
    return caseNumber.empty() ? "no load case" : "load case " + caseNumber.abbreviated();
}

class FloorLoadCheck {
  public:
    FloorLoadCheck(const ListingDocument& document, std::vector<Finding>& findings)
        : document_(document),
          findings_(findings),
          cases_(floorLoadCases(document)),
          actsSomewhere_(document.floorLoads.size(), false),
          partlySomewhere_(document.floorLoads.size(), false),
          onLevelNotChecked_(document.floorLoads.size(), false) {}

    void checkLevel(int level) {
        const LevelModel& model = document_.level(level);
        if (const auto& limit = model.limitError()) {
            add(Finding{.kind = FindingKind::LevelNotChecked,
                        .severity = Severity::Warning,
                        .level = level,
                        .place = {},
                        .lines = {},
                        .caseNumber = {},
                        .numbers = {},
                        .sentence = "Level " + levelName(document_, level) +
                                    " is not checked: " + limit->message()});
            markLoadsOnLevel(model);
            return;
        }
        const std::vector<LevelPanel>& panels = model.panels;
        // The panels each case acts on, by index into panels.
        std::vector<std::vector<bool>> loadedByCase(cases_.size(),
                                                    std::vector<bool>(panels.size(), false));
        for (std::size_t p = 0; p < panels.size(); ++p) {
            checkPanel(model, panels[p]);
            for (const ActingLoad& load : panels[p].loads) {
                const auto at = std::find(cases_.begin(), cases_.end(), load.caseNumber);
                loadedByCase[static_cast<std::size_t>(at - cases_.begin())][p] = true;
            }
        }
        for (std::size_t c = 0; c < cases_.size(); ++c) {
            checkCaseOnLevel(level, cases_[c], panels, loadedByCase[c]);
        }
    }

    // The loads that act on no panel at all, whether or not they meet a level. A load that
    // covers panels in part has been reported there, panel by panel, and one that reaches a
    // level not checked is not known to miss.
    void checkUnusedLoads() {
        for (std::size_t i = 0; i < document_.floorLoads.size(); ++i) {
            if (!actsSomewhere_[i] && !partlySomewhere_[i] && !onLevelNotChecked_[i]) {
                addUnused(document_.floorLoads[i]);
            }
        }
    }

  private:
    void add(Finding finding) { findings_.push_back(std::move(finding)); }

    void markLoadsOnLevel(const LevelModel& model) {
        const float height = levelInMetres(model.height);
        for (std::size_t i = 0; i < document_.floorLoads.size(); ++i) {
            if (reachesHeight(document_.floorLoads[i], height)) {
                onLevelNotChecked_[i] = true;
            }
        }
    }

    void checkPanel(const LevelModel& model, const LevelPanel& panel) {
        const PanelReach reach(model.height, panel.bounds);
        // The lines of the loads acting on the panel, by load case.
        std::map<CaseNumber, std::vector<long>> actingLines;
        for (std::size_t i = 0; i < document_.floorLoads.size(); ++i) {
            const FloorLoad& load = document_.floorLoads[i];
            if (!reach.reachesLevel(load)) {
                continue;
            }
            if (reach.coversPanel(load)) {
                actsSomewhere_[i] = true;
                actingLines[load.caseNumber].push_back(load.line);
            } else if (const double area = coveredArea(load, panel.bounds); area > 0) {
                partlySomewhere_[i] = true;
                addPartial(model.level, panel.bounds, load, area);
            }
        }
        for (const auto& [caseNumber, lines] : actingLines) {
            if (lines.size() > 1) {
                addLoadedTwice(model.level, panel.bounds, caseNumber, lines);
            }
        }
    }

    void addPartial(int level, const PanelBounds& panel, const FloorLoad& load, double area) {
        const double share = area / panel.area();
        const double lost = area * load.intensity;
        add(Finding{.kind = FindingKind::PartialFloorLoad,
                    .severity = Severity::Warning,
                    .level = level,
                    .place = FindingPlace::panel(panel),
                    .lines = {load.line},
                    .caseNumber = load.caseNumber,
                    .numbers = {{"share covered", share, ""}, {"load not applied", lost, "kN"}},
                    .sentence = "The floor load of " + shortText(load.intensity) + " kN/m\u00b2 (" +
                                caseText(load.caseNumber) + ") covers " +
                                fixedText(share * 100, 0) + " % of the panel " + boundsText(panel) +
                                " and is not applied to it: " + fixedText(lost, 1) +
                                " kN are missing. Check that its X and Z ranges end on the "
                                "panel's beams."});
    }

    void addLoadedTwice(int level, const PanelBounds& panel, const CaseNumber& caseNumber,
                        const std::vector<long>& lines) {
        add(Finding{.kind = FindingKind::PanelLoadedTwice,
                    .severity = Severity::Note,
                    .level = level,
                    .place = FindingPlace::panel(panel),
                    .lines = lines,
                    .caseNumber = caseNumber,
                    .numbers = {{"floor loads", static_cast<double>(lines.size()), ""}},
                    .sentence = "The panel " + boundsText(panel) + " is loaded by " +
                                std::to_string(lines.size()) + " floor loads of " +
                                caseText(caseNumber) + ", " + linesText(lines) +
                                ". Check that the loads are meant to add up."});
    }

    // A case that loads more than half the panels of a level, but not all of them.
    void checkCaseOnLevel(int level, const CaseNumber& caseNumber,
                          const std::vector<LevelPanel>& panels, const std::vector<bool>& loaded) {
        const auto count = std::count(loaded.begin(), loaded.end(), true);
        const auto total = static_cast<long>(panels.size());
        if (count * 2 <= total || count == total) {
            return;
        }
        for (std::size_t p = 0; p < panels.size(); ++p) {
            if (loaded[p]) {
                continue;
            }
            const PanelBounds& bounds = panels[p].bounds;
            add(Finding{.kind = FindingKind::PanelMissedByCase,
                        .severity = Severity::Warning,
                        .level = level,
                        .place = FindingPlace::panel(bounds),
                        .lines = {},
                        .caseNumber = caseNumber,
                        .numbers = {{"panels loaded", static_cast<double>(count), ""},
                                    {"panels on the level", static_cast<double>(total), ""}},
                        .sentence = "Load case " + numberText(caseNumber) + " loads " +
                                    std::to_string(count) + " of the " + std::to_string(total) +
                                    " panels of level " + levelName(document_, level) +
                                    " but not the panel " + boundsText(bounds) +
                                    ". Check that no floor load of the case is missing or short of "
                                    "it."});
        }
    }

    void addUnused(const FloorLoad& load) {
        const std::vector<int> levels = levelsReached(document_.grid.y, load);
        const double lost = wholeLoad(load);
        const std::string what = "The floor load of " + shortText(load.intensity) +
                                 " kN/m\u00b2 (" + caseText(load.caseNumber) + ") over " +
                                 rangeText(load.x1, load.x2, load.z1, load.z2);
        const FindingPlace place = FindingPlace::range(load.x1, load.x2, load.z1, load.z2);
        if (levels.empty()) {
            add(Finding{.kind = FindingKind::FloorLoadOnNoLevel,
                        .severity = Severity::Warning,
                        .level = 0,
                        .place = place,
                        .lines = {load.line},
                        .caseNumber = load.caseNumber,
                        .numbers = {{"load not applied", lost, "kN"}},
                        .sentence = what + " has a Y range, " + shortText(load.y1) + " to " +
                                    shortText(load.y2) + " m, that meets no level: all " +
                                    fixedText(lost, 1) +
                                    " kN are lost. Check the Y range against the levels' "
                                    "heights."});
            return;
        }
        add(Finding{.kind = FindingKind::FloorLoadOnNoPanel,
                    .severity = Severity::Warning,
                    .level = levels.size() == 1 ? levels.front() : 0,
                    .place = place,
                    .lines = {load.line},
                    .caseNumber = load.caseNumber,
                    .numbers = {{"load not applied", lost, "kN"}},
                    .sentence = what + " covers no panel of any level, whole or in part: all " +
                                fixedText(lost, 1) +
                                " kN are lost. Check that its ranges end on beams."});
    }

    const ListingDocument& document_;
    std::vector<Finding>& findings_;
    std::vector<CaseNumber> cases_;
    std::vector<bool> actsSomewhere_;
    std::vector<bool> partlySomewhere_;
    std::vector<bool> onLevelNotChecked_;
};

}  // namespace

void checkFloorLoads(const ListingDocument& document, std::vector<Finding>& findings) {
    FloorLoadCheck check(document, findings);
    for (int level = 1; level <= document.levelCount(); ++level) {
        check.checkLevel(level);
    }
    check.checkUnusedLoads();
}

}  // namespace fp
