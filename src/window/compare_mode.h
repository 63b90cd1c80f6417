// Compare mode: the listing on show compared with an earlier one, read off the GUI thread. Every
// level's plan marks its changes (with a legend in the status bar), a Changes dock lists them and
// goes to the level of the one chosen, and Escape or View -> End Compare leaves the mode.
// Reading either listing again compares them again.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "compare/listing_comparison.h"
#include "window/listing_loader.h"

class QAction;
class QDockWidget;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace fp {

class MainWindow;
class ReadStatus;

class CompareMode : public QObject {
    Q_OBJECT
  public:
    // Adds its actions to the window's File and View menus, its dock, legend and progress.
    explicit CompareMode(MainWindow& window);

    // Reads `path` as the earlier listing and, once it is whole, compares the listing on show
    // with it. A listing that cannot be read shows its message and leaves the mode as it was.
    void compareWith(const QString& path);
    // Asks for the earlier listing with the file dialog.
    void askForListing();
    void end();

    bool isOn() const { return comparison_.has_value(); }
    const ListingComparison* comparison() const { return comparison_ ? &*comparison_ : nullptr; }
    // The comparison of the level on show; null when there is none.
    const LevelComparison* levelShown() const;
    ListingLoader& loader() { return loader_; }

    QAction* compareWithAction = nullptr;
    QAction* endAction = nullptr;
    QDockWidget* changesDock = nullptr;
    QTreeWidget* changesList = nullptr;
    QLabel* legend = nullptr;

  signals:
    // The comparison was made, made again or ended.
    void changed();

  private:
    void earlierRead(const ReadOutcome& outcome);
    void shownRead(const ReadOutcome& outcome);
    void compare();
    void fillChanges();
    void goTo(QTreeWidgetItem* item);
    void redraw();

    MainWindow& window_;
    ListingLoader loader_;
    ReadStatus* status_ = nullptr;
    QString earlierPath_;
    std::shared_ptr<const ListingDocument> earlier_;
    std::vector<ListingMessage> earlierMessages_;
    std::vector<ListingMessage> shownMessages_;
    std::optional<ListingComparison> comparison_;
};

}  // namespace fp
