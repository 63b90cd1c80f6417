// Running every check of a listing and ordering what they find.
#include "checks/listing_checks.h"

#include "checks/finding_text.h"
#include "checks/floor_load_checks.h"
#include "checks/member_checks.h"
#include "checks/off_line_joint_checks.h"
#include "checks/takedown_checks.h"
#include "checks/unshown_load_checks.h"

namespace fp {
namespace {

Finding listingFinding(FindingKind kind, std::vector<long> lines, std::string caseNumber,
                       std::string sentence) {
    return Finding{.kind = kind,
                   .severity = Severity::Warning,
                   .level = 0,
                   .place = {},
                   .lines = std::move(lines),
                   .caseNumber = std::move(caseNumber),
                   .numbers = {},
                   .sentence = std::move(sentence)};
}

std::string linesMissingText(long missing) {
    return std::to_string(missing) + (missing == 1 ? " input line is" : " input lines are");
}

Finding gapFinding(const EchoGap& gap) {
    const bool oneJump = gap.firstLine == gap.lastLine;
    std::string sentence =
        oneJump ? "The input echo jumps from line " + std::to_string(gap.before) + " to " +
                      std::to_string(gap.after) + ": "
                : "The input echo jumps at every echo line from listing line " +
                      std::to_string(gap.firstLine) + " to " + std::to_string(gap.lastLine) +
                      ", from echo line " + std::to_string(gap.before) + " to " +
                      std::to_string(gap.after) + ": ";
    sentence += linesMissingText(gap.missing) +
                " missing from the listing. Check that it was copied whole.";
    Finding finding = listingFinding(
        FindingKind::EchoLinesMissing,
        oneJump ? std::vector<long>{gap.firstLine} : std::vector<long>{gap.firstLine, gap.lastLine},
        {}, std::move(sentence));
    finding.numbers = {{"lines missing", static_cast<double>(gap.missing), ""}};
    return finding;
}

// The findings past an echo list's bound, told in one.
void addLeftOut(long leftOut, FindingKind kind, const char* what, std::vector<Finding>& findings) {
    if (leftOut > 0) {
        findings.push_back(findingsLeftOut(kind, leftOut, what));
    }
}

// A listing that ends inside a beam design block was cut off while being written.
void checkDesignBlocks(const ListingDocument& document, std::vector<Finding>& findings) {
    if (document.cutDesignHeaderLine > 0) {
        findings.push_back(listingFinding(
            FindingKind::ListingCutShort, {document.cutDesignHeaderLine}, {},
            "The listing ends inside the beam design block of line " +
                std::to_string(document.cutDesignHeaderLine) +
                ", before its LENGTH line: it was cut off there, and no plan draws that beam. "
                "Open the whole listing."));
    }
}

// A level past a drawing limit is not checked: what is found on it is no finding, only that it
// was not checked.
void dropFindingsOnLevelsNotChecked(const ListingDocument& document,
                                    std::vector<Finding>& findings) {
    std::erase_if(findings, [&document](const Finding& finding) {
        return finding.level > 0 && finding.kind != FindingKind::LevelNotChecked &&
               document.level(finding.level).limitError();
    });
}

}  // namespace

void checkEcho(const ListingEcho& echo, std::vector<Finding>& findings) {
    if (echo.echoLines > 0 && !echo.finished) {
        findings.push_back(listingFinding(
            FindingKind::ListingCutShort, {echo.lastLine}, {},
            "The input echo has no FINISH line: the listing ends early (copied while the "
            "analysis was still writing it, or cut short). Open the whole listing."));
    }
    if (!echo.lastLineWhole) {
        findings.push_back(listingFinding(
            FindingKind::ListingCutShort, {echo.lastLine}, {},
            "The listing's last line has no line end: it was cut off while being written. Open "
            "the whole listing."));
    }
    for (const EchoGap& gap : echo.gaps.items) {
        findings.push_back(gapFinding(gap));
    }
    addLeftOut(echo.gaps.leftOut, FindingKind::EchoLinesMissing, "places where the echo jumps",
               findings);
    for (const EmptyLoadCase& empty : echo.emptyCases.items) {
        findings.push_back(listingFinding(
            FindingKind::EmptyLoadCase, {empty.line}, empty.caseNumber,
            "Load case " + empty.caseNumber +
                " has no load under its header. Check whether its loads were left out or "
                "written under another header."));
    }
    addLeftOut(echo.emptyCases.leftOut, FindingKind::EmptyLoadCase, "load cases without loads",
               findings);
    for (const LoadBeforeCases& load : echo.loadsBeforeCases.items) {
        findings.push_back(listingFinding(
            FindingKind::LoadBeforeFirstCase, {load.line}, {},
            "The " + load.command +
                " command comes before the first load-case header, so its loads belong to no "
                "load case. Check that a LOAD header is not missing above it."));
    }
    addLeftOut(echo.loadsBeforeCases.leftOut, FindingKind::LoadBeforeFirstCase,
               "load commands before the first load-case header", findings);
}

std::vector<Finding> checkDocument(const ListingDocument& document) {
    return checkDocument(document, documentTakedown(document));
}

std::vector<Finding> checkDocument(const ListingDocument& document, const Takedown& takedown) {
    std::vector<Finding> findings;
    checkEcho(document.echo, findings);
    checkDesignBlocks(document, findings);
    checkMembers(document, findings);
    checkJointsOffLines(document, findings);
    checkFloorLoads(document, findings);
    checkUnshownLoads(document, findings);
    checkLoadPaths(takedown, findings);
    dropFindingsOnLevelsNotChecked(document, findings);
    sortFindings(findings);
    return findings;
}

}  // namespace fp
