// "Listing": a dockable view of the listing on show with line numbers, a go-to-line field and a
// find of its own. It reads the file through a line index, built when the dock is first shown
// and again after each reload.
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

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // Builds the index of the listing when it is wanted and not built yet; false when the
    // listing cannot be read, with its message in the note.
    bool ensureIndex();
    void find(bool forward);

    QString path_;
    std::optional<FileVersion> version_;
    bool indexed_ = false;
    long keptLine_ = 0;
};

}  // namespace fp
