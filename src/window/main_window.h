// The program's main window: the level list down the left, the control bar and the plan on the
// right, a menu bar, docks and a status bar around them, and the file operations: open, reload,
// export and print. Every widget shows the one document session and changes it only through it.
#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "panels/level_totals.h"
#include "window/document_session.h"
#include "window/view_options.h"

class QAction;
class QLabel;
class QMenu;
class QPrinter;
class QScreen;
class QToolButton;

namespace fp {

class ChangesDock;
class ChecksDock;
class ControlBar;
class ElidedLabel;
class LevelList;
class ListingBanner;
class ListingDock;
class LoadSummary;
class LegendPanel;
class PlanCanvas;
class PropertiesDock;
class ReadStatus;
class ReloadBar;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // What a listing that cannot be read leads to.
    enum class OnFailure {
        KeepShown,  // its message; the listing on show stays
        AskAgain,   // its message, then the file dialog again (started without a listing)
        EndRun,     // its message, then the run ends with status 2 (started with a listing)
    };

    // With `startListing`, its reading starts before the window is built, so that the two go
    // on together; a failure ends the run, as for `frameplan LISTING`. The window takes its
    // size from the screen, or from where it was last closed when that screen is still there,
    // fitted to it. `options` are the View menu's on/off options of the plan.
    explicit MainWindow(const QString& startListing = {}, ViewOptions options = viewOptions());
    ~MainWindow() override;

    // Reads the listing off the GUI thread and, once it is whole, shows it in place of the one
    // on show. Its messages are shown when the reading is over.
    void openListing(const QString& path, OnFailure onFailure = OnFailure::KeepShown);
    // Asks for a listing with the file dialog, starting in the folder of the last one, and opens
    // it. Cancelled with nothing on show, the run ends quietly.
    void askForListing(OnFailure onFailure = OnFailure::KeepShown);
    // Reads the listing on show again, keeping the level on show and the view options.
    void reload();

    // Writes the level on show, or every level, to `path` (PDF, SVG, PNG or DXF, by its
    // extension) as "frameplan export" does, drawn in the window's view. Returns the files
    // written; on a failure its message is shown and nothing is written.
    std::vector<std::string> exportTo(const QString& path, bool allLevels);
    // Writes the load schedules to `path` (.xlsx, or .csv for one file per table), as
    // "frameplan schedule" does. Returns the files written; on a failure its message is shown
    // and nothing is written.
    std::vector<std::string> exportScheduleTo(const QString& path);
    // Shows the member's beam on its level, highlighted and in view; a member that is no beam
    // on the plans gets the answer why.
    void findMember(long member);

    // Prints one level per page; a level past a drawing limit shows its message and nothing is
    // printed. Returns whether it printed.
    bool printLevels(QPrinter& printer, const std::vector<int>& levels);

    DocumentSession& session() { return session_; }
    const ListingDocument* document() const { return session_.document(); }
    // The path of the listing on show; empty when none is.
    const QString& listingPath() const { return session_.path(); }
    PlanCanvas& canvas() { return *canvas_; }
    const LegendPanel& legend() const { return *legend_; }
    LevelList& levelList() { return *levelList_; }
    ControlBar& controlBar() { return *controlBar_; }
    ReloadBar& reloadBar() { return *reloadBar_; }
    ReadStatus& readStatus() { return *readStatus_; }

    // Where messages go and where a listing is asked for; a test puts its own in their place.
    std::function<void(const std::string& message)> showMessage;
    std::function<QString(QWidget* parent, const QString& folder)> chooseListing;
    // Asks where to save, with the dialog's title, the path suggested and the name filters; the
    // filter chosen comes back in `filter`. `fields`, when given, joins the dialog below the
    // file list. An empty path is a cancelled dialog.
    std::function<QString(QWidget* parent, const QString& title, const QString& suggested,
                          const QStringList& filters, QString* filter, QWidget* fields)>
        chooseSavePath;

  signals:
    // A listing was read and is on show (opened, or read again).
    void documentShown();
    // A reading ended without a new document: it failed, or it was stopped.
    void readingFailed();
    // The run is to end with this exit status.
    void runEnded(int status);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // The totals of the level on show, or why it has none.
    struct ShownTotals {
        int level = 0;
        std::optional<LevelTotals> totals;
        QString failure;
    };

