// Level plans as pages and files (PNG, SVG, PDF), drawn exactly as the window draws them.
#pragma once

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRectF>
#include <functional>
#include <string>

#include <vector>
#include "checks/finding.h"

#include "document/listing_document.h"
#include "files/pending_file.h"
#include "output/export_request.h"
#include "plan/plan_view.h"
#include "plan/surface.h"
#include "render/title_block.h"

namespace fp {

// Marks drawn over a plan once it is drawn, on its surface and in its scale.
using PlanOverlay = std::function<void(Surface&)>;

// Draws one page: the level's caption as a title along the top of `area`, the plan below it
// with the X and Z arrows, and with `facts` the legend and title block along the bottom; then
// the overlay over the plan. At a scale of the facts the plan is drawn true to it, centred, with
// a scale bar under it; a plan that does not fit at that scale throws ListingError naming the
// scale that fits.
void renderPage(const ListingDocument& document, const PlanView& view, QPainter& painter,
                const QRectF& area, const PageFacts* facts = nullptr,
                const PlanOverlay& overlay = {});

// The sheet with 10 mm margins (A4 landscape unless asked otherwise): the pages of PDF files,
// and the printer's to start with.
QPageLayout planPageLayout(const PageSetup& page = {});

// Paints one page per level on a PDF writer or a printer whose painting `painter` has begun,
// each with its title block, at the scale and for the job given; `pagesAfter` report pages that
// follow them count among the pages the title blocks number.
void paintPages(QPagedPaintDevice& device, QPainter& painter, const ListingDocument& document,
                PlanView view, const std::vector<int>& levels, int scale,
                const JobInformation& job = {}, int pagesAfter = 0);

// Draws each level once where nobody sees it, so that a level past a drawing limit throws its
// ListingError before anything is written or printed.
void checkDrawable(const ListingDocument& document, PlanView view, const std::vector<int>& levels);

// As checkDrawable(), and at a drawing scale each level's plan must also fit the sheet of
// `layout` under its title block, or ListingError names the scale that fits: a printer is told
// before its first page, not halfway through.
void checkPrintable(const ListingDocument& document, const PlanView& view,
                    const std::vector<int>& levels, const QPageLayout& layout, int scale);

// Writes the files the request asks for and returns their paths. Checks pages show `findings`,
// the check of the document, when given (the window holds them), and check it otherwise.
// Nothing is left behind when it fails: a level past a drawing limit, or an intensity or level
// the listing lacks, throws ListingError; a file that cannot be written FileWriteError naming it.
std::vector<std::string> exportPlans(const ListingDocument& document, const ExportRequest& request,
                                     const std::vector<Finding>* findings = nullptr);

}  // namespace fp
