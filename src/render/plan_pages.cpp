// Level plans to image, vector and page files through the one drawing path of the window.
#include "render/plan_pages.h"

#include <algorithm>

#include <QBuffer>
#include <QDate>
#include <QFont>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <optional>

#include "checks/listing_checks.h"
#include "document/startup_texts.h"
#include "dxf/dxf_plan.h"
#include "files/file_names.h"
#include "files/input_guard.h"
#include "files/pending_file.h"
#include "model/listing_error.h"
#include "model/number_text.h"
#include "output/accepted_findings_file.h"
#include "plan/grid_lines.h"
#include "plan/level_drawing.h"
#include "plan/plan_frame.h"
#include "plan/shown_cases.h"
#include "render/checks_pages.h"
#include "render/listing_qstring.h"
#include "render/page_flow.h"
#include "render/qt_surface.h"
#include "render/takedown_pages.h"
#include "structure/place_text.h"

namespace fp {

namespace {

constexpr int kSvgDpi = 96;
constexpr int kPdfDpi = 300;
// The side of the image a level is drawn on to see that it can be drawn at all.
constexpr int kScratchSide = 64;
// The margin round a PNG or SVG page with a title block, in pixels.
constexpr double kFileMargin = 12;
// The resolution pages are drawn at to see that they fit.
constexpr int kCheckDpi = 72;

QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}

// A drawing that could not be made into its file's bytes.
FileWriteError cannotDraw(const std::string& path, const char* format) {
    return cannotWrite(path, std::string("the ") + format + " could not be drawn");
}

// A PNG or SVG page, with the title block when the request asks for it.
void renderFilePage(const ListingDocument& document, const ExportRequest& request,
                    const std::vector<int>& levels, const PlanView& view, QPainter& painter) {
    const QRectF area(0, 0, request.width, request.height);
    if (request.titleBlock) {
        PageFacts facts = pageFacts(document, levels, view.level);
        facts.job = jobOf(request.job, document.echo.job);
        // A page's paper margin: the title block's border is not drawn on the image's edge.
        painter.fillRect(area, Qt::white);
        renderPage(document, view, painter,
                   area.adjusted(kFileMargin, kFileMargin, -kFileMargin, -kFileMargin), &facts);
    } else {
        renderPage(document, view, painter, area);
    }
}

QByteArray pngOf(const ListingDocument& document, const ExportRequest& request,
                 const std::vector<int>& levels, const PlanView& view, const std::string& path) {
    QImage image(request.width, request.height, QImage::Format_RGB32);
    // Qt gives a null image where the memory for it cannot be had.
    if (image.isNull()) {
        throw cannotWrite(path, "not enough memory for an image of " +
                                    std::to_string(request.width) + "x" +
                                    std::to_string(request.height) + " pixels");
    }
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        renderFilePage(document, request, levels, view, painter);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        throw cannotDraw(path, "PNG image");
    }
    return bytes;
}

QByteArray svgOf(const ListingDocument& document, const ExportRequest& request,
                 const std::vector<int>& levels, const PlanView& view, const std::string& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setResolution(kSvgDpi);
    svg.setSize(QSize(request.width, request.height));
    svg.setViewBox(QRect(0, 0, request.width, request.height));
    svg.setTitle(toQString(planHeading(document, view)));
    QPainter painter;
    if (!painter.begin(&svg)) {
        throw cannotDraw(path, "SVG drawing");
    }
    renderFilePage(document, request, levels, view, painter);
    if (!painter.end()) {
        throw cannotDraw(path, "SVG drawing");
    }
    return bytes;
}

// "office.anl, level 7.8 m", or "office.anl, all levels" for a file of every level.
QString pdfTitle(const ListingDocument& document, const std::vector<int>& levels,
                 const PlanView& view) {
    const QString name = qStringFromListing(fileNameOf(document.name));
    if (levels.size() == 1) {
        return name + QStringLiteral(", level ") +
               toQString(
                   levelHeightText(document.levelHeight(levels.front()), view.decimalSeparator));
    }
    return name + QStringLiteral(", all levels");
}

