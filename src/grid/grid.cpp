// Builds the coordinate grid from the joints.
#include "grid/grid.h"

#include <algorithm>
#include <vector>

#include "model/joint_index.h"

namespace fp {
Grid buildGrid(const JointList& joints) {
    // A later joint of a number already written is no joint of the structure.
    const JointIndex index(joints);
    std::vector<const Joint*> named;
    named.reserve(joints.size());
    for (const Joint& joint : joints) {
        if (index.names(joint)) {
            named.push_back(&joint);
        }
    }
    Grid grid;
    for (const Joint* joint : named) {
        grid.x.addIfAbsent(joint->x);
        grid.y.addIfAbsent(joint->y);
        grid.z.addIfAbsent(joint->z);
    }
    grid.x.sortAscending();
    grid.y.sortAscending();
    grid.z.sortAscending();

    grid.joints = GridMap<int16_t>(grid.x.count(), grid.y.count(), grid.z.count());
    // In reading order, so that of several joints at one point the last one stays.
    for (const Joint* joint : named) {
        grid.joints.at(grid.x.lineOf(joint->x), grid.y.lineOf(joint->y), grid.z.lineOf(joint->z)) =
            joint->number;
    }
    return grid;
}

}  // namespace fp
