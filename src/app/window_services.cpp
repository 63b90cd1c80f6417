// The window's platform services.
#include "app/window_services.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QWidget>
#include <utility>

#include "app/file_filter.h"

namespace fp {

WindowServices::WindowServices(std::string listingFromCommandLine)
    : listingFromCommandLine_(std::move(listingFromCommandLine)) {}

std::string WindowServices::chooseListingFile(const std::string& filter) {
    if (!listingFromCommandLine_.empty()) {
        return listingFromCommandLine_;
    }
    QFileDialog dialog(nullptr, QStringLiteral("Open"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(qtNameFilters(filter));
    // The patterns spell out both cases of every letter; the description says it plainly.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().first().toStdString();
}

void WindowServices::setCaption(const std::string& caption) {
    if (window_ != nullptr) {
        window_->setWindowTitle(QString::fromStdString(caption));
    }
}

void WindowServices::showMessage(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, kProgramTitle, QString::fromStdString(text),
                    QMessageBox::Ok,
                    window_ != nullptr && window_->isVisible() ? window_ : nullptr);
    box.exec();
}

}  // namespace fp
