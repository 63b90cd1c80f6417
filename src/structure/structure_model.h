// The facts about a listing's structure that plans, checks, comparisons and the window all ask
// for, each worked out by one rule and once: joints by number, members and their shapes, and each
// level's beams, panels and columns.
#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "model/joint_index.h"
#include "structure/level_model.h"
#include "structure/member_facts.h"

namespace fp {

// What the facts are worked out from; every part must outlive the model and keep its records
// where they are.
struct StructureRecords {
    const Grid& grid;
    const JointList& joints;
    const MemberList& members;
    const DesignRowList& designRows;
    const FloorLoadList& floorLoads;
};

// Works each fact out on first use and keeps it; safe to ask from several threads at once. The
// records are handed in with every question, so that the model may move with the document that
// holds them.
class StructureModel {
  public:
    explicit StructureModel(int levelCount);
    ~StructureModel();

    const JointIndex& joints(const StructureRecords& records) const;
    // The level (1 .. the level count), with the drawing limits it passes; an empty level for
    // any other number.
    const LevelModel& level(const StructureRecords& records, int level) const;
    // The first member of a number, as the listing's lookups take it.
    MemberFacts member(const StructureRecords& records, int32_t number) const;

  private:
    struct Lookups;
    const Lookups& lookups(const StructureRecords& records) const;

    mutable std::once_flag lookupsBuilt_;
    mutable std::unique_ptr<Lookups> lookups_;
    mutable std::vector<std::once_flag> levelsBuilt_;
    mutable std::vector<std::optional<LevelModel>> levels_;
};

}  // namespace fp
