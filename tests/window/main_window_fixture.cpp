// The main window with recorders in place of its boxes and dialog.
#include "main_window_fixture.h"

#include <QCoreApplication>
#include <QTest>

#include "window/twips_scale.h"

namespace fp::testing {
namespace {

constexpr int kReadingTimeoutMs = 10000;

}  // namespace

TestedMainWindow::TestedMainWindow() : window_(TwipsScale(96)) {
    window_.showMessage = [this](const std::string& message) { messages.push_back(message); };
    window_.chooseListing = [this](QWidget*, const QString& folder) {
        askedIn.push_back(folder);
        if (answers.empty()) {
            return QString();
        }
        const QString answer = answers.front();
        answers.pop_front();
        return answer;
    };
    QObject::connect(&window_, &MainWindow::runEnded, [this](int status) { endedWith = status; });
    QObject::connect(&window_, &MainWindow::documentShown, [this] { ++shown_; });
    window_.show();
}

bool TestedMainWindow::waitForReadings() {
    const bool over =
        QTest::qWaitFor([this] { return !window_.loader().isReading(); }, kReadingTimeoutMs);
    // What the window leaves until the plan is on the screen (the recent listings) is done too.
    QCoreApplication::processEvents();
    return over;
}

bool TestedMainWindow::open(const std::string& path, MainWindow::OnFailure onFailure) {
    const int before = shown_;
    window_.openListing(QString::fromStdString(path), onFailure);
    return waitForReadings() && shown_ > before;
}

bool TestedMainWindow::reload() {
    const int before = shown_;
    window_.reload();
    return waitForReadings() && shown_ > before;
}

}  // namespace fp::testing
