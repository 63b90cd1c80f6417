// The load cases a plan shows, chosen and told.
#include "plan/shown_cases.h"

#include <string_view>
#include <unordered_set>

#include "model/text_encoding.h"
#include "structure/place_text.h"

namespace fp {
namespace {

// The most bytes of case numbers a caption lists: a page's title, not the whole listing.
constexpr std::size_t kLongestNumbersList = 60;

}  // namespace

std::vector<std::string> caseChoice(const ListingDocument& document,
                                    const std::vector<std::string>& chosen) {
    const std::unordered_set<std::string_view> wanted(chosen.begin(), chosen.end());
    std::vector<std::string> choice;
    for (const LoadCase& loadCase : document.loadCases) {
        if (wanted.contains(loadCase.number.text())) {
            choice.push_back(loadCase.number);
        }
    }
    if (choice.size() == document.loadCases.size()) {
        choice.clear();
    }
    return choice;
}

std::string chosenCasesText(const ListingDocument& document, const PlanView& view) {
    if (view.shownCases.empty()) {
        return {};
    }
    std::string numbers;
    for (const std::string& number : view.shownCases) {
        if (numbers.size() > kLongestNumbersList) {
            numbers += ", \u2026";
            break;
        }
        numbers +=
            (numbers.empty() ? "" : ", ") + utf8FromListingText(CaseNumber(number).abbreviated());
    }
    return numbers + " of " + std::to_string(document.loadCases.size());
}

std::string planHeading(const ListingDocument& document, const PlanView& view) {
    const std::string heading =
        levelHeading(document.levelHeight(view.level), view.decimalSeparator);
    const std::string cases = chosenCasesText(document, view);
    return cases.empty() ? heading : heading + ", cases " + cases;
}

}  // namespace fp
