// Fuzz target: any bytes as a listing, drawn through one of the writers: on a Qt image
// offscreen, as SVG (parsed back as XML), on a PDF page, or as DXF (read back by dxflib). A
// listing the program cannot read or draw is an expected outcome; a crash, a sanitizer report, a
// hang or a file its format's reader refuses is not.
//
// A run draws one level in one mode through one writer, all three chosen from the input's bytes
// (a hash of them, so that any mutation may choose anew): every writer and view is reached over
// the runs, while a run costs one small drawing. The image and the PDF writer are made once for
// the whole fuzzing, not for each input.
#include <dl_creationadapter.h>
#include <dl_dxf.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QXmlStreamReader>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <sstream>
#include <string_view>
#include <vector>

#include "document/listing_document.h"
#include "document/startup_texts.h"
#include "dxf/dxf_plan.h"
#include "files/pending_file.h"
#include "model/listing_error.h"
#include "plan/level_drawing.h"
#include "render/plan_pages.h"

namespace {

class NoMessages : public fp::MessageSink {
  public:
    void show(const fp::ListingMessage&) override {}
};

constexpr int kWidth = 160;
constexpr int kHeight = 120;
const QRectF kArea(0, 0, kWidth, kHeight);
// The PDF pages: a small sheet at a screen's resolution.
constexpr int kPdfDpi = 72;

// What one run draws: a level that can be drawn, in one mode, with member numbers on show.
struct Drawing {
    fp::PlanView view;
    std::vector<int> levels;  // every level that can be drawn, for the page's facts
    fp::PageFacts facts;
};

void drawOnImage(const fp::ListingDocument& document, const Drawing& drawing) {
    static QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    fp::renderPage(document, drawing.view, painter, kArea, &drawing.facts);
}

void drawAsSvg(const fp::ListingDocument& document, const Drawing& drawing) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(kWidth, kHeight));
    {
        QPainter painter(&svg);
        fp::renderPage(document, drawing.view, painter, kArea, &drawing.facts);
    }
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        xml.readNext();
    }
    if (xml.hasError()) {
        std::abort();
    }
}

// Takes every byte and keeps none: the PDF is written to be drawn, not read back.
class Discarded : public QIODevice {
  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override { return size; }
};

// One PDF for the whole fuzzing, a page for each input: a PDF writer's start and end (its fonts
// embedded, its objects listed) cost more than a page of it.
class PdfPages {
  public:
    PdfPages() : writer_(&discarded_) {
        discarded_.open(QIODevice::WriteOnly);
        writer_.setResolution(kPdfDpi);
        writer_.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A7), QPageLayout::Landscape, QMarginsF()));
        painter_.begin(&writer_);
    }

    void draw(const fp::ListingDocument& document, const Drawing& drawing) {
        if (pages_++ > 0) {
            writer_.newPage();
        }
        fp::renderPage(document, drawing.view, painter_,
                       QRectF(0, 0, writer_.width(), writer_.height()), &drawing.facts);
    }

  private:
    Discarded discarded_;
    QPdfWriter writer_;
    QPainter painter_;
    long pages_ = 0;
};

void drawAsPdf(const fp::ListingDocument& document, const Drawing& drawing) {
    static PdfPages pages;
    pages.draw(document, drawing);
}

void drawAsDxf(const fp::ListingDocument& document, const Drawing& drawing) {
    std::istringstream text(fp::dxfText(fp::dxfPlan(document, drawing.view)));
    DL_CreationAdapter ignored;
    DL_Dxf dxf;
    if (!dxf.in(text, &ignored)) {
        std::abort();
    }
}

using Writer = void (*)(const fp::ListingDocument&, const Drawing&);
constexpr Writer kWriters[] = {drawOnImage, drawAsSvg, drawAsPdf, drawAsDxf};

void drawOneView(const fp::ListingDocument& document, std::size_t choice) {
    Drawing drawing;
    for (int level = 1; level <= document.levelCount(); ++level) {
        // A level past a drawing limit is one no writer draws.
        if (!document.level(level).limitError()) {
            drawing.levels.push_back(level);
        }
    }
    if (drawing.levels.empty()) {
        return;
    }
    const Writer writer = kWriters[choice % std::size(kWriters)];
    choice /= std::size(kWriters);
    drawing.view = fp::startUpView(document);
    drawing.view.memberNumbers = true;
    drawing.view.mode = choice % 2 == 0 ? fp::LoadMode::Floor : fp::LoadMode::Member;
    drawing.view.level = drawing.levels[(choice / 2) % drawing.levels.size()];
    drawing.facts = fp::pageFacts(document, drawing.levels, drawing.view.level);
    try {
        writer(document, drawing);
    } catch (const fp::FileWriteError&) {
        // The DXF's scratch file could not be written; not the listing's doing.
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    NoMessages messages;
    try {
        const auto listing = fp::listingInMemory(bytes, "fuzz.anl");
        drawOneView(fp::readListing(*listing, messages), std::hash<std::string_view>()(bytes));
    } catch (const fp::ListingError&) {
        // A listing the program cannot read or hold.
    }
    return 0;
}
