// What changed between two listings of one building, matched by geometry rather than numbering:
// levels by height, beams by their ends, panels by their bounds, members by their joints' places.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "document/listing_document.h"
#include "reader/message_sink.h"

namespace fp {

// Where a change stands: a line of the old listing and one of the new, 0 where it has none.
struct ListingLines {
    long oldLine = 0;
    long newLine = 0;
};

enum class ChangeKind { Added, Removed, Renumbered, Resized, Retitled };

// A beam's place on its level, by which the two listings' beams are matched: from its start
// joint to the next joint of its level along its grid line, +X or +Z.
struct BeamPlace {
    PlanPoint from;
    PlanPoint to;
    friend bool operator==(const BeamPlace&, const BeamPlace&) = default;
};

// Where a beam of a level stands.
BeamPlace placeOf(const LevelBeam& beam);

// Added, Removed, Renumbered (same ends, another member) or Resized (another design length). A
// beam both renumbered and resized has one change of each kind.
struct BeamChange {
    ChangeKind kind = ChangeKind::Added;
    BeamPlace place;
    // Where the plan draws the beam's far end, at its printed length: the new listing's beam,
    // or the old one's for a beam removed.
    PlanPoint drawnTo;
    int32_t oldMember = 0;
    int32_t newMember = 0;
    int32_t oldLengthMm = 0;
    int32_t newLengthMm = 0;
    ListingLines lines;  // of the design blocks
};

// Added or Removed: a bay split or merged gives both.
struct PanelChange {
    ChangeKind kind = ChangeKind::Added;
    PanelBounds bounds;
};

// One load case's floor load on a panel present in both listings; intensities in kN/m², 0 where
// none of the case acts.
struct FloorLoadChange {
    PanelBounds bounds;
    std::string caseNumber;
    double oldIntensity = 0;
    double newIntensity = 0;
    double changeKn = 0;  // area times the change of intensity
    ListingLines lines;   // of the first floor load of the case acting on the panel
};

// One load case's member loads on a beam present in both listings: the sum of the case's loads
// on the member in kN/m, 0 where it has none.
struct MemberLoadChange {
    BeamPlace place;
    PlanPoint drawnTo;  // of the new listing's beam, or the old one's for a beam removed
    // 0 for a beam the listing does not have at the place: its loads appear or disappear.
    int32_t oldMember = 0;
    int32_t newMember = 0;
    std::string caseNumber;
    double oldValue = 0;
    double newValue = 0;
    ListingLines lines;  // of the first load of the case on the member
};

// One load case's member loads on a member no plan draws as a beam (a column, a beam without a
// design block or of the lowest level, any other member), compared by the member's number: the
// sum in kN/m, 0 where it has none or a plan draws it in that listing.
struct OffPlanMemberLoadChange {
    int32_t member = 0;
    std::string caseNumber;
    double oldValue = 0;
    double newValue = 0;
    ListingLines lines;  // of the first load of the case on the member
};

// One load case's floor load on a level, in kN. The percentage is of the old load, none when
// that is 0.
struct TotalChange {
    std::string caseNumber;
    double oldLoad = 0;
    double newLoad = 0;
    std::optional<double> percent;
};

struct LevelComparison {
    float height = 0;  // hundredths of a metre
    // The level's number in each listing, 0 where that listing has no level at this height.
    int oldLevel = 0;
    int newLevel = 0;
    // Why the level could not be compared: past a drawing limit in either listing.
    std::vector<std::string> problems;
    std::vector<BeamChange> beams;
    std::vector<PanelChange> panels;
    std::vector<FloorLoadChange> floorLoads;
    std::vector<MemberLoadChange> memberLoads;
    std::vector<TotalChange> totals;

    // A level in one listing only, or one that could not be compared, is never the same.
    bool same() const;
};

// Added, Removed or Retitled (another title or load type under the same number).
struct LoadCaseChange {
    ChangeKind kind = ChangeKind::Added;
    std::string number;
    std::string oldText;  // "LOADTYPE Dead TITLE DEAD LOAD" as the header has it
    std::string newText;
    ListingLines lines;
};

// A joint of the same number at another place.
struct JointMove {
    Joint before;
    Joint after;
};

// A point of the model, in hundredths of a metre.
struct ModelPoint {
    int16_t x = 0;
    int16_t y = 0;
    int16_t z = 0;
    auto operator<=>(const ModelPoint&) const = default;
};

// Added, Removed or Renumbered: members matched by the places of their two joints, columns
// and beams alike.
struct MemberChange {
    ChangeKind kind = ChangeKind::Added;
    int32_t oldMember = 0;
    int32_t newMember = 0;
    ModelPoint start;
    ModelPoint end;
};

struct ListingComparison {
    std::string oldName;
    std::string newName;
    std::vector<LoadCaseChange> loadCases;
    std::vector<JointMove> joints;
    std::vector<MemberChange> members;
    // The loads the analysis applies to members outside every plan, which no level compares.
    std::vector<OffPlanMemberLoadChange> offPlanMemberLoads;
    // Every level of either listing (or the one asked for), lowest first, changed or not.
    std::vector<LevelComparison> levels;
    std::vector<ListingMessage> oldMessages;
    std::vector<ListingMessage> newMessages;
    // "Case 1 DEAD LOAD" for each load-case number with a header, the new listing's title first.
    std::map<std::string, std::string> caseNames;

    // "Case 1 DEAD LOAD", "Case 7" without a header, "No load case" for loads before any header.
    std::string caseName(const std::string& number) const;
    // Nothing differs: no change anywhere and the same messages.
    bool same() const;
};

struct ComparedListing {
    const ListingDocument& document;
    const std::vector<ListingMessage>& messages;
};

// Compares every level, or only the level at `onlyHeight` (hundredths of a metre) when given.
ListingComparison compareListings(const ComparedListing& before, const ComparedListing& after,
                                  std::optional<float> onlyHeight = std::nullopt);

}  // namespace fp
