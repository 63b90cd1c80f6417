// Loads followed to the ground: every level's slab panels and member loads onto its beams, the
// beams' reactions into the columns (by the lever rule along the beam lines where a joint has no
// column below), and each column's load added up storey by storey down to its base.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/listing_document.h"
#include "takedown/level_takedown.h"
#include "takedown/load_cases.h"

namespace fp {

struct TakedownSettings {
    // A panel whose long span is at least this many times its short one is one-way.
    double oneWayRatio = kDefaultOneWayRatio;
};

// A share of another joint's load that reaches a column by the lever rule.
struct Inflow {
    GridPoint from;
    int32_t joint = 0;  // the joint's number
    PlanPoint at;
    double fraction = 0;
    bool alongX = true;
    bool cantilever = false;
    LoadParts load;
};

// A column below a level's joint: what reaches its top joint on the level, and what it carries.
struct ColumnTakedown {
    int32_t member = 0;
    int level = 0;        // of its top joint
    int bottomLevel = 0;  // of its bottom joint
    GridPoint point;
    PlanPoint at;
    int32_t topJoint = 0;
    int32_t bottomJoint = 0;
    // The reactions of the beams at its top joint (and a column standing there that another
    // column already continues).
    LoadParts direct;
    // Shares of other joints' loads, by the lever rule.
    std::vector<Inflow> inflows;
    // By case, kN: reaching its top joint on its level; in the column above it; in it.
    CaseValues added;
    CaseValues above;
    CaseValues below;
    std::optional<std::size_t> columnAbove;
    std::optional<std::size_t> columnBelow;
    std::size_t stack = 0;
};

// Where a stack of columns ends.
enum class StackEnd {
    Base,         // a joint with no column below and no beam to take it: the foundations
    OnBeams,      // a joint with no column below, whose beams take its load to other columns
    Unsupported,  // a joint with no column below from which no beam line reaches a column
};

struct ColumnStack {
    // "C/4": its grid lines on the plan of its top level.
    std::string name;
    PlanPoint at;
    // Top first, into the takedown's columns.
    std::vector<std::size_t> columns;
    StackEnd end = StackEnd::Base;
    int endLevel = 0;  // of its bottom joint
};

enum class UnsupportedKind {
    Joint,      // a load at a joint from which no column is reached
    BeamEnd,    // the end of a beam that nothing else meets, with no column below it
    PanelSide,  // a part of a panel's side with no beam along it
};

// A load that finds no column: it stays where it is.
struct UnsupportedLoad {
    UnsupportedKind kind = UnsupportedKind::Joint;
    int level = 0;
    PlanPoint at;
    PlanPoint to;        // the far end of a panel side's gap; `at` for the others
    int32_t joint = 0;   // the joint's number; 0 for a panel side
    int32_t member = 0;  // the beam ending on nothing, or the column standing on the joint
    LoadParts load;
    CaseValues byCase;
    // Why it is unsupported, as a sentence's end: "no column stands below joint 121 ...".
    std::string why;
};

// The loads put on the structure against those that reach the ground, by case, kN.
struct Equilibrium {
    // Area times intensity over the panels of the levels taken down.
    CaseValues floor;
    // Each drawn beam's member loads times its length.
    CaseValues member;
    CaseValues bases;
    CaseValues unsupported;
    // Levels past a drawing limit, whose own loads are not in it.
    std::vector<int> levelsLeftOut;
    // By case: the lines of floor loads not taken whole by panels (acting on none, or covering
    // one in part), which frameplan check reports.
    std::vector<std::vector<long>> floorLoadsMissed;

    double applied(std::size_t caseIndex) const {
        return floor.at(caseIndex) + member.at(caseIndex);
    }
    double reached(std::size_t caseIndex) const {
        return bases.at(caseIndex) + unsupported.at(caseIndex);
    }
};

struct Takedown {
    LoadCases cases;
    double oneWayRatio = kDefaultOneWayRatio;
    // The listing has a vertical member somewhere.
    bool hasColumns = false;
    // Level n at n - 1.
    std::vector<LevelTakedown> levels;
    std::vector<ColumnTakedown> columns;
    // Ordered by name.
    std::vector<ColumnStack> stacks;
    std::vector<UnsupportedLoad> unsupported;
    Equilibrium equilibrium;

    const LevelTakedown* level(int level) const;
    // The column below the joint of a level at a plan position; null when none.
    const ColumnTakedown* columnBelow(int level, const PlanPoint& at) const;
    // The columns below the level's joints, into `columns`.
    const std::vector<std::size_t>& columnsOf(int level) const;

    std::vector<std::vector<std::size_t>> columnsByLevel;
};

Takedown takeDown(const ListingDocument& document, const TakedownSettings& settings = {});

// The takedown at the default settings, worked out on first use and kept with the document: the
// plan's column loads, the window's docks and the check all ask for this one.
const Takedown& documentTakedown(const ListingDocument& document);

}  // namespace fp
