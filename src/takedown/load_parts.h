// A load told by where it comes from: each floor load and member load by its listing line, and
// the load of a column standing on a joint, each with its load case.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "takedown/case_values.h"

namespace fp {

enum class LoadSource {
    FloorLoad,    // a floor load's YRANGE line, through the panels it acts on
    MemberLoad,   // a member load's line, on the beams it names
    ColumnAbove,  // the load in a column standing on the joint, with no column below it
};

struct LoadPart {
    LoadSource source = LoadSource::FloorLoad;
    long line = 0;              // of the floor or member load; 0 for a column's load
    std::size_t caseIndex = 0;  // into the takedown's load cases
    int32_t member = 0;         // the column, for a column's load
    double kN = 0;
};

// The parts of one load, one part for each source, line, case and column.
class LoadParts {
  public:
    // Adds the part, to the part of the same source, line, case and column when there is one.
    void add(const LoadPart& part);
    // Adds every part of `other`, each times `factor`.
    void addScaled(const LoadParts& other, double factor);

    const std::vector<LoadPart>& parts() const { return parts_; }
    bool empty() const { return parts_.empty(); }
    // The load of each case.
    CaseValues byCase() const;

  private:
    // In the order of source, line, case and column.
    std::vector<LoadPart> parts_;
};

}  // namespace fp
