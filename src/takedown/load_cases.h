// The load cases a takedown is worked for, and the combinations of them the listing defines.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "document/listing_document.h"
#include "takedown/case_values.h"

namespace fp {

struct FactoredCase {
    std::size_t caseIndex = 0;
    double factor = 0;
};

struct Combination {
    std::string number;  // as written
    std::string title;
    long line = 0;  // of its header
    // Its cases that have floor or member loads.
    std::vector<FactoredCase> terms;
    // The case numbers it names that have no floor or member loads: they add nothing here.
    std::vector<std::string> casesWithoutLoads;
    // A case number at its end without a factor.
    bool unpaired = false;
};

// The one case or combination a plan or a table shows.
struct LoadChoice {
    enum class Kind { Case, Combination };
    Kind kind = Kind::Case;
    std::size_t index = 0;  // into the cases or the combinations

    bool operator==(const LoadChoice&) const = default;
};

struct LoadCases {
    // The numbers of the load cases with floor or member loads, in the order of their headers
    // (loads before the first header under the empty number, last).
    std::vector<std::string> cases;
    std::vector<Combination> combinations;
    // The combinations the echo holds past the count it keeps.
    long combinationsLeftOut = 0;

    // The index of a case among `cases`, by its number as written or as a number.
    std::optional<std::size_t> caseIndex(std::string_view number) const;
    // The index of a combination by its number.
    std::optional<std::size_t> combinationIndex(std::string_view number) const;
    // The value of the case or combination chosen, from the values of the cases.
    double valueOf(const LoadChoice& choice, const CaseValues& byCase) const;
    // Every case, then every combination.
    std::vector<LoadChoice> everyChoice() const;

    // The index of each case by its number as written, and by its value for numbers.
    std::unordered_map<std::string, std::size_t> byText;
    std::unordered_map<double, std::size_t> byValue;
};

LoadCases loadCasesOf(const ListingDocument& document);

// "Case 1 DEAD LOAD" or "Combination 4 1.5 (DEAD + LIVE)", as UTF-8.
std::string choiceName(const ListingDocument& document, const LoadCases& cases,
                       const LoadChoice& choice);
// "case 1" or "combination 4".
std::string choiceShortName(const LoadCases& cases, const LoadChoice& choice);

}  // namespace fp
