// Everything a level's plan is made of, worked out once: its beams, its slab panels with the
// floor loads acting on them, and its columns.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "grid/grid.h"
#include "model/case_number.h"
#include "model/joint_index.h"
#include "model/listing_error.h"
#include "model/records.h"
#include "structure/level_framing.h"
#include "structure/panel_bounds.h"
#include "structure/panel_scan.h"

namespace fp {

inline constexpr std::size_t kMaxBeamsOnALevel = 300;
inline constexpr std::size_t kMaxPanelsOnALevel = 200;
inline constexpr std::size_t kMaxLoadsOnAPanel = 10;

// A point of a plan, in hundredths of a metre.
struct PlanPoint {
    float x = 0;
    float z = 0;
    friend bool operator==(const PlanPoint&, const PlanPoint&) = default;
};

// A designed beam of a level's plan, leaving the joint at (x, z) (hundredths of a metre).
struct LevelBeam {
    BeamDirection direction = BeamDirection::PlusX;
    DesignRowNumber designRow = 0;
    int32_t member = 0;
    int32_t lengthMm = 0;  // as printed in its design block
    float x = 0;
    float z = 0;
    // The next joint of the level along its grid line, where the member ends.
    PlanPoint farJoint;
    long designLine = 0;  // of its design block's "B E A M  N O." header

    PlanPoint start() const { return {x, z}; }
    // The plan draws a beam at its printed length, in hundredths of a metre, whatever the
    // distance to its far joint.
    float drawnLength() const { return static_cast<float>(lengthMm) / 10; }
    // Where the plan draws its far end.
    PlanPoint drawnEnd() const;
};

// A floor load acting on a panel.
struct ActingLoad {
    float intensity = 0;
    CaseNumber caseNumber;
    long line = 0;  // of the floor load's YRANGE line in the listing
};

struct LevelPanel {
    SlabPanel lines;
    PanelBounds bounds;
    // In the order of the listing's floor loads, equal intensities included.
    std::vector<ActingLoad> loads;

    double area() const { return bounds.area(); }
};

// A joint of the level that a vertical member reaches, at (x, z) in plan units.
struct LevelColumn {
    float x = 0;
    float z = 0;
    // The column below the joint where there is one, else the one above.
    int32_t member = 0;
    // Whether that member stands below the joint.
    bool fromBelow = false;
};

struct LevelModel {
    int level = 0;
    float height = 0;  // hundredths of a metre
    // The designed beams in serial order: serial number k is element k - 1. Empty when the level
    // has more beams than a plan shows (beamsError says so).
    std::vector<LevelBeam> beams;
    // Every member the framing joins on the level, designed or not, in plan order.
    std::vector<FramedMember> framed;
    // In the order of the panel scan. Empty when the level has more panels than a plan shows,
    // or a panel more floor loads (panelsError says so).
    std::vector<LevelPanel> panels;
    // By X line, then by Z line.
    std::vector<LevelColumn> columns;
    std::optional<ListingError> beamsError;
    std::optional<ListingError> panelsError;

    // The first drawing limit the level passes, beams before panels; none within them.
    const std::optional<ListingError>& limitError() const {
        return beamsError ? beamsError : panelsError;
    }
    // Throws limitError() when there is one.
    void requireDrawable() const;
    // Throws panelsError when there is one.
    void requirePanels() const;

    // The serial number of the beam of a member; 0 when no beam of the plan is that member.
    int serialOf(int32_t member) const;
    // The first panel holding the point (plan units), edges included; null when none.
    const LevelPanel* panelAt(double x, double z) const;
    // The panel of these bounds; null when none.
    const LevelPanel* panelWithBounds(const PanelBounds& bounds) const;
};

// What a level is built from: the listing's records, the grid of its joints, and the lookups
// made once for every level.
struct LevelSources {
    const Grid& grid;
    const MemberList& members;
    const DesignRowList& designRows;
    const FloorLoadList& floorLoads;
    const JointIndex& joints;
    const MemberJoins& joins;
};

// The level (1 .. the grid's level count), with its limits found rather than thrown.
LevelModel buildLevel(const LevelSources& sources, int level);

}  // namespace fp
