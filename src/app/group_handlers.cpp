// Level selection and view options: every change ends in one redraw of the level on show.
#include <QPainter>

#include "app/decimal_separator.h"
#include "app/group_window.h"
#include "app/key_codes.h"
#include "app/qt_surface.h"
#include "panels/level_rendering.h"
#include "reader/startup_texts.h"

namespace fp {

void Group::Labyy_Click(int index) {
    Labyy.at(static_cast<std::size_t>(model_.CurrentLevel))->setBorderStyle(0);
    Labyy.at(static_cast<std::size_t>(index))->setBorderStyle(1);
    model_.CurrentLevel = static_cast<int16_t>(index);
    drawPlan(index);
    LabLvl->setCaption(QString::fromStdString(LevelCaption(model_, index, userDecimalSeparator())));
}

void Group::drawPlan(int level) {
    QPainter painter(&PicXZ->image());
    QtSurface surface(painter, QRectF(QPointF(0, 0), PicXZ->image().deviceIndependentSize()));
    const UserScale& frame = PicXZ->userScale();
    surface.setScale(frame.left, frame.top, frame.right, frame.bottom);
    // The beams, then in floor-load mode the panels' floor loads over them.
    renderLevel(model_, surface, viewState(), static_cast<int16_t>(level), boxes_,
                userDecimalSeparator());
    painter.end();
    ++plansDrawn_;
    PicXZ->refresh();
}

void Group::PicXZ_KeyDown(int keyCode) {
    const int levels = model_.GridY.count();
    // A listing without joints has no level to step to.
    if ((keyCode != kKeyUp && keyCode != kKeyDown) || levels == 0) {
        return;
    }
    Labyy.at(static_cast<std::size_t>(model_.CurrentLevel))->setBorderStyle(0);
    int level = model_.CurrentLevel;
    if (keyCode == kKeyUp) {
        level = level + 1 > levels ? levels : level + 1;
    } else {
        level = level - 1 < 1 ? 1 : level - 1;
    }
    model_.CurrentLevel = static_cast<int16_t>(level);
    Labyy_Click(level);
}

void Group::ChkBeeNos_Click() {
    Labyy_Click(model_.CurrentLevel);
    PicXZ->SetFocus();
}

void Group::ChkType_Click() {
    Labyy_Click(model_.CurrentLevel);
    PicXZ->SetFocus();
}

void Group::ChkUDL_Click(int index) {
    if (copyingChkAll_) {
        return;
    }
    if (index == 0) {
        // Each copied value raises that box's click; only the drawing after the last one
        // would stay on screen, so the level is drawn once, below.
        copyingChkAll_ = true;
        for (int i = 1; i <= model_.FloorIntensityList.count(); ++i) {
            ChkUDL.at(static_cast<std::size_t>(i))->setValue(ChkUDL[0]->Value());
        }
        copyingChkAll_ = false;
    }
    Labyy_Click(model_.CurrentLevel);
    PicXZ->SetFocus();
}

// A release of the right button changes no selection, so LOAD TYPE follows the mode actually
// selected: enabled exactly in floor-load mode, whichever button was released over which option.
void Group::OptFloor_MouseUp() {
    ChkType->setEnabled(!OptMemb->Value());
    Labyy_Click(model_.CurrentLevel);
    PicXZ->SetFocus();
    SetLoadModeControls();
}

void Group::OptMemb_MouseUp() {
    ChkType->setEnabled(!OptMemb->Value());
    SetLoadModeControls();
    Labyy_Click(model_.CurrentLevel);
    PicXZ->SetFocus();
}

void Group::SetLoadModeControls() {
    const bool memberMode = OptMemb->Value();
    for (int i = 0; i <= model_.FloorIntensityList.count(); ++i) {
        ChkUDL.at(static_cast<std::size_t>(i))->setVisible(!memberMode);
    }
    LabMlloads->setVisible(memberMode);
    ChkBeeNos->setVisible(memberMode);
}

}  // namespace fp
