// Load cases with floor or member loads, and their combinations.
#include "takedown/load_cases.h"

#include <unordered_set>

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

// The value a case number stands for, when it is a number.
std::optional<double> numberValue(std::string_view number) {
    if (number.empty() || !isNumberToken(number)) {
        return std::nullopt;
    }
    return leadingNumber(number);
}

// The cases of the floor and member loads: those with a header in the order of the headers,
// then those without one (the empty number of loads before any header) in the order of use.
std::vector<std::string> casesWithLoads(const ListingDocument& document) {
    std::vector<std::string> used;
    std::unordered_set<std::string> seen;
    const auto use = [&](const std::string& number) {
        if (seen.insert(number).second) {
            used.push_back(number);
        }
    };
    for (const FloorLoad& load : document.floorLoads) {
        use(load.caseNumber);
    }
    for (const MemberLoad& load : document.memberLoadsByMember) {
        use(load.caseNumber);
    }
    std::vector<std::string> cases;
    std::unordered_set<std::string> placed;
    for (const LoadCase& loadCase : document.loadCases) {
        if (seen.count(loadCase.number) > 0 && placed.insert(loadCase.number).second) {
            cases.push_back(loadCase.number);
        }
    }
    for (const std::string& number : used) {
        if (placed.insert(number).second) {
            cases.push_back(number);
        }
    }
    return cases;
}

}  // namespace

std::optional<std::size_t> LoadCases::caseIndex(std::string_view number) const {
    if (const auto written = byText.find(std::string(number)); written != byText.end()) {
        return written->second;
    }
    if (const std::optional<double> value = numberValue(number)) {
        if (const auto found = byValue.find(*value); found != byValue.end()) {
            return found->second;
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

double LoadCases::valueOf(const LoadChoice& choice, const CaseValues& byCase) const {
    if (choice.kind == LoadChoice::Kind::Case) {
        return byCase.at(choice.index);
    }
    double value = 0;
    for (const FactoredCase& term : combinations[choice.index].terms) {
        value += term.factor * byCase.at(term.caseIndex);
    }
    return value;
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
    for (std::size_t i = 0; i < cases.cases.size(); ++i) {
        cases.byText.try_emplace(cases.cases[i], i);
        if (const std::optional<double> value = numberValue(cases.cases[i])) {
            cases.byValue.try_emplace(*value, i);
        }
    }
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
