// JSON string literals for any text a listing or a path may hold.
#pragma once

#include <string>
#include <string_view>

namespace fp {

// A JSON string literal with its quotes. Text that is not valid UTF-8 (a listing is 8-bit
// text) has each byte above 127 written as the Latin-1 character of that code.
std::string jsonString(std::string_view text);

}  // namespace fp
