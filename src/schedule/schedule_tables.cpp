// Panel and beam rows of the load schedules.
#include "schedule/schedule_tables.h"

#include <algorithm>
#include <cmath>

#include "files/file_names.h"
#include "model/number_text.h"
#include "model/text_encoding.h"
#include "panels/level_totals.h"

namespace fp {
namespace {

// Millionths are far below what a load schedule shows, and rounding to them keeps 6 x 1.8 from
// reading 10.799999999999999 in a spreadsheet.
double rounded(double value) {
    return std::round(value * 1e6) / 1e6;
}

double inMetres(float hundredths) {
    return rounded(metres(hundredths));
}

// The load cases of the member loads, in header order; those without a header in the order of
// the members they first act on.
std::vector<CaseNumber> memberLoadCases(const ListingDocument& document) {
    std::vector<CaseNumber> used;
    for (const MemberLoad& load : document.memberLoadsByMember) {
        used.push_back(load.caseNumber);
    }
    return inHeaderOrder(document, used);
}

// A level past a drawing limit has no rows; the program names it apart.
bool withinLimits(const ListingDocument& document, int level) {
    return !document.level(level).limitError();
}

}  // namespace

ScheduleTable panelSchedule(const ListingDocument& document) {
    ScheduleTable table{"Panels",
                        {"Level (m)", "X from (m)", "X to (m)", "Z from (m)", "Z to (m)",
                         "Span X (m)", "Span Z (m)", "Area (m²)"},
                        {}};
    std::vector<CaseNumber> cases = floorLoadCases(document);
    for (const std::string& number : cases) {
        const std::string name = loadCaseName(document, number);
        table.headers.push_back(name + " intensity (kN/m²)");
        table.headers.push_back(name + " total (kN)");
    }
    table.forEachRow = [&document, cases = std::move(cases)](const RowVisitor& visit) {
        ScheduleRow row;
        for (int level = 2; level <= document.levelCount(); ++level) {
            if (!withinLimits(document, level)) {
                continue;
            }
            for (const LevelPanel& panel : document.level(level).panels) {
                const std::vector<double> intensities = intensitiesByCase(panel.loads, cases);
                const double area = rounded(panel.area());
                const PanelBounds& bounds = panel.bounds;
                row = {inMetres(document.levelHeight(level)),
                       inMetres(bounds.x1),
                       inMetres(bounds.x2),
                       inMetres(bounds.z1),
                       inMetres(bounds.z2),
                       inMetres(bounds.spanX()),
                       inMetres(bounds.spanZ()),
                       area};
                for (std::size_t i = 0; i < cases.size(); ++i) {
                    const bool acts = std::any_of(
                        panel.loads.begin(), panel.loads.end(),
                        [&](const ActingLoad& load) { return load.caseNumber == cases[i]; });
                    if (acts) {
                        row.emplace_back(rounded(intensities[i]));
                        row.emplace_back(rounded(area * intensities[i]));
                    } else {
                        row.emplace_back(std::nullopt);
                        row.emplace_back(std::nullopt);
                    }
                }
                visit(row);
            }
        }
    };
    return table;
}

ScheduleTable beamSchedule(const ListingDocument& document) {
    ScheduleTable table{
        "Beams", {"Level (m)", "Serial", "Member", "Start joint", "End joint", "Length (m)"}, {}};
    std::vector<CaseNumber> cases = memberLoadCases(document);
    for (const std::string& number : cases) {
        table.headers.push_back(loadCaseName(document, number) + " (kN/m)");
    }
    table.forEachRow = [&document, cases = std::move(cases)](const RowVisitor& visit) {
        ScheduleRow row;
        for (int level = 2; level <= document.levelCount(); ++level) {
            if (!withinLimits(document, level)) {
                continue;
            }
            int serial = 0;
            for (const LevelBeam& beam : document.level(level).beams) {
                const MemberFacts member = document.member(beam.member);
                const bool known = member.shape != MemberShape::Missing;
                row = {inMetres(document.levelHeight(level)),
                       static_cast<double>(++serial),
                       static_cast<double>(beam.member),
                       known ? ScheduleCell(member.record.start) : std::nullopt,
                       known ? ScheduleCell(member.record.end) : std::nullopt,
                       rounded(static_cast<double>(beam.lengthMm) / 1000)};
                const auto loads = document.memberLoadsOn(beam.member);
                for (const CaseNumber& number : cases) {
                    double sum = 0;
                    bool any = false;
                    for (const MemberLoad& load : loads) {
                        if (load.caseNumber == number) {
                            sum += load.value;
                            any = true;
                        }
                    }
                    row.push_back(any ? ScheduleCell(rounded(sum)) : std::nullopt);
                }
                visit(row);
            }
        }
    };
    return table;
}

std::vector<ScheduleTable> loadSchedules(const ListingDocument& document) {
    return {panelSchedule(document), beamSchedule(document)};
}

ScheduleTable checkSchedule(const ListingDocument& document, const std::vector<Finding>& findings) {
    ScheduleTable table{"Checks",
                        {"Level (m)", "Severity", "Kind", "Listing lines", "Load case",
                         "X from (m)", "X to (m)", "Z from (m)", "Z to (m)", "What to check"},
                        {}};
    table.forEachRow = [&document, &findings](const RowVisitor& visit) {
        for (const Finding& finding : findings) {
            std::string lines;
            for (const long line : finding.lines) {
                lines += (lines.empty() ? "" : ", ") + std::to_string(line);
            }
            const FindingPlace& place = finding.place;
            const bool placed = place.kind != FindingPlace::Kind::None;
            const auto bound = [placed](double metres) {
                return placed ? ScheduleCell(rounded(metres)) : ScheduleCell();
            };
            visit(
                {finding.level > 0 ? inMetres(document.levelHeight(finding.level)) : ScheduleCell(),
                 std::string(severityName(finding.severity)), std::string(kindName(finding.kind)),
                 lines, utf8FromListingText(finding.caseNumber), bound(place.x1), bound(place.x2),
                 bound(place.z1), bound(place.z2), finding.sentence});
        }
    };
    table.rowsLeftOut = [listing =
                             utf8FromListingText(fileNameOf(document.name))](std::uint64_t count) {
        return std::to_string(count) +
               " more findings do not fit in this sheet, whose rows end here. \"frameplan check " +
               listing + "\" lists them all, as does the window's Checks dock.";
    };
    return table;
}

}  // namespace fp
