// The main window with recorders in place of its boxes and dialog.
#include "main_window_fixture.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <algorithm>
#include <cmath>

namespace fp::testing {
namespace {

constexpr int kReadingTimeoutMs = 10000;

}  // namespace

TestedMainWindow::TestedMainWindow(ViewOptions options) : window_({}, std::move(options)) {
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
    const ListingLoader& loader = window_.session().loader();
    const bool over = QTest::qWaitFor(
        [&loader] { return !loader.isReading() && !loader.isChecking(); }, kReadingTimeoutMs);
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

QPoint TestedMainWindow::pixelOf(QPointF planPoint) {
    const QPointF pixel = canvas().toImage(planPoint);
    return QPoint(static_cast<int>(std::floor(pixel.x())),
                  static_cast<int>(std::floor(pixel.y()))) +
           canvas().contentsRect().topLeft();
}

std::string TestedMainWindow::hover(QPointF planPoint) {
    const QPointF at = canvas().toImage(planPoint) + canvas().contentsRect().topLeft();
    QMouseEvent move(QEvent::MouseMove, at, canvas().mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&canvas(), &move);
    return child<QLabel>("pointerText").text().toStdString();
}

std::vector<int> TestedMainWindow::picked() const {
    std::vector<int> serials;
    for (const std::string& message : messages) {
        if (!message.empty() && std::all_of(message.begin(), message.end(), ::isdigit)) {
            serials.push_back(std::stoi(message));
        }
    }
    return serials;
}

OpenWindow::OpenWindow(const std::string& listingText) : listing_(listingText) {
    open(listing_.path());
}

}  // namespace fp::testing
