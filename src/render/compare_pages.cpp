// Compare pages: plans with their change marks and title block, then the report paginated.
#include "render/compare_pages.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPdfWriter>
#include <vector>

#include "compare/change_marks.h"
#include "compare/comparison_report.h"
#include "files/file_names.h"
#include "files/input_guard.h"
#include "files/pending_file.h"
#include "render/page_flow.h"
#include "render/plan_pages.h"
#include "render/title_block.h"

namespace fp {
namespace {

constexpr int kPdfDpi = 300;

struct PageLine {
    QString text;
    bool heading = false;
};

std::vector<PageLine> reportLines(const ListingComparison& comparison) {
    std::vector<PageLine> lines;
    lines.push_back({QStringLiteral("Changes from %1 to %2")
                         .arg(QString::fromStdString(fileNameOf(comparison.oldName)),
                              QString::fromStdString(fileNameOf(comparison.newName))),
                     true});
    const std::vector<ReportSection> sections = comparisonReport(comparison);
    if (sections.empty()) {
        lines.push_back({QStringLiteral("No differences."), false});
    }
    for (const ReportSection& section : sections) {
        lines.push_back({QString(), false});
        lines.push_back({QString::fromStdString(section.heading), true});
        for (const ReportLine& line : section.lines) {
            lines.push_back({QStringLiteral("    ") + QString::fromStdString(line.text), false});
        }
    }
    return lines;
}

QFont reportFont(bool heading) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(8);
    font.setBold(heading);
    return font;
}

// The changed levels of the new listing: those that have a plan to draw the marks on.
std::vector<const LevelComparison*> changedLevels(const ListingComparison& comparison) {
    std::vector<const LevelComparison*> levels;
    for (const LevelComparison& level : comparison.levels) {
        if (!level.same() && level.newLevel > 0 && level.problems.empty()) {
            levels.push_back(&level);
        }
    }
    return levels;
}

}  // namespace

void drawChangeLegend(QPainter& painter, const QRectF& area) {
    painter.save();
    const QFont font = reportFont(false);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const double sample = metrics.height() * 2;
    double right = area.right();
    const auto& legend = changeLegend();
    for (auto entry = legend.rbegin(); entry != legend.rend(); ++entry) {
        const QString text = QString::fromUtf8(entry->text);
        const double width = metrics.horizontalAdvance(text);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(right - width, area.top(), width, area.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, text);
        const Stroke stroke = changeStroke(entry->mark);
        QPen pen(QColor(stroke.red, stroke.green, stroke.blue));
        pen.setWidthF(metrics.height() / 4);
        pen.setStyle(stroke.dashed ? Qt::DashLine : Qt::SolidLine);
        painter.setPen(pen);
        const double y = area.center().y();
        const double sampleRight = right - width - metrics.height() / 2;
        painter.drawLine(QPointF(sampleRight - sample, y), QPointF(sampleRight, y));
        right = sampleRight - sample - metrics.height() * 1.5;
    }
    painter.restore();
}

namespace {

// The report lines after the plans, page after page, each page with its title block among
// `pages` in all from `firstPage`; the pages written.
int paintReport(QPagedPaintDevice& device, QPainter& painter, const std::vector<PageLine>& lines,
                const PageFacts& facts, int firstPage, int pages) {
    const PageFlow::FirstPage first =
        firstPage > 1 ? PageFlow::FirstPage::New : PageFlow::FirstPage::Blank;
    painter.save();
    painter.setPen(Qt::black);
    painter.setFont(reportFont(true));
    PageFlow flow(
        device, painter,
        [&](QPainter& on, const QRectF& page, int n) {
            PageFacts numbered = facts;
            numbered.page = firstPage + n - 1;
            numbered.pages = pages;
            return drawReportTitleBlock(on, page, numbered, QStringLiteral("Changes"));
        },
        first);
    // One line height for every line, the headings', so that a page holds what it did.
    const double lineHeight = flow.rowHeight();
    for (const PageLine& line : lines) {
        painter.setFont(reportFont(line.heading));
        flow.keepRoomFor(lineHeight);
        flow.row({{line.text, 0, flow.width(), false}});
    }
    painter.restore();
    return flow.pages();
}

}  // namespace

void paintComparePages(QPagedPaintDevice& device, QPainter& painter, const ListingDocument& after,
                       const ListingComparison& comparison, PlanView view) {
    const QRectF page(0, 0, device.width(), device.height());
    const std::vector<PageLine> lines = reportLines(comparison);
    const std::vector<const LevelComparison*> levels = changedLevels(comparison);
    PageFacts facts;
    facts.listingName =
        fileNameOf(comparison.newName) + " compared with " + fileNameOf(comparison.oldName);
    facts.date = QDate::currentDate();
    facts.job = after.echo.job;
    const int reportPages = pagesTaken(device.pageLayout(), device.logicalDpiX(),
                                       [&](QPagedPaintDevice& scratch, QPainter& on) {
                                           return paintReport(scratch, on, lines, facts, 1, 1);
                                       });
    const int pages = static_cast<int>(levels.size()) + reportPages;
    int pageNumber = 0;
    for (const LevelComparison* level : levels) {
        if (pageNumber++ > 0) {
            device.newPage();
        }
        view.level = level->newLevel;
        facts.page = pageNumber;
        facts.pages = pages;
        renderPage(after, view, painter, page, &facts,
                   [level](Surface& surface) { drawChangeMarks(*level, surface); });
        const double band = QFontMetricsF(reportFont(true), &device).height() * 2.5;
        drawChangeLegend(painter, QRectF(page.left(), page.top(), page.width(), band));
    }
    paintReport(device, painter, lines, facts, pageNumber + 1, pages);
}

void writeComparePdf(const ListingDocument& after, const ListingComparison& comparison,
                     const std::string& path, const PlanView& view) {
    refuseOutputsOverInputs({path}, {comparison.oldName, comparison.newName});
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(kPdfDpi);
    pdf.setPageLayout(planPageLayout());
    pdf.setTitle(QStringLiteral("%1 compared with %2")
                     .arg(QString::fromStdString(fileNameOf(comparison.newName)),
                          QString::fromStdString(fileNameOf(comparison.oldName))));
    pdf.setCreator(QStringLiteral("FramePlan"));
    QPainter painter;
    if (!painter.begin(&pdf)) {
        throw cannotWrite(path, "the PDF document could not be drawn");
    }
    paintComparePages(pdf, painter, after, comparison, view);
    if (!painter.end()) {
        throw cannotWrite(path, "the PDF document could not be drawn");
    }
    writeWhole({{path, bytes.toStdString()}});
}

}  // namespace fp
