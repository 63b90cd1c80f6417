// Level plans to image, vector and page files through the one drawing path of the window.
#include "render/plan_pages.h"

#include <algorithm>
#include <memory>

#include <QDate>
#include <QFile>
#include <QFont>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "document/startup_texts.h"
#include "model/listing_error.h"
#include "model/number_text.h"
#include "panels/level_drawing.h"
#include "plan/plan_frame.h"
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

// "plan.png" for level 4 becomes "plan-4.png".
std::string numberedPath(const std::string& path, int level) {
    const auto dot = path.find_last_of('.');
    const auto slash = path.find_last_of('/');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash);
    const std::string stem = hasExtension ? path.substr(0, dot) : path;
    const std::string extension = hasExtension ? path.substr(dot) : std::string();
    return stem + "-" + std::to_string(level) + extension;
}

// One output file, written beside its place under a temporary name and put in place by
// commit() only once it is whole; dropped without a trace otherwise.
class OutputFile {
  public:
    explicit OutputFile(std::string path)
        : path_(std::move(path)), file_(QFile::decodeName(QByteArray::fromStdString(path_))) {
        if (!file_.open(QIODevice::WriteOnly)) {
            throw failure();
        }
    }

    QIODevice& device() { return file_; }
    const std::string& path() const { return path_; }

    OutputError failure() const {
        return OutputError("Cannot write " + path_ + ": " + file_.errorString().toStdString() +
                           ". Check that the folder exists, that the file may be written and that "
                           "the disk has room.");
    }

    void commit() {
        if (!file_.commit()) {
            throw failure();
        }
    }

  private:
    std::string path_;
    QSaveFile file_;
};

// The facts of the page of `level` among `levels` of the listing.
PageFacts pageFacts(const ListingDocument& document, const std::vector<int>& levels, int level) {
    PageFacts facts;
    facts.listingName = listingFileName(document.name);
    facts.date = QDate::currentDate();
    facts.pages = static_cast<int>(levels.size());
    facts.page =
        static_cast<int>(std::find(levels.begin(), levels.end(), level) - levels.begin()) + 1;
    return facts;
}

void renderFilePage(const ListingDocument& document, const ExportOptions& options,
                    const std::vector<int>& levels, const PlanView& view, QPainter& painter) {
    const QRectF area(0, 0, options.width, options.height);
    if (options.titleBlock) {
        const PageFacts facts = pageFacts(document, levels, view.level);
        renderPage(document, view, painter, area, &facts);
    } else {
        renderPage(document, view, painter, area);
    }
}

void writeImage(const ListingDocument& document, const ExportOptions& options,
                const std::vector<int>& levels, const PlanView& view, OutputFile& file) {
    QImage image(options.width, options.height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        renderFilePage(document, options, levels, view, painter);
    }
    if (!image.save(&file.device(), "PNG")) {
        throw file.failure();
    }
}

void writeSvg(const ListingDocument& document, const ExportOptions& options,
              const std::vector<int>& levels, const PlanView& view, OutputFile& file) {
    QSvgGenerator svg;
    svg.setOutputDevice(&file.device());
    svg.setResolution(kSvgDpi);
    svg.setSize(QSize(options.width, options.height));
    svg.setViewBox(QRect(0, 0, options.width, options.height));
    svg.setTitle(toQString(levelCaption(document, view.level, view.decimalSeparator)));
    QPainter painter;
    if (!painter.begin(&svg)) {
        throw file.failure();
    }
    renderFilePage(document, options, levels, view, painter);
    if (!painter.end()) {
        throw file.failure();
    }
}

// "office.anl, level 7.8 M", or "office.anl, all levels" for a file of every level.
QString pdfTitle(const ListingDocument& document, const std::vector<int>& levels,
                 const PlanView& view) {
    const QString name = QString::fromStdString(listingFileName(document.name));
    if (levels.size() == 1) {
        return name + QStringLiteral(", level ") +
               toQString(levelCaption(document, levels.front(), view.decimalSeparator));
    }
    return name + QStringLiteral(", all levels");
}

