// The check of a whole listing: its echo, its members and its floor loads.
#pragma once

#include <vector>

#include "checks/finding.h"
#include "document/listing_document.h"
#include "takedown/takedown.h"

namespace fp {

// Adds what the input echo shows: a listing cut short, echo numbers that jump, load-case
// headers with nothing under them and loads before the first header.
void checkEcho(const ListingEcho& echo, std::vector<Finding>& findings);

// Every finding about `document`, in the order of sortFindings().
std::vector<Finding> checkDocument(const ListingDocument& document);
// The same with the document's takedown (at the default one-way ratio) already worked out.
std::vector<Finding> checkDocument(const ListingDocument& document, const Takedown& takedown);

}  // namespace fp
