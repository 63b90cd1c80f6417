// Text from a listing as Qt shows it: strict UTF-8, with stray bytes read as Windows-1252, and
// each control character but tab, CR and LF shown as the replacement character: XML, and so an
// SVG file, may not hold them, and on the screen they would be nothing at all.
#pragma once

#include <QString>
#include <string_view>

#include "model/text_encoding.h"

namespace fp {

inline QString qStringFromListing(std::string_view text) {
    QString shown = QString::fromStdString(utf8FromListingText(text));
    for (QChar& c : shown) {
        if (c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') {
            c = QChar::ReplacementCharacter;
        }
    }
    return shown;
}

}  // namespace fp
