// The texts the window starts with: the level labels, the intensity boxes' captions, the
// member-load label and the caption of the level on show.
#pragma once

#include <string>
#include <vector>

#include "document/listing_document.h"

namespace fp {

// One per level, lowest first: " 0", " 3.5", " 7".
std::vector<std::string> levelLabels(const ListingDocument& document);

// One per floor-load intensity, ascending: "2", "4.5".
std::vector<std::string> intensityCaptions(const ListingDocument& document, char decimalSeparator);

// "Member Loads" followed by three blanks and each member-load value, ascending.
std::string memberLoadCaption(const ListingDocument& document, char decimalSeparator);

// What the level label reads while `level` is shown: its height and " M" ("3.5 M").
std::string levelCaption(const ListingDocument& document, int level, char decimalSeparator);

}  // namespace fp
