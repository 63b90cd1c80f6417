// Pointer actions of the main window: picking a beam on the plan and dragging the load label.
#include <string>

#include "app/group_window.h"

namespace fp {

void Group::PicXZ_MouseDown(QPointF planPoint) {
    const int serial =
        firstBeamAt(boxes_, static_cast<float>(planPoint.x()), static_cast<float>(planPoint.y()));
    if (serial > 0) {
        services_.showMessage(std::to_string(serial));
    }
}

void Group::LabMlloads_MouseDown(QPointF positionTwips) {
    DragStartX = static_cast<float>(positionTwips.x());
}

void Group::LabMlloads_MouseMove(Qt::MouseButtons buttons, QPointF positionTwips) {
    if (buttons != Qt::LeftButton) {
        return;
    }
    // The window measures in twips, as the label's positions are, so no conversion is needed.
    const double moved = positionTwips.x() - DragStartX;
    LabMlloads->setLeft(LabMlloads->Left() + moved);
}

}  // namespace fp
