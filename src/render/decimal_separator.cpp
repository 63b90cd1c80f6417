// The user's decimal separator.
#include "render/decimal_separator.h"

#include <QLocale>

namespace fp {

char userDecimalSeparator() {
    const QString separator = QLocale().decimalPoint();
    if (separator.size() == 1 && separator[0].unicode() < 0x80) {
        return static_cast<char>(separator[0].unicode());
    }
    return '.';
}

}  // namespace fp
