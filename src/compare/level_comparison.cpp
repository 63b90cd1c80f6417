// Matching a level's beams by their ends and its panels by their bounds, then comparing the loads
// of those present in both listings.
#include "compare/level_comparison.h"

#include <algorithm>
#include <tuple>

#include "model/listing_error.h"
#include "model/number_text.h"
#include "panels/level_totals.h"
#include "panels/panel_loads.h"
#include "panels/panel_scan.h"
#include "plan/level_beams.h"

namespace fp {
namespace {

struct PlacedBeam {
    BeamPlace place;
    LevelBeam beam;
    long line = 0;
};

struct PlacedPanel {
    PanelBounds bounds;
    double area = 0;
    PanelLoads loads;
};

int lineAt(const GridAxis& axis, float coordinate) {
    for (int line = 1; line <= axis.count(); ++line) {
        if (axis.at(line) == coordinate) {
            return line;
        }
    }
    return 0;
}

// A beam ends at the next joint of its level along its grid line: framing joins no farther.
PlanPoint beamEnd(const ListingDocument& document, int level, const LevelBeam& beam) {
    const Grid& grid = document.grid;
    const int ix = lineAt(grid.x, beam.x);
    const int iz = lineAt(grid.z, beam.z);
    if (beam.direction == BeamDirection::PlusX) {
        for (int next = ix + 1; next <= grid.x.count(); ++next) {
            if (grid.joints.at(next, level, iz) > 0) {
                return {grid.x.at(next), beam.z};
            }
        }
    } else {
        for (int next = iz + 1; next <= grid.z.count(); ++next) {
            if (grid.joints.at(ix, level, next) > 0) {
                return {beam.x, grid.z.at(next)};
            }
        }
    }
    return {beam.x, beam.z};
}

std::vector<PlacedBeam> placedBeams(const ListingDocument& document, int level) {
    std::vector<PlacedBeam> placed;
    for (const LevelBeam& beam : beamsOfLevel(document, level)) {
        placed.push_back(PlacedBeam{BeamPlace{{beam.x, beam.z}, beamEnd(document, level, beam)},
                                    beam, document.designRow(beam.designRow).line});
    }
    return placed;
}

std::vector<PlacedPanel> placedPanels(const ListingDocument& document, int level) {
    std::vector<PlacedPanel> placed;
    const Grid& grid = document.grid;
    findPanels(document, level, [&](const SlabPanel& panel) {
        placed.push_back(PlacedPanel{PanelBounds{grid.x.at(panel.ix), grid.z.at(panel.iz),
                                                 grid.x.at(panel.ix2), grid.z.at(panel.iz2)},
                                     panelArea(document, panel),
                                     panelLoads(document, level, panel)});
    });
    return placed;
}

template <typename Item, typename Key>
const Item* findBy(const std::vector<Item>& items, const Key& key, Key Item::*member) {
    const auto at = std::find_if(items.begin(), items.end(),
                                 [&](const Item& item) { return item.*member == key; });
    return at == items.end() ? nullptr : &*at;
}

// The case numbers of both lists, those of the first in their order, then the others.
std::vector<std::string> unionOf(std::vector<std::string> first,
                                 const std::vector<std::string>& second) {
    for (const std::string& number : second) {
        if (std::find(first.begin(), first.end(), number) == first.end()) {
            first.push_back(number);
        }
    }
    return first;
}

std::vector<std::string> caseNumbers(const PanelLoads& loads) {
    std::vector<std::string> numbers;
    for (const ActingLoad& load : loads.loads) {
        numbers.push_back(load.caseNumber);
    }
    return unionOf({}, numbers);
}

long firstPanelLoadLine(const PanelLoads& loads, const std::string& caseNumber) {
    for (const ActingLoad& load : loads.loads) {
        if (load.caseNumber == caseNumber) {
            return load.line;
        }
    }
    return 0;
}

void compareBeams(const std::vector<PlacedBeam>& before, const std::vector<PlacedBeam>& after,
                  LevelComparison& level) {
    for (const PlacedBeam& old : before) {
        const PlacedBeam* now = findBy(after, old.place, &PlacedBeam::place);
        if (now == nullptr) {
            level.beams.push_back(BeamChange{ChangeKind::Removed, old.place, old.beam.member, 0,
                                             old.beam.lengthMm, 0, ListingLines{old.line, 0}});
            continue;
        }
        const BeamChange both{ChangeKind::Renumbered,
                              old.place,
                              old.beam.member,
                              now->beam.member,
                              old.beam.lengthMm,
                              now->beam.lengthMm,
                              ListingLines{old.line, now->line}};
        if (old.beam.member != now->beam.member) {
            level.beams.push_back(both);
        }
        if (old.beam.lengthMm != now->beam.lengthMm) {
            BeamChange resized = both;
            resized.kind = ChangeKind::Resized;
            level.beams.push_back(resized);
        }
    }
    for (const PlacedBeam& now : after) {
        if (findBy(before, now.place, &PlacedBeam::place) == nullptr) {
            level.beams.push_back(BeamChange{ChangeKind::Added, now.place, 0, now.beam.member, 0,
                                             now.beam.lengthMm, ListingLines{0, now.line}});
        }
    }
}

struct CaseSum {
    double value = 0;
    long line = 0;
};

CaseSum memberLoadOfCase(const ListingDocument& document, int32_t member,
                         const std::string& caseNumber) {
    CaseSum sum;
    for (const MemberLoad& load : document.memberLoadsOn(member)) {
        if (load.caseNumber == caseNumber) {
            sum.value += load.value;
            sum.line = sum.line == 0 ? load.line : sum.line;
        }
    }
    return sum;
}

std::vector<std::string> memberLoadCases(const ListingDocument& document, int32_t member) {
    std::vector<std::string> numbers;
    for (const MemberLoad& load : document.memberLoadsOn(member)) {
        numbers.push_back(load.caseNumber);
    }
    return unionOf({}, numbers);
}

void compareMemberLoads(const ListingDocument& before, const std::vector<PlacedBeam>& oldBeams,
                        const ListingDocument& after, const std::vector<PlacedBeam>& newBeams,
                        LevelComparison& level) {
    for (const PlacedBeam& old : oldBeams) {
        const PlacedBeam* now = findBy(newBeams, old.place, &PlacedBeam::place);
        if (now == nullptr) {
            continue;
        }
        const int32_t oldMember = old.beam.member;
        const int32_t newMember = now->beam.member;
        for (const std::string& number :
             unionOf(memberLoadCases(before, oldMember), memberLoadCases(after, newMember))) {
            const CaseSum was = memberLoadOfCase(before, oldMember, number);
            const CaseSum is = memberLoadOfCase(after, newMember, number);
            if (was.value != is.value) {
                level.memberLoads.push_back(MemberLoadChange{old.place, oldMember, newMember,
                                                             number, was.value, is.value,
                                                             ListingLines{was.line, is.line}});
            }
        }
    }
}

void comparePanels(const std::vector<PlacedPanel>& before, const std::vector<PlacedPanel>& after,
                   LevelComparison& level) {
    for (const PlacedPanel& old : before) {
        const PlacedPanel* now = findBy(after, old.bounds, &PlacedPanel::bounds);
        if (now == nullptr) {
            level.panels.push_back(PanelChange{ChangeKind::Removed, old.bounds});
            continue;
        }
        const std::vector<std::string> cases =
            unionOf(caseNumbers(old.loads), caseNumbers(now->loads));
        const std::vector<double> was = intensitiesByCase(old.loads, cases);
        const std::vector<double> is = intensitiesByCase(now->loads, cases);
        for (std::size_t i = 0; i < cases.size(); ++i) {
            if (was[i] != is[i]) {
                level.floorLoads.push_back(FloorLoadChange{
                    old.bounds, cases[i], was[i], is[i], old.area * (is[i] - was[i]),
                    ListingLines{firstPanelLoadLine(old.loads, cases[i]),
                                 firstPanelLoadLine(now->loads, cases[i])}});
            }
        }
    }
    for (const PlacedPanel& now : after) {
        if (findBy(before, now.bounds, &PlacedPanel::bounds) == nullptr) {
            level.panels.push_back(PanelChange{ChangeKind::Added, now.bounds});
        }
    }
}

double caseLoad(const LevelTotals& totals, const std::string& number) {
    for (const CaseTotal& total : totals.cases) {
        if (total.caseNumber == number) {
            return total.load;
        }
    }
    return 0;
}

std::vector<std::string> totalCases(const LevelTotals& totals) {
    std::vector<std::string> numbers;
    for (const CaseTotal& total : totals.cases) {
        numbers.push_back(total.caseNumber);
    }
    return numbers;
}

void compareTotals(const LevelTotals& before, const LevelTotals& after, LevelComparison& level) {
    for (const std::string& number : unionOf(totalCases(before), totalCases(after))) {
        const double was = caseLoad(before, number);
        const double is = caseLoad(after, number);
        if (was == is) {
            continue;
        }
        std::optional<double> percent;
        if (was != 0) {
            percent = (is - was) / was * 100.0;
        }
        level.totals.push_back(TotalChange{number, was, is, percent});
    }
}

// The level of one listing as the comparison needs it; a listing without the level has an
// empty one.
struct LevelContents {
    std::vector<PlacedBeam> beams;
    std::vector<PlacedPanel> panels;
    LevelTotals totals;
};

LevelContents contentsOf(const ListingDocument& document, int level) {
    if (level == 0) {
        return {};
    }
    try {
        return LevelContents{placedBeams(document, level), placedPanels(document, level),
                             levelTotals(document, level)};
    } catch (const ListingError& failure) {
        throw failure.inListing(document.name);
    }
}

}  // namespace

BeamPlace beamPlace(const ListingDocument& document, int level, const LevelBeam& beam) {
    return {{beam.x, beam.z}, beamEnd(document, level, beam)};
}

bool LevelComparison::same() const {
    return oldLevel > 0 && newLevel > 0 && problems.empty() && beams.empty() && panels.empty() &&
           floorLoads.empty() && memberLoads.empty() && totals.empty();
}

LevelComparison compareLevel(const ListingDocument& before, int oldLevel,
                             const ListingDocument& after, int newLevel, float height) {
    LevelComparison level;
    level.height = height;
    level.oldLevel = oldLevel;
    level.newLevel = newLevel;
    LevelContents was;
    LevelContents is;
    for (const auto& [document, number, contents] :
         {std::tuple{&before, oldLevel, &was}, std::tuple{&after, newLevel, &is}}) {
        try {
            *contents = contentsOf(*document, number);
        } catch (const ListingError& failure) {
            level.problems.push_back(failure.what());
        }
    }
    if (!level.problems.empty()) {
        return level;
    }
    compareBeams(was.beams, is.beams, level);
    compareMemberLoads(before, was.beams, after, is.beams, level);
    comparePanels(was.panels, is.panels, level);
    compareTotals(was.totals, is.totals, level);
    return level;
}

}  // namespace fp
