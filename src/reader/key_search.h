// Finding a keyword in a block of listing text quickly: the block is scanned for one rare
// character of the keyword, and only the places where that character stands are compared.
#pragma once

#include <cstddef>
#include <string_view>

namespace fp {

// The position of the first occurrence of `key` in `text`, or std::string_view::npos.
std::size_t findKey(std::string_view text, std::string_view key);

}  // namespace fp
