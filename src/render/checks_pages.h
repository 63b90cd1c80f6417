// The Checks pages that may follow the plans of a PDF: every finding of the check with its
// level, severity, listing lines, load case and sentence; the accepted ones apart, after the
// others, each with its reason.
#pragma once

#include <QPagedPaintDevice>
#include <QPainter>
#include <vector>

#include "checks/accepted_findings.h"
#include "document/listing_document.h"
#include "render/page_flow.h"

namespace fp {

// Starts a new page and writes the findings on it, a heading with the counts first, going on
// to further pages as they fill, each with `footer`; a listing without findings gets its one
// line saying so. `acceptedUnread`, when not empty, says why the accepted findings could not be
// read (every finding is then listed as found). The pages written.
int paintChecksPages(QPagedPaintDevice& device, QPainter& painter, const ListingDocument& document,
                     const std::vector<JudgedFinding>& findings, const std::string& acceptedUnread,
                     const PageFooter& footer);

}  // namespace fp
