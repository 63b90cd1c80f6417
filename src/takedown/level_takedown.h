// One level's loads on its beams: each slab panel's share on the beams round it, the member
// loads, and the end reactions they make at the joints.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "document/listing_document.h"
#include "takedown/beam_lines.h"
#include "takedown/load_cases.h"
#include "takedown/load_parts.h"
#include "takedown/load_profile.h"
#include "takedown/tributary_areas.h"

namespace fp {

// What one panel puts on one beam.
struct PanelShare {
    std::size_t panel = 0;  // into the level's panels
    PanelSide side = PanelSide::LowZ;
    SideShape shape = SideShape::None;
    // kN/m along the beam from its start, for 1 kN/m² over the panel.
    LoadProfile unit;
};

// A uniform member load on a beam, kN/m as written.
struct BeamMemberLoad {
    double value = 0;
    std::size_t caseIndex = 0;
    long line = 0;
};

// A member the level's framing joins, designed or not.
struct BeamTakedown {
    int32_t member = 0;
    bool alongX = true;
    GridPoint from;
    GridPoint to;
    PlanPoint start;
    PlanPoint end;
    double length = 0;  // metres between its joints
    // The plan draws it; only a drawn beam's member loads are taken.
    bool drawn = false;
    std::vector<PanelShare> panels;
    std::vector<BeamMemberLoad> memberLoads;
    // Its end reactions as a simply supported span, by their sources.
    LoadParts startReaction;
    LoadParts endReaction;
};

// A part of a panel's side with no member along it: the load it would take has no beam.
struct SideGap {
    std::size_t panel = 0;
    PanelSide side = PanelSide::LowZ;
    PlanPoint from;
    PlanPoint to;
    LoadParts load;
};

struct LevelTakedown {
    int level = 0;
    float height = 0;  // hundredths of a metre
    // The level passes a drawing limit: its panels and member loads are left out (the limit
    // says why); loads reaching it from above still go down through it.
    std::optional<ListingError> limit;
    std::vector<BeamTakedown> beams;
    // The panels' intensities by case, kN/m².
    std::vector<CaseValues> panelIntensities;
    std::vector<SideGap> gaps;
    // By case, kN: the floor loads on its panels (area times intensity) and the member loads on
    // its drawn beams (value times length); 0 past a limit.
    CaseValues floorLoad;
    CaseValues memberLoad;

    // The beam of a member; null when the member is no beam of the level.
    const BeamTakedown* beam(int32_t member) const;
};

// The level's beams with their loads and reactions. The lowest level has none.
LevelTakedown takeLevel(const ListingDocument& document, int level, const LoadCases& cases,
                        double oneWayRatio);

// The slab's load along the beam for a case or combination, kN/m.
LoadProfile slabProfile(const LevelTakedown& level, const BeamTakedown& beam,
                        const LoadCases& cases, const LoadChoice& choice);
// The beam's member loads for a case or combination, kN/m.
double memberLoadValue(const BeamTakedown& beam, const LoadCases& cases, const LoadChoice& choice);

}  // namespace fp
