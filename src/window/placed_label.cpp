// A label placed in twips.
#include "window/placed_label.h"

#include <QMouseEvent>

namespace fp {

PlacedLabel::PlacedLabel(QWidget* parent, const TwipsScale& scale)
    : QLabel(parent), PlacedInTwips(*this, scale) {
    setMarked(false);
    setAutoFillBackground(true);
    // A label is painted on the window itself, beneath every other control, whenever it was
    // made: where a check box covers part of a label, the check box shows.
    lower();
}

void PlacedLabel::setMarked(bool marked) {
    marked_ = marked;
    setFrameStyle(marked ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    setLineWidth(1);
}

QPointF PlacedLabel::toTwips(const QPointF& pixels) const {
    return {scale().toTwips(pixels.x()), scale().toTwips(pixels.y())};
}

void PlacedLabel::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->button(), toTwips(event->position()));
}

void PlacedLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

void PlacedLabel::mouseMoveEvent(QMouseEvent* event) {
    emit dragged(event->buttons(), toTwips(event->position()));
}

}  // namespace fp