// The Takedown and Checks pages asked for after the plans, each with a title block numbered on
// from the plans' pages among all the file's.
class ReportPages {
  public:
    ReportPages(const ListingDocument& document, const ExportRequest& request,
                const std::vector<int>& levels, const std::vector<Finding>* findings)
        : document_(document),
          firstPage_(static_cast<int>(levels.size()) + 1),
          findings_(findings) {
        if (request.takedownPages && request.levels.all) {
            takedown_ = &documentTakedown(document);
        }
        if (findings_ != nullptr) {
            // A file of accepted findings that cannot be read hides nothing: every finding is
            // listed as found, with a line saying why.
            try {
                accepted_ = readAcceptedFindings(document.name);
            } catch (const AcceptedFileError& failure) {
                acceptedUnread_ = failure.what();
            }
            judged_ = judgeFindings(*findings_, document, accepted_);
        }
        facts_ = pageFacts(document, levels, levels.front());
        facts_.job = jobOf(request.job, document.echo.job);
    }

    // The pages they take on a page of `layout`.
    int count(const QPageLayout& layout) const {
        return pagesTaken(layout, kPdfDpi, [this](QPagedPaintDevice& device, QPainter& painter) {
            return paint(device, painter, 0);
        });
    }

    // Paints them after the pages already on `device`, of `pages` in all; the pages painted.
    int paint(QPagedPaintDevice& device, QPainter& painter, int pages) const {
        int painted = 0;
        const auto footer = [&](const QString& subject) {
            return [this, &painted, pages, subject](QPainter& on, const QRectF& page, int n) {
                PageFacts facts = facts_;
                facts.page = firstPage_ + painted + n - 1;
                facts.pages = pages;
                return drawReportTitleBlock(on, page, facts, subject);
            };
        };
        if (takedown_ != nullptr) {
            painted += paintTakedownPages(device, painter, document_, *takedown_,
                                          footer(QStringLiteral("Takedown")));
        }
        if (findings_ != nullptr) {
            painted += paintChecksPages(device, painter, document_, judged_, acceptedUnread_,
                                        footer(QStringLiteral("Checks")));
        }
        return painted;
    }

  private:
    const ListingDocument& document_;
    int firstPage_;
    const std::vector<Finding>* findings_;
    AcceptedFindings accepted_;
    std::string acceptedUnread_;
    std::vector<JudgedFinding> judged_;
    // The document's own, worked out once for the check and the plans.
    const Takedown* takedown_ = nullptr;
    PageFacts facts_;
};

QByteArray pdfOf(const ListingDocument& document, const ExportRequest& request,
                 const std::vector<int>& levels, const PlanView& view, const std::string& path,
                 const std::vector<Finding>* findings) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(kPdfDpi);
    pdf.setPageLayout(planPageLayout(request.page));
    pdf.setTitle(pdfTitle(document, levels, view));
    pdf.setCreator(QStringLiteral("FramePlan"));
    QPainter painter;
    if (!painter.begin(&pdf)) {
        throw cannotDraw(path, "PDF document");
    }
    const ReportPages reports(document, request, levels, findings);
    const int pagesAfter = reports.count(planPageLayout(request.page));
    paintPages(pdf, painter, document, view, levels, request.page.scale, request.job, pagesAfter);
    reports.paint(pdf, painter, static_cast<int>(levels.size()) + pagesAfter);
    if (!painter.end()) {
        throw cannotDraw(path, "PDF document");
    }
    return bytes;
}

QByteArray dxfOf(const ListingDocument& document, const PlanView& view, const std::string& path) {
    try {
        return QByteArray::fromStdString(dxfText(dxfPlan(document, view)));
    } catch (const FileWriteError&) {
        throw cannotDraw(path, "DXF drawing");
    }
}

