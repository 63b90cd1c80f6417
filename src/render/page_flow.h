// Lines and table rows written down the pages of a report, a new page started where one does not
// fit, each page with its footer (the title block) drawn first.
#pragma once

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <functional>
#include <vector>

namespace fp {

// Draws a page's footer along the bottom of `page` for the page numbered `page` among the
// report's, and gives the part of `page` above it.
using PageFooter = std::function<QRectF(QPainter& painter, const QRectF& page, int pageNumber)>;

class PageFlow {
  public:
    // Where the report's first page is: a new page after those already on the device, or the
    // device's first, still blank.
    enum class FirstPage { New, Blank };
    // Starts the report's first page on `device`; `footer` may be empty.
    PageFlow(QPagedPaintDevice& device, QPainter& painter, PageFooter footer = {},
             FirstPage first = FirstPage::New);

    double width() const { return room_.width(); }
    double rowHeight() const;
    // The pages started so far.
    int pages() const { return pages_; }
    // Starts a new page unless `height` fits below what is written.
    void keepRoomFor(double height);
    // Text wrapped to the page's width, then `gapAfter` of space.
    void paragraph(const QString& line, double gapAfter);
    // One row of cells, each in its place from the left, numbers to the right of theirs.
    struct Cell {
        QString text;
        double left;
        double width;
        bool number;
    };
    void row(const std::vector<Cell>& cells);
    void space(double height) { top_ += height; }

  private:
    void startPage(bool newPage);

    QPagedPaintDevice& device_;
    QPainter& painter_;
    PageFooter footer_;
    QRectF room_;
    double top_ = 0;
    int pages_ = 0;
};

// The pages `paint` takes (its answer) on PDF pages of `layout` at `dpi`, laid out into memory:
// a report's page count is known before the pages ahead of it are drawn with their numbers.
int pagesTaken(const QPageLayout& layout, int dpi,
               const std::function<int(QPagedPaintDevice&, QPainter&)>& paint);

}  // namespace fp
