// Listing text as Unicode: listings are 8-bit text, mostly ASCII, sometimes UTF-8, often written
// on Windows in its code page 1252.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace fp {

// Strictly valid UTF-8 for any bytes: every valid UTF-8 sequence is kept, and every other byte
// is taken as a character of Windows-1252 (0xB0 is the degree sign, 0x80 the euro sign). The five
// bytes that Windows-1252 leaves undefined become the control characters of the same number.
std::string utf8FromListingText(std::string_view bytes);

// Listing text of at most `longest` bytes, for a text laid out to be shown, where a longer one
// would only be measured to be elided in a time that grows with what nobody sees: a longer text
// is cut there, before any UTF-8 character the cut would split, and ended with an ellipsis.
std::string shortenedListingText(std::string_view bytes, std::size_t longest);

}  // namespace fp
