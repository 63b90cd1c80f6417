// The pages of a comparison: each changed level of the new listing with its changes marked, a
// title block naming both listings, then the changes as text.
#pragma once

#include <QPagedPaintDevice>
#include <QPainter>
#include <QRectF>
#include <string>

#include "compare/listing_comparison.h"
#include "document/listing_document.h"
#include "plan/plan_view.h"

namespace fp {

// The legend of the change marks, drawn right-aligned in the band `area`.
void drawChangeLegend(QPainter& painter, const QRectF& area);

// Paints the pages on a PDF writer or printer whose painting has begun. `view` gives the mode and
// annotations; the level comes from each changed level of `after`.
void paintComparePages(QPagedPaintDevice& device, QPainter& painter, const ListingDocument& after,
                       const ListingComparison& comparison, PlanView view);

// The PDF of paintComparePages in `view`, written whole to `path` or not at all
// (FileWriteError); a `path` that is either listing compared is refused before anything is
// drawn.
void writeComparePdf(const ListingDocument& after, const ListingComparison& comparison,
                     const std::string& path, const PlanView& view);

}  // namespace fp
