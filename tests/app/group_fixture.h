// Opens the real main window on a listing written by a test, with its messages recorded.
#pragma once

#include <QPoint>
#include <QPointF>
#include <memory>
#include <string>
#include <vector>

#include "app/group_window.h"
#include "model/model_store.h"
#include "reader/platform_services.h"

namespace fp::testing {

// Hands the window the test's listing and keeps what it would show.
class RecordingServices : public PlatformServices {
  public:
    explicit RecordingServices(std::string listing) : listing_(std::move(listing)) {}
    std::string chooseListingFile(const std::string& filter) override;
    void setCaption(const std::string& caption) override { caption_ = caption; }
    void showMessage(const std::string& text) override { messages.push_back(text); }

    std::string lastFilter;
    std::string caption_;
    std::vector<std::string> messages;

  private:
    std::string listing_;
};

// A listing with levels at 0, 3.5 and 7 m on a 5 m by 4 m grid: beams with design blocks on
// the top level only, floor loads of 4.5 then 2 kN/m2, member loads of 10 and 12.5 kN/m.
std::string threeLevelListing();

// The same frame with neither floor loads nor member loads.
std::string unloadedListing();

// Two levels; on the upper one two +Z beams 0.6 m apart, whose pick boxes overlap.
std::string closeBeamsListing();

// A listing written to a file of its own, removed again at the end of the test.
class TemporaryListing {
  public:
    explicit TemporaryListing(const std::string& text);
    ~TemporaryListing();
    TemporaryListing(const TemporaryListing&) = delete;
    TemporaryListing& operator=(const TemporaryListing&) = delete;

    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

class OpenWindow {
  public:
    // Writes the listing to a temporary file and runs the window's start-up on it.
    explicit OpenWindow(const std::string& listingText);

    Group& window() { return *window_; }
    ModelStore& model() { return *model_; }
    RecordingServices& services() { return *services_; }

    // The pixel of the plan picture (in the picture's own coordinates) showing a plan point.
    QPoint pixelOf(QPointF planPoint) const;

  private:
    TemporaryListing listing_;
    std::unique_ptr<ModelStore> model_;
    std::unique_ptr<RecordingServices> services_;
    std::unique_ptr<Group> window_;
};

}  // namespace fp::testing
