// The main window driven by a test: its message boxes and file dialog answered by recorders,
// and each reading waited for.
#pragma once

#include <QString>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "window/main_window.h"

namespace fp::testing {

class TestedMainWindow {
  public:
    TestedMainWindow();

    MainWindow& window() { return window_; }
    PlanPanel& panel() { return window_.panel(); }

    // Opens the listing and waits until the reading is over; true when it was shown.
    bool open(const std::string& path,
              MainWindow::OnFailure onFailure = MainWindow::OnFailure::KeepShown);
    // Reads the listing on show again and waits; true when it was shown.
    bool reload();
    // Waits for the reading in progress, and for any it leads to, to end.
    bool waitForReadings();

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

}  // namespace fp::testing
