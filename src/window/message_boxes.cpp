// Messages in the window.
#include "window/message_boxes.h"

#include <QMessageBox>
#include <QWidget>

#include "render/listing_qstring.h"

namespace fp {

void showMessageBox(QWidget* parent, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, kProgramTitle, qStringFromListing(text), QMessageBox::Ok,
                    parent != nullptr && parent->isVisible() ? parent : nullptr);
    box.exec();
}

}  // namespace fp
