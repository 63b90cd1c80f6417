// "Listing": a dockable view of the listing on show with line numbers, a go-to-line field and a
// find of its own. It reads the file through a line index, built off the GUI thread when the
// dock is first shown and again after each reload; a find runs off the GUI thread too, and can
// be stopped.
#pragma once

#include <QDockWidget>
#include <QString>
#include <memory>
#include <optional>

#include "platform/file_version.h"

class QLabel;
class QLineEdit;
class QSpinBox;
class QToolButton;

namespace fp {

class BackgroundWork;
class LineIndex;
class ListingView;

class ListingDock : public QDockWidget {
    Q_OBJECT
  public:
    explicit ListingDock(QWidget* parent);
    ~ListingDock() override;

    // The listing to show, the version of it the plan shows; its index is built once the dock
    // is on show, of that version only. An empty path shows nothing.
    void setListing(const QString& path, const std::optional<FileVersion>& version);

    ListingView* view = nullptr;
    QSpinBox* lineField = nullptr;
    QLineEdit* findField = nullptr;
    QToolButton* previousButton = nullptr;
    QToolButton* nextButton = nullptr;
    // Stops a find in progress; shown only while one is.
    QToolButton* stopButton = nullptr;
    // Why there is no text, or that a find found nothing.
    QLabel* note = nullptr;

  public slots:
    // Shows the dock scrolled to the line (numbered from 1), highlighted with the other lines
    // of its statement.
    void showLine(int lineNumber);
    // Shows the dock with the go-to-line field ready for a number.
    void askForLine();
    void findNext();
    void findPrevious();
    void stopFinding();

  public:
    // Whether the index is being built, or a find is in progress.
    bool isIndexing() const;
    bool isFinding() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // Starts building the index of the listing when it is wanted and not built yet; true when it
    // is there to read.
    bool ensureIndex();
    void indexBuilt(const std::shared_ptr<const LineIndex>& index, const QString& failure);
    void find(bool forward);
    void found(const QString& text, long line);
    void showNote(const QString& text);

    QString path_;
    std::optional<FileVersion> version_;
    bool indexed_ = false;
    // The line to show once the index is there: the one shown before a reload, or one asked for
    // while the index was being built.
    long keptLine_ = 0;
    // The find asked for while the index was being built.
    std::optional<bool> findPending_;
    BackgroundWork* indexing_ = nullptr;
    BackgroundWork* finding_ = nullptr;
};

}  // namespace fp
