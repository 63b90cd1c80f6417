// Messages in the window.
#include "window/message_boxes.h"

#include <QMessageBox>
#include <QWidget>

namespace fp {

void MessageBoxes::show(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, kProgramTitle, QString::fromStdString(text),
                    QMessageBox::Ok,
                    window_ != nullptr && window_->isVisible() ? window_ : nullptr);
    box.exec();
}

}  // namespace fp
