// Times a level change in the window, offscreen: the redraw of the plan and the window's repaint.
// Usage: level_change_bench LISTING [CHANGES]
#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <vector>

#include "app/group_window.h"
#include "app/twips_scale.h"
#include "app/window_application.h"
#include "app/window_services.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s LISTING [CHANGES]\n", argv[0]);
        return 2;
    }
    const int changes = argc >= 3 ? std::max(1, std::atoi(argv[2])) : 200;
    fp::WindowApplication application(argc, argv);
    fp::WindowServices services(argv[1]);
    application.setServices(services);
    const auto model = fp::makeModelStore();
    fp::Group window(*model, services, fp::TwipsScale::ofScreen());
    services.setWindow(window);
    try {
        window.Form_Load();
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 2;
    }
    QCoreApplication::processEvents();

    const int levels = model->GridY.count();
    std::vector<double> times;
    for (int i = 0; i < changes; ++i) {
        const int level = 1 + (i * 7) % levels;
        const auto start = std::chrono::steady_clock::now();
        window.Labyy_Click(level);
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
