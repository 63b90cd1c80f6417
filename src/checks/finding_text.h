// The numbers and places written in the sentences of findings.
#pragma once

#include <string>
#include <vector>

#include "document/listing_document.h"
#include "structure/place_text.h"

namespace fp {

// A value with a fixed count of decimals: "231.0", "0.50".
std::string fixedText(double value, int decimals);
// A value in its shortest form: "4.5", "10".
std::string shortText(double value);
// "4.2 m": a level by its height.
std::string levelName(const ListingDocument& document, int level);
// "line 184", "lines 183 and 196", "lines 12, 14 and 19".
std::string linesText(const std::vector<long>& lines);
// "101, 102 and 105".
std::string numbersText(const std::vector<int>& numbers);

}  // namespace fp
