// Listing text as Unicode: listings are 8-bit text, mostly ASCII, sometimes UTF-8, often written
// on Windows in its code page 1252.
#pragma once

#include <string>
#include <string_view>

namespace fp {

// Strictly valid UTF-8 for any bytes: every valid UTF-8 sequence is kept, and every other byte
// is taken as a character of Windows-1252 (0xB0 is the degree sign, 0x80 the euro sign). The five
// bytes that Windows-1252 leaves undefined become the control characters of the same number.
std::string utf8FromListingText(std::string_view bytes);

}  // namespace fp
