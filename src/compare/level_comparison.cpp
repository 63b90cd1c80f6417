// Matching a level's beams by their ends and its panels by their bounds, then comparing the loads
// of those present in both listings.
#include "compare/level_comparison.h"

#include <algorithm>
#include <tuple>

#include "compare/member_load_sums.h"
#include "model/listing_error.h"
#include "panels/level_totals.h"

namespace fp {
namespace {

struct PlacedBeam {
    BeamPlace place;
    LevelBeam beam;
};

std::vector<PlacedBeam> placedBeams(const LevelModel& level) {
    std::vector<PlacedBeam> placed;
    for (const LevelBeam& beam : level.beams) {
        placed.push_back(PlacedBeam{placeOf(beam), beam});
    }
    return placed;
}

template <typename Item, typename Key>
const Item* findBy(const std::vector<Item>& items, const Key& key, Key Item::*member) {
    const auto at = std::find_if(items.begin(), items.end(),
                                 [&](const Item& item) { return item.*member == key; });
    return at == items.end() ? nullptr : &*at;
}

// The case numbers of both lists, those of the first in their order, then the others.
std::vector<CaseNumber> unionOf(std::vector<CaseNumber> first,
                                const std::vector<CaseNumber>& second) {
    for (const CaseNumber& number : second) {
        if (std::find(first.begin(), first.end(), number) == first.end()) {
            first.push_back(number);
        }
    }
    return first;
}

std::vector<CaseNumber> caseNumbers(const std::vector<ActingLoad>& loads) {
    std::vector<CaseNumber> numbers;
    for (const ActingLoad& load : loads) {
        numbers.push_back(load.caseNumber);
    }
    return unionOf({}, numbers);
}

long firstPanelLoadLine(const std::vector<ActingLoad>& loads, const std::string& caseNumber) {
    for (const ActingLoad& load : loads) {
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
            level.beams.push_back(BeamChange{.kind = ChangeKind::Removed,
                                             .place = old.place,
                                             .drawnTo = old.beam.drawnEnd(),
                                             .oldMember = old.beam.member,
                                             .newMember = 0,
                                             .oldLengthMm = old.beam.lengthMm,
                                             .newLengthMm = 0,
                                             .lines = {old.beam.designLine, 0}});
            continue;
        }
        const BeamChange both{.kind = ChangeKind::Renumbered,
                              .place = old.place,
                              .drawnTo = now->beam.drawnEnd(),
                              .oldMember = old.beam.member,
                              .newMember = now->beam.member,
                              .oldLengthMm = old.beam.lengthMm,
                              .newLengthMm = now->beam.lengthMm,
                              .lines = {old.beam.designLine, now->beam.designLine}};
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
            level.beams.push_back(BeamChange{.kind = ChangeKind::Added,
                                             .place = now.place,
                                             .drawnTo = now.beam.drawnEnd(),
                                             .oldMember = 0,
                                             .newMember = now.beam.member,
                                             .oldLengthMm = 0,
                                             .newLengthMm = now.beam.lengthMm,
                                             .lines = {0, now.beam.designLine}});
        }
    }
}

// The member loads of a beam at one place, case by case: member 0 stands for a beam the listing
// does not have there, whose loads are all 0.
void compareBeamLoads(const ListingDocument& before, int32_t oldMember,
                      const ListingDocument& after, int32_t newMember, const PlacedBeam& drawn,
                      LevelComparison& level) {
    for (const std::string& number : memberLoadCases(before, oldMember, after, newMember)) {
        const CaseSum was = memberLoadOfCase(before, oldMember, number);
        const CaseSum is = memberLoadOfCase(after, newMember, number);
        if (was.value != is.value) {
            level.memberLoads.push_back(MemberLoadChange{.place = drawn.place,
                                                         .drawnTo = drawn.beam.drawnEnd(),
                                                         .oldMember = oldMember,
                                                         .newMember = newMember,
                                                         .caseNumber = number,
                                                         .oldValue = was.value,
                                                         .newValue = is.value,
                                                         .lines = {was.line, is.line}});
        }
    }
}

// Beams in both listings by their loads; a beam in one listing only with every load it carries,
// as appearing or disappearing.
void compareMemberLoads(const ListingDocument& before, const std::vector<PlacedBeam>& oldBeams,
                        const ListingDocument& after, const std::vector<PlacedBeam>& newBeams,
                        LevelComparison& level) {
    for (const PlacedBeam& old : oldBeams) {
        const PlacedBeam* now = findBy(newBeams, old.place, &PlacedBeam::place);
        compareBeamLoads(before, old.beam.member, after, now == nullptr ? 0 : now->beam.member,
                         now == nullptr ? old : *now, level);
    }
    for (const PlacedBeam& now : newBeams) {
        if (findBy(oldBeams, now.place, &PlacedBeam::place) == nullptr) {
            compareBeamLoads(before, 0, after, now.beam.member, now, level);
        }
    }
}

void comparePanels(const std::vector<LevelPanel>& before, const std::vector<LevelPanel>& after,
                   LevelComparison& level) {
    const auto panelAt = [](const std::vector<LevelPanel>& panels, const PanelBounds& bounds) {
        const auto found = std::find_if(panels.begin(), panels.end(),
                                        [&](const LevelPanel& p) { return p.bounds == bounds; });
        return found == panels.end() ? nullptr : &*found;
    };
    for (const LevelPanel& old : before) {
        const LevelPanel* now = panelAt(after, old.bounds);
        if (now == nullptr) {
            level.panels.push_back(PanelChange{ChangeKind::Removed, old.bounds});
            continue;
        }
        const std::vector<CaseNumber> cases =
            unionOf(caseNumbers(old.loads), caseNumbers(now->loads));
        const std::vector<double> was = intensitiesByCase(old.loads, cases);
        const std::vector<double> is = intensitiesByCase(now->loads, cases);
        for (std::size_t i = 0; i < cases.size(); ++i) {
            if (was[i] != is[i]) {
                level.floorLoads.push_back(
                    FloorLoadChange{.bounds = old.bounds,
                                    .caseNumber = cases[i],
                                    .oldIntensity = was[i],
                                    .newIntensity = is[i],
                                    .changeKn = old.area() * (is[i] - was[i]),
                                    .lines = {firstPanelLoadLine(old.loads, cases[i]),
                                              firstPanelLoadLine(now->loads, cases[i])}});
            }
        }
    }
    for (const LevelPanel& now : after) {
        if (panelAt(before, now.bounds) == nullptr) {
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

std::vector<CaseNumber> totalCases(const LevelTotals& totals) {
    std::vector<CaseNumber> numbers;
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
    std::vector<LevelPanel> panels;
    LevelTotals totals;
};

LevelContents contentsOf(const ListingDocument& document, int level) {
    if (level == 0) {
        return {};
    }
    const LevelModel& model = document.level(level);
    if (const auto& limit = model.limitError()) {
        throw limit->inListing(document.name);
    }
    return LevelContents{placedBeams(model), model.panels, levelTotals(document, level)};
}

}  // namespace

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
