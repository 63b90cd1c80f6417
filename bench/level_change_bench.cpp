// Times a level change in the window, offscreen: the redraw of the plan and the window's repaint.
// Usage: level_change_bench LISTING [CHANGES]
#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <vector>

#include "document/listing_document.h"
#include "window/message_boxes.h"
#include "window/plan_window.h"
#include "window/twips_scale.h"
#include "window/window_application.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s LISTING [CHANGES]\n", argv[0]);
        return 2;
    }
    const int changes = argc >= 3 ? std::max(1, std::atoi(argv[2])) : 200;
    fp::WindowApplication application(argc, argv);
    fp::MessageBoxes messages;
    fp::PlanWindow window(fp::TwipsScale::ofScreen());
    messages.setWindow(window);
    try {
        window.showDocument(fp::openListing(argv[1], messages));
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 2;
    }
    QCoreApplication::processEvents();

    const int levels = window.document()->levelCount();
    std::vector<double> times;
    for (int i = 0; i < changes; ++i) {
        const int level = 1 + (i * 7) % levels;
        const auto start = std::chrono::steady_clock::now();
        window.selectLevel(level);
        window.repaint();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(times.begin(), times.end());
    std::printf("level change with repaint, %d levels, %d changes: median %.2f ms (max %.2f)\n",
                levels, changes, times[times.size() / 2], times.back());
    return 0;
}
