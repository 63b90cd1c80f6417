// Text from a listing as Qt shows it: strict UTF-8, with stray bytes read as Windows-1252.
#pragma once

#include <QString>
#include <string_view>

#include "model/text_encoding.h"

namespace fp {

inline QString qStringFromListing(std::string_view text) {
    return QString::fromStdString(utf8FromListingText(text));
}

}  // namespace fp
