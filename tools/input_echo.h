// The input echo of a listing: the banner, the model's input, and the design commands.
#pragma once

#include "generated_model.h"
#include "listing_writer.h"

namespace gen {

// The program banner at the top of the listing.
void writeBanner(ListingWriter& writer, const Model& model);

// Job information, units, joints, members, properties, supports and load cases, up to the
// analysis command.
void writeModelInput(ListingWriter& writer, const Model& model);

// The design commands that come before the design output.
void writeDesignInput(ListingWriter& writer, const Model& model);

// The last commands and the closing lines of the listing.
void writeClosing(ListingWriter& writer);

}  // namespace gen
