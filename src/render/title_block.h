// The title block and legend of a page for a report: what the plan itself does not say.
#pragma once

#include <QDate>
#include <QFontMetricsF>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <string>
#include <vector>

#include "document/listing_document.h"
#include "output/page_setup.h"
#include "plan/plan_view.h"

namespace fp {

// Where a page stands: the listing it was drawn from, the day, and its place among the pages.
struct PageFacts {
    // The listing's file name, without its folder.
    std::string listingName;
    QDate date;
    int page = 1;
    int pages = 1;
    // The plan's scale on the paper, 0 when fitted to the page, and the job.
    int scale = 0;
    JobInformation job;
};

// The facts of the page of `level` among the pages of `levels`, drawn today.
PageFacts pageFacts(const ListingDocument& document, const std::vector<int>& levels, int level);

// The title block's texts: the listing's file name, "Level 7.8 M", "Floor loads" or "Member
// loads", the date (2024-05-31) and "Page 2 of 6".
// Then "Job: Tower (J-12), client Harbour Estates", "Scale 1:100", "Engineer: A. Khan", "Checker:
// B. Ode"; a job field not given is left blank after its name.
struct TitleBlockTexts {
    QString listing;
    QString level;
    QString mode;
    QString date;
    QString page;
    QString job;
    QString scale;
    QString engineer;
    QString checker;
};

TitleBlockTexts titleBlockTexts(const ListingDocument& document, const PlanView& view,
                                const PageFacts& facts);
// The texts any page has: the listing, the page, the date and the job's fields.
TitleBlockTexts titleBlockTexts(const PageFacts& facts);

// The lines broken at blanks so that none is wider than `width`; a word wider than that alone
// is broken between its characters. Nothing is left out.
std::vector<QString> wrappedLines(const std::vector<QString>& lines, const QFontMetricsF& metrics,
                                  double width);

// Draws the legend (wrapped onto as many lines as it needs) and the title block along the
// bottom of `area`, both inside it, and returns the part of `area` above them.
QRectF drawTitleBlock(QPainter& painter, const QRectF& area, const ListingDocument& document,
                      const PlanView& view, const PageFacts& facts);

// The title block of a page of a report (the Checks, the Takedown, the changes): `subject` where
// a plan's block names the level, no legend, mode or scale.
QRectF drawReportTitleBlock(QPainter& painter, const QRectF& area, const PageFacts& facts,
                            const QString& subject);

}  // namespace fp
