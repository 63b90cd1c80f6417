// Accepting findings and matching the accepted ones to a run's findings.
#include "checks/accepted_findings.h"

#include <algorithm>

#include "checks/finding_identity.h"

namespace fp {

const AcceptedFinding* AcceptedFindings::find(const std::string& id) const {
    const auto at = std::find_if(items.begin(), items.end(),
                                 [&id](const AcceptedFinding& item) { return item.id == id; });
    return at != items.end() ? &*at : nullptr;
}

void AcceptedFindings::accept(const Finding& finding, const std::string& id,
                              const std::string& reason) {
    AcceptedFinding accepted{id, reason, std::string(kindName(finding.kind)), finding.sentence};
    for (AcceptedFinding& item : items) {
        if (item.id == accepted.id) {
            item = std::move(accepted);
            return;
        }
    }
    items.push_back(std::move(accepted));
}

bool AcceptedFindings::withdraw(const std::string& id) {
    return std::erase_if(items, [&id](const AcceptedFinding& item) { return item.id == id; }) > 0;
}

std::vector<JudgedFinding> judgeFindings(const std::vector<Finding>& findings,
                                         const ListingDocument& document,
                                         const AcceptedFindings& accepted) {
    std::vector<std::string> ids = findingIds(findings, document);
    std::vector<JudgedFinding> judged;
    judged.reserve(findings.size());
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const AcceptedFinding* acceptance = accepted.find(ids[i]);
        judged.push_back({&findings[i], std::move(ids[i]), acceptance});
    }
    return judged;
}

JudgedCounts countJudged(const std::vector<JudgedFinding>& judged) {
    JudgedCounts counts;
    for (const JudgedFinding& item : judged) {
        if (item.accepted != nullptr) {
            ++counts.accepted;
        } else {
            ++(item.finding->severity == Severity::Warning ? counts.open.warnings
                                                           : counts.open.notes);
        }
    }
    return counts;
}

std::string judgedCountsText(const JudgedCounts& counts) {
    std::string text = findingCountsText(counts.open);
    if (counts.accepted > 0) {
        text += ", " + std::to_string(counts.accepted) + " accepted";
    }
    return text;
}

}  // namespace fp
