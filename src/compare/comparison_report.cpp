// Writing each kind of change as one line of text.
#include "compare/comparison_report.h"

#include <cmath>
#include <cstdio>

#include "model/number_text.h"
#include "model/text_encoding.h"
#include "structure/place_text.h"

namespace fp {
namespace {

std::string metresText(float hundredths) {
    return valueText(static_cast<float>(metres(hundredths)));
}

std::string pointText(PlanPoint point) {
    return "(" + metresText(point.x) + ", " + metresText(point.z) + ")";
}

std::string placeText(const BeamPlace& place) {
    return pointText(place.from) + "-" + pointText(place.to);
}

std::string pointText(ModelPoint point) {
    return "(" + metresText(point.x) + ", " + metresText(point.y) + ", " + metresText(point.z) +
           ")";
}

std::string linesText(const ListingLines& lines) {
    std::string text;
    if (lines.oldLine > 0) {
        text = "old line " + std::to_string(lines.oldLine);
    }
    if (lines.newLine > 0) {
        text +=
            (text.empty() ? "" : ", ") + std::string("new line ") + std::to_string(lines.newLine);
    }
    return text.empty() ? text : "  [" + text + "]";
}

ReportLine plain(std::string text) {
    return ReportLine{std::move(text), std::nullopt, std::nullopt};
}

std::string fixed(double value, const char* format) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string amountText(double value) {
    return valueText(static_cast<float>(value));
}

std::string beamLine(const BeamChange& change) {
    const std::string beam = "Beam " + placeText(change.place);
    const std::string lines = linesText(change.lines);
    switch (change.kind) {
        case ChangeKind::Added:
            return beam + " added: member " + std::to_string(change.newMember) + ", " +
                   std::to_string(change.newLengthMm) + " mm" + lines;
        case ChangeKind::Removed:
            return beam + " removed: member " + std::to_string(change.oldMember) + ", " +
                   std::to_string(change.oldLengthMm) + " mm" + lines;
        case ChangeKind::Renumbered:
            return beam + " renumbered: member " + std::to_string(change.oldMember) + " -> " +
                   std::to_string(change.newMember) + lines;
        default:
            return beam + " length: " + std::to_string(change.oldLengthMm) + " -> " +
                   std::to_string(change.newLengthMm) + " mm" + lines;
    }
}

// "member 101", "member 101 -> 105"; a beam in one listing only by its one number.
std::string memberText(int32_t oldMember, int32_t newMember) {
    if (oldMember == newMember || oldMember == 0) {
        return "member " + std::to_string(newMember);
    }
    return newMember == 0
               ? "member " + std::to_string(oldMember)
               : "member " + std::to_string(oldMember) + " -> " + std::to_string(newMember);
}

ReportSection levelSection(const ListingComparison& comparison, const LevelComparison& level) {
    ReportSection section{"Level " + levelHeightText(level.height), {}, level.height};
    auto& lines = section.lines;
    if (level.oldLevel == 0) {
        lines.push_back(plain("Level added: it is in " + comparison.newName + " only"));
    } else if (level.newLevel == 0) {
        lines.push_back(plain("Level removed: it is in " + comparison.oldName + " only"));
    }
    for (const std::string& problem : level.problems) {
        lines.push_back(plain("Not compared: " + problem));
    }
    for (const BeamChange& change : level.beams) {
        lines.push_back({beamLine(change), change.place, {}});
    }
    for (const PanelChange& change : level.panels) {
        lines.push_back({"Panel " + boundsText(change.bounds) +
                             (change.kind == ChangeKind::Added ? " added" : " removed"),
                         {},
                         change.bounds});
    }
    for (const FloorLoadChange& change : level.floorLoads) {
        lines.push_back({"Floor load on panel " + boundsText(change.bounds) + ", " +
                             comparison.caseName(change.caseNumber) + ": " +
                             amountText(change.oldIntensity) + " -> " +
                             amountText(change.newIntensity) + " kN/m², " +
                             fixed(change.changeKn, "%+.1f") + " kN" + linesText(change.lines),
                         {},
                         change.bounds});
    }
    for (const MemberLoadChange& change : level.memberLoads) {
        lines.push_back({"Member load on beam " + placeText(change.place) + " (" +
                             memberText(change.oldMember, change.newMember) + "), " +
                             comparison.caseName(change.caseNumber) + ": " +
                             amountText(change.oldValue) + " -> " + amountText(change.newValue) +
                             " kN/m" + linesText(change.lines),
                         change.place,
                         {}});
    }
    for (const TotalChange& change : level.totals) {
        std::string line = "Floor load total, " + comparison.caseName(change.caseNumber) + ": " +
                           fixed(change.oldLoad, "%.1f") + " -> " + fixed(change.newLoad, "%.1f") +
                           " kN, " + fixed(change.newLoad - change.oldLoad, "%+.1f") + " kN";
        if (change.percent) {
            line += " (" + fixed(*change.percent, "%+.1f") + " %)";
        }
        lines.push_back(plain(line));
    }
    return section;
}

ReportSection loadCaseSection(const ListingComparison& comparison) {
    ReportSection section{"Load cases", {}, {}};
    for (const LoadCaseChange& change : comparison.loadCases) {
        const std::string number = utf8FromListingText("Case " + change.number);
        const std::string lines = linesText(change.lines);
        if (change.kind == ChangeKind::Added) {
            section.lines.push_back(
                plain(number + " added: " + utf8FromListingText(change.newText) + lines));
        } else if (change.kind == ChangeKind::Removed) {
            section.lines.push_back(
                plain(number + " removed: " + utf8FromListingText(change.oldText) + lines));
        } else {
            section.lines.push_back(plain(number +
                                          " retitled: " + utf8FromListingText(change.oldText) +
                                          " -> " + utf8FromListingText(change.newText) + lines));
        }
    }
    return section;
}

ReportSection jointSection(const ListingComparison& comparison) {
    ReportSection section{"Joints", {}, {}};
    for (const JointMove& move : comparison.joints) {
        section.lines.push_back(
            plain("Joint " + std::to_string(move.before.number) +
                  " moved: " + pointText(ModelPoint{move.before.x, move.before.y, move.before.z}) +
                  " -> " + pointText(ModelPoint{move.after.x, move.after.y, move.after.z})));
    }
    return section;
}

ReportSection memberSection(const ListingComparison& comparison) {
    ReportSection section{"Members", {}, {}};
    for (const MemberChange& change : comparison.members) {
        const std::string place = pointText(change.start) + "-" + pointText(change.end);
        if (change.kind == ChangeKind::Added) {
            section.lines.push_back(
                plain("Member " + std::to_string(change.newMember) + " added: " + place));
        } else if (change.kind == ChangeKind::Removed) {
            section.lines.push_back(
                plain("Member " + std::to_string(change.oldMember) + " removed: " + place));
        } else {
            section.lines.push_back(plain("Member " + std::to_string(change.oldMember) +
                                          " renumbered " + std::to_string(change.newMember) + ": " +
                                          place));
        }
    }
    return section;
}

ReportSection offPlanMemberLoadSection(const ListingComparison& comparison) {
    ReportSection section{"Member loads on members no plan draws", {}, {}};
    for (const OffPlanMemberLoadChange& change : comparison.offPlanMemberLoads) {
        section.lines.push_back(
            plain("Member load on member " + std::to_string(change.member) + ", " +
                  comparison.caseName(change.caseNumber) + ": " + amountText(change.oldValue) +
                  " -> " + amountText(change.newValue) + " kN/m" + linesText(change.lines)));
    }
    return section;
}

ReportSection messageSection(const std::string& listing,
                             const std::vector<ListingMessage>& messages) {
    ReportSection section{"Messages of " + listing, {}, {}};
    for (const ListingMessage& message : messages) {
        section.lines.push_back(plain(message.line > 0
                                          ? "line " + std::to_string(message.line) + ": " +
                                                utf8FromListingText(message.text)
                                          : utf8FromListingText(message.text)));
    }
    return section;
}

// The lines of the level's section about `place`.
template <typename Place>
std::vector<ReportLine> linesAbout(const ListingComparison& comparison, int newLevel,
                                   std::optional<Place> ReportLine::*about, const Place& place) {
    std::vector<ReportLine> found;
    for (const LevelComparison& level : comparison.levels) {
        if (level.newLevel != newLevel) {
            continue;
        }
        for (ReportLine& line : levelSection(comparison, level).lines) {
            if (line.*about == place) {
                found.push_back(std::move(line));
            }
        }
    }
    return found;
}

}  // namespace

std::vector<ReportLine> beamChanges(const ListingComparison& comparison, int newLevel,
                                    const BeamPlace& place) {
    return linesAbout(comparison, newLevel, &ReportLine::beam, place);
}

std::vector<ReportLine> panelChanges(const ListingComparison& comparison, int newLevel,
                                     const PanelBounds& bounds) {
    return linesAbout(comparison, newLevel, &ReportLine::panel, bounds);
}

std::vector<ReportSection> comparisonReport(const ListingComparison& comparison) {
    std::vector<ReportSection> sections{loadCaseSection(comparison), jointSection(comparison),
                                        memberSection(comparison),
                                        offPlanMemberLoadSection(comparison)};
    for (const LevelComparison& level : comparison.levels) {
        sections.push_back(levelSection(comparison, level));
    }
    sections.push_back(messageSection(comparison.oldName, comparison.oldMessages));
    sections.push_back(messageSection(comparison.newName, comparison.newMessages));
    std::erase_if(sections, [](const ReportSection& section) { return section.lines.empty(); });
    return sections;
}

void writeComparisonReport(std::ostream& out, const ListingComparison& comparison) {
    out << "Comparing " << comparison.oldName << " with " << comparison.newName << "\n";
    for (const ReportSection& section : comparisonReport(comparison)) {
        out << "\n" << section.heading << "\n";
        for (const ReportLine& line : section.lines) {
            out << "  " << line.text << "\n";
        }
    }
    out << "\n" << (comparison.same() ? "No differences." : "Differences found.") << "\n";
}

}  // namespace fp
