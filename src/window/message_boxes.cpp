// Messages in the window.
#include "window/message_boxes.h"

#include <QMessageBox>
#include <QWidget>

#include "model/text_encoding.h"

namespace fp {

void showMessageBox(QWidget* parent, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, kProgramTitle,
                    QString::fromStdString(utf8FromListingText(text)), QMessageBox::Ok,
                    parent != nullptr && parent->isVisible() ? parent : nullptr);
    box.exec();
}

}  // namespace fp
