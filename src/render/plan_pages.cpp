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
#include "files/pending_file.h"
#include "model/listing_error.h"
#include "model/number_text.h"
#include "plan/level_drawing.h"
#include "plan/plan_frame.h"
#include "render/checks_pages.h"
#include "render/qt_surface.h"

namespace fp {

namespace {

constexpr int kSvgDpi = 96;
constexpr int kPdfDpi = 300;
// The side of the image a level is drawn on to see that it can be drawn at all.
constexpr int kScratchSide = 64;

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
        const PageFacts facts = pageFacts(document, levels, view.level);
        renderPage(document, view, painter, area, &facts);
    } else {
        renderPage(document, view, painter, area);
    }
}

QByteArray pngOf(const ListingDocument& document, const ExportRequest& request,
                 const std::vector<int>& levels, const PlanView& view, const std::string& path) {
    QImage image(request.width, request.height, QImage::Format_RGB32);
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
    svg.setTitle(toQString(levelCaption(document, view.level, view.decimalSeparator)));
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

// "office.anl, level 7.8 M", or "office.anl, all levels" for a file of every level.
QString pdfTitle(const ListingDocument& document, const std::vector<int>& levels,
                 const PlanView& view) {
    const QString name = QString::fromStdString(fileNameOf(document.name));
    if (levels.size() == 1) {
        return name + QStringLiteral(", level ") +
               toQString(levelCaption(document, levels.front(), view.decimalSeparator));
    }
    return name + QStringLiteral(", all levels");
}

QByteArray pdfOf(const ListingDocument& document, const std::vector<int>& levels,
                 const PlanView& view, const std::string& path,
                 const std::vector<Finding>* findings) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(kPdfDpi);
    pdf.setPageLayout(planPageLayout());
    pdf.setTitle(pdfTitle(document, levels, view));
    pdf.setCreator(QStringLiteral("FramePlan"));
    QPainter painter;
    if (!painter.begin(&pdf)) {
        throw cannotDraw(path, "PDF document");
    }
    paintPages(pdf, painter, document, view, levels);
    if (findings != nullptr) {
        paintChecksPages(pdf, painter, document, *findings);
    }
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

}  // namespace

void renderPage(const ListingDocument& document, const PlanView& view, QPainter& painter,
                const QRectF& area, const PageFacts* facts) {
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
                     Qt::AlignLeft | Qt::AlignVCenter,
                     toQString(levelCaption(document, view.level, view.decimalSeparator)));

    const QRectF below(area.left(), area.top() + titleHeight, area.width(),
                       area.height() - titleHeight);
    const QRectF planArea =
        facts != nullptr ? drawTitleBlock(painter, below, document, view, *facts) : below;
    QtSurface surface(painter, planArea);
    setPlanScale(document.grid, surface);
    drawLevel(document, view, surface);
}

QPageLayout planPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

void paintPages(QPagedPaintDevice& device, QPainter& painter, const ListingDocument& document,
                PlanView view, const std::vector<int>& levels) {
    const QRectF page(0, 0, device.width(), device.height());
    for (std::size_t i = 0; i < levels.size(); ++i) {
        if (i > 0) {
            device.newPage();
        }
        view.level = levels[i];
        const PageFacts facts = pageFacts(document, levels, view.level);
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

std::vector<std::string> exportPlans(const ListingDocument& document,
                                     const ExportRequest& request) {
    const PlanView view = exportView(document, request);
    const std::vector<int> levels = levelsToExport(document, request);
    // Every file is drawn whole before any is written: a level that fails, or a full disk,
    // leaves none of them behind.
    std::vector<FileBytes> files;
    if (request.format == ExportFormat::Pdf) {
        // Read again for its echo, which the document does not keep.
        std::optional<std::vector<Finding>> findings;
        if (request.checksPages && request.levels.all) {
            const auto listing = openListingFile(document.name);
            findings = checkListing(document, *listing);
        }
        files.push_back({request.output, pdfOf(document, levels, view, request.output,
                                               findings ? &*findings : nullptr)
                                             .toStdString()});
    } else {
        PlanView levelView = view;
        for (const int level : levels) {
            const std::string path = levelFilePath(request, level);
            levelView.level = level;
            files.push_back(
                {path, levelFileOf(document, request, levels, levelView, path).toStdString()});
        }
    }
    return writeWhole(files);
}

}  // namespace fp
