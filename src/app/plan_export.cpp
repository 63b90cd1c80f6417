// Level plans to image, vector and page files through the one drawing path of the window.
#include "app/plan_export.h"

#include <QFont>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "app/qt_surface.h"
#include "model/number_text.h"
#include "model/run_error.h"
#include "panels/level_rendering.h"
#include "plan/beam_boxes.h"
#include "plan/plan_scale.h"
#include "reader/startup_texts.h"

namespace fp {

namespace {

constexpr int kSvgDpi = 96;
constexpr int kPdfDpi = 300;

QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}

RunEndingError cannotWrite(const std::string& path) {
    return RunEndingError("Cannot write " + path,
                          "Check that the folder exists and that the file may be written.");
}

// "plan.png" for level 4 becomes "plan-4.png".
std::string numberedPath(const std::string& path, int16_t level) {
    const auto dot = path.find_last_of('.');
    const auto slash = path.find_last_of('/');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash);
    const std::string stem = hasExtension ? path.substr(0, dot) : path;
    const std::string extension = hasExtension ? path.substr(dot) : std::string();
    return stem + "-" + std::to_string(level) + extension;
}

std::vector<int16_t> levelsToExport(const ModelStore& model, const ExportOptions& options) {
    const int count = model.GridY.count();
    if (count < 1) {
        throw RunEndingError("The listing " + options.listing + " has no joints",
                             "There is no level to draw.");
    }
    std::vector<int16_t> levels;
    if (options.allLevels) {
        for (int level = 1; level <= count; ++level) {
            levels.push_back(static_cast<int16_t>(level));
        }
        return levels;
    }
    const int level = options.level.value_or(StartLevel(model));
    if (level < 1 || level > count) {
        throw RunEndingError(
            "There is no level " + std::to_string(level) + " in " + options.listing,
            "Its levels are numbered 1 to " + std::to_string(count) + ", from the lowest up.");
    }
    levels.push_back(static_cast<int16_t>(level));
    return levels;
}

void writeImage(ModelStore& model, const ExportOptions& options, const ViewState& view,
                int16_t level, const std::string& path, char decimalSeparator) {
    QImage image(options.width, options.height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        renderPage(model, painter, QRectF(image.rect()), view, level, decimalSeparator);
    }
    if (!image.save(toQString(path), "PNG")) {
        throw cannotWrite(path);
    }
}

void writeSvg(ModelStore& model, const ExportOptions& options, const ViewState& view, int16_t level,
              const std::string& path, char decimalSeparator) {
    QSvgGenerator svg;
    svg.setFileName(toQString(path));
    svg.setResolution(kSvgDpi);
    svg.setSize(QSize(options.width, options.height));
    svg.setViewBox(QRect(0, 0, options.width, options.height));
    svg.setTitle(toQString(LevelCaption(model, level, decimalSeparator)));
    QPainter painter;
    if (!painter.begin(&svg)) {
        throw cannotWrite(path);
    }
    renderPage(model, painter, QRectF(0, 0, options.width, options.height), view, level,
               decimalSeparator);
    painter.end();
}

void writePdf(ModelStore& model, const std::vector<int16_t>& levels, const ViewState& view,
              const std::string& path, char decimalSeparator) {
    QPdfWriter pdf(toQString(path));
    pdf.setResolution(kPdfDpi);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                  QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    pdf.setTitle(toQString(path));
    pdf.setCreator(QStringLiteral("FramePlan"));
    QPainter painter;
    if (!painter.begin(&pdf)) {
        throw cannotWrite(path);
    }
    const QRectF page(0, 0, pdf.width(), pdf.height());
    for (std::size_t i = 0; i < levels.size(); ++i) {
        if (i > 0) {
            pdf.newPage();
        }
        renderPage(model, painter, page, view, levels[i], decimalSeparator);
    }
    if (!painter.end()) {
        throw cannotWrite(path);
    }
}

}  // namespace

ViewState exportViewState(const ModelStore& model, const ExportOptions& options) {
    ViewState view;
    view.memberLoadMode = options.memberLoadMode;
    view.beamNumbers = options.beamNumbers ? kTicked : kUnticked;
    view.loadType = options.loadType ? kTicked : kUnticked;
    if (!options.intensities) {
        return view;
    }
    const int count = model.FloorIntensityList.count();
    std::string available;
    for (int i = 1; i <= count; ++i) {
        available += (i > 1 ? ", " : "") + valueText(model.FloorIntensityList[i]);
    }
    for (int i = 0; i <= count; ++i) {
        view.intensityBoxes[static_cast<std::size_t>(i)] = kUnticked;
    }
    for (const float wanted : *options.intensities) {
        int found = 0;
        for (int i = 1; i <= count && found == 0; ++i) {
            if (model.FloorIntensityList[i] == wanted) {
                found = i;
            }
        }
        if (found == 0) {
            throw RunEndingError("--intensities: " + valueText(wanted) +
                                     " is not a floor-load intensity of " + options.listing,
                                 available.empty() ? "The listing has no floor loads."
                                                   : "Its intensities are " + available + ".");
        }
        view.intensityBoxes[static_cast<std::size_t>(found)] = kTicked;
    }
    return view;
}

void renderPage(ModelStore& model, QPainter& painter, const QRectF& area, const ViewState& view,
                int16_t level, char decimalSeparator) {
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
                     toQString(LevelCaption(model, level, decimalSeparator)));

    const QRectF planArea(area.left(), area.top() + titleHeight, area.width(),
                          area.height() - titleHeight);
    QtSurface surface(painter, planArea);
    setPlanScale(model, surface);
    BeamBoxes boxes;
    renderLevel(model, surface, view, level, boxes, decimalSeparator);
}

std::vector<std::string> exportPlans(ModelStore& model, const ExportOptions& options,
                                     char decimalSeparator) {
    const ViewState view = exportViewState(model, options);
    const std::vector<int16_t> levels = levelsToExport(model, options);
    if (options.format == ExportFormat::Pdf) {
        writePdf(model, levels, view, options.output, decimalSeparator);
        return {options.output};
    }
    std::vector<std::string> written;
    for (const int16_t level : levels) {
        const std::string path =
            options.allLevels ? numberedPath(options.output, level) : options.output;
        if (options.format == ExportFormat::Svg) {
            writeSvg(model, options, view, level, path, decimalSeparator);
        } else {
            writeImage(model, options, view, level, path, decimalSeparator);
        }
        written.push_back(path);
    }
    return written;
}

}  // namespace fp
