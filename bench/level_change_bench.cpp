// Times a level change in the window, offscreen: the redraw of the plan and the window's repaint.
// Usage: level_change_bench LISTING [CHANGES]
#include <QApplication>
#include <QEventLoop>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "window/main_window.h"
#include "window/plan_panel.h"
#include "window/twips_scale.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s LISTING [CHANGES]\n", argv[0]);
        return 2;
    }
    const int changes = argc >= 3 ? std::max(1, std::atoi(argv[2])) : 200;
    QApplication application(argc, argv);
    fp::MainWindow window(fp::TwipsScale::ofScreen());
    window.showMessage = [](const std::string& message) {
        std::fprintf(stderr, "%s\n", message.c_str());
    };
    window.show();
    window.openListing(QString::fromLocal8Bit(argv[1]));
    while (window.loader().isReading()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    if (window.document() == nullptr) {
        return 2;
    }
    QCoreApplication::processEvents();
    fp::PlanPanel& panel = window.panel();

    const int levels = window.document()->levelCount();
    std::vector<double> times;
    for (int i = 0; i < changes; ++i) {
        const int level = 1 + (i * 7) % levels;
        const auto start = std::chrono::steady_clock::now();
        panel.selectLevel(level);
        panel.repaint();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(times.begin(), times.end());
    std::printf("level change with repaint, %d levels, %d changes: median %.2f ms (max %.2f)\n",
                levels, changes, times[times.size() / 2], times.back());
    return 0;
}
