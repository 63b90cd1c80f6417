// Findings written page after page, each wrapped to the page's width.
#include "render/checks_pages.h"

#include <QFont>
#include <QFontMetricsF>
#include <QString>

#include "model/number_text.h"
#include "render/listing_qstring.h"
#include "structure/place_text.h"

namespace fp {
namespace {

constexpr double kTitlePoints = 14;
constexpr double kTextPoints = 9;

QString findingLine(const ListingDocument& document, const Finding& finding) {
    QString where = finding.level == 0
                        ? QStringLiteral("Whole listing")
                        : QString::fromStdString(levelHeading(document.levelHeight(finding.level)));
    where += finding.severity == Severity::Warning ? QStringLiteral(", warning")
                                                   : QStringLiteral(", note");
    for (std::size_t i = 0; i < finding.lines.size(); ++i) {
        where += (i == 0 ? QStringLiteral(", line ") : QStringLiteral(", ")) +
                 QString::number(finding.lines[i]);
    }
    if (!finding.caseNumber.empty()) {
        where += QStringLiteral(", case ") + qStringFromListing(finding.caseNumber);
    }
    return where + QStringLiteral(": ") + QString::fromStdString(finding.sentence);
}

}  // namespace

void paintChecksPages(QPagedPaintDevice& device, QPainter& painter, const ListingDocument& document,
                      const std::vector<Finding>& findings) {
    device.newPage();
    const QRectF page(0, 0, device.width(), device.height());
    QFont title = painter.font();
    title.setPointSizeF(kTitlePoints);
    title.setBold(true);
    QFont text = painter.font();
    text.setPointSizeF(kTextPoints);
    text.setBold(false);

    painter.save();
    painter.setPen(Qt::black);
    painter.setFont(title);
    const QString heading =
        QStringLiteral("Checks of %1: %2")
            .arg(qStringFromListing(document.name),
                 QString::fromStdString(findingCountsText(countFindings(findings))));
    QRectF used = painter.boundingRect(page, Qt::TextWordWrap, heading);
    painter.drawText(used, Qt::TextWordWrap, heading);
    painter.setFont(text);
    const double gap = QFontMetricsF(text, &device).height() / 2;
    double top = used.bottom() + gap * 2;
    const QString nothing = QStringLiteral("The check finds nothing wrong in this listing.");
    std::vector<QString> lines;
    for (const Finding& finding : findings) {
        lines.push_back(findingLine(document, finding));
    }
    if (lines.empty()) {
        lines.push_back(nothing);
    }
    for (const QString& line : lines) {
        QRectF room(page.left(), top, page.width(), page.bottom() - top);
        used = painter.boundingRect(room, Qt::TextWordWrap, line);
        if (used.bottom() > page.bottom() && top > page.top()) {
            device.newPage();
            top = page.top();
            room = QRectF(page.left(), top, page.width(), page.height());
            used = painter.boundingRect(room, Qt::TextWordWrap, line);
        }
        painter.drawText(used, Qt::TextWordWrap, line);
        top = used.bottom() + gap;
    }
    painter.restore();
}

}  // namespace fp
