// Times the window from process start to the first plan painted, offscreen, over many runs.
// Usage: window_startup_bench LISTING [RUNS]
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "window/main_window.h"
#include "window/plan_canvas.h"

extern char** environ;

namespace {

// Reports the end of the first paint of the plan of a level on standard output, then quits.
class FirstPlanPaint : public QObject {
  public:
    FirstPlanPaint(QObject* plan, fp::MainWindow& window) : plan_(plan) {
        QObject::connect(&window, &fp::MainWindow::documentShown, this, [this] { shown_ = true; });
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == plan_ && event->type() == QEvent::Paint && shown_ && !seen_) {
            seen_ = true;
            // Runs once the paint event that is starting now has been handled.
            QTimer::singleShot(0, [] {
                std::fputs("painted\n", stdout);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

  private:
    QObject* plan_;
    bool shown_ = false;
    bool seen_ = false;
};

// The window exactly as the program starts it, on the given listing.
int runChild(int argc, char** argv, const char* listing) {
    QApplication application(argc, argv);
    fp::MainWindow window(QString::fromLocal8Bit(listing));
    window.showMessage = [](const std::string& message) {
        std::fprintf(stderr, "%s\n", message.c_str());
    };
    QObject::connect(&window, &fp::MainWindow::runEnded, &application,
                     [](int status) { QCoreApplication::exit(status); });
    FirstPlanPaint watcher(&window.canvas(), window);
    window.canvas().installEventFilter(&watcher);
    window.show();
    return application.exec();
}

// Milliseconds from spawning the program until it reports its first plan painted.
double timeOneStart(const char* self, const char* listing) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::string childFlag = "--child";
    std::string listingArgument = listing;
    std::string program = self;
    char* arguments[] = {program.data(), childFlag.data(), listingArgument.data(), nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, self, &actions, nullptr, arguments, environ) != 0) {
        std::perror("posix_spawn");
        std::exit(1);
    }
    close(pipeEnds[1]);
    char reply[16] = {};
    const ssize_t got = read(pipeEnds[0], reply, sizeof reply - 1);
    const auto painted = std::chrono::steady_clock::now();
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    if (got <= 0 || std::string(reply).rfind("painted", 0) != 0) {
        std::fprintf(stderr, "the window did not report a painted plan\n");
        std::exit(1);
    }
    return std::chrono::duration<double, std::milli>(painted - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (argc >= 3 && std::string(argv[1]) == "--child") {
        return runChild(argc, argv, argv[2]);
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s LISTING [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc >= 3 ? std::max(1, std::atoi(argv[2])) : 21;
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        times.push_back(timeOneStart("/proc/self/exe", argv[1]));
    }
    std::sort(times.begin(), times.end());
    std::printf(
        "process start to first plan painted, %d runs: median %.1f ms (min %.1f, max %.1f)\n", runs,
        times[times.size() / 2], times.front(), times.back());
    return 0;
}
