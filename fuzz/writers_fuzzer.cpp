// Fuzz target: any bytes as a listing, every level of it drawn through the writers: on a Qt image
// offscreen, as SVG (parsed back as XML), as a PDF page and as DXF (read back by dxflib). A
// listing the program cannot read or draw is an expected outcome; a crash, a sanitizer report,
// a hang or a file its format's reader refuses is not.
#include <dl_creationadapter.h>
#include <dl_dxf.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QXmlStreamReader>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string_view>

#include "document/listing_document.h"
#include "document/startup_texts.h"
#include "dxf/dxf_plan.h"
#include "files/pending_file.h"
#include "model/listing_error.h"
#include "render/plan_pages.h"

namespace {

class NoMessages : public fp::MessageSink {
  public:
    void show(const fp::ListingMessage&) override {}
};

constexpr int kWidth = 320;
constexpr int kHeight = 240;

void drawOnImage(const fp::ListingDocument& document, const fp::PlanView& view,
                 const fp::PageFacts& facts) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    fp::renderPage(document, view, painter, QRectF(0, 0, kWidth, kHeight), &facts);
}

void drawAsSvg(const fp::ListingDocument& document, const fp::PlanView& view,
               const fp::PageFacts& facts) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(kWidth, kHeight));
    {
        QPainter painter(&svg);
        fp::renderPage(document, view, painter, QRectF(0, 0, kWidth, kHeight), &facts);
    }
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        xml.readNext();
    }
    if (xml.hasError()) {
        std::abort();
    }
}

void drawAsPdf(const fp::ListingDocument& document, const fp::PlanView& view) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setPageLayout(fp::planPageLayout());
    QPainter painter(&pdf);
    fp::paintPages(pdf, painter, document, view, {view.level});
}

void drawAsDxf(const fp::ListingDocument& document, const fp::PlanView& view) {
    std::istringstream text(fp::dxfText(fp::dxfPlan(document, view)));
    DL_CreationAdapter ignored;
    DL_Dxf dxf;
    if (!dxf.in(text, &ignored)) {
        std::abort();
    }
}

void drawEveryLevel(const fp::ListingDocument& document) {
    fp::PlanView view = fp::startUpView(document);
    view.memberNumbers = true;
    std::vector<int> levels;
    for (int level = 1; level <= document.levelCount(); ++level) {
        levels.push_back(level);
    }
    for (const int level : levels) {
        view.level = level;
        const fp::PageFacts facts = fp::pageFacts(document, levels, level);
        for (const fp::LoadMode mode : {fp::LoadMode::Floor, fp::LoadMode::Member}) {
            view.mode = mode;
            try {
                drawOnImage(document, view, facts);
                drawAsSvg(document, view, facts);
                drawAsPdf(document, view);
                drawAsDxf(document, view);
            } catch (const fp::ListingError&) {
                // A level past a drawing limit.
            } catch (const fp::FileWriteError&) {
                // The DXF's scratch file could not be written; not the listing's doing.
            }
        }
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
        drawEveryLevel(fp::readListing(*listing, messages));
    } catch (const fp::ListingError&) {
        // A listing the program cannot read or hold.
    }
    return 0;
}
