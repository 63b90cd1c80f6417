// Fuzz target: any bytes as a listing, through the whole program in memory: the document, every
// level drawn in both modes with member numbers, and the JSON dump. A listing the program cannot
// read or draw is an expected outcome; a crash, a sanitizer report or a hang is not.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/document_json.h"
#include "document/listing_document.h"
#include "document/startup_texts.h"
#include "model/listing_error.h"
#include "plan/level_drawing.h"
#include "plan/plan_frame.h"
#include "plan/plan_view.h"

namespace {

class KeptMessages : public fp::MessageSink {
  public:
    void show(const fp::ListingMessage& message) override { shown.push_back(message); }
    std::vector<fp::ListingMessage> shown;
};

// Fixed text metrics; every coordinate the drawing hands over must be a number.
class CheckingSurface : public fp::Surface {
  public:
    void clear() override {}
    void setScale(double left, double top, double right, double bottom) override {
        check({left, top, right, bottom});
    }
    void line(double x1, double z1, double x2, double z2) override { check({x1, z1, x2, z2}); }
    void circle(double x, double z, double radius) override { check({x, z, radius}); }
    void fillSquare(double x, double z, double halfSide) override { check({x, z, halfSide}); }
    double textWidth(std::string_view text) override {
        return 10.0 * static_cast<double>(text.size());
    }
    double textHeight(std::string_view) override { return 20; }
    void drawText(std::string_view, double x, double z) override { check({x, z}); }
    void selectFont(const fp::FontDescription&) override {}
    void restoreOwnFont() override {}

  private:
    static void check(std::initializer_list<double> values) {
        for (const double value : values) {
            if (std::isnan(value)) {
                std::abort();
            }
        }
    }
};

void drawEveryLevel(const fp::ListingDocument& document) {
    CheckingSurface surface;
    fp::setPlanScale(document.grid, surface);
    fp::PlanView view = fp::startUpView(document);
    view.memberNumbers = true;
    for (int level = 1; level <= document.levelCount(); ++level) {
        view.level = level;
        for (const fp::LoadMode mode : {fp::LoadMode::Floor, fp::LoadMode::Member}) {
            view.mode = mode;
            try {
                fp::drawLevel(document, view, surface);
            } catch (const fp::ListingError&) {
                // A level past a drawing limit.
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    KeptMessages messages;
    try {
        const auto listing = fp::listingInMemory(bytes, "fuzz.anl");
        const fp::ListingDocument document = fp::readListing(*listing, messages);
        drawEveryLevel(document);
        std::ostringstream json;
        fp::writeDocumentJson(json, document, messages.shown);
    } catch (const fp::ListingError&) {
        // A listing the program cannot read or hold.
    }
    return 0;
}
