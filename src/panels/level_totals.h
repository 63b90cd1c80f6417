// The floor load on each level, per load case: what the analysis' reactions are checked against.
#pragma once

#include <string>
#include <vector>

#include "document/listing_document.h"

namespace fp {

// The distinct load-case numbers of `used`: those with a header in the order of the headers,
// then any without one (loads before the first header carry the empty number) in their order in
// `used`.
std::vector<CaseNumber> inHeaderOrder(const ListingDocument& document,
                                      const std::vector<CaseNumber>& used);

// "Case 1 DEAD LOAD": the number and the title of its header (the number alone without one), or
// "No load case" for the empty number; as UTF-8.
std::string loadCaseName(const ListingDocument& document, const std::string& number);

// The load cases of the floor loads, in header order.
std::vector<CaseNumber> floorLoadCases(const ListingDocument& document);

// The intensity each case puts on a panel, in kN/m²: the sum of the acting loads of that case,
// each as the decimal the listing wrote, 0 where none acts. One value per element of `cases`.
std::vector<double> intensitiesByCase(const std::vector<ActingLoad>& loads,
                                      const std::vector<CaseNumber>& cases);

struct CaseTotal {
    CaseNumber caseNumber;
    // kN: the sum over the level's panels of area (m²) times the case's intensity (kN/m²).
    double load = 0;
    // The panels carrying a floor load of the case, and those carrying none of it.
    int panelsLoaded = 0;
    int panelsUnloaded = 0;
};

struct LevelTotals {
    int level = 0;
    int panels = 0;
    // The panels on which no floor load of any case acts.
    int panelsWithoutLoad = 0;
    // One per element of floorLoadCases(), in its order.
    std::vector<CaseTotal> cases;
    // The lines of the floor loads whose Y range meets the level and that no plan shows
    // (upward, or in another direction than GY): the totals leave them out.
    std::vector<long> loadsLeftOut;
};

// The totals of one level (1 .. levelCount()). A level past a panel limit throws ListingError
// naming it, as its drawing does.
LevelTotals levelTotals(const ListingDocument& document, int level);

}  // namespace fp
