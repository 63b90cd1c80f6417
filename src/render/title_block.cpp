// The title block and legend along the bottom of a page.
#include "render/title_block.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPen>
#include <algorithm>

#include "document/startup_texts.h"
#include "files/file_names.h"
#include "render/listing_qstring.h"

namespace fp {
namespace {

constexpr double kPointSize = 9;
constexpr double kScreenDpi = 96;
// The title block takes this share of the page's width; the legend the rest.
constexpr double kBlockShare = 0.5;

// The most characters a legend line holds: more than a screen's width of text. What lies past
// it could only be measured to be elided, in a time that grows with text nobody sees.
constexpr qsizetype kLongestLine = 400;

QFont blockFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(kPointSize);
    return font;
}

}  // namespace

PageFacts pageFacts(const ListingDocument& document, const std::vector<int>& levels, int level) {
    PageFacts facts;
    facts.listingName = fileNameOf(document.name);
    facts.date = QDate::currentDate();
    facts.pages = static_cast<int>(levels.size());
    facts.page =
        static_cast<int>(std::find(levels.begin(), levels.end(), level) - levels.begin()) + 1;
    return facts;
}

TitleBlockTexts titleBlockTexts(const ListingDocument& document, const PlanView& view,
                                const PageFacts& facts) {
    TitleBlockTexts texts;
    texts.listing = qStringFromListing(facts.listingName);
    if (view.level >= 1) {
        texts.level = QStringLiteral("Level ") + QString::fromStdString(levelCaption(
                                                     document, view.level, view.decimalSeparator));
    }
    texts.mode = view.mode == LoadMode::Floor ? QStringLiteral("Floor loads")
                                              : QStringLiteral("Member loads");
    texts.date = facts.date.toString(Qt::ISODate);
    texts.page = QStringLiteral("Page %1 of %2").arg(facts.page).arg(facts.pages);
    return texts;
}

std::vector<QString> legendLines(const ListingDocument& document) {
    QString cases;
    for (const LoadCase& loadCase : document.loadCases) {
        if (cases.size() > kLongestLine) {
            break;
        }
        const std::string text = document.loadCaseText(loadCase.number);
        cases += (cases.isEmpty() ? QString() : QStringLiteral(", ")) +
                 qStringFromListing(std::string_view(text).substr(0, kLongestLine + 1));
    }
    if (cases.size() > kLongestLine) {
        cases.truncate(kLongestLine);
        cases += QChar(0x2026);
    }
    return {QStringLiteral("Load cases: ") + (cases.isEmpty() ? QStringLiteral("none") : cases),
            QStringLiteral("floor loads in kN/m²"), QStringLiteral("spans in cm")};
}

QRectF drawTitleBlock(QPainter& painter, const QRectF& area, const ListingDocument& document,
                      const PlanView& view, const PageFacts& facts) {
    const QFont font = blockFont();
    const QFontMetricsF metrics(font, painter.device());
    const double line = metrics.height();
    const double pad = line / 3;
    const double height = 3 * line + 2 * pad;
    const QRectF strip(area.left(), area.bottom() - height, area.width(), height);

    painter.save();
    painter.setFont(font);
    QPen pen(Qt::black);
    pen.setWidthF(painter.device()->logicalDpiX() / kScreenDpi);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);

    // The legend on the left, one line each; the load cases are cut short where they overflow.
    const double blockWidth = area.width() * kBlockShare;
    const QRectF legend(strip.left() + pad, strip.top() + pad, strip.width() - blockWidth - 2 * pad,
                        3 * line);
    const std::vector<QString> lines = legendLines(document);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QRectF row(legend.left(), legend.top() + static_cast<double>(i) * line,
                         legend.width(), line);
        painter.drawText(row, Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(lines[i], Qt::ElideRight, legend.width()));
    }

    // The title block on the right: the listing and the page above, level, mode and date below.
    const QRectF block(strip.right() - blockWidth, strip.top(), blockWidth, strip.height());
    const TitleBlockTexts texts = titleBlockTexts(document, view, facts);
    const double rowHeight = block.height() / 2;
    const double third = block.width() / 3;
    painter.drawRect(block);
    painter.drawLine(QPointF(block.left(), block.top() + rowHeight),
                     QPointF(block.right(), block.top() + rowHeight));
    painter.drawLine(QPointF(block.left() + 2 * third, block.top()),
                     QPointF(block.left() + 2 * third, block.bottom()));
    painter.drawLine(QPointF(block.left() + third, block.top() + rowHeight),
                     QPointF(block.left() + third, block.bottom()));
    const auto cell = [&](double column, double row, double columns, const QString& text) {
        const QRectF place(block.left() + column * third + pad, block.top() + row * rowHeight,
                           columns * third - 2 * pad, rowHeight);
        painter.drawText(place, Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(text, Qt::ElideMiddle, place.width()));
    };
    cell(0, 0, 2, texts.listing);
    cell(2, 0, 1, texts.page);
    cell(0, 1, 1, texts.level);
    cell(1, 1, 1, texts.mode);
    cell(2, 1, 1, texts.date);
    painter.restore();

    return QRectF(area.left(), area.top(), area.width(),
                  std::max(0.0, area.height() - height - pad));
}

}  // namespace fp
