// Qt's own file dialog rather than the desktop's: only it takes widgets of ours, and the sheet
// and job fields belong in the one dialog an export asks, not in a second one after it.
#include "window/save_dialog.h"

#include <QFileDialog>
#include <QGridLayout>

namespace fp {

QString askSavePath(QWidget* parent, const QString& title, const QString& suggested,
                    const QStringList& filters, QString* filter, QWidget* fields) {
    QFileDialog dialog(parent, title, suggested);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    if (filter != nullptr && !filter->isEmpty()) {
        dialog.selectNameFilter(*filter);
    }
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (fields != nullptr && grid != nullptr) {
        grid->addWidget(fields, grid->rowCount(), 0, 1, grid->columnCount());
    }
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (fields != nullptr) {
        // The caller reads the fields after the dialog, which would otherwise delete them.
        fields->setParent(nullptr);
    }
    if (!accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    if (filter != nullptr) {
        *filter = dialog.selectedNameFilter();
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace fp
