// Turns a dialog filter of "Description|pattern|Description|pattern" pairs into Qt name filters.
#pragma once

#include <QString>
#include <string>

namespace fp {

// "Analysis Files(*.ANL)|*.ANL|All Files(*.*)|*.*" becomes
// "Analysis Files(*.ANL) (*.[Aa][Nn][Ll]);;All Files(*.*) (*)". File names are case-sensitive
// here, so every letter of a pattern matches either case, as it did where the filter was
// written; "*.*" meant every file, also those without an extension.
QString qtNameFilters(const std::string& filter);

}  // namespace fp
