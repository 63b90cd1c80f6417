// The label control.
#include "app/tool_label.h"

#include <QMouseEvent>

namespace fp {

ToolLabel::ToolLabel(QWidget* parent, const TwipsScale& scale)
    : QLabel(parent), TwipsPlaced(*this, scale) {
    setBorderStyle(0);
    setAutoFillBackground(true);
    // A label is painted on the window itself, beneath every other control, whenever it was
    // made: where a check box covers part of a label, the check box shows.
    lower();
}

void ToolLabel::setBorderStyle(int style) {
    borderStyle_ = style;
    setFrameStyle(style == 1 ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    setLineWidth(1);
}

QPointF ToolLabel::toTwips(const QPointF& pixels) const {
    return {scale().toTwips(pixels.x()), scale().toTwips(pixels.y())};
}

void ToolLabel::mousePressEvent(QMouseEvent* event) {
    emit MouseDown(event->button(), toTwips(event->position()));
}

void ToolLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint())) {
        emit Click();
    }
}

void ToolLabel::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMove(event->buttons(), toTwips(event->position()));
}

}  // namespace fp