void writePdf(const ListingDocument& document, const std::vector<int>& levels, const PlanView& view,
              OutputFile& file) {
    QPdfWriter pdf(&file.device());
    pdf.setResolution(kPdfDpi);
    pdf.setPageLayout(planPageLayout());
    pdf.setTitle(pdfTitle(document, levels, view));
    pdf.setCreator(QStringLiteral("FramePlan"));
    QPainter painter;
    if (!painter.begin(&pdf)) {
        throw file.failure();
    }
    paintPages(pdf, painter, document, view, levels);
    if (!painter.end()) {
        throw file.failure();
    }
}

}  // namespace

PlanView exportView(const ListingDocument& document, const ExportOptions& options,
                    char decimalSeparator) {
    PlanView view = startUpView(document, decimalSeparator);
    view.mode = options.memberLoadMode ? LoadMode::Member : LoadMode::Floor;
    view.memberNumbers = options.beamNumbers;
    view.loadCaseTitles = options.loadType;
    if (!options.intensities) {
        return view;
    }
    std::string available;
    for (const float intensity : document.floorIntensities) {
        available += (available.empty() ? "" : ", ") + valueText(intensity);
    }
    view.shownIntensities.clear();
    for (const float wanted : *options.intensities) {
        if (!document.floorIntensities.contains(wanted)) {
            throw ListingError("--intensities: " + valueText(wanted) +
                                   " is not a floor-load intensity of the listing",
                               available.empty() ? "The listing has no floor loads."
                                                 : "Its intensities are " + available + ".");
        }
        view.shownIntensities.push_back(wanted);
    }
    return view;
}

std::vector<int> levelsToExport(const ListingDocument& document, const ExportOptions& options) {
    const int count = document.levelCount();
    if (count < 1) {
        throw ListingError("The listing has no joints", "There is no level to draw.");
    }
    std::vector<int> levels;
    if (options.allLevels) {
        for (int level = 1; level <= count; ++level) {
            levels.push_back(level);
        }
        return levels;
    }
    if (options.levelHeight) {
        std::string heights;
        for (int level = 1; level <= count; ++level) {
            const auto height = static_cast<float>(metres(document.levelHeight(level)));
            if (height == *options.levelHeight) {
                return {level};
            }
            heights += (level > 1 ? ", " : "") + valueText(height);
        }
        throw ListingError("There is no level at " + valueText(*options.levelHeight) + " m",
                           "Its levels are at " + heights + " m.");
    }
    const int level = options.level.value_or(startLevel(document));
    if (level < 1 || level > count) {
        throw ListingError(
            "There is no level " + std::to_string(level),
            "Its levels are numbered 1 to " + std::to_string(count) + ", from the lowest up.");
    }
    levels.push_back(level);
    return levels;
}

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

std::vector<std::string> exportPlans(const ListingDocument& document, const ExportOptions& options,
                                     char decimalSeparator) {
    return exportPlans(document, options, exportView(document, options, decimalSeparator));
}

std::vector<std::string> exportPlans(const ListingDocument& document, const ExportOptions& options,
                                     const PlanView& view) {
    const std::vector<int> levels = levelsToExport(document, options);
    // Every file is drawn whole before any is put in place: a level that fails, or a full disk,
    // leaves none of them behind.
    std::vector<std::unique_ptr<OutputFile>> files;
    if (options.format == ExportFormat::Pdf) {
        files.push_back(std::make_unique<OutputFile>(options.output));
        writePdf(document, levels, view, *files.back());
    } else {
        PlanView levelView = view;
        for (const int level : levels) {
            files.push_back(std::make_unique<OutputFile>(
                options.allLevels ? numberedPath(options.output, level) : options.output));
            levelView.level = level;
            if (options.format == ExportFormat::Svg) {
                writeSvg(document, options, levels, levelView, *files.back());
            } else {
                writeImage(document, options, levels, levelView, *files.back());
            }
        }
    }
    std::vector<std::string> written;
    for (const auto& file : files) {
        file->commit();
        written.push_back(file->path());
    }
    return written;
}

}  // namespace fp