// One level's file, in any format but PDF.
QByteArray levelFileOf(const ListingDocument& document, const ExportRequest& request,
                       const std::vector<int>& levels, const PlanView& view,
                       const std::string& path) {
    switch (request.format) {
        case ExportFormat::Svg:
            return svgOf(document, request, levels, view, path);
        case ExportFormat::Dxf:
            return dxfOf(document, view, path);
        default:
            return pngOf(document, request, levels, view, path);
    }
}

constexpr double kMillimetresPerInch = 25.4;

double pixelsPerMillimetre(const QPainter& painter) {
    return painter.device()->logicalDpiX() / kMillimetresPerInch;
}

// A scale bar of whole metres under the plan: black and white blocks, "0" and the length.
void drawScaleBar(QPainter& painter, const QPointF& at, double pixelsPerMetre, double height) {
    // The longest round length that stays within 40 mm of paper.
    const double longest = 40 * pixelsPerMillimetre(painter);
    double metresLong = 1;
    for (const double length : {2.0, 5.0, 10.0, 20.0, 50.0}) {
        if (length * pixelsPerMetre <= longest) {
            metresLong = length;
        }
    }
    const int blocks = 5;
    const double blockWidth = metresLong * pixelsPerMetre / blocks;
    const double barHeight = height / 3;
    painter.save();
    QPen pen(Qt::black);
    pen.setWidthF(painter.device()->logicalDpiX() / 96.0);
    painter.setPen(pen);
    for (int i = 0; i < blocks; ++i) {
        const QRectF block(at.x() + i * blockWidth, at.y(), blockWidth, barHeight);
        painter.fillRect(block, i % 2 == 0 ? Qt::black : Qt::white);
        painter.drawRect(block);
    }
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(8);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const double textTop = at.y() + barHeight;
    painter.drawText(QPointF(at.x(), textTop + metrics.ascent()), QStringLiteral("0"));
    const QString end = QString::number(metresLong) + QStringLiteral(" m");
    painter.drawText(QPointF(at.x() + blocks * blockWidth - metrics.horizontalAdvance(end) / 2,
                             textTop + metrics.ascent()),
                     end);
    painter.restore();
}

// The sheet being painted as a refusal names it: "A3 landscape", or the printer's paper.
std::string sheetName(const QPainter& painter) {
    const auto* sheet = dynamic_cast<const QPagedPaintDevice*>(painter.device());
    if (sheet == nullptr) {
        return "the page";
    }
    const QPageLayout layout = sheet->pageLayout();
    return layout.pageSize().name().toStdString() +
           (layout.orientation() == QPageLayout::Portrait ? " portrait" : " landscape");
}

// The level drawn at 1:scale on the whole of `area`, the model's grid centred with its bubbles
// and a scale bar under it, which the plan's texts keep clear of; the room left on the page holds
// the callouts' key. A plan that does not fit throws ListingError.
void drawTrueToScale(QPainter& painter, const QRectF& area, const ListingDocument& document,
                     const PlanView& view, int scale, QtSurface& surface) {
    const Grid& grid = document.grid;
    const double perMillimetre = pixelsPerMillimetre(painter);
    // The bubbles' room, measured with one plan unit to a device pixel.
    surface.setScale(0, 0, area.width(), area.height());
    const FrameRoom bubbles = bubbleRoom(view, surface);
    const PlanOnPaper plan{metres(grid.x.last() - grid.x.first()),
                           metres(grid.z.last() - grid.z.first()), bubbles.left / perMillimetre,
                           bubbles.top / perMillimetre};
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(8);
    const double barHeight = QFontMetricsF(font, painter.device()).height() * 2;
    checkPlanFits(scale, sheetName(painter),
                  levelHeightText(document.levelHeight(view.level), view.decimalSeparator), plan,
                  area.width() / perMillimetre, (area.height() - barHeight) / perMillimetre);
    const double pixelsPerMetre = 1000.0 / scale * perMillimetre;
    // Device pixels per plan unit (a hundredth of a metre).
    const double perUnit = pixelsPerMetre / 100;
    const double planWidth = plan.widthMm(scale) * perMillimetre;
    const double planHeight = plan.heightMm(scale) * perMillimetre;
    // The plan's rectangle centred on the page above its scale bar, and the frame of the whole
    // area around it.
    const double planLeft = (area.width() - planWidth) / 2;
    const double planTop = (area.height() - barHeight - planHeight) / 2;
    const double planRectX =
        grid.x.first() - (planWidth / perUnit - (grid.x.last() - grid.x.first())) / 2;
    const double planRectZ =
        grid.z.first() - (planHeight / perUnit - (grid.z.last() - grid.z.first())) / 2;
    const PlanFrame frame{planRectX - planLeft / perUnit, planRectZ - planTop / perUnit,
                          planRectX + (area.width() - planLeft) / perUnit,
                          planRectZ + (area.height() - planTop) / perUnit};
    surface.setScale(frame.left, frame.top, frame.right, frame.bottom);
    DrawingContext context;
    context.visible = frame;
    // The bar and its figures, as far as the longest bar reaches.
    const double barTop = planRectZ + (planHeight + barHeight / 4) / perUnit;
    context.keepClear.push_back({planRectX, barTop, planRectX + 50 * perMillimetre / perUnit,
                                 barTop + barHeight / perUnit});
    drawLevel(document, view, surface, context);
    // After the level, which clears its area first.
    drawScaleBar(painter,
                 QPointF(area.left() + planLeft, area.top() + planTop + planHeight + barHeight / 4),
                 pixelsPerMetre, barHeight);
}

