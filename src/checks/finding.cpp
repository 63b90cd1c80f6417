// The names of the kinds of finding, and counting and ordering findings.
#include "checks/finding.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace fp {
namespace {

struct KindTexts {
    std::string_view name;
    std::string_view title;
};

// In the order of FindingKind.
constexpr std::array<KindTexts, 21> kKindTexts = {{
    {"listing-cut-short", "Listing cut short"},
    {"echo-lines-missing", "Input echo with lines missing"},
    {"no-design-output", "No beam design output"},
    {"beam-without-design", "Beam without a design block"},
    {"joint-off-grid-line", "Joint off its grid line"},
    {"load-before-first-case", "Load before the first load-case header"},
    {"empty-load-case", "Load case without loads"},
    {"floor-load-on-no-level", "Floor load meeting no level"},
    {"floor-load-on-no-panel", "Floor load acting on no panel"},
    {"partial-floor-load", "Floor load covering a panel in part"},
    {"panel-missed-by-case", "Panel left out of a load case"},
    {"panel-loaded-twice", "Panel loaded twice in one load case"},
    {"floor-load-not-shown", "Floor load the plans do not show"},
    {"member-load-on-no-member", "Member load on a member not in the listing"},
    {"member-load-on-column", "Member load on a column"},
    {"member-load-on-undrawn-beam", "Member load on a beam no plan draws"},
    {"member-load-not-shown", "Member load the plans do not show"},
    {"load-without-column", "Load with no path to a column"},
    {"beam-end-on-nothing", "Beam end on nothing"},
    {"panel-side-without-beam", "Panel side without a beam along it"},
    {"level-not-checked", "Level not checked"},
}};

const KindTexts& textsOf(FindingKind kind) {
    return kKindTexts.at(static_cast<std::size_t>(kind));
}

}  // namespace

FindingPlace FindingPlace::panel(const PanelBounds& bounds) {
    return {Kind::Panel,       metres(bounds.x1), metres(bounds.x2),
            metres(bounds.z1), metres(bounds.z2), 0};
}

FindingPlace FindingPlace::beam(int member, double x1, double z1, double x2, double z2) {
    return {Kind::Beam, x1, x2, z1, z2, member};
}

FindingPlace FindingPlace::range(double x1, double x2, double z1, double z2) {
    return {Kind::Range, x1, x2, z1, z2, 0};
}

bool FindingPlace::isPanel(const PanelBounds& bounds) const {
    const FindingPlace exact = panel(bounds);
    return kind == Kind::Panel && x1 == exact.x1 && x2 == exact.x2 && z1 == exact.z1 &&
           z2 == exact.z2;
}

std::vector<Finding> findingsOnPanel(const std::vector<Finding>& findings, int level,
                                     const PanelBounds& bounds) {
    std::vector<Finding> onPanel;
    for (const Finding& finding : findings) {
        if (finding.level == level && finding.place.isPanel(bounds)) {
            onPanel.push_back(finding);
        }
    }
    return onPanel;
}

Finding findingsLeftOut(FindingKind kind, long count, const std::string& what) {
    return Finding{.kind = kind,
                   .severity = Severity::Warning,
                   .level = 0,
                   .place = {},
                   .lines = {},
                   .caseNumber = {},
                   .numbers = {},
                   .sentence = std::to_string(count) + " more " + what +
                               " are not listed one by one. Check that the listing is the "
                               "analysis' own, copied whole."};
}

std::string_view kindName(FindingKind kind) {
    return textsOf(kind).name;
}

std::string_view kindTitle(FindingKind kind) {
    return textsOf(kind).title;
}

std::string_view severityName(Severity severity) {
    return severity == Severity::Warning ? "warning" : "note";
}

FindingCounts countFindings(const std::vector<Finding>& findings) {
    FindingCounts counts;
    for (const Finding& finding : findings) {
        ++(finding.severity == Severity::Warning ? counts.warnings : counts.notes);
    }
    return counts;
}

std::string findingCountsText(const FindingCounts& counts) {
    const auto counted = [](int count, const char* one, const char* many) {
        return std::to_string(count) + " " + (count == 1 ? one : many);
    };
    return counted(counts.warnings, "warning", "warnings") + ", " +
           counted(counts.notes, "note", "notes");
}

void sortFindings(std::vector<Finding>& findings) {
    const auto key = [](const Finding& finding) {
        const long line = finding.lines.empty() ? 0 : finding.lines.front();
        return std::make_tuple(finding.level, static_cast<int>(finding.kind), line);
    };
    std::stable_sort(findings.begin(), findings.end(),
                     [&key](const Finding& a, const Finding& b) { return key(a) < key(b); });
}

}  // namespace fp
