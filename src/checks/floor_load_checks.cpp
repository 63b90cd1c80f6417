// The floor loads checked panel by panel, level by level.
#include "checks/floor_load_checks.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

#include "checks/finding_text.h"
#include "model/listing_error.h"
#include "model/number_text.h"
#include "panels/level_totals.h"
#include "panels/panel_loads.h"
#include "panels/panel_scan.h"

namespace fp {
namespace {

// A load reaching into a panel by no more than this, in metres, only stops short of its edge.
constexpr double kTolerance = 0.1;

struct PanelBounds {
    double x1 = 0;
    double x2 = 0;
    double z1 = 0;
    double z2 = 0;

    double area() const { return (x2 - x1) * (z2 - z1); }
};

PanelBounds boundsOf(const ListingDocument& document, const SlabPanel& panel) {
    const Grid& grid = document.grid;
    return {metres(grid.x.at(panel.ix)), metres(grid.x.at(panel.ix2)), metres(grid.z.at(panel.iz)),
            metres(grid.z.at(panel.iz2))};
}

FindingPlace panelPlace(const PanelBounds& bounds) {
    return {FindingPlace::Kind::Panel, bounds.x1, bounds.x2, bounds.z1, bounds.z2, 0};
}

FindingPlace rangePlace(const FloorLoad& load) {
    return {FindingPlace::Kind::Range, load.x1, load.x2, load.z1, load.z2, 0};
}

// The load of a floor load over its whole range, kN.
double wholeLoad(const FloorLoad& load) {
    const double width = std::fabs(static_cast<double>(load.x2) - load.x1);
    const double depth = std::fabs(static_cast<double>(load.z2) - load.z1);
    return width * depth * load.intensity;
}

// The area, m², of the part of a panel a load's ranges cover; 0 when they only touch it within
// the tolerance.
double coveredArea(const FloorLoad& load, const PanelBounds& panel) {
    const double width = std::min<double>(load.x2, panel.x2) - std::max<double>(load.x1, panel.x1);
    const double depth = std::min<double>(load.z2, panel.z2) - std::max<double>(load.z1, panel.z1);
    return width > kTolerance && depth > kTolerance ? width * depth : 0.0;
}

std::string caseText(const std::string& caseNumber) {
    return caseNumber.empty() ? "no load case" : "load case " + caseNumber;
}

class FloorLoadCheck {
  public:
    FloorLoadCheck(const ListingDocument& document, std::vector<Finding>& findings)
        : document_(document),
          findings_(findings),
          cases_(floorLoadCases(document)),
          actsSomewhere_(document.floorLoads.size(), false),
          partlySomewhere_(document.floorLoads.size(), false) {}

    void checkLevel(int level) {
        std::vector<SlabPanel> panels;
        try {
            findPanels(document_, level,
                       [&panels](const SlabPanel& panel) { panels.push_back(panel); });
        } catch (const ListingError& failure) {
            add(Finding{
                FindingKind::LevelNotChecked,
                Severity::Warning,
                level,
                {},
                {},
                {},
                {},
                "Level " + levelName(document_, level) + " is not checked: " + failure.message()});
            return;
        }
        // The panels each case acts on, by index into panels.
        std::vector<std::vector<bool>> loadedByCase(cases_.size(),
                                                    std::vector<bool>(panels.size(), false));
        for (std::size_t p = 0; p < panels.size(); ++p) {
            checkPanel(level, panels[p], [&](const FloorLoad& load) {
                const auto at = std::find(cases_.begin(), cases_.end(), load.caseNumber);
                loadedByCase[static_cast<std::size_t>(at - cases_.begin())][p] = true;
            });
        }
        for (std::size_t c = 0; c < cases_.size(); ++c) {
            checkCaseOnLevel(level, cases_[c], panels, loadedByCase[c]);
        }
    }

    // The loads that act on no panel at all, whether or not they meet a level. A load that
    // covers panels in part has been reported there, panel by panel.
    void checkUnusedLoads() {
        for (std::size_t i = 0; i < document_.floorLoads.size(); ++i) {
            if (!actsSomewhere_[i] && !partlySomewhere_[i]) {
                addUnused(document_.floorLoads[i]);
            }
        }
    }

  private:
    void add(Finding finding) { findings_.push_back(std::move(finding)); }

    template <typename Loaded>
    void checkPanel(int level, const SlabPanel& panel, Loaded loaded) {
        const PanelReach reach(document_, level, panel);
        const PanelBounds bounds = boundsOf(document_, panel);
        // The lines of the loads acting on the panel, by load case.
        std::map<std::string, std::vector<long>> actingLines;
        for (std::size_t i = 0; i < document_.floorLoads.size(); ++i) {
            const FloorLoad& load = document_.floorLoads[i];
            if (!reach.reachesLevel(load)) {
                continue;
            }
            if (reach.coversPanel(load)) {
                actsSomewhere_[i] = true;
                actingLines[load.caseNumber].push_back(load.line);
                loaded(load);
            } else if (const double area = coveredArea(load, bounds); area > 0) {
                partlySomewhere_[i] = true;
                addPartial(level, bounds, load, area);
            }
        }
        for (const auto& [caseNumber, lines] : actingLines) {
            if (lines.size() > 1) {
                addLoadedTwice(level, bounds, caseNumber, lines);
            }
        }
    }

