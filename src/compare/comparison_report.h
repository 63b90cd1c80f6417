// The changes between two listings as text for people: one section for the whole listing's load
// cases, joints and members, one per changed level, and the messages of each listing.
#pragma once

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "compare/listing_comparison.h"

namespace fp {

// One change as a line of the report, and what it is about.
struct ReportLine {
    // With the listing lines it stands on: "[old line 12, new line 14]".
    std::string text;
    // The one beam, or the one panel, the change is about, where there is one.
    std::optional<BeamPlace> beam;
    std::optional<PanelBounds> panel;
};

struct ReportSection {
    std::string heading;  // "Load cases", "Level 4.2 m", "Messages of old.anl"
    std::vector<ReportLine> lines;
    // Of a level's section: the level's height in hundredths of a metre.
    std::optional<float> height;
};

// The sections that have something to say, in the order: load cases, joints, members, the
// levels from the lowest, the messages of the old listing and of the new.
std::vector<ReportSection> comparisonReport(const ListingComparison& comparison);

// The lines of the report about one beam, or one panel, of the new listing's level `newLevel`.
std::vector<ReportLine> beamChanges(const ListingComparison& comparison, int newLevel,
                                    const BeamPlace& place);
std::vector<ReportLine> panelChanges(const ListingComparison& comparison, int newLevel,
                                     const PanelBounds& bounds);

// "Comparing OLD with NEW", the sections, and last "No differences." or "Differences found.".
void writeComparisonReport(std::ostream& out, const ListingComparison& comparison);

}  // namespace fp
