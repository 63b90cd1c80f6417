// Listings the generator writes, held line by line, for tests that edit them and state what the
// edit must change.
#pragma once

#include <cstddef>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "document/listing_document.h"

namespace fp::testing {

using Lines = std::vector<std::string>;

// The generator's listing for `arguments`, written once per arguments and kept.
const Lines& generatedLines(const std::string& arguments);

// The lines joined, each ended by `end`.
std::string joined(const Lines& lines, std::string_view end = "\n");

// The listing read from `lines`, as the program reads a file of that text.
ListingDocument documentOf(const Lines& lines);

// The indices of the lines holding `part`.
std::vector<std::size_t> linesHolding(const Lines& lines, std::string_view part);

// The index of a line holding `part`, picked at random; the test fails when there is none.
std::size_t anyLineHolding(const Lines& lines, std::string_view part, std::mt19937& random);

// An input-echo line written under the echo number of the line at `index`: «   52. text».
std::string echoLineLike(const Lines& lines, std::size_t index, const std::string& text);

// The words of a line, split at blanks.
std::vector<std::string> wordsOf(const std::string& line);

// The shapes the properties run over, small enough for every level to be drawn: three in the
// suite, more in a long run.
const std::vector<std::string>& generatedShapes();

// The seeds a property runs over: `inSuite` of them, or in a long run as many as the environment
// variable FRAMEPLAN_PROPERTY_SEEDS gives (the test script's property step sets it), divided by
// `longRunShare` for a property whose every seed runs many cases.
std::vector<unsigned> propertySeeds(unsigned inSuite, unsigned longRunShare = 1);

}  // namespace fp::testing