    // The actions of the menus.
    struct Actions {
        QAction* open = nullptr;
        QAction* compareWith = nullptr;
        QAction* reload = nullptr;
        QAction* exportLevel = nullptr;
        QAction* exportAllLevels = nullptr;
        QAction* exportSchedule = nullptr;
        QAction* titleBlockOnImages = nullptr;
        QAction* checksPages = nullptr;
        QAction* takedownPages = nullptr;
        QAction* pageSetup = nullptr;
        QAction* print = nullptr;
        QAction* printPreview = nullptr;
        QAction* zoomIn = nullptr;
        QAction* zoomOut = nullptr;
        QAction* fit = nullptr;
        QAction* findMember = nullptr;
        QAction* endCompare = nullptr;
        QAction* beamNumberBoxOnClick = nullptr;
        // One per row of the View menu's options, in the table's order.
        std::vector<QAction*> viewOptions;
    };

    void buildCentralWidget();
    void buildDocks();
    void buildMenus();
    void buildFileMenu();
    void buildViewMenu();
    void buildStatusBar();
    void buildChecksButton();
    void connectSession();
    // An action of a menu, under an object name of its own.
    QAction* addAction(QMenu* menu, const char* name, const QString& text,
                       const std::function<void()>& triggered);
    void showSelectionFacts();
    void showFindings();
    void chooseFinding(const Finding& finding);
    void showComparison();
    void placeOnScreen();
    // Shrinks and moves the window, frame and all, into the screen's free area.
    void fitOnScreen(const QScreen& screen);
    // Tab goes down the level list, across the controls, into the plan, then through the docks.
    void orderTabs();
    // Opens a dock at a width to read it by, the first time only; later it keeps the width the
    // user gave it.
    void openDock(QDockWidget* dock);
    void updateActions();
    void showViewInMenus();
    void fillRecentMenu();
    void readingEnded(const ReadOutcome& outcome);
    void askForMember();
    void askForEarlierListing();
    void showKeyboardShortcuts();
    void showAbout();
    void exportLevels(bool allLevels);
    void exportSchedule();
    std::vector<std::string> writeFiles(const QString& path,
                                        const std::function<std::vector<std::string>()>& write);
    void levelShown();
    const ShownTotals& shownTotals();
    void print();
    void printPreview();
    void askForPageSetup();
    // The job as the listing on show names it, for the job fields to show greyed.
    JobInformation listedJob() const;
    QString exportFolder() const;

    DocumentSession session_;
    Actions actions_;
    QMenu* fileMenu_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    PlanCanvas* canvas_ = nullptr;
    LegendPanel* legend_ = nullptr;
    LevelList* levelList_ = nullptr;
    ControlBar* controlBar_ = nullptr;
    ReloadBar* reloadBar_ = nullptr;
    ListingBanner* banner_ = nullptr;
    ReadStatus* readStatus_ = nullptr;
    ReadStatus* earlierReadStatus_ = nullptr;
    // The status bar's text about what lies under the pointer.
    ElidedLabel* pointerText_ = nullptr;
    // The status bar's note of the panels without floor load on the level on show.
    QLabel* loadNote_ = nullptr;
    // The status bar's legend of the change marks, in compare mode.
    QLabel* compareLegend_ = nullptr;
    // The status bar's count of the check's warnings and notes; a click opens the Checks dock.
    QToolButton* checksButton_ = nullptr;
    LoadSummary* loadSummary_ = nullptr;
    ChecksDock* checksDock_ = nullptr;
    PropertiesDock* propertiesDock_ = nullptr;
    ListingDock* listingDock_ = nullptr;
    ChangesDock* changesDock_ = nullptr;
    // The docks already opened once, at a width to read them by.
    std::vector<QDockWidget*> docksOpened_;
    // What the reading in progress is for.
    OnFailure onFailure_ = OnFailure::KeepShown;
    int lastMemberSought_ = 1;
    // Reckoned for the document on show when first asked for.
    std::optional<ShownTotals> shownTotals_;
};

}  // namespace fp
