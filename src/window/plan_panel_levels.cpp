// Level selection and view options: every change ends in one redraw of the level on show.
#include <QPainter>

#include "document/startup_texts.h"
#include "model/listing_error.h"
#include "model/text_encoding.h"
#include "panels/level_drawing.h"
#include "render/decimal_separator.h"
#include "render/qt_surface.h"
#include "window/plan_message.h"
#include "window/plan_panel.h"

namespace fp {

PlacedLabel* PlanPanel::levelLabel(int level) const {
    return level >= 1 && level <= static_cast<int>(levelLabels.size())
               ? levelLabels[static_cast<std::size_t>(level - 1)]
               : nullptr;
}

void PlanPanel::selectLevel(int level) {
    if (PlacedLabel* previous = levelLabel(level_)) {
        previous->setMarked(false);
    }
    if (PlacedLabel* chosen = levelLabel(level)) {
        chosen->setMarked(true);
    }
    level_ = level;
    drawPlan();
    if (level >= 1) {
        levelHeightLabel->setText(
            QString::fromStdString(levelCaption(*document_, level, userDecimalSeparator())));
    }
}

void PlanPanel::drawPlan() {
    QPainter painter(&planArea->image());
    const QRectF area(QPointF(0, 0), planArea->image().deviceIndependentSize());
    QtSurface surface(painter, area);
    const PlanFrame& frame = planArea->frame();
    surface.setScale(frame.left, frame.top, frame.right, frame.bottom);
    planMessage_.clear();
    try {
        // The beams, then in floor-load mode the panels' floor loads over them.
        boxes_ = document_ ? drawLevel(*document_, view(), surface) : PickBoxes{};
    } catch (const ListingError& failure) {
        // The level cannot be drawn; the rest of the listing can, so the message takes the
        // plan's place and every other level stays within reach.
        boxes_.clear();
        planMessage_ =
            QString::fromStdString(utf8FromListingText(failure.inListing(document_->name).what()));
        surface.clear();
        writePlanMessage(painter, area, planMessage_);
    }
    painter.end();
    ++plansDrawn_;
    planArea->update();
}

void PlanPanel::stepLevel(int key) {
    const int levels = document_ ? document_->levelCount() : 0;
    // A listing without joints has no level to step to.
    if ((key != Qt::Key_Up && key != Qt::Key_Down) || levels == 0) {
        return;
    }
    const int level = key == Qt::Key_Up ? std::min(level_ + 1, levels) : std::max(level_ - 1, 1);
    selectLevel(level);
}

void PlanPanel::annotationClicked() {
    selectLevel(level_);
    planArea->setFocus(Qt::OtherFocusReason);
}

void PlanPanel::allIntensitiesClicked() {
    for (PlacedCheckBox* box : intensityBoxes) {
        box->setState(allIntensitiesBox->checkState());
    }
    annotationClicked();
}

// A release of the right button changes no selection, so LOAD TYPE follows the mode actually
// selected: enabled exactly in floor-load mode, whichever button was released over which option.
void PlanPanel::floorLoadReleased() {
    loadTypeBox->setEnabled(!memberLoadOption->isChecked());
    selectLevel(level_);
    planArea->setFocus(Qt::OtherFocusReason);
    showModeControls();
}

void PlanPanel::memberLoadReleased() {
    loadTypeBox->setEnabled(!memberLoadOption->isChecked());
    showModeControls();
    selectLevel(level_);
    planArea->setFocus(Qt::OtherFocusReason);
}

void PlanPanel::showModeControls() {
    const bool memberMode = memberLoadOption->isChecked();
    allIntensitiesBox->setVisible(!memberMode);
    for (PlacedCheckBox* box : intensityBoxes) {
        box->setVisible(!memberMode);
    }
    memberLoadsLabel->setVisible(memberMode);
    beamNumbersBox->setVisible(memberMode);
}

void PlanPanel::planPressed(QPointF planPoint) {
    const int serial =
        beamAt(boxes_, static_cast<float>(planPoint.x()), static_cast<float>(planPoint.y()));
    if (serial > 0) {
        emit beamPicked(serial);
    }
}

void PlanPanel::memberLoadsPressed(QPointF positionTwips) {
    dragStartX_ = static_cast<float>(positionTwips.x());
}

void PlanPanel::memberLoadsDragged(Qt::MouseButtons buttons, QPointF positionTwips) {
    if (buttons != Qt::LeftButton) {
        return;
    }
    // The window measures in twips, as the label's positions are, so no conversion is needed.
    const double moved = positionTwips.x() - dragStartX_;
    memberLoadsLabel->moveToTwipsLeft(memberLoadsLabel->twipsGeometry().left + moved);
}

}  // namespace fp
