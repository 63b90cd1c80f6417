// The file-open dialog that asks for a listing.
#pragma once

#include <QString>

class QWidget;

namespace fp {

// The filter the dialog offers.
inline constexpr const char* kListingFilter = "Analysis Files(*.ANL)|*.ANL|All Files(*.*)|*.*";

// The path of the listing the user chose, starting in `folder` (the current folder when empty);
// the empty text when the dialog was cancelled.
QString chooseListing(QWidget* parent, const QString& folder = {});

}  // namespace fp
