// Columns drawn at their joints.
#include "plan/columns.h"

#include "plan/label_form_writer.h"
#include "plan/text_placement.h"

namespace fp {
namespace {

// A column's square is this share of a digit's width across, each side of the joint.
constexpr double kHalfSideDigits = 0.4;

}  // namespace

double columnHalfSide(Surface& surface) {
    return kHalfSideDigits * surface.textWidth("8");
}

std::string columnLabel(const LevelColumn& column) {
    return "C: " + std::to_string(column.member);
}

void drawColumns(const ListingDocument& document, const PlanView& view, Surface& surface,
                 PlanLabels& labels) {
    const std::vector<LevelColumn>& columns = document.level(view.level).columns;
    if (columns.empty()) {
        return;
    }
    surface.startPart(PlanPart::Columns);
    const double half = columnHalfSide(surface);
    const double down = half * surface.verticalPerHorizontal();
    for (const LevelColumn& column : columns) {
        surface.fillSquare(column.x, column.z, half);
        labels.addObstacle({column.x - half, column.z - down, column.x + half, column.z + down},
                           ObstacleKind::Line);
    }
    if (view.mode != LoadMode::Member) {
        return;
    }
    LabelFormWriter writer(surface);
    const double digit = surface.textWidth("8");
    for (const LevelColumn& column : columns) {
        writeAligned(writer, columnLabel(column), static_cast<float>(column.x + 1.5 * half),
                     static_cast<float>(column.z + half), Alignment::Left);
        PlanLabel label;
        label.part = PlanPart::Columns;
        label.rule = CandidateRule::AroundPoint;
        label.feature = {column.x - half, column.z - down, column.x + half, column.z + down};
        label.forms.push_back(writer.take());
        // Its own width and two digits each side of the column, two lines above and below.
        const PlanRect& box = label.forms.front().box;
        const double across = box.width() + 2 * digit;
        const double along = 2 * box.height() + down;
        label.home = {column.x - across, column.z - along, column.x + across, column.z + along};
        labels.add(std::move(label));
    }
}

}  // namespace fp
