// A listing document as JSON, for scripts and checks: "frameplan dump LISTING".
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "document/listing_document.h"
#include "reader/message_sink.h"

namespace fp {

// Writes the document: its records, the grid, the start-up texts, the messages shown while
// reading (each with its line), and one entry per level with its beams in serial order and its
// panels in the order the scan finds them, each with the label lines of the start-up view. A level
// past a drawing limit throws ListingError; write to a buffer when a partial document must not be
// seen.
void writeDocumentJson(std::ostream& out, const ListingDocument& document,
                       const std::vector<ListingMessage>& messages);

}  // namespace fp
