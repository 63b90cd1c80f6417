// Load-case headers of the input echo: «25. LOAD 1 LOADTYPE DEAD TITLE DL».
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace fp {

// At least six pieces (cut at single blanks), with "LOAD" and "LOADTYPE" in place.
bool isLoadCaseHeader(const std::vector<std::string_view>& pieces);

// The load-case number of a header line, or nothing when the line is not a header.
std::optional<std::string_view> loadCaseNumber(std::string_view line);

}  // namespace fp
