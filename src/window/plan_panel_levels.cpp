// Level selection and view options: every change ends in one redraw of the level on show.
#include <QPainter>
#include <algorithm>

#include "document/startup_texts.h"
#include "model/listing_error.h"
#include "plan/level_drawing.h"
#include "render/decimal_separator.h"
#include "render/listing_qstring.h"
#include "render/qt_surface.h"
#include "window/plan_message.h"
#include "window/plan_panel.h"

namespace fp {
namespace {

// Page Up and Page Down step this many levels.
constexpr int kLevelPage = 5;

}  // namespace

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
        levelColumn->keepInView(chosen);
    }
    level_ = level;
    highlighted_ = 0;
    drawPlan();
    if (level >= 1) {
        levelHeightLabel->setText(
            QString::fromStdString(levelCaption(*document_, level, userDecimalSeparator())));
    }
    emit levelShown();
}

void PlanPanel::viewChanged() {
    highlighted_ = 0;
    if (document_) {
        drawPlan();
    }
}

void PlanPanel::drawPlan() {
    QPainter painter(&planArea->image());
    const QRectF area(QPointF(0, 0), planArea->image().deviceIndependentSize());
    QtSurface surface(painter, area);
    const PlanFrame frame = planArea->frame();
    surface.setScale(frame.left, frame.top, frame.right, frame.bottom);
    planMessage_.clear();
    const PlanView shown = view();
    bool drawn = true;
    try {
        // The beams, then in floor-load mode the panels' floor loads over them.
        boxes_ = document_ ? drawLevel(*document_, shown, surface) : PickBoxes{};
    } catch (const ListingError& failure) {
        // The level cannot be drawn; the rest of the listing can, so the message takes the
        // plan's place and every other level stays within reach.
        drawn = false;
        boxes_.clear();
        planMessage_ = qStringFromListing(failure.inListing(document_->name).what());
        surface.clear();
        writePlanMessage(painter, area, planMessage_);
    }
    pointerFacts_.levelDrawn(document_.get(), shown, boxes_, drawn);
    drawHighlight(painter, surface);
    painter.end();
    ++plansDrawn_;
    planArea->update();
}

void PlanPanel::stepLevel(int key) {
    const int levels = document_ ? document_->levelCount() : 0;
    // A listing without joints has no level to step to.
    if (levels == 0) {
        return;
    }
    int level = level_;
    switch (key) {
        case Qt::Key_Up:
            level += 1;
            break;
        case Qt::Key_Down:
            level -= 1;
            break;
        case Qt::Key_PageUp:
            level += kLevelPage;
            break;
        case Qt::Key_PageDown:
            level -= kLevelPage;
            break;
        case Qt::Key_Home:
            level = levels;
            break;
        case Qt::Key_End:
            level = 1;
            break;
        default:
            return;
    }
    selectLevel(std::clamp(level, 1, levels));
}

void PlanPanel::setMemberNumbersBeside(bool beside) {
    setMenuOption(memberNumbersBeside_, beside);
}

void PlanPanel::setMemberLoadsOnBeams(bool on) {
    setMenuOption(memberLoadsOnBeams_, on);
}

void PlanPanel::setMarkPanelsWithoutLoad(bool on) {
    setMenuOption(markPanelsWithoutLoad_, on);
}

void PlanPanel::setMenuOption(bool& option, bool on) {
    option = on;
    if (document_) {
        selectLevel(level_);
    }
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

}  // namespace fp
