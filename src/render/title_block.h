// The title block and legend of a page for a report: what the plan itself does not say.
#pragma once

#include <QDate>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <string>
#include <vector>

#include "document/listing_document.h"
#include "plan/plan_view.h"

namespace fp {

// Where a page stands: the listing it was drawn from, the day, and its place among the pages.
struct PageFacts {
    // The listing's file name, without its folder.
    std::string listingName;
    QDate date;
    int page = 1;
    int pages = 1;
};

// The facts of the page of `level` among the pages of `levels`, drawn today.
PageFacts pageFacts(const ListingDocument& document, const std::vector<int>& levels, int level);

// The title block's texts: the listing's file name, "Level 7.8 M", "Floor loads" or "Member
// loads", the date (2024-05-31) and "Page 2 of 6".
struct TitleBlockTexts {
    QString listing;
    QString level;
    QString mode;
    QString date;
    QString page;
};

TitleBlockTexts titleBlockTexts(const ListingDocument& document, const PlanView& view,
                                const PageFacts& facts);

// The legend's lines: the load cases with their titles ("Load cases: 1 DEAD, 2 LIVE"), cut
// with an ellipsis past a screen's width of text, then "floor loads in kN/m²" and "spans in cm".
std::vector<QString> legendLines(const ListingDocument& document);

// Draws the legend and the title block along the bottom of `area` and returns the part of
// `area` above them.
QRectF drawTitleBlock(QPainter& painter, const QRectF& area, const ListingDocument& document,
                      const PlanView& view, const PageFacts& facts);

}  // namespace fp
