// Messages in the window.
#include "window/message_boxes.h"

#include <QMessageBox>
#include <QWidget>

namespace fp {

void showMessageBox(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kProgramTitle, text, QMessageBox::Ok,
                    parent != nullptr && parent->isVisible() ? parent : nullptr);
    box.exec();
}

void MessageBoxes::show(const ListingMessage& message) {
    showMessageBox(window_, QString::fromStdString(message.described()));
}

}  // namespace fp
