// Times the drawing of a big model's densest level onto a 1600x900 image, in both modes with
// every text at its designed place and placed clear of the others, the panel scan with panel
// loads of that level, and the export of every level to one PDF.
// Usage: plan_bench [LISTING] [--runs N]
//   With no LISTING a listing of 12 storeys of 10 by 8 bays is generated once into /tmp.
#include <sys/stat.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "bench_support.h"
#include "densest_level.h"
#include "document/listing_document.h"
#include "plan/level_drawing.h"
#include "plan/plan_frame.h"
#include "render/plan_pages.h"
#include "render/qt_surface.h"
#include "structure/level_model.h"

namespace {

constexpr const char* kDefaultListing = "/tmp/frameplan-plan-bench.anl";
constexpr const char* kGeneratorArguments =
    " --storeys 12 --bays-x 10 --bays-z 8 --load-cases 6 --output ";
constexpr const char* kPdfPath = "/tmp/frameplan-plan-bench.pdf";

struct Timing {
    double median;
    double minimum;
    double maximum;
};

template <typename Work>
Timing timeRuns(int runs, Work&& work) {
    std::vector<double> milliseconds;
    work();  // warm caches, fonts and glyphs
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        milliseconds.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    return {milliseconds[milliseconds.size() / 2], milliseconds.front(), milliseconds.back()};
}

void report(const char* what, const Timing& timing, int runs, double target) {
    std::printf("%-44s median %9.4f ms (min %.4f, max %.4f, %d runs; target <= %g ms)\n", what,
                timing.median, timing.minimum, timing.maximum, runs, target);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    std::string listing;
    int runs = 200;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--runs" && i + 1 < argc) {
            runs = std::max(1, std::atoi(argv[++i]));
        } else {
            listing = argument;
        }
    }
    try {
        if (listing.empty()) {
            listing = kDefaultListing;
            struct stat status {};
            if (stat(listing.c_str(), &status) != 0 &&
                std::system(
                    (std::string(FRAMEPLAN_GEN_LISTING) + kGeneratorArguments + listing).c_str()) !=
                    0) {
                std::fprintf(stderr, "gen_listing failed\n");
                return 1;
            }
        }
        fp::bench::ErrorStreamMessages messages;
        const fp::ListingDocument document = fp::openListing(listing, messages);
        const int level = fp::bench::densestLevel(document);
        std::printf("%s: level %d of %d, %zu beams, %zu panels, %zu floor loads\n", listing.c_str(),
                    level, document.levelCount(), document.level(level).beams.size(),
                    document.level(level).panels.size(), document.floorLoads.size());

        QImage image(1600, 900, QImage::Format_RGB32);
        fp::PlanView view = fp::startUpView(document);
        view.level = level;
        fp::PlacementMemory* memory = nullptr;
        const auto redraw = [&] {
            QPainter painter(&image);
            fp::QtSurface surface(painter, QRectF(image.rect()));
            fp::setPlanScale(document.grid, surface);
            fp::DrawingContext context;
            context.memory = memory;
            fp::drawLevel(document, view, surface, context);
        };
        // Every text placed clear of the others, as the window and the exports draw by default,
        // and at the drawing's own places: the difference is the placement step.
        for (const fp::LoadMode mode : {fp::LoadMode::Floor, fp::LoadMode::Member}) {
            view.mode = mode;
            view.memberNumbers = true;
            view.memberLoadsOnBeams = true;
            const bool floor = mode == fp::LoadMode::Floor;
            view.designedLabelPositions = true;
            const Timing designed = timeRuns(runs, redraw);
            report(floor ? "redraw, floor loads, designed label places"
                         : "redraw, member loads, designed label places",
                   designed, runs, 2);
            view.designedLabelPositions = false;
            const Timing placed = timeRuns(runs, redraw);
            report(floor ? "redraw, floor loads, labels placed"
                         : "redraw, member loads, labels placed",
                   placed, runs, 7);
            std::printf(
                "%-44s median %9.4f ms (target <= 5 ms)\n",
                floor ? "  the placement step, floor loads" : "  the placement step, member loads",
                placed.median - designed.median);
            // As the window redraws a level panned at one zoom: the places found are kept.
            fp::PlacementMemory kept;
            memory = &kept;
            const Timing reused = timeRuns(runs, redraw);
            memory = nullptr;
            report(floor ? "redraw, floor loads, placement kept"
                         : "redraw, member loads, placement kept",
                   reused, runs, 2);
            std::printf("%-44s %zu of %d redraws\n", "  placements taken from memory",
                        kept.reused(), runs + 1);
        }
        view = fp::startUpView(document);
        view.level = level;

        const int scanRuns = runs * 10;
        std::size_t loadsFound = 0;
        const fp::JointIndex joints(document.joints);
        const fp::MemberJoins joins(document.members, document.designRows);
        const fp::LevelSources sources{document.grid,       document.members, document.designRows,
                                       document.floorLoads, joints,           joins};
        report(
            "the level's beams, panels with their loads, columns",
            timeRuns(scanRuns,
                     [&] {
                         for (const fp::LevelPanel& panel : fp::buildLevel(sources, level).panels) {
                             loadsFound += panel.loads.size();
                         }
                     }),
            scanRuns, 0.2);

        fp::ExportRequest request;
        request.listing = listing;
        request.output = kPdfPath;
        request.format = fp::ExportFormat::Pdf;
        request.levels.all = true;
        const int exportRuns = std::max(1, runs / 40);
        report("export of every level to one PDF",
               timeRuns(exportRuns, [&] { fp::exportPlans(document, request); }), exportRuns, 2000);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
