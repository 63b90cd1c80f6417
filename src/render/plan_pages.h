// Level plans as pages and files (PNG, SVG, PDF), drawn exactly as the window draws them.
#pragma once

#include <QPainter>
#include <QRectF>
#include <string>
#include <vector>

#include "cli/export_options.h"
#include "document/listing_document.h"
#include "files/pending_file.h"
#include "plan/plan_view.h"

namespace fp {

// The view the options ask for, at the start level. An intensity the listing does not have
// throws ListingError.
PlanView exportView(const ListingDocument& document, const ExportOptions& options,
                    char decimalSeparator);

// Draws one page: the level's caption as a title along the top of `area`, the plan below it.
void renderPage(const ListingDocument& document, const PlanView& view, QPainter& painter,
                const QRectF& area);

// Writes the files the options ask for and returns their paths. Nothing is left behind when it
// fails: a level past a drawing limit throws ListingError, a file that cannot be written
// FileWriteError naming it.
std::vector<std::string> exportPlans(const ListingDocument& document, const ExportOptions& options,
                                     char decimalSeparator);

}  // namespace fp
