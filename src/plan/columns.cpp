// Columns found from the members and drawn at their joints.
#include "plan/columns.h"

#include <map>
#include <unordered_map>

#include "plan/text_placement.h"

namespace fp {
namespace {

// A column's square is this share of a digit's width across, each side of the joint.
constexpr double kHalfSideDigits = 0.4;

}  // namespace

std::vector<LevelColumn> columnsOfLevel(const ListingDocument& document, int level) {
    if (level < 1 || level > document.levelCount()) {
        return {};
    }
    // Where a number is given twice, the joint read last stands, as on the grid.
    std::unordered_map<int32_t, Joint> joints;
    for (const Joint& joint : document.joints) {
        joints[joint.number] = joint;
    }
    const float height = document.levelHeight(level);
    // By grid point, so that the order does not depend on the order of the members.
    std::map<std::pair<float, float>, LevelColumn> found;
    for (const Member& member : document.members) {
        const auto start = joints.find(member.start);
        const auto end = joints.find(member.end);
        if (start == joints.end() || end == joints.end()) {
            continue;
        }
        const Joint& lower = start->second;
        const Joint& upper = end->second;
        if (lower.x != upper.x || lower.z != upper.z || lower.y == upper.y) {
            continue;
        }
        const bool fromBelow = upper.y == height;
        if (!fromBelow && lower.y != height) {
            continue;
        }
        const std::pair<float, float> point{lower.x, lower.z};
        const auto known = found.find(point);
        // A column from below wins over one from above; among equals the first member read.
        if (known == found.end() || (fromBelow && !known->second.fromBelow)) {
            found[point] = {static_cast<float>(lower.x), static_cast<float>(lower.z), member.number,
                            fromBelow};
        }
    }
    std::vector<LevelColumn> columns;
    columns.reserve(found.size());
    for (const auto& [point, column] : found) {
        columns.push_back(column);
    }
    return columns;
}

std::string columnLabel(const LevelColumn& column) {
    return "C: " + std::to_string(column.member);
}

void drawColumns(const ListingDocument& document, const PlanView& view, Surface& surface) {
    const std::vector<LevelColumn> columns = columnsOfLevel(document, view.level);
    if (columns.empty()) {
        return;
    }
    surface.startPart(PlanPart::Columns);
    const double half = kHalfSideDigits * surface.textWidth("8");
    for (const LevelColumn& column : columns) {
        surface.fillSquare(column.x, column.z, half);
    }
    if (view.mode != LoadMode::Member) {
        return;
    }
    for (const LevelColumn& column : columns) {
        writeAligned(surface, columnLabel(column), static_cast<float>(column.x + 1.5 * half),
                     static_cast<float>(column.z + half), Alignment::Left);
    }
}

}  // namespace fp