// Which way X and Z run: two arrows at the right end of the title row, labelled.
void drawAxisArrows(QPainter& painter, const QRectF& row) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(8);
    const QFontMetricsF metrics(font, painter.device());
    const double pad = row.height() / 8;
    const double length = row.height() - 2 * pad - metrics.ascent() / 2;
    const double head = length / 6;
    const QPointF origin(
        row.right() - length - 2 * pad - metrics.horizontalAdvance(QStringLiteral("X")),
        row.top() + pad + metrics.ascent() / 2);
    painter.save();
    QPen pen(Qt::black);
    pen.setWidthF(painter.device()->logicalDpiX() / 96.0);
    painter.setPen(pen);
    painter.setFont(font);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF xEnd = origin + QPointF(length, 0);
    const QPointF zEnd = origin + QPointF(0, length);
    painter.drawLine(origin, xEnd);
    painter.drawLine(xEnd, xEnd + QPointF(-head, -head / 2));
    painter.drawLine(xEnd, xEnd + QPointF(-head, head / 2));
    painter.drawLine(origin, zEnd);
    painter.drawLine(zEnd, zEnd + QPointF(-head / 2, -head));
    painter.drawLine(zEnd, zEnd + QPointF(head / 2, -head));
    painter.drawText(xEnd + QPointF(pad / 2, metrics.ascent() / 2), QStringLiteral("X"));
    painter.drawText(zEnd + QPointF(head, 0), QStringLiteral("Z"));
    painter.restore();
}

}  // namespace

