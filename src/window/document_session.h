// The open listing and the view of it: the one state every widget of the window shows. Widgets
// only show the session and ask it for changes, redrawing on its notifications. The session
// reads listings off the GUI thread, watches the one on show, keeps the recent listings, decides
// what a reading keeps of the view, and holds the selection, the comparison with an earlier
// listing, the sheet the plans are put on and the findings the engineer accepted.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "checks/accepted_findings.h"
#include "compare/listing_comparison.h"
#include "document/listing_document.h"
#include "inspect/selection.h"
#include "plan/plan_view.h"
#include "window/listing_loader.h"
#include "window/listing_watcher.h"
#include "window/recent_listings.h"
#include "window/sheet_choice.h"
#include "window/view_options.h"

namespace fp {

class DocumentSession : public QObject {
    Q_OBJECT
  public:
    // `options` are the on/off options of the View menu: their start values, what is kept
    // between runs and what a reading keeps come from them.
    explicit DocumentSession(ViewOptions options = fp::viewOptions(), QObject* parent = nullptr);

    // The document on show, or null before the first listing is read.
    const ListingDocument* document() const { return document_.get(); }
    // Its path as it was opened; empty when none is on show.
    const QString& path() const { return path_; }
    // The file name of the listing on show, without its folder.
    QString fileName() const;
    // What the reader told while reading the listing on show.
    const std::vector<ListingMessage>& messages() const { return messages_; }
    const PlanView& view() const { return view_; }
    const ViewOptions& options() const { return options_; }
    // What the check found in the document on show; empty when none is, and until the check,
    // which follows the reading, is over (findingsChanged tells).
    const std::vector<Finding>& findings() const;
    // The same, checked here and now when the check that follows the reading is not over: for
    // what is written to a file.
    std::vector<Finding> findingsNow() const;

    // Reads the listing off the GUI thread; once it is whole it takes the place of the one on
    // show, in the start view (the View menu's options stay as their rows say). The end is told
    // by readingEnded.
    void open(const QString& path);
    // Reads the listing on show again, keeping the level at the same height and every view
    // option that still applies.
    void reload();
    // Whether the reading in progress is a reload.
    bool isReloading() const { return reloading_; }

    ListingLoader& loader() { return loader_; }
    RecentListings& recentListings() { return recent_; }

    // The level on show (1 .. the level count); a level outside is not taken.
    void showLevel(int level);
    // Steps through the levels without wrapping: +1 up, -1 down, and so on.
    void stepLevels(int steps);
    // Answers a level key, as the plan and the level list take them: Up and Down step one level,
    // Page Up and Page Down a page of levels, Home shows the top level and End the lowest.
    // False for any other key.
    bool answerLevelKey(int key);
    void setMode(LoadMode mode);
    // Whether the floor loads of one intensity are written on the panels.
    void setIntensityShown(float intensity, bool shown);
    // Every intensity shown, or none.
    void setEveryIntensityShown(bool shown);
    void setLoadCaseNumbers(bool on);
    void setMemberNumbers(bool on);
    // The load cases whose floor and member loads the labels write, by their numbers; those the
    // listing lacks are left out, and none, or every one, is every case.
    void setShownCases(const std::vector<std::string>& cases);
    // Each column's load below the level for a load case or combination; none takes them off.
    void setColumnLoads(const std::optional<ColumnLoadChoice>& choice);
    // An option of the View menu's table; kept for the next run when its row says so.
    void setOption(bool PlanView::*field, bool on);

    // What is selected, in the order chosen: kept over zooms and over readings of the same
    // listing while the level has it, cleared on another level or listing.
    const Selection& selection() const { return selection_; }
    // Where the selection stands on the level on show.
    const LevelSelection& shownSelection() const { return shownSelection_; }
    void setSelection(const Selection& selection);
    // Selects and asks the plan to bring the selection into view (selectionToBeShown).
    void showSelected(const Selection& selection);

    // Reads `path` as an earlier listing of the building off the GUI thread and, once it is
    // whole, compares the listing on show with it (comparisonChanged). A listing that cannot be
    // read is told by earlierReadingFailed and leaves the comparison as it was. Reading the
    // listing on show again reads the earlier one again too and compares them anew.
    void compareWith(const QString& path);
    void endComparison();
    // The comparison on show; null when none is.
    const ListingComparison* comparison() const { return comparison_ ? &*comparison_ : nullptr; }
    // The comparison of the level on show; null when there is none.
    const LevelComparison* levelComparison() const;
    const QString& earlierPath() const { return earlierPath_; }
    ListingLoader& earlierLoader() { return earlierLoader_; }

    // The sheet and job the exports and printing use: the paper, orientation and scale kept
    // from run to run, the job fields for the listing on show.
    const SheetChoice& sheet() const { return sheet_; }
    void setSheet(const SheetChoice& sheet);

    // The findings accepted for the listing on show, from the file beside it.
    const AcceptedFindings& accepted() const { return accepted_; }
    // Why the accepted findings could not be read or written; empty when they could.
    const QString& acceptedProblem() const { return acceptedProblem_; }
    // The findings of the document on show with their ids and acceptances, in their order.
    std::vector<JudgedFinding> judgedFindings() const;
    // Accepts the finding with a reason, or takes its acceptance back with an empty reason, and
    // writes the file beside the listing whole. False, with acceptedProblem() telling why, when
    // the file cannot be written; nothing changes then.
    bool accept(const JudgedFinding& judged, const std::string& reason);

  signals:
    // A listing was read and is on show (opened, or read again); the view changed with it.
    void documentChanged();
    // What the plan shows changed (or was asked again, as a click on the level on show does):
    // draw it again.
    void viewChanged();
    // A reading ended: a new document on show (after documentChanged), a failure, or stopped.
    void readingEnded(const fp::ReadOutcome& outcome);
    // The listing on show changed on disk.
    void listingChangedOnDisk();
    // The findings of the document on show arrived, or which of them are accepted changed.
    void findingsChanged();
    // The selection changed, or the listing under it was read again.
    void selectionChanged();
    // The selection just made is to be brought into view.
    void selectionToBeShown();
    // A comparison was made, made again or ended.
    void comparisonChanged();
    // The earlier listing could not be read.
    void earlierReadingFailed(const QString& message);

  private:
    void readingOver(const ReadOutcome& outcome);
    void earlierRead(const ReadOutcome& outcome);
    void compare();
    // The view of a newly read document: the start view, or what a reload keeps of `kept`.
    PlanView viewOf(const ListingDocument& document, const PlanView* kept) const;
    void changeView(const PlanView& view);
    // Finds the selection on the level on show, leaving out what it no longer has; tells when
    // that changed it, or when `always`.
    void findSelection(bool always);
    void loadSheet();
    void loadAccepted();

    ViewOptions options_;
    std::shared_ptr<const ListingDocument> document_;
    std::shared_ptr<const std::vector<Finding>> findings_;
    std::vector<ListingMessage> messages_;
    QString path_;
    PlanView view_;
    ListingLoader loader_;
    ListingWatcher watcher_;
    RecentListings recent_;
    bool reloading_ = false;

    Selection selection_;
    LevelSelection shownSelection_;

    ListingLoader earlierLoader_;
    QString earlierPath_;
    std::shared_ptr<const ListingDocument> earlier_;
    std::vector<ListingMessage> earlierMessages_;
    std::optional<ListingComparison> comparison_;

    // Its job fields are for the listing on show; another listing starts them empty.
    SheetChoice sheet_;

    AcceptedFindings accepted_;
    QString acceptedProblem_;
};

}  // namespace fp
