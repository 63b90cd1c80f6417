// Joints by number. A listing may write a joint number twice; the joint written first is the one
// the number names, for the reader orienting members as for every plan, check and comparison.
#pragma once

#include <cstdint>
#include <unordered_map>

#include "model/records.h"

namespace fp {

class JointIndex {
  public:
    JointIndex() = default;
    // `joints` must outlive the index and keep its records where they are.
    explicit JointIndex(const JointList& joints);

    // The joint a number names; null when the listing has none of that number.
    const Joint* find(int32_t number) const;
    // Whether `joint` is the one its number names, and not a later joint of the same number.
    bool names(const Joint& joint) const { return find(joint.number) == &joint; }

  private:
    std::unordered_map<int32_t, const Joint*> first_;
};

}  // namespace fp
