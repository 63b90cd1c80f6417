// The save dialog of the exports, with room for fields of their own below the file list.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace fp {

// Asks where to save, starting at `suggested`, with the name filters offered; the filter chosen
// comes back in `filter`. `fields`, when given, is shown under the file list and stays the
// caller's once the dialog is gone. An empty path is a cancelled dialog.
QString askSavePath(QWidget* parent, const QString& title, const QString& suggested,
                    const QStringList& filters, QString* filter, QWidget* fields);

}  // namespace fp
