// Painting a screenful of the listing: the line numbers in a gutter, then the text.
#include "window/listing_view.h"

#include <QFontDatabase>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "render/listing_qstring.h"

namespace fp {
namespace {

constexpr int kGutterPadding = 6;
constexpr int kTextPadding = 4;

}  // namespace

ListingView::ListingView(QWidget* parent) : QAbstractScrollArea(parent) {
    setObjectName(QStringLiteral("listingView"));
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(true);
    QPalette colours = viewport()->palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Base));
    viewport()->setPalette(colours);
}

void ListingView::setIndex(std::shared_ptr<const LineIndex> index) {
    index_ = std::move(index);
    cached_.clear();
    cachedFirst_ = 0;
    widest_ = 0;
    if (index_ == nullptr || highlightLast_ > index_->lineCount()) {
        current_ = highlightFirst_ = highlightLast_ = 0;
    }
    updateScrollBars();
    viewport()->update();
}

int ListingView::lineHeight() const {
    return std::max(1, fontMetrics().lineSpacing());
}

int ListingView::gutterWidth() const {
    const long count = index_ != nullptr ? std::max(1L, index_->lineCount()) : 1;
    return fontMetrics().horizontalAdvance(QString::number(count)) + 2 * kGutterPadding;
}

long ListingView::topLine() const {
    return static_cast<long>(verticalScrollBar()->value()) + 1;
}

int ListingView::linesOnShow() const {
    return std::max(1, viewport()->height() / lineHeight());
}

void ListingView::updateScrollBars() {
    const long count = index_ != nullptr ? index_->lineCount() : 0;
    const int page = linesOnShow();
    verticalScrollBar()->setPageStep(page);
    verticalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setRange(0, static_cast<int>(std::max(0L, count - page)));
    const int textWidth = widest_ * fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const int room = viewport()->width() - gutterWidth() - kTextPadding;
    horizontalScrollBar()->setPageStep(std::max(1, room));
    horizontalScrollBar()->setSingleStep(fontMetrics().horizontalAdvance(QLatin1Char('0')));
    horizontalScrollBar()->setRange(0, std::max(0, textWidth - room));
}

void ListingView::showLine(long line) {
    if (index_ == nullptr || line < 1 || line > index_->lineCount()) {
        return;
    }
    std::pair<long, long> statement{line, line};
    try {
        statement = index_->statementAround(line);
    } catch (const ListingError&) {
        // Another version of the file: the line alone is shown, and the paint tells why.
    }
    const auto [first, last] = statement;
    current_ = line;
    highlightFirst_ = first;
    highlightLast_ = last;
    const long top = std::max(1L, first - linesOnShow() / 3);
    verticalScrollBar()->setValue(static_cast<int>(top - 1));
    horizontalScrollBar()->setValue(0);
    viewport()->update();
}

const std::vector<std::string>& ListingView::linesFrom(long first, int count) {
    if (first != cachedFirst_ || static_cast<int>(cached_.size()) < count) {
        try {
            cached_ = index_->lines(first, count);
        } catch (const ListingError& failure) {
            // The file is another version now: its lines are not shown under this one's numbers.
            cached_ = {failure.what()};
        }
        cachedFirst_ = first;
        int widest = widest_;
        for (const std::string& line : cached_) {
            widest = std::max(widest, static_cast<int>(line.size()));
        }
        if (widest != widest_) {
            widest_ = widest;
            updateScrollBars();
        }
    }
    return cached_;
}

void ListingView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    if (index_ == nullptr) {
        return;
    }
    const int height = lineHeight();
    const int gutter = gutterWidth();
    const long first = topLine();
    // One more than fits, for the line cut by the bottom edge.
    const std::vector<std::string>& lines = linesFrom(first, linesOnShow() + 1);
    const QPalette& colours = palette();
    painter.fillRect(QRect(0, 0, gutter, viewport()->height()), colours.color(QPalette::Window));
    const int ascent = fontMetrics().ascent();
    const int shift = horizontalScrollBar()->value();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const long number = first + static_cast<long>(i);
        const int top = static_cast<int>(i) * height;
        const bool highlighted = highlightFirst_ <= number && number <= highlightLast_;
        if (highlighted) {
            painter.fillRect(QRect(gutter, top, viewport()->width() - gutter, height),
                             colours.color(QPalette::Highlight));
        }
        painter.setPen(colours.color(QPalette::PlaceholderText));
        painter.drawText(QRect(0, top, gutter - kGutterPadding, height),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(number));
        painter.save();
        painter.setClipRect(QRect(gutter, top, viewport()->width() - gutter, height));
        painter.setPen(colours.color(highlighted ? QPalette::HighlightedText : QPalette::Text));
        painter.drawText(gutter + kTextPadding - shift, top + ascent, qStringFromListing(lines[i]));
        painter.restore();
    }
}

void ListingView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

}  // namespace fp
