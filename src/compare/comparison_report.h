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

struct ReportSection {
    std::string heading;  // "Load cases", "Level 4.2 M", "Messages of old.anl"
    // One change a line, with the listing lines it stands on: "[old line 12, new line 14]".
    std::vector<std::string> lines;
    // Of a level's section: the level's height in hundredths of a metre, and the beam each line
    // about one beam is about, by the line's index.
    std::optional<float> height;
    std::map<std::size_t, BeamPlace> beamPlaces;
    // The panel each line about one panel is about, by the line's index.
    std::map<std::size_t, PanelBounds> panelBounds;
};

// The sections that have something to say, in the order: load cases, joints, members, the
// levels from the lowest, the messages of the old listing and of the new.
std::vector<ReportSection> comparisonReport(const ListingComparison& comparison);

// The lines of the report about one beam, or one panel, of the new listing's level `newLevel`.
std::vector<std::string> beamChanges(const ListingComparison& comparison, int newLevel,
                                     const BeamPlace& place);
std::vector<std::string> panelChanges(const ListingComparison& comparison, int newLevel,
                                      const PanelBounds& bounds);

// "Comparing OLD with NEW", the sections, and last "No differences." or "Differences found.".
void writeComparisonReport(std::ostream& out, const ListingComparison& comparison);

}  // namespace fp
