// The title block and legend along the bottom of a page.
#include "render/title_block.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPen>
#include <algorithm>

#include "document/startup_texts.h"
#include "files/file_names.h"
#include "plan/legend.h"
#include "render/listing_qstring.h"
#include "structure/place_text.h"

namespace fp {
namespace {

constexpr double kPointSize = 9;
constexpr double kScreenDpi = 96;
// The title block takes this share of the page's width; the legend the rest.
constexpr double kBlockShare = 0.5;
// The title block's height in lines of its text; a longer legend makes it taller.
constexpr double kBlockRows = 4;

QFont blockFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(kPointSize);
    return font;
}

// The most bytes of a job field the title block lays out: more than its cell's width on an A3
// sheet. Every page would otherwise measure the whole field only to elide it.
constexpr std::size_t kLongestJobField = 400;

QString jobField(const std::string& field) {
    return qStringFromListing(shortenedListingText(field, kLongestJobField));
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

TitleBlockTexts titleBlockTexts(const PageFacts& facts) {
    TitleBlockTexts texts;
    texts.listing = qStringFromListing(facts.listingName);
    texts.date = facts.date.toString(Qt::ISODate);
    texts.page = QStringLiteral("Page %1 of %2").arg(facts.page).arg(facts.pages);
    const JobInformation& job = facts.job;
    texts.job = QStringLiteral("Job: ") + jobField(job.name);
    if (!job.number.empty()) {
        texts.job += (job.name.empty() ? QString() : QStringLiteral(" ")) + QStringLiteral("(") +
                     jobField(job.number) + QStringLiteral(")");
    }
    if (!job.client.empty()) {
        texts.job += QStringLiteral(", client ") + jobField(job.client);
    }
    texts.engineer = QStringLiteral("Engineer: ") + jobField(job.engineer);
    texts.checker = QStringLiteral("Checker: ") + jobField(job.checker);
    return texts;
}

TitleBlockTexts titleBlockTexts(const ListingDocument& document, const PlanView& view,
                                const PageFacts& facts) {
    TitleBlockTexts texts = titleBlockTexts(facts);
    if (view.level >= 1) {
        texts.level = QString::fromStdString(
            levelHeading(document.levelHeight(view.level), view.decimalSeparator));
    }
    texts.mode = view.mode == LoadMode::Floor ? QStringLiteral("Floor loads")
                                              : QStringLiteral("Member loads");
    texts.scale = QStringLiteral("Scale ") + QString::fromStdString(scaleText(facts.scale));
    return texts;
}

std::vector<QString> wrappedLines(const std::vector<QString>& lines, const QFontMetricsF& metrics,
                                  double width) {
    std::vector<QString> wrapped;
    const auto fits = [&](const QString& text) { return metrics.horizontalAdvance(text) <= width; };
    for (const QString& line : lines) {
        QString row;
        for (QString word : line.split(QLatin1Char(' '))) {
            const QString longer = row.isEmpty() ? word : row + QLatin1Char(' ') + word;
            if (fits(longer)) {
                row = longer;
                continue;
            }
            if (!row.isEmpty()) {
                wrapped.push_back(row);
            }
            // A word too wide for a row of its own goes on in the next.
            while (word.size() > 1 && !fits(word)) {
                qsizetype cut = word.size() - 1;
                while (cut > 1 && !fits(word.left(cut))) {
                    --cut;
                }
                wrapped.push_back(word.left(cut));
                word = word.mid(cut);
            }
            row = word;
        }
        wrapped.push_back(row);
    }
    return wrapped;
}

namespace {

// The legend rows (wrapped to the room left of the block) and the block of `texts` along the
// bottom of `area`; the part of `area` above them.
QRectF drawBlock(QPainter& painter, const QRectF& area, const TitleBlockTexts& texts,
                 const std::vector<std::string>& legendTexts) {
    const QFont font = blockFont();
    const QFontMetricsF metrics(font, painter.device());
    const double line = metrics.height();
    const double pad = line / 3;
    // The block's border is drawn centred on its edges: kept a pen's width inside the area, so
    // that on an image whose edge is the area's its right and bottom lines are not lost.
    const double penWidth = painter.device()->logicalDpiX() / kScreenDpi;
    const QRectF inside = area.adjusted(penWidth / 2, 0, -penWidth, -penWidth);
    const double blockWidth = inside.width() * kBlockShare;
    const double legendWidth = std::max(0.0, inside.width() - blockWidth - 2 * pad);
    std::vector<QString> legend;
    for (const std::string& text : legendTexts) {
        legend.push_back(qStringFromListing(text));
    }
    legend = wrappedLines(legend, metrics, legendWidth);
    const double rows = std::max<double>(kBlockRows, static_cast<double>(legend.size()));
    const double height = rows * line + 2 * pad;
    const QRectF strip(inside.left(), inside.bottom() - height, inside.width(), height);

    painter.save();
    painter.setFont(font);
    QPen pen(Qt::black);
    pen.setWidthF(penWidth);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);

    // The legend on the left, as many rows as it needs.
    for (std::size_t i = 0; i < legend.size(); ++i) {
        const QRectF row(strip.left() + pad, strip.top() + pad + static_cast<double>(i) * line,
                         legendWidth, line);
        painter.drawText(row, Qt::AlignLeft | Qt::AlignVCenter, legend[i]);
    }

    // The title block on the right: the listing and the page above, level, mode and date below.
    const QRectF block(strip.right() - blockWidth, strip.top(), blockWidth, strip.height());
    const double rowHeight = block.height() / kBlockRows;
    const double third = block.width() / 3;
    painter.drawRect(block);
    for (int row = 1; row < kBlockRows; ++row) {
        const double at = block.top() + row * rowHeight;
        painter.drawLine(QPointF(block.left(), at), QPointF(block.right(), at));
    }
    // Rows 1 and 3 have a wide cell and a narrow one, rows 2 and 4 three cells (4: two).
    const auto split = [&](double column, int firstRow, int lastRow) {
        painter.drawLine(QPointF(block.left() + column * third, block.top() + firstRow * rowHeight),
                         QPointF(block.left() + column * third, block.top() + lastRow * rowHeight));
    };
    split(2, 0, 3);
    split(1, 1, 2);
    split(1.5, 3, 4);
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
    cell(0, 2, 2, texts.job);
    cell(2, 2, 1, texts.scale);
    cell(0, 3, 1.5, texts.engineer);
    cell(1.5, 3, 1.5, texts.checker);
    painter.restore();

    return QRectF(area.left(), area.top(), area.width(),
                  std::max(0.0, strip.top() - area.top() - pad));
}

}  // namespace

QRectF drawTitleBlock(QPainter& painter, const QRectF& area, const ListingDocument& document,
                      const PlanView& view, const PageFacts& facts) {
    return drawBlock(painter, area, titleBlockTexts(document, view, facts),
                     legendLines(document, view));
}

QRectF drawReportTitleBlock(QPainter& painter, const QRectF& area, const PageFacts& facts,
                            const QString& subject) {
    TitleBlockTexts texts = titleBlockTexts(facts);
    texts.level = subject;
    return drawBlock(painter, area, texts, {});
}

}  // namespace fp