void renderPage(const ListingDocument& document, const PlanView& view, QPainter& painter,
                const QRectF& area, const PageFacts* facts, const PlanOverlay& overlay) {
    // The caption as the window's level label shows it: Arial 14.25 pt.
    QFont titleFont(QStringLiteral("Liberation Sans"));
    titleFont.setPointSizeF(14.25);
    const QFontMetricsF titleMetrics(titleFont, painter.device());
    const double titleHeight = titleMetrics.height() * 1.5;
    painter.fillRect(area, Qt::white);
    painter.setFont(titleFont);
    painter.setPen(Qt::black);
    const double indent = titleMetrics.height() / 2;
    painter.drawText(QRectF(area.left() + indent, area.top(), area.width() - indent, titleHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, toQString(planHeading(document, view)));

    const QRectF below(area.left(), area.top() + titleHeight, area.width(),
                       area.height() - titleHeight);
    const QRectF planArea =
        facts != nullptr ? drawTitleBlock(painter, below, document, view, *facts) : below;
    const int scale = facts != nullptr ? facts->scale : 0;
    QtSurface surface(painter, planArea);
    if (scale > 0) {
        drawTrueToScale(painter, planArea, document, view, scale, surface);
    } else {
        PlanFrame frame;
        drawLevelFitted(document, view, surface, planArea.width(), planArea.height(), {}, frame);
    }
    if (overlay) {
        overlay(surface);
    }
    drawAxisArrows(painter, QRectF(area.left(), area.top(), area.width(), titleHeight));
}

QPageLayout planPageLayout(const PageSetup& page) {
    return QPageLayout(
        QPageSize(page.paper == Paper::A3 ? QPageSize::A3 : QPageSize::A4),
        page.orientation == Orientation::Portrait ? QPageLayout::Portrait : QPageLayout::Landscape,
        QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
}

void paintPages(QPagedPaintDevice& device, QPainter& painter, const ListingDocument& document,
                PlanView view, const std::vector<int>& levels, int scale, const JobInformation& job,
                int pagesAfter) {
    const QRectF page(0, 0, device.width(), device.height());
    const JobInformation pageJob = jobOf(job, document.echo.job);
    for (std::size_t i = 0; i < levels.size(); ++i) {
        if (i > 0) {
            device.newPage();
        }
        view.level = levels[i];
        PageFacts facts = pageFacts(document, levels, view.level);
        facts.pages += pagesAfter;
        facts.scale = scale;
        facts.job = pageJob;
        renderPage(document, view, painter, page, &facts);
    }
}

void checkDrawable(const ListingDocument& document, PlanView view, const std::vector<int>& levels) {
    QImage scratch(kScratchSide, kScratchSide, QImage::Format_RGB32);
    QPainter painter(&scratch);
    for (const int level : levels) {
        view.level = level;
        QtSurface surface(painter, QRectF(scratch.rect()));
        setPlanScale(document.grid, surface);
        drawLevel(document, view, surface);
    }
}

void checkPrintable(const ListingDocument& document, const PlanView& view,
                    const std::vector<int>& levels, const QPageLayout& layout, int scale) {
    if (scale == 0) {
        checkDrawable(document, view, levels);
        return;
    }
    // The pages drawn once at a coarse resolution into memory, which meets a drawing limit as
    // checkDrawable() does: the fit is a matter of millimetres, whatever the printer's resolution.
    QByteArray bytes;
    QBuffer nowhere(&bytes);
    nowhere.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&nowhere);
    pdf.setResolution(kCheckDpi);
    pdf.setPageLayout(layout);
    QPainter painter(&pdf);
    paintPages(pdf, painter, document, view, levels, scale);
}

std::vector<std::string> exportPlans(const ListingDocument& document, const ExportRequest& request,
                                     const std::vector<Finding>* findings) {
    const PlanView view = exportView(document, request);
    const std::vector<int> levels = levelsToExport(document, request);
    std::vector<std::string> paths;
    if (request.format == ExportFormat::Pdf) {
        paths.push_back(request.output);
    } else {
        for (const int level : levels) {
            paths.push_back(levelFilePath(request, level));
        }
    }
    refuseOutputsOverInputs(paths, {document.name});
    // Every file is drawn whole before any is written: a level that fails, or a full disk,
    // leaves none of them behind.
    std::vector<FileBytes> files;
    if (request.format == ExportFormat::Pdf) {
        std::optional<std::vector<Finding>> checked;
        if (request.checksPages && request.levels.all && findings == nullptr) {
            checked = checkDocument(document);
            findings = &*checked;
        }
        files.push_back(
            {request.output, pdfOf(document, request, levels, view, request.output,
                                   request.checksPages && request.levels.all ? findings : nullptr)
                                 .toStdString()});
    } else {
        PlanView levelView = view;
        for (std::size_t i = 0; i < levels.size(); ++i) {
            levelView.level = levels[i];
            files.push_back(
                {paths[i],
                 levelFileOf(document, request, levels, levelView, paths[i]).toStdString()});
        }
    }
    return writeWhole(files);
}

}  // namespace fp
