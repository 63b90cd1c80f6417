// The reader's last step: every member runs from its lower joint to its higher one.
#include <cstdint>
#include <limits>
#include <vector>

#include "reader/listing_passes.h"

namespace fp {
namespace {

constexpr int kNumbers = std::numeric_limits<uint16_t>::max() + 1;
constexpr int kOffset = -std::numeric_limits<int16_t>::min();

// The first joint row of every joint number, 0 where a number has none; built once so that
// each member's ends are found at once instead of by a scan of the joint table.
std::vector<int16_t> firstRowByNumber(const ModelStore& model) {
    std::vector<int16_t> rows(kNumbers, 0);
    for (int row = model.JointCount; row >= 1; --row) {
        rows[static_cast<std::size_t>(model.JointTable.at(row, 0) + kOffset)] =
            static_cast<int16_t>(row);
    }
    return rows;
}

// The row of joint `number`; 0 (a joint at the origin) when there is none. A number outside
// the 16-bit range names no joint.
int rowOf(const std::vector<int16_t>& rows, int32_t number) {
    if (number < std::numeric_limits<int16_t>::min() ||
        number > std::numeric_limits<int16_t>::max()) {
        return 0;
    }
    return rows[static_cast<std::size_t>(number + kOffset)];
}

}  // namespace

void OrientMembers(ModelStore& model) {
    const std::vector<int16_t> rows = firstRowByNumber(model);
    for (int member = 1; member <= model.MemberCount; ++member) {
        const int32_t start = model.MemberTable.at(member, 1);
        const int32_t end = model.MemberTable.at(member, 2);
        const int startRow = rowOf(rows, start);
        const int endRow = rowOf(rows, end);
        bool lowerFirst = true;
        for (int axis = 1; axis <= 3; ++axis) {
            const int16_t startValue = startRow > 0 ? model.JointTable.at(startRow, axis) : 0;
            const int16_t endValue = endRow > 0 ? model.JointTable.at(endRow, axis) : 0;
            lowerFirst = lowerFirst && !(startValue > endValue);
        }
        if (!lowerFirst) {
            model.MemberTable.at(member, 1) = end;
            model.MemberTable.at(member, 2) = start;
        }
    }
}

}  // namespace fp
