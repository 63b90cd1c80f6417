// Member and joint lists as an input file writes them: "101 TO 104 116", wrapped with " -".
#pragma once

#include <string>
#include <vector>

namespace gen {

// Runs of three or more consecutive numbers become "first TO last".
std::vector<std::string> compressedList(const std::vector<int>& numbers);

// The pieces joined into lines of about `width` characters; every line but the last ends with
// the continuation mark " -", and `ending` closes the last line (" UNI GY -10", " FIXED").
std::vector<std::string> wrappedStatement(const std::vector<std::string>& pieces,
                                          const std::string& ending, std::size_t width = 60);

}  // namespace gen
