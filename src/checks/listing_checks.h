// The check of a whole listing: its echo, its members and its floor loads.
#pragma once

#include <vector>

#include "checks/finding.h"
#include "checks/listing_echo.h"
#include "document/listing_document.h"

namespace fp {

// Adds what the input echo shows: a listing cut short, echo numbers that jump, load-case
// headers with nothing under them and loads before the first header.
void checkEcho(const ListingEcho& echo, std::vector<Finding>& findings);

// Every finding about `document`, read from the listing whose echo is `echo`, in the order of
// sortFindings().
std::vector<Finding> checkDocument(const ListingDocument& document, const ListingEcho& echo);

// The same, reading the echo from `listing`, the listing `document` was read from. A failure to
// read it throws ListingError.
std::vector<Finding> checkListing(const ListingDocument& document, ListingSource& listing);

}  // namespace fp
