// The first joint of every number, found at once.
#include "model/joint_index.h"

namespace fp {

JointIndex::JointIndex(const JointList& joints) {
    first_.reserve(joints.size());
    for (const Joint& joint : joints) {
        first_.try_emplace(joint.number, &joint);
    }
}

const Joint* JointIndex::find(int32_t number) const {
    const auto found = first_.find(number);
    return found != first_.end() ? found->second : nullptr;
}

}  // namespace fp