    void addPartial(int level, const PanelBounds& panel, const FloorLoad& load, double area) {
        const double share = area / panel.area();
        const double lost = area * load.intensity;
        add(Finding{FindingKind::PartialFloorLoad,
                    Severity::Warning,
                    level,
                    panelPlace(panel),
                    {load.line},
                    load.caseNumber,
                    {{"share covered", share, ""}, {"load not applied", lost, "kN"}},
                    "The floor load of " + shortText(load.intensity) + " kN/m\u00b2 (" +
                        caseText(load.caseNumber) + ") covers " + fixedText(share * 100, 0) +
                        " % of the panel " + rangeText(panel.x1, panel.x2, panel.z1, panel.z2) +
                        " and is not applied to it: " + fixedText(lost, 1) +
                        " kN are missing. Check that its X and Z ranges end on the panel's "
                        "beams."});
    }

    void addLoadedTwice(int level, const PanelBounds& panel, const std::string& caseNumber,
                        const std::vector<long>& lines) {
        add(Finding{FindingKind::PanelLoadedTwice,
                    Severity::Note,
                    level,
                    panelPlace(panel),
                    lines,
                    caseNumber,
                    {{"floor loads", static_cast<double>(lines.size()), ""}},
                    "The panel " + rangeText(panel.x1, panel.x2, panel.z1, panel.z2) +
                        " is loaded by " + std::to_string(lines.size()) + " floor loads of " +
                        caseText(caseNumber) + ", " + linesText(lines) +
                        ". Check that the loads are meant to add up."});
    }

    // A case that loads more than half the panels of a level, but not all of them.
    void checkCaseOnLevel(int level, const std::string& caseNumber,
                          const std::vector<SlabPanel>& panels, const std::vector<bool>& loaded) {
        const auto count = std::count(loaded.begin(), loaded.end(), true);
        const auto total = static_cast<long>(panels.size());
        if (count * 2 <= total || count == total) {
            return;
        }
        for (std::size_t p = 0; p < panels.size(); ++p) {
            if (loaded[p]) {
                continue;
            }
            const PanelBounds bounds = boundsOf(document_, panels[p]);
            add(Finding{FindingKind::PanelMissedByCase,
                        Severity::Warning,
                        level,
                        panelPlace(bounds),
                        {},
                        caseNumber,
                        {{"panels loaded", static_cast<double>(count), ""},
                         {"panels on the level", static_cast<double>(total), ""}},
                        "Load case " + (caseNumber.empty() ? std::string("(none)") : caseNumber) +
                            " loads " + std::to_string(count) + " of the " + std::to_string(total) +
                            " panels of level " + levelName(document_, level) +
                            " but not the panel " +
                            rangeText(bounds.x1, bounds.x2, bounds.z1, bounds.z2) +
                            ". Check that no floor load of the case is missing or short of "
                            "it."});
        }
    }

    void addUnused(const FloorLoad& load) {
        std::vector<int> levels;
        for (int level = 1; level <= document_.levelCount(); ++level) {
            if (PanelReach::reachesHeight(load, PanelReach::levelInMetres(document_, level))) {
                levels.push_back(level);
            }
        }
        const double lost = wholeLoad(load);
        const std::string what = "The floor load of " + shortText(load.intensity) +
                                 " kN/m\u00b2 (" + caseText(load.caseNumber) + ") over " +
                                 rangeText(load.x1, load.x2, load.z1, load.z2);
        if (levels.empty()) {
            add(Finding{FindingKind::FloorLoadOnNoLevel,
                        Severity::Warning,
                        0,
                        rangePlace(load),
                        {load.line},
                        load.caseNumber,
                        {{"load not applied", lost, "kN"}},
                        what + " has a Y range, " + shortText(load.y1) + " to " +
                            shortText(load.y2) + " m, that meets no level: all " +
                            fixedText(lost, 1) +
                            " kN are lost. Check the Y range against the levels' heights."});
            return;
        }
        add(Finding{FindingKind::FloorLoadOnNoPanel,
                    Severity::Warning,
                    levels.size() == 1 ? levels.front() : 0,
                    rangePlace(load),
                    {load.line},
                    load.caseNumber,
                    {{"load not applied", lost, "kN"}},
                    what + " covers no whole panel of any level: all " + fixedText(lost, 1) +
                        " kN are lost. Check that its ranges end on beams."});
    }

    const ListingDocument& document_;
    std::vector<Finding>& findings_;
    std::vector<std::string> cases_;
    std::vector<bool> actsSomewhere_;
    std::vector<bool> partlySomewhere_;
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
