// A check box placed in twips.
#include "window/placed_check_box.h"

namespace fp {

PlacedCheckBox::PlacedCheckBox(QWidget* parent, const TwipsScale& scale)
    : QCheckBox(parent), PlacedInTwips(*this, scale) {
    // Opaque, so a label beneath it does not show through.
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
}

void PlacedCheckBox::setState(Qt::CheckState state) {
    setTristate(state == Qt::PartiallyChecked);
    setCheckState(state);
}

void PlacedCheckBox::nextCheckState() {
    setState(isTicked() ? Qt::Unchecked : Qt::Checked);
}

}  // namespace fp
