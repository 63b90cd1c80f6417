// The Takedown pages that may follow the plans of a PDF: for each column stack a table of the
// load reaching it at each level and the load in it below that level, for every case and
// combination, then the equilibrium of each.
#pragma once

#include <QPagedPaintDevice>
#include <QPainter>

#include "document/listing_document.h"
#include "render/page_flow.h"
#include "takedown/takedown.h"

namespace fp {

// Starts a new page and writes the takedown on it, going on to further pages as they fill, each
// with `footer`; the pages written. A table wider than the page is written in bands of as many
// cases and combinations as fit, each with the level and column columns at its left.
int paintTakedownPages(QPagedPaintDevice& device, QPainter& painter,
                       const ListingDocument& document, const Takedown& takedown,
                       const PageFooter& footer);

}  // namespace fp
