// Running every check of a listing and ordering what they find.
#include "checks/listing_checks.h"

#include "checks/finding_text.h"
#include "checks/floor_load_checks.h"
#include "checks/member_checks.h"
#include "model/listing_error.h"

namespace fp {

void checkEcho(const ListingEcho& echo, std::vector<Finding>& findings) {
    const auto add = [&findings](FindingKind kind, long line, std::string caseNumber,
                                 std::string sentence) {
        findings.push_back(Finding{kind,
                                   Severity::Warning,
                                   0,
                                   {},
                                   {line},
                                   std::move(caseNumber),
                                   {},
                                   std::move(sentence)});
    };
    if (echo.echoLines > 0 && !echo.finished) {
        add(FindingKind::ListingCutShort, echo.lastLine, {},
            "The input echo has no FINISH line: the listing ends early (copied while the "
            "analysis was still writing it, or cut short). Open the whole listing.");
    }
    if (!echo.lastLineWhole) {
        add(FindingKind::ListingCutShort, echo.lastLine, {},
            "The listing's last line has no line end: it was cut off while being written. Open "
            "the whole listing.");
    }
    for (const EchoGap& gap : echo.gaps) {
        const long missing = gap.after - gap.before - 1;
        Finding finding{FindingKind::EchoLinesMissing,
                        Severity::Warning,
                        0,
                        {},
                        {gap.line},
                        {},
                        {{"lines missing", static_cast<double>(missing), ""}},
                        "The input echo jumps from line " + std::to_string(gap.before) + " to " +
                            std::to_string(gap.after) + ": " + std::to_string(missing) +
                            (missing == 1 ? " input line is" : " input lines are") +
                            " missing from the listing. Check that it was copied whole."};
        findings.push_back(std::move(finding));
    }
    for (const EmptyLoadCase& empty : echo.emptyCases) {
        add(FindingKind::EmptyLoadCase, empty.line, empty.caseNumber,
            "Load case " + empty.caseNumber +
                " has no load under its header. Check whether its loads were left out or "
                "written under another header.");
    }
    for (const LoadBeforeCases& load : echo.loadsBeforeCases) {
        add(FindingKind::LoadBeforeFirstCase, load.line, {},
            "The " + load.command +
                " command comes before the first load-case header, so its loads belong to no "
                "load case. Check that a LOAD header is not missing above it.");
    }
}

std::vector<Finding> checkDocument(const ListingDocument& document, const ListingEcho& echo) {
    std::vector<Finding> findings;
    checkEcho(echo, findings);
    checkMembers(document, findings);
    checkFloorLoads(document, findings);
    sortFindings(findings);
    return findings;
}

std::vector<Finding> checkListing(const ListingDocument& document, ListingSource& listing) {
    try {
        return checkDocument(document, readListingEcho(listing));
    } catch (const ListingError& failure) {
        throw failure.inListing(listing.name());
    }
}

}  // namespace fp
