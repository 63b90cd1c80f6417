// The file-open dialog that asks for a listing.
#pragma once

#include <string>

class QWidget;

namespace fp {

// The filter the dialog offers.
inline constexpr const char* kListingFilter = "Analysis Files(*.ANL)|*.ANL|All Files(*.*)|*.*";

// The path of the listing the user chose; the empty text when the dialog was cancelled.
std::string chooseListing(QWidget* parent);

}  // namespace fp
