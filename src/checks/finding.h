// What a check of a listing finds: a mistake in its loads or a sign that it is incomplete, with
// where it is on the plan and in the listing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/case_number.h"
#include "structure/panel_bounds.h"

namespace fp {

// Every kind a check reports, in the order findings of one level are listed.
enum class FindingKind {
    ListingCutShort,          // the listing ends early: no FINISH, or a last line cut off
    EchoLinesMissing,         // the input echo's numbers jump
    NoDesignOutput,           // no beam design block at all
    BeamWithoutDesign,        // a beam with no design block while others have one
    JointOffGridLine,         // a joint a little off the grid line its members otherwise run on
    LoadBeforeFirstCase,      // a load before the first load-case header
    EmptyLoadCase,            // a load-case header with no command under it
    FloorLoadOnNoLevel,       // a floor load whose Y range meets no level
    FloorLoadOnNoPanel,       // a floor load that covers no panel of any level, whole or in part
    PartialFloorLoad,         // a floor load that covers a panel only in part
    PanelMissedByCase,        // a case loads most panels of a level but not this one
    PanelLoadedTwice,         // two floor-load lines of one case act on one panel
    FloorLoadNotShown,        // a floor load acting upward or in another direction than GY
    MemberLoadOnNoMember,     // a member load names a member the listing does not have
    MemberLoadOnColumn,       // a member load names a column
    MemberLoadOnUndrawnBeam,  // a member load names a beam no plan draws
    MemberLoadNotShown,       // a member load other than a downward uniform one in GY
    LoadWithoutColumn,        // a load at a joint from which no column is reached
    BeamEndOnNothing,         // a beam end with no column below and nothing else meeting it
    PanelSideWithoutBeam,     // a part of a panel's side with no beam along it
    LevelNotChecked,          // a level past a drawing limit
};

enum class Severity { Warning, Note };

// Where a finding lies on the plan, in metres.
struct FindingPlace {
    enum class Kind {
        None,   // the listing as a whole
        Panel,  // a slab panel, by its edges
        Beam,   // a beam, from (x1, z1) to (x2, z2)
        Range,  // a load's X and Z ranges
    };
    Kind kind = Kind::None;
    double x1 = 0;
    double x2 = 0;
    double z1 = 0;
    double z2 = 0;
    int member = 0;  // the beam's member number

    static FindingPlace panel(const PanelBounds& bounds);
    static FindingPlace beam(int member, double x1, double z1, double x2, double z2);
    static FindingPlace range(double x1, double x2, double z1, double z2);
    // Whether the place is this panel, exactly.
    bool isPanel(const PanelBounds& bounds) const;
};

// A number the finding is about, with its name and unit: "share covered" 0.5 "", "load" 90 "kN".
struct FindingNumber {
    std::string name;
    double value = 0;
    std::string unit;
};

struct Finding {
    FindingKind kind = FindingKind::ListingCutShort;
    Severity severity = Severity::Warning;
    // The level (1 .. levelCount()), 0 for a finding about the listing as a whole.
    int level = 0;
    FindingPlace place;
    // The listing lines it comes from, counted from 1 as messages give them.
    std::vector<long> lines;
    // The load case's number as written; empty when none is concerned.
    CaseNumber caseNumber;
    std::vector<FindingNumber> numbers;
    // What is wrong and what to check, as UTF-8.
    std::string sentence;
};

// The one finding that tells of `count` more findings of `kind` not listed one by one: "`count`
// more `what` are not listed one by one."
Finding findingsLeftOut(FindingKind kind, long count, const std::string& what);

// The kind's stable name for scripts: "partial-floor-load".
std::string_view kindName(FindingKind kind);
// The kind as a heading for people: "Floor load covering a panel in part".
std::string_view kindTitle(FindingKind kind);
// "warning" or "note".
std::string_view severityName(Severity severity);

// The counts of warnings and notes among `findings`.
struct FindingCounts {
    int warnings = 0;
    int notes = 0;
};
FindingCounts countFindings(const std::vector<Finding>& findings);
// "2 warnings, 1 note".
std::string findingCountsText(const FindingCounts& counts);

// Orders findings by level (the listing as a whole first), then kind, then first listing line.
void sortFindings(std::vector<Finding>& findings);

// The findings whose place is this panel of `level`.
std::vector<Finding> findingsOnPanel(const std::vector<Finding>& findings, int level,
                                     const PanelBounds& bounds);

}  // namespace fp
