// An option button placed in twips.
#include "window/placed_option_button.h"

#include <QMouseEvent>

namespace fp {

PlacedOptionButton::PlacedOptionButton(QWidget* parent, const TwipsScale& scale)
    : QRadioButton(parent), PlacedInTwips(*this, scale) {
    // Opaque, so a label beneath it does not show through.
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (!releasing_) {
            emit keyboardChosen();
        }
    });
}

void PlacedOptionButton::mouseReleaseEvent(QMouseEvent* event) {
    releasing_ = true;
    QRadioButton::mouseReleaseEvent(event);
    releasing_ = false;
    if (rect().contains(event->position().toPoint())) {
        emit mouseReleased(event->button());
    }
}

}  // namespace fp
