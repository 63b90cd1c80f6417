// The option button control.
#include "app/tool_option_button.h"

#include <QMouseEvent>

namespace fp {

ToolOptionButton::ToolOptionButton(QWidget* parent, const TwipsScale& scale)
    : QRadioButton(parent), TwipsPlaced(*this, scale) {
    // Opaque, so a label beneath it does not show through.
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
}

void ToolOptionButton::mouseReleaseEvent(QMouseEvent* event) {
    QRadioButton::mouseReleaseEvent(event);
    if (rect().contains(event->position().toPoint())) {
        emit MouseUp(event->button());
    }
}

}  // namespace fp
