// Export and print from the window: the pages and drawings of "frameplan export", drawn with the
// window's view (its level, mode, annotations and View options; not its zoom), and the load
// schedules of "frameplan schedule".
#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>
#include <stdexcept>

#include "document/startup_texts.h"
#include "files/file_names.h"
#include "model/listing_error.h"
#include "output/schedule_files.h"
#include "plan/level_drawing.h"
#include "render/compare_pages.h"
#include "render/plan_pages.h"
#include "window/file_filter.h"
#include "window/main_window.h"
#include "window/plan_canvas.h"
#include "window/sheet_fields.h"

namespace fp {
namespace {

constexpr int kNoteMs = 8000;

const QStringList kExportFilters{QStringLiteral("PDF (*.pdf)"), QStringLiteral("SVG (*.svg)"),
                                 QStringLiteral("PNG (*.png)"), QStringLiteral("DXF (*.dxf)")};
const QStringList kScheduleFilters{QStringLiteral("Excel workbook (*.xlsx)"),
                                   QStringLiteral("CSV, one file per table (*.csv)")};

// The wait cursor while files are written: a large listing's schedule takes a moment.
struct WaitCursor {
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

std::vector<int> allLevelsOf(const ListingDocument& document) {
    std::vector<int> levels;
    for (int level = 1; level <= document.levelCount(); ++level) {
        levels.push_back(level);
    }
    return levels;
}

}  // namespace

JobInformation MainWindow::listedJob() const {
    return document() != nullptr ? document()->echo.job : JobInformation{};
}

void MainWindow::askForPageSetup() {
    if (document() == nullptr) {
        return;
    }
    QDialog dialog(this);
    dialog.setWindowTitle(QStringLiteral("Page Setup"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* fields = new SheetFields(session_.sheet(), listedJob(), SheetFields::Paper::Asked);
    layout->addWidget(fields);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() == QDialog::Accepted) {
        session_.setSheet(fields->choice());
    }
}

QString MainWindow::exportFolder() const {
    return QFileInfo(listingPath()).absolutePath();
}

void MainWindow::exportLevels(bool allLevels) {
    const ListingDocument* shown = document();
    if (shown == nullptr || shown->levelCount() < 1) {
        return;
    }
    QString name = QFileInfo(listingPath()).completeBaseName();
    if (!allLevels) {
        name += QLatin1Char('-') +
                QString::fromStdString(levelCaption(*shown, session_.view().level, '.'))
                    .remove(QLatin1Char(' '));
    }
    QString filter = kExportFilters.first();
    // The sheet and job of PDF pages and of images with their title block.
    SheetFields fields(session_.sheet(), listedJob(), SheetFields::Paper::Asked);
    const QString path = chooseSavePath(
        this, allLevels ? QStringLiteral("Export All Levels") : QStringLiteral("Export Level"),
        QDir(exportFolder()).filePath(name + QStringLiteral(".pdf")), kExportFilters, &filter,
        &fields);
    if (!path.isEmpty()) {
        session_.setSheet(fields.choice());
        exportTo(withFilterExtension(path, filter, kExportFilters), allLevels);
    }
}

void MainWindow::exportSchedule() {
    const ListingDocument* shown = document();
    if (shown == nullptr) {
        return;
    }
    QString filter = kScheduleFilters.first();
    const QString path = chooseSavePath(
        this, QStringLiteral("Export Schedule"),
        QDir(exportFolder())
            .filePath(QFileInfo(listingPath()).completeBaseName() + QStringLiteral(".xlsx")),
        kScheduleFilters, &filter, nullptr);
    if (!path.isEmpty()) {
        exportScheduleTo(withFilterExtension(path, filter, kScheduleFilters));
    }
}

std::vector<std::string> MainWindow::exportTo(const QString& path, bool allLevels) {
    const ListingDocument* shown = document();
    if (shown == nullptr) {
        return {};
    }
    return writeFiles(path, [&] {
        ExportRequest request;
        request.listing = shown->name;
        request.output = QFile::encodeName(path).toStdString();
        const std::optional<ExportFormat> format = formatNamed(extensionOf(request.output));
        if (!format) {
            throw std::invalid_argument("Cannot tell the format from \"" +
                                        QFile::encodeName(path).toStdString() +
                                        "\"; end it in .png, .svg, .pdf or .dxf.");
        }
        request.format = *format;
        request.view = session_.view();
        request.intensities = request.view.shownIntensities;
        request.levels.all = allLevels;
        request.levels.number = session_.view().level;
        request.titleBlock = actions_.titleBlockOnImages->isChecked();
        request.checksPages = allLevels && actions_.checksPages->isChecked();
        request.takedownPages = allLevels && actions_.takedownPages->isChecked();
        request.page = session_.sheet().page;
        request.job = session_.sheet().job;
        // In compare mode every changed level is marked, and the changes follow the plans.
        if (allLevels && request.format == ExportFormat::Pdf && session_.comparison() != nullptr) {
            writeComparePdf(*shown, *session_.comparison(), request.output, request.view);
            return std::vector<std::string>{request.output};
        }
        // The Checks pages show what the window holds of this very document.
        const std::vector<Finding> findings =
            request.checksPages ? session_.findingsNow() : std::vector<Finding>{};
        return exportPlans(*shown, request, &findings);
    });
}

std::vector<std::string> MainWindow::exportScheduleTo(const QString& path) {
    const ListingDocument* shown = document();
    if (shown == nullptr) {
        return {};
    }
    const std::vector<std::string> written = writeFiles(path, [&] {
        const WaitCursor busy;
        const std::vector<Finding> findings = session_.findingsNow();
        return writeSchedule(*shown, QFile::encodeName(path).toStdString(), &findings);
    });
    // The levels past a drawing limit have no rows: the schedule is told to be short of them.
    std::string leftOut;
    for (int level = 1; !written.empty() && level <= shown->levelCount(); ++level) {
        if (const auto& limit = shown->level(level).limitError()) {
            leftOut += "\n" + limit->inListing(shown->name).message();
        }
    }
    if (!leftOut.empty()) {
        showMessage("The schedule leaves out the levels past a drawing limit:" + leftOut);
    }
    return written;
}

std::vector<std::string> MainWindow::writeFiles(
    const QString& path, const std::function<std::vector<std::string>()>& write) {
    const ListingDocument* shown = document();
    try {
        const std::vector<std::string> written = write();
        statusBar()->showMessage(
            written.size() == 1
                ? QStringLiteral("Wrote %1").arg(QDir::toNativeSeparators(path))
                : QStringLiteral("Wrote %1 files in %2")
                      .arg(written.size())
                      .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath())),
            kNoteMs);
        return written;
    } catch (const ListingError& failure) {
        showMessage(failure.inListing(shown->name).what());
    } catch (const FileWriteError& failure) {
        showMessage(failure.what());
    } catch (const std::invalid_argument& failure) {
        showMessage(failure.what());
    }
    return {};
}

bool MainWindow::printLevels(QPrinter& printer, const std::vector<int>& levels) {
    const ListingDocument* shown = document();
    if (shown == nullptr || levels.empty()) {
        return false;
    }
    const PlanView view = session_.view();
    try {
        checkPrintable(*shown, view, levels, printer.pageLayout(), session_.sheet().page.scale);
    } catch (const ListingError& failure) {
        showMessage(failure.inListing(shown->name).what());
        return false;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        showMessage("The printer could not be started. Check that it is set up and try again.");
        return false;
    }
    paintPages(printer, painter, *shown, view, levels, session_.sheet().page.scale,
               session_.sheet().job);
    return painter.end();
}

void MainWindow::print() {
    const ListingDocument* shown = document();
    if (shown == nullptr || shown->levelCount() < 1) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(planPageLayout(session_.sheet().page));
    printer.setDocName(session_.fileName());
    // With no printer installed the pages go to a PDF file beside the listing, and the dialog
    // offers the file in any case: its options must name printing to a file, or it is left out.
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(exportFolder() + QLatin1Char('/') +
                                  QFileInfo(listingPath()).completeBaseName() +
                                  QStringLiteral(".pdf"));
    }
    QPrintDialog dialog(&printer, this);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange |
                      QAbstractPrintDialog::PrintCurrentPage);
    // One page per level, the lowest first.
    dialog.setMinMax(1, shown->levelCount());
    // The printer's own page setup asks for the paper; a tab of ours for the scale and the job.
    auto* fields =
        new SheetFields(session_.sheet(), listedJob(), SheetFields::Paper::LeftToPrinter);
    dialog.setOptionTabs({fields});
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    session_.setSheet(fields->choice());
    std::vector<int> levels;
    if (printer.printRange() == QPrinter::PageRange) {
        for (int level = printer.fromPage(); level <= printer.toPage(); ++level) {
            levels.push_back(level);
        }
    } else if (printer.printRange() == QPrinter::CurrentPage) {
        levels.push_back(session_.view().level);
    } else {
        levels = allLevelsOf(*shown);
    }
    printLevels(printer, levels);
}

void MainWindow::printPreview() {
    const ListingDocument* shown = document();
    if (shown == nullptr || shown->levelCount() < 1) {
        return;
    }
    const std::vector<int> levels = allLevelsOf(*shown);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(planPageLayout(session_.sheet().page));
    try {
        checkPrintable(*shown, session_.view(), levels, printer.pageLayout(),
                       session_.sheet().page.scale);
    } catch (const ListingError& failure) {
        showMessage(failure.inListing(shown->name).what());
        return;
    }
    printer.setDocName(session_.fileName());
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(QStringLiteral("Print Preview"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this, &levels](QPrinter* target) { printLevels(*target, levels); });
    preview.exec();
}

}  // namespace fp
