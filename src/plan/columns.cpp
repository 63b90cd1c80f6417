// Columns drawn at their joints.
#include "plan/columns.h"

#include "plan/text_placement.h"

namespace fp {
namespace {

// A column's square is this share of a digit's width across, each side of the joint.
constexpr double kHalfSideDigits = 0.4;

}  // namespace

std::string columnLabel(const LevelColumn& column) {
    return "C: " + std::to_string(column.member);
}

void drawColumns(const ListingDocument& document, const PlanView& view, Surface& surface) {
    const std::vector<LevelColumn>& columns = document.level(view.level).columns;
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
