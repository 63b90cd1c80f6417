// Dialog filters: those of the listing dialog in Qt's form, and the extension a save dialog's
// filter gives a file name.
#pragma once

#include <QString>
#include <QStringList>
#include <string>

namespace fp {

// "Analysis Files(*.ANL)|*.ANL|All Files(*.*)|*.*" becomes
// "Analysis Files(*.ANL) (*.[Aa][Nn][Ll]);;All Files(*.*) (*)". File names are case-sensitive
// here, so every letter of a pattern matches either case, as it did where the filter was
// written; "*.*" meant every file, also those without an extension.
QString qtNameFilters(const std::string& filter);

// `path` as typed in a save dialog with name filters of one extension each ("PDF (*.pdf)"): kept
// when it ends in the extension of any of `filters`, whatever its case; otherwise with the
// extension of the chosen `filter` added.
QString withFilterExtension(const QString& path, const QString& filter, const QStringList& filters);

}  // namespace fp
