// Times, offscreen, selecting on the densest level of a big listing with the Properties dock on
// show (one beam, one panel, and a Ctrl+click adding to a selection of many), the Listing dock's
// jump to a line and its scroll by a page, each with its repaint, and a find of a text not there
// (the window blocked, and the search beside it); and tells the window's memory
// with the listing open, before and after the Listing dock is shown.
// Usage: inspect_bench LISTING [RUNS]
#include <QApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "densest_level.h"
#include "inspect/selection.h"
#include "reader/line_index.h"
#include "window/listing_dock.h"
#include "window/listing_view.h"
#include "window/main_window.h"
#include "window/plan_canvas.h"
#include "window/properties_dock.h"

namespace {

// The resident memory of this process in kilobytes, from /proc.
long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kilobytes = 0;
            status >> kilobytes;
            return kilobytes;
        }
        status.ignore(1 << 16, '\n');
    }
    return 0;
}

double threadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The wall time of a step, and the processor time the GUI thread spent on it, which a machine
// busy with other work disturbs far less.
struct Time {
    double wall = 0;
    double processor = 0;
};

Time timed(const std::function<void()>& step) {
    const double processorStart = threadMilliseconds();
    const auto start = std::chrono::steady_clock::now();
    step();
    return {
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count(),
        threadMilliseconds() - processorStart};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void report(const char* what, const std::vector<Time>& times) {
    std::vector<double> wall;
    std::vector<double> processor;
    for (const Time& time : times) {
        wall.push_back(time.wall);
        processor.push_back(time.processor);
    }
    std::printf("%-44s median %7.2f ms wall (max %.2f), %7.2f ms processor\n", what, median(wall),
                *std::max_element(wall.begin(), wall.end()), median(processor));
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s LISTING [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc >= 3 ? std::max(1, std::atoi(argv[2])) : 200;
    QApplication application(argc, argv);
    fp::MainWindow window;
    window.showMessage = [](const std::string& message) {
        std::fprintf(stderr, "%s\n", message.c_str());
    };
    window.resize(1600, 1000);
    window.show();
    window.openListing(QString::fromLocal8Bit(argv[1]));
    while (window.session().loader().isReading()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    const fp::ListingDocument* document = window.document();
    if (document == nullptr) {
        return 2;
    }
    QCoreApplication::processEvents();
    const long withoutDock = residentKilobytes();

    const int level = fp::bench::densestLevel(*document);
    window.session().showLevel(level);
    auto& properties = *window.findChild<fp::PropertiesDock*>(QStringLiteral("propertiesDock"));
    auto& listing = *window.findChild<fp::ListingDock*>(QStringLiteral("listingDock"));
    properties.toggleViewAction()->trigger();
    QCoreApplication::processEvents();
    fp::PlanCanvas& canvas = window.canvas();
    const std::vector<fp::LevelBeam>& beams = document->level(level).beams;
    const std::vector<fp::LevelPanel>& panels = document->level(level).panels;
    std::printf("level %d of %d: %zu beams, %zu panels\n", level, document->levelCount(),
                beams.size(), panels.size());

    // A left click at a plan point, as the user makes it, with the repaint of the plan and dock.
    const auto clickAt = [&](QPointF plan, Qt::KeyboardModifiers modifiers) {
        const QPointF at = canvas.toImage(plan) + canvas.contentsRect().topLeft();
        QMouseEvent press(QEvent::MouseButtonPress, at, canvas.mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, modifiers);
        QApplication::sendEvent(&canvas, &press);
        canvas.repaint();
        properties.repaint();
    };
    const auto middleOfBeam = [](const fp::LevelBeam& beam) {
        const fp::PlanPoint end = beam.drawnEnd();
        return QPointF((beam.x + end.x) / 2, (beam.z + end.z) / 2);
    };
    const auto middleOfPanel = [](const fp::LevelPanel& panel) {
        return QPointF((panel.bounds.x1 + panel.bounds.x2) / 2,
                       (panel.bounds.z1 + panel.bounds.z2) / 2);
    };
    // The first selection of a level, from nothing selected: the plan stays where it is.
    std::vector<Time> firstClicks;
    int planMoved = 0;
    for (int i = 0; i < runs && !beams.empty(); ++i) {
        window.session().setSelection({});
        QCoreApplication::processEvents();
        const QRect planPlace(canvas.mapTo(&window, QPoint(0, 0)), canvas.size());
        const fp::PlanFrame shown = canvas.visibleFrame();
        const fp::LevelBeam& beam = beams[static_cast<std::size_t>(i * 11) % beams.size()];
        firstClicks.push_back(timed([&] { clickAt(middleOfBeam(beam), Qt::NoModifier); }));
        QCoreApplication::processEvents();
        if (QRect(canvas.mapTo(&window, QPoint(0, 0)), canvas.size()) != planPlace ||
            canvas.visibleFrame() != shown) {
            ++planMoved;
        }
    }
    std::vector<Time> beamClicks;
    std::vector<Time> panelClicks;
    std::vector<Time> addedClicks;
    for (int i = 0; i < runs && !beams.empty(); ++i) {
        const fp::LevelBeam& beam = beams[static_cast<std::size_t>(i * 7) % beams.size()];
        beamClicks.push_back(timed([&] { clickAt(middleOfBeam(beam), Qt::NoModifier); }));
    }
    for (int i = 0; i < runs && !panels.empty(); ++i) {
        const fp::LevelPanel& panel = panels[static_cast<std::size_t>(i * 5) % panels.size()];
        panelClicks.push_back(timed([&] { clickAt(middleOfPanel(panel), Qt::NoModifier); }));
    }
    // Ctrl+click adding beam after beam, up to every beam of the level selected.
    clickAt(QPointF(-1e6, -1e6), Qt::NoModifier);
    for (std::size_t i = 0; i < beams.size() && static_cast<int>(i) < runs; ++i) {
        addedClicks.push_back(timed([&] { clickAt(middleOfBeam(beams[i]), Qt::ControlModifier); }));
    }
    std::printf("selected at the end: %zu\n", window.session().selection().size());
    if (!firstClicks.empty()) {
        report("first selection, Properties updated", firstClicks);
        std::printf("the plan moved on %d of %zu first selections\n", planMoved,
                    firstClicks.size());
    }
    if (!beamClicks.empty()) {
        report("select a beam, Properties updated", beamClicks);
    }
    if (!panelClicks.empty()) {
        report("select a panel, Properties updated", panelClicks);
    }
    if (!addedClicks.empty()) {
        report("Ctrl+click adding a beam, Properties updated", addedClicks);
    }

    // The Listing dock: its index built off the window's thread on show, then jumps across the
    // file and page scrolls, then a find of a text that is not there, also off the thread.
    const auto until = [](const std::function<bool()>& done) {
        while (!done()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
    };
    double indexing = 0;
    const double showing = timed([&] {
                               listing.toggleViewAction()->trigger();
                               QCoreApplication::processEvents();
                           }).wall;
    indexing = showing + timed([&] { until([&] { return !listing.isIndexing(); }); }).wall;
    const fp::LineIndex* index = listing.view->index();
    if (index == nullptr) {
        return 2;
    }
    const long lines = index->lineCount();
    std::printf(
        "Listing dock shown in %.1f ms, index built beside the window in %.0f ms: %ld lines, "
        "index %zu bytes (%.2f bytes per line)\n",
        showing, indexing, lines, index->memoryBytes(),
        static_cast<double>(index->memoryBytes()) / static_cast<double>(lines));
    listing.findField->setText(QStringLiteral("NOT IN THE LISTING"));
    const double asking = timed([&] { listing.findNext(); }).wall;
    const double searching =
        asking + timed([&] { until([&] { return !listing.isFinding(); }); }).wall;
    std::printf("Find of a text not there: the window blocked %.2f ms, the search took %.0f ms\n",
                asking, searching);
    std::vector<Time> jumps;
    std::vector<Time> pages;
    for (int i = 0; i < runs; ++i) {
        // Spread over the whole file, far from the line before.
        const long line = 1 + static_cast<long>((static_cast<double>(i) * 0.618034 -
                                                 static_cast<long>(i * 0.618034)) *
                                                static_cast<double>(lines - 1));
        jumps.push_back(timed([&] {
            listing.showLine(static_cast<int>(line));
            listing.view->viewport()->repaint();
        }));
        pages.push_back(timed([&] {
            listing.view->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
            listing.view->viewport()->repaint();
        }));
    }
    report("Listing: jump to a line", jumps);
    report("Listing: scroll by a page", pages);
    const long withDock = residentKilobytes();
    std::printf(
        "window memory (resident): %ld kB with the listing open, %ld kB with the "
        "Listing dock shown too (+%ld kB)\n",
        withoutDock, withDock, withDock - withoutDock);
    return 0;
}
