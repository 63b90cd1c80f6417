// The check box control.
#include "app/tool_check_box.h"

#include "plan/view_state.h"

namespace fp {

namespace {
Qt::CheckState checkStateOf(int value) {
    switch (value) {
        case kTicked:
            return Qt::Checked;
        case kGrey:
            return Qt::PartiallyChecked;
        default:
            return Qt::Unchecked;
    }
}
}  // namespace

ToolCheckBox::ToolCheckBox(QWidget* parent, const TwipsScale& scale)
    : QCheckBox(parent), TwipsPlaced(*this, scale) {
    // Opaque, so a label beneath it does not show through.
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    connect(this, &QAbstractButton::clicked, this, &ToolCheckBox::Click);
}

int ToolCheckBox::Value() const {
    switch (checkState()) {
        case Qt::Checked:
            return kTicked;
        case Qt::PartiallyChecked:
            return kGrey;
        default:
            return kUnticked;
    }
}

void ToolCheckBox::setValue(int value) {
    const Qt::CheckState state = checkStateOf(value);
    if (state == checkState()) {
        return;
    }
    setCheckState(state);
    if (state != Qt::PartiallyChecked) {
        setTristate(false);
    }
    emit Click();
}

void ToolCheckBox::nextCheckState() {
    setCheckState(Value() == kTicked ? Qt::Unchecked : Qt::Checked);
    setTristate(false);
}

}  // namespace fp
