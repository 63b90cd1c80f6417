// Findings written page after page, each wrapped to the page's width.
#include "render/checks_pages.h"

#include <QFont>
#include <QFontMetricsF>
#include <QString>

#include "files/file_names.h"
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

int paintChecksPages(QPagedPaintDevice& device, QPainter& painter, const ListingDocument& document,
                     const std::vector<JudgedFinding>& findings, const std::string& acceptedUnread,
                     const PageFooter& footer) {
    // Fonts of their own, not whatever the page before left: the pages are counted before they
    // are drawn, and must come out the same both times.
    QFont title(QStringLiteral("Liberation Sans"));
    title.setPointSizeF(kTitlePoints);
    title.setBold(true);
    QFont text(QStringLiteral("Liberation Sans"));
    text.setPointSizeF(kTextPoints);
    text.setBold(false);

    painter.save();
    painter.setPen(Qt::black);
    PageFlow flow(device, painter, footer);
    painter.setFont(title);
    const double titleGap = QFontMetricsF(text, &device).height();
    flow.paragraph(QStringLiteral("Checks of %1: %2")
                       .arg(qStringFromListing(document.name),
                            QString::fromStdString(judgedCountsText(countJudged(findings)))),
                   titleGap);
    painter.setFont(text);
    const double gap = titleGap / 2;
    if (!acceptedUnread.empty()) {
        flow.paragraph(QString::fromStdString(acceptedUnread) +
                           QStringLiteral(" Every finding is listed as found."),
                       gap);
    }
    if (findings.empty()) {
        flow.paragraph(QStringLiteral("The check finds nothing wrong in this listing."), gap);
    }
    for (const JudgedFinding& judged : findings) {
        if (judged.accepted == nullptr) {
            flow.paragraph(findingLine(document, *judged.finding), gap);
        }
    }
    bool headed = false;
    for (const JudgedFinding& judged : findings) {
        if (judged.accepted == nullptr) {
            continue;
        }
        if (!headed) {
            painter.setFont(title);
            flow.paragraph(QStringLiteral("Accepted, kept in %1.frameplan.json")
                               .arg(qStringFromListing(fileNameOf(document.name))),
                           titleGap);
            painter.setFont(text);
            headed = true;
        }
        flow.paragraph(findingLine(document, *judged.finding) + QStringLiteral(" Accepted: ") +
                           QString::fromStdString(judged.accepted->reason),
                       gap);
    }
    painter.restore();
    return flow.pages();
}

}  // namespace fp
