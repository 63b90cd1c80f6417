// JSON string literals for any text a listing or a path may hold.
#pragma once

#include <string>
#include <string_view>

namespace fp {

// A JSON string literal with its quotes, in strictly valid UTF-8: bytes that are not part of a
// valid UTF-8 sequence are taken as Windows-1252 characters; control characters are escaped.
std::string jsonString(std::string_view text);

// A sum of loads to a thousandth, so that 1765.8 is not written as 1765.8000000000002.
std::string amountJson(double value);

}  // namespace fp
