// Level plans as pages and files (PNG, SVG, PDF), drawn exactly as the window draws them.
#pragma once

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRectF>
#include <string>
#include <vector>

#include "cli/export_options.h"
#include "document/listing_document.h"
#include "files/pending_file.h"
#include "plan/plan_view.h"
#include "render/title_block.h"

namespace fp {

// The view the options ask for, at the start level. An intensity the listing does not have
// throws ListingError.
PlanView exportView(const ListingDocument& document, const ExportOptions& options,
                    char decimalSeparator);

// The levels the options ask for: all of them, the one given by number or by height, or the
// start level. A level the listing lacks throws ListingError naming the levels it has.
std::vector<int> levelsToExport(const ListingDocument& document, const ExportOptions& options);

// Draws one page: the level's caption as a title along the top of `area`, the plan below it,
// and with `facts` the legend and title block along the bottom.
void renderPage(const ListingDocument& document, const PlanView& view, QPainter& painter,
                const QRectF& area, const PageFacts* facts = nullptr);

// A4 landscape with 10 mm margins: the pages of PDF files, and the printer's to start with.
QPageLayout planPageLayout();

// Paints one page per level on a PDF writer or a printer whose painting `painter` has begun,
// each with its title block.
void paintPages(QPagedPaintDevice& device, QPainter& painter, const ListingDocument& document,
                PlanView view, const std::vector<int>& levels);

// Draws each level once where nobody sees it, so that a level past a drawing limit throws its
// ListingError before anything is written or printed.
void checkDrawable(const ListingDocument& document, PlanView view, const std::vector<int>& levels);

// Writes the files the options ask for and returns their paths. Nothing is left behind when it
// fails: a level past a drawing limit throws ListingError, a file that cannot be written
// FileWriteError naming it.
std::vector<std::string> exportPlans(const ListingDocument& document, const ExportOptions& options,
                                     char decimalSeparator);

// The same, drawing the levels the options ask for with `view` (the window's) in place of the
// view the options would give.
std::vector<std::string> exportPlans(const ListingDocument& document, const ExportOptions& options,
                                     const PlanView& view);

}  // namespace fp
