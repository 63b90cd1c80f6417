// The file-open dialog that asks for a listing.
#include "window/listing_dialog.h"

#include <QFileDialog>

#include "window/file_filter.h"

namespace fp {

QString chooseListing(QWidget* parent, const QString& folder) {
    QFileDialog dialog(parent, QStringLiteral("Open"), folder);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(qtNameFilters(kListingFilter));
    // The patterns spell out both cases of every letter; the description says it plainly.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().first();
}

}  // namespace fp
