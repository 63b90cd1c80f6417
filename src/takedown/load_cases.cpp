// Load cases with floor or member loads, and their combinations.
#include "takedown/load_cases.h"

#include "model/text_encoding.h"
#include "panels/level_totals.h"
#include "reader/text_primitives.h"

namespace fp {
namespace {

// Numbers name the same case when written alike, or when both are numbers of equal value
// ("1" and "1.").
bool sameNumber(std::string_view a, std::string_view b) {
    if (a == b) {
        return true;
    }
    return !a.empty() && !b.empty() && isNumberToken(a) && isNumberToken(b) &&
           leadingNumber(a) == leadingNumber(b);
}

std::vector<std::string> casesWithLoads(const ListingDocument& document) {
    std::vector<std::string> used;
    for (const FloorLoad& load : document.floorLoads) {
        used.push_back(load.caseNumber);
    }
    for (const MemberLoad& load : document.memberLoadsByMember) {
        if (used.empty() || used.back() != load.caseNumber) {
            used.push_back(load.caseNumber);
        }
    }
    return inHeaderOrder(document, used);
}

}  // namespace

std::optional<std::size_t> LoadCases::caseIndex(std::string_view number) const {
    for (std::size_t i = 0; i < cases.size(); ++i) {
        if (sameNumber(cases[i], number)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> LoadCases::combinationIndex(std::string_view number) const {
    for (std::size_t i = 0; i < combinations.size(); ++i) {
        if (sameNumber(combinations[i].number, number)) {
            return i;
        }
    }
    return std::nullopt;
}

double LoadCases::combined(const Combination& combination,
                           const std::vector<double>& byCase) const {
    double value = 0;
    for (const FactoredCase& term : combination.terms) {
        value += term.factor * byCase[term.caseIndex];
    }
    return value;
}

double LoadCases::valueOf(const LoadChoice& choice, const std::vector<double>& byCase) const {
    if (choice.kind == LoadChoice::Kind::Case) {
        return byCase[choice.index];
    }
    return combined(combinations[choice.index], byCase);
}

std::vector<LoadChoice> LoadCases::everyChoice() const {
    std::vector<LoadChoice> choices;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        choices.push_back({LoadChoice::Kind::Case, i});
    }
    for (std::size_t i = 0; i < combinations.size(); ++i) {
        choices.push_back({LoadChoice::Kind::Combination, i});
    }
    return choices;
}

LoadCases loadCasesOf(const ListingDocument& document) {
    LoadCases cases;
    cases.cases = casesWithLoads(document);
    for (const LoadCombination& read : document.echo.combinations) {
        Combination combination{read.number, read.title, read.line, {}, {}, read.unpaired};
        for (const CombinationTerm& term : read.terms) {
            if (const auto index = cases.caseIndex(term.caseNumber)) {
                combination.terms.push_back({*index, term.factor});
            } else {
                combination.casesWithoutLoads.push_back(term.caseNumber);
            }
        }
        cases.combinations.push_back(std::move(combination));
    }
    cases.combinationsLeftOut = document.echo.combinationsLeftOut;
    return cases;
}

std::string choiceName(const ListingDocument& document, const LoadCases& cases,
                       const LoadChoice& choice) {
    if (choice.kind == LoadChoice::Kind::Case) {
        return loadCaseName(document, cases.cases[choice.index]);
    }
    const Combination& combination = cases.combinations[choice.index];
    std::string name = "Combination " + combination.number;
    if (!combination.title.empty()) {
        name += " " + combination.title;
    }
    return utf8FromListingText(name);
}

std::string choiceShortName(const LoadCases& cases, const LoadChoice& choice) {
    if (choice.kind == LoadChoice::Kind::Case) {
        const std::string& number = cases.cases[choice.index];
        return number.empty() ? "no load case" : "case " + number;
    }
    return "combination " + cases.combinations[choice.index].number;
}

}  // namespace fp
