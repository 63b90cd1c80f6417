// The decimal separator of the user's locale, for the value texts of captions.
#pragma once

namespace fp {

// The locale's separator when it is one character of plain ASCII, "." otherwise.
char userDecimalSeparator();

}  // namespace fp
