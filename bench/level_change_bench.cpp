// Times, offscreen, a level change and a zoom step in the window (the redraw of the plan and the
// repaint of the window's client area), the step onto the densest level by key with every display
// on (and again with the column loads on), and the text that tells what lies under the pointer.
// Usage: level_change_bench LISTING [CHANGES]
#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "densest_level.h"
#include "takedown/takedown.h"
#include "window/main_window.h"
#include "window/plan_canvas.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s LISTING [CHANGES]\n", argv[0]);
        return 2;
    }
    const int changeCount = argc >= 3 ? std::max(1, std::atoi(argv[2])) : 200;
    QApplication application(argc, argv);
    fp::MainWindow window;
    window.showMessage = [](const std::string& message) {
        std::fprintf(stderr, "%s\n", message.c_str());
    };
    window.show();
    window.openListing(QString::fromLocal8Bit(argv[1]));
    while (window.session().loader().isReading()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    if (window.document() == nullptr) {
        return 2;
    }
    QCoreApplication::processEvents();
    fp::PlanCanvas& canvas = window.canvas();
    QWidget& client = *window.centralWidget();

    const int levels = window.document()->levelCount();
    const auto timed = [](const std::function<void()>& step) {
        const auto start = std::chrono::steady_clock::now();
        step();
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count();
    };
    const auto report = [](const char* what, std::vector<double> times) {
        std::sort(times.begin(), times.end());
        std::printf("%s: median %.2f ms (max %.2f)\n", what, times[times.size() / 2], times.back());
    };

    std::vector<double> changes;
    // Each change onto the next level up, from the top back to the first: a stride that shares a
    // factor with the level count would stay on one level and time no change at all.
    for (int i = 0; i < changeCount; ++i) {
        const int level = 1 + (i + 1) % levels;
        changes.push_back(timed([&] {
            window.session().showLevel(level);
            client.repaint();
        }));
    }
    std::printf("%d levels, %d changes of each kind\n", levels, changeCount);
    report("level change with repaint", changes);

    // Zoom steps in and out about the middle, each a redraw of the level on show.
    std::vector<double> zooms;
    for (int i = 0; i < changeCount; ++i) {
        const double by =
            (i / 4) % 2 == 0 ? fp::PlanCanvas::kZoomStep : 1 / fp::PlanCanvas::kZoomStep;
        zooms.push_back(timed([&] {
            canvas.zoomAtMiddle(by);
            client.repaint();
        }));
    }
    report("zoom step with repaint", zooms);

    // Onto the densest level by the arrow key from the level below: the key, the plan drawn and
    // placed, the client area painted.
    fp::DocumentSession& session = window.session();
    const int densest = fp::bench::densestLevel(*window.document());
    // Down a level and back up onto the densest, each time; the steps up, timed from the key to
    // the painted plan.
    const auto stepsOntoDensest = [&] {
        std::vector<double> steps;
        for (int i = 0; i < changeCount && densest > 1; ++i) {
            for (const int key : {Qt::Key_Down, Qt::Key_Up}) {
                QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
                const double took = timed([&] {
                    QApplication::sendEvent(&canvas, &press);
                    client.repaint();
                });
                if (key == Qt::Key_Up) {
                    steps.push_back(took);
                }
            }
        }
        return steps;
    };
    // The column loads on over the start view's displays, for the first load case.
    const fp::LoadCases cases = fp::loadCasesOf(*window.document());
    if (!cases.cases.empty() && densest > 1) {
        session.setColumnLoads(fp::ColumnLoadChoice{false, cases.cases.front()});
        session.showLevel(densest);
        client.repaint();
        std::printf("level %d, the densest, start view: ", densest);
        report("key to painted plan, the column loads on", stepsOntoDensest());
        session.setColumnLoads(std::nullopt);
    }
    // Every display on, in each mode.
    session.setLoadCaseNumbers(true);
    session.setEveryIntensityShown(true);
    session.setOption(&fp::PlanView::markPanelsWithoutLoad, true);
    session.setOption(&fp::PlanView::markChecks, true);
    session.setOption(&fp::PlanView::gridLines, true);
    session.setMemberNumbers(true);
    session.setOption(&fp::PlanView::memberLoadsOnBeams, true);
    for (const fp::LoadMode mode : {fp::LoadMode::Floor, fp::LoadMode::Member}) {
        session.setMode(mode);
        session.showLevel(densest);
        client.repaint();
        const std::vector<double> steps = stepsOntoDensest();
        if (!steps.empty()) {
            std::printf("level %d, the densest, %s: ", densest,
                        mode == fp::LoadMode::Floor ? "floor loads" : "member loads");
            report("key to painted plan, every display on", steps);
        }
    }

    // The same steps with the column loads on, for the first load case, in floor-load mode. The
    // takedown is worked out once for the document (here by the check that follows the
    // reading), so a step only looks up the level's columns and places their labels.
    if (!cases.cases.empty() && densest > 1) {
        const double once = timed([&] { fp::takeDown(*window.document()); });
        std::printf("the takedown of every level and case, worked out once: %.1f ms\n", once);
        session.setMode(fp::LoadMode::Floor);
        session.setColumnLoads(fp::ColumnLoadChoice{false, cases.cases.front()});
        session.showLevel(densest);
        client.repaint();
        const std::vector<double> steps = stepsOntoDensest();
        std::printf("level %d, the densest, floor loads, %zu columns: ", densest,
                    window.document()->level(densest).columns.size());
        report("key to painted plan, every display and the column loads on", steps);
        session.setColumnLoads(std::nullopt);
    }

    // The status bar's text for points across the plan, the first after a redraw finding the
    // level's beams and panels.
    std::vector<double> pointers;
    const QRect inside = canvas.contentsRect();
    for (int i = 0; i < changeCount; ++i) {
        const QPointF at(inside.left() + inside.width() * ((i * 37) % 100) / 100.0,
                         inside.top() + inside.height() * ((i * 53) % 100) / 100.0);
        QMouseEvent move(QEvent::MouseMove, at, canvas.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        pointers.push_back(timed([&] { QApplication::sendEvent(&canvas, &move); }));
    }
    report("pointer text", pointers);
    return 0;
}
