// The findings an engineer has judged and accepted, each with a short reason: a shaft panel left
// unloaded on purpose. They are matched to the findings of any run of the analysis by their id.
#pragma once

#include <string>
#include <vector>

#include "checks/finding.h"
#include "document/listing_document.h"

namespace fp {

struct AcceptedFinding {
    // findingId() of the findings it accepts.
    std::string id;
    std::string reason;
    // What was accepted, for a person reading the file: the kind's name and the sentence.
    std::string kind;
    std::string sentence;
    bool operator==(const AcceptedFinding&) const = default;
};

struct AcceptedFindings {
    std::vector<AcceptedFinding> items;

    // The acceptance of the id; null when it is not accepted.
    const AcceptedFinding* find(const std::string& id) const;
    // Accepts the finding, known by `id`, with the reason, or gives an accepted one its new
    // reason.
    void accept(const Finding& finding, const std::string& id, const std::string& reason);
    // Takes the acceptance of the id back; false when it was not accepted.
    bool withdraw(const std::string& id);
    bool operator==(const AcceptedFindings&) const = default;
};

// A finding with its id and, when it is accepted, the acceptance.
struct JudgedFinding {
    const Finding* finding = nullptr;
    std::string id;
    const AcceptedFinding* accepted = nullptr;
};

// Every finding with its id and acceptance, in the findings' order.
std::vector<JudgedFinding> judgeFindings(const std::vector<Finding>& findings,
                                         const ListingDocument& document,
                                         const AcceptedFindings& accepted);

// The warnings and notes not accepted, and the count of those accepted.
struct JudgedCounts {
    FindingCounts open;
    int accepted = 0;
};
JudgedCounts countJudged(const std::vector<JudgedFinding>& judged);
// "12 warnings, 1 note", then ", 2 accepted" when some are.
std::string judgedCountsText(const JudgedCounts& counts);

}  // namespace fp
