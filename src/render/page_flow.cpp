// Pages of a report filled from the top, each with its footer.
#include "render/page_flow.h"

#include <QBuffer>
#include <QByteArray>
#include <QFontMetricsF>
#include <QPdfWriter>

namespace fp {

PageFlow::PageFlow(QPagedPaintDevice& device, QPainter& painter, PageFooter footer, FirstPage first)
    : device_(device), painter_(painter), footer_(std::move(footer)) {
    startPage(first == FirstPage::New);
}

void PageFlow::startPage(bool newPage) {
    if (newPage) {
        device_.newPage();
    }
    ++pages_;
    const QRectF page(0, 0, device_.width(), device_.height());
    if (footer_) {
        painter_.save();
        room_ = footer_(painter_, page, pages_);
        painter_.restore();
    } else {
        room_ = page;
    }
    top_ = room_.top();
}

double PageFlow::rowHeight() const {
    return QFontMetricsF(painter_.font(), &device_).height() * 1.2;
}

void PageFlow::keepRoomFor(double height) {
    if (top_ + height > room_.bottom() && top_ > room_.top()) {
        startPage(true);
    }
}

void PageFlow::paragraph(const QString& line, double gapAfter) {
    QRectF used =
        painter_.boundingRect(QRectF(room_.left(), top_, width(), 0), Qt::TextWordWrap, line);
    keepRoomFor(used.height());
    used.moveTop(top_);
    painter_.drawText(used, Qt::TextWordWrap, line);
    top_ = used.bottom() + gapAfter;
}

void PageFlow::row(const std::vector<Cell>& cells) {
    const double height = rowHeight();
    const QFontMetricsF metrics(painter_.font(), &device_);
    for (const Cell& cell : cells) {
        painter_.drawText(QRectF(room_.left() + cell.left, top_, cell.width, height),
                          (cell.number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                          metrics.elidedText(cell.text, Qt::ElideRight, cell.width));
    }
    top_ += height;
}

int pagesTaken(const QPageLayout& layout, int dpi,
               const std::function<int(QPagedPaintDevice&, QPainter&)>& paint) {
    QByteArray bytes;
    QBuffer nowhere(&bytes);
    nowhere.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&nowhere);
    pdf.setResolution(dpi);
    pdf.setPageLayout(layout);
    QPainter painter(&pdf);
    return paint(pdf, painter);
}

}  // namespace fp
