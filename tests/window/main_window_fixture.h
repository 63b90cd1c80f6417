// The main window driven by a test: its message boxes and file dialog answered by recorders,
// and each reading waited for; or opened on a listing a test writes.
#pragma once

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPoint>
#include <QPointF>
#include <QRadioButton>
#include <QScrollArea>
#include <QString>
#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "window/control_bar.h"
#include "window/level_list.h"
#include "window/main_window.h"
#include "window/plan_canvas.h"
#include "window_listings.h"

namespace fp::testing {

class TestedMainWindow {
  public:
    explicit TestedMainWindow(ViewOptions options = viewOptions());

    MainWindow& window() { return window_; }
    DocumentSession& session() { return window_.session(); }
    PlanCanvas& canvas() { return window_.canvas(); }
    LevelList& levels() { return window_.levelList(); }
    ControlBar& controls() { return window_.controlBar(); }
    const PlanView& view() { return window_.session().view(); }

    // The window's widget or action of this object name, as a user finds it in the window;
    // the test stops when there is none.
    template <typename T>
    T& child(const char* name) {
        T* found = window_.findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr) {
            throw std::logic_error(std::string("the window has no ") + name);
        }
        return *found;
    }
    QAction& action(const char* name) { return child<QAction>(name); }

    // Opens the listing and waits until the reading is over; true when it was shown.
    bool open(const std::string& path,
              MainWindow::OnFailure onFailure = MainWindow::OnFailure::KeepShown);
    // Reads the listing on show again and waits; true when it was shown.
    bool reload();
    // Waits for the reading in progress, the check of what it read, and any reading it leads
    // to, to end.
    bool waitForReadings();

    // The pixel of the canvas (in its own coordinates) showing a plan point.
    QPoint pixelOf(QPointF planPoint);
    // Moves the pointer over the plan point, exactly, and returns what the status bar tells.
    std::string hover(QPointF planPoint);
    // The serial numbers told by presses on beams, in order.
    std::vector<int> picked() const;

    // The messages shown, in order.
    std::vector<std::string> messages;
    // What the file dialog answers, in turn; an empty path is a cancelled dialog, and so is a
    // dialog asked for once these run out.
    std::deque<QString> answers;
    // The folder the file dialog started in, each time it was asked.
    std::vector<QString> askedIn;
    // The exit status the run was ended with.
    std::optional<int> endedWith;

  private:
    MainWindow window_;
    int shown_ = 0;
};

// The main window shown on a listing written for the test.
class OpenWindow : public TestedMainWindow {
  public:
    explicit OpenWindow(const std::string& listingText);

    const std::string& listingPath() const { return listing_.path(); }

  private:
    TemporaryListing listing_;
};

}  // namespace fp::testing
