// What follows the panel's size: the rows of intensity boxes, the plan area, the level column,
// and the member-load label, which stays over the plan.
#include <QResizeEvent>
#include <algorithm>

#include "window/plan_panel.h"

namespace fp {
namespace {

// The designed plan area: 650 twips from the left, 500 from the top, 1200 twips narrower and
// lower than the panel.
constexpr double kPlanLeftTwips = 650;
constexpr double kPlanTopTwips = 500;
constexpr double kPlanMarginTwips = 1200;
// The designed intensity boxes: 900 twips apart from the first, beside "Chk All"; further rows
// of them one box lower each.
constexpr double kIntensityBoxSpacingTwips = 900;
constexpr double kIntensityRowTwips = 255;

}  // namespace

void PlanPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutControls();
    if (document_) {
        drawPlan();
    }
}

void PlanPanel::layoutControls() {
    const double extraRows = placeIntensityBoxes();
    const double top = kPlanTopTwips + extraRows * kIntensityRowTwips;
    const double height = heightTwips() - kPlanMarginTwips - extraRows * kIntensityRowTwips;
    const double bottom = top + height;
    const double scrollBar = levelColumn->place(levelLabels, heightTwips(), top, bottom);
    planArea->setTwipsGeometry(
        {kPlanLeftTwips + scrollBar, top, widthTwips() - kPlanMarginTwips - scrollBar, height});
    keepMemberLoadsOverPlan();
    levelColumn->keepInView(levelLabel(level_));
}

// Returns the number of rows beyond the designed one.
double PlanPanel::placeIntensityBoxes() {
    const TwipsRect first = allIntensitiesBox->twipsGeometry();
    const double rowStart = first.left + kIntensityBoxSpacingTwips;
    TwipsRect place = first;
    place.left = rowStart;
    int rows = 0;
    for (PlacedCheckBox* box : intensityBoxes) {
        // A box whose mark and caption would not show whole starts another row.
        const double needed = scale_.toTwips(box->sizeHint().width());
        if (place.left > rowStart && place.left + needed > widthTwips()) {
            ++rows;
            place.left = rowStart;
            place.top += kIntensityRowTwips;
        }
        // The last box of a row ends at the panel's edge rather than past it.
        TwipsRect boxPlace = place;
        boxPlace.width = std::min(first.width, widthTwips() - place.left);
        box->setTwipsGeometry(boxPlace);
        place.left += kIntensityBoxSpacingTwips;
    }
    return rows;
}

void PlanPanel::keepMemberLoadsOverPlan() {
    const TwipsRect plan = planArea->twipsGeometry();
    const TwipsRect label = memberLoadsLabel->twipsGeometry();
    const double rightmost = std::max(plan.left, plan.left + plan.width - label.width);
    const double left = std::clamp(label.left, plan.left, rightmost);
    if (left != label.left) {
        memberLoadsLabel->moveToTwipsLeft(left);
    }
}

void PlanPanel::memberLoadsPressed(QPointF positionTwips) {
    dragStartX_ = static_cast<float>(positionTwips.x());
}

void PlanPanel::memberLoadsDragged(Qt::MouseButtons buttons, QPointF positionTwips) {
    if (buttons != Qt::LeftButton) {
        return;
    }
    // The panel measures in twips, as the label's positions are, so no conversion is needed.
    const double moved = positionTwips.x() - dragStartX_;
    memberLoadsLabel->moveToTwipsLeft(memberLoadsLabel->twipsGeometry().left + moved);
    keepMemberLoadsOverPlan();
}

}  // namespace fp
