// The open listing and the view of it: the one state every widget of the window shows. Widgets
// change the view only through the session and redraw on its one notification; the session
// reads listings off the GUI thread, watches the one on show, keeps the recent listings and
// decides what a reload keeps.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <optional>

#include "document/listing_document.h"
#include "plan/plan_view.h"
#include "window/listing_loader.h"
#include "window/listing_watcher.h"
#include "window/recent_listings.h"

namespace fp {

class DocumentSession : public QObject {
    Q_OBJECT
  public:
    explicit DocumentSession(QObject* parent = nullptr);

    // The document on show, or null before the first listing is read.
    const ListingDocument* document() const { return document_.get(); }
    // Its path as it was opened; empty when none is on show.
    const QString& path() const { return path_; }
    // The file name of the listing on show, without its folder.
    QString fileName() const;
    const PlanView& view() const { return view_; }
    // What the check found in the document on show; empty when none is, and until the check,
    // which follows the reading, is over (findingsChanged tells).
    const std::vector<Finding>& findings() const;
    // The same, checked here and now when the check that follows the reading is not over: for
    // what is written to a file.
    std::vector<Finding> findingsNow() const;

    // Reads the listing off the GUI thread; once it is whole it takes the place of the one on
    // show, in the start view (the View menu's options stay). The end is told by readingEnded.
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
    void setMode(LoadMode mode);
    // Whether the floor loads of one intensity are written on the panels.
    void setIntensityShown(float intensity, bool shown);
    // Every intensity shown, or none.
    void setEveryIntensityShown(bool shown);
    void setLoadCaseNumbers(bool on);
    void setMemberNumbers(bool on);
    // Remembered between runs.
    void setMemberNumbersBeside(bool beside);
    void setMemberLoadsOnBeams(bool on);
    void setMarkPanelsWithoutLoad(bool on);
    void setTributaryAreas(bool on);
    void setMarkChecks(bool on);
    void setGridLines(bool on);
    void setDesignedLabelPositions(bool on);
    // The load cases whose floor and member loads the labels write, by their numbers; those the
    // listing lacks are left out, and none, or every one, is every case.
    void setShownCases(const std::vector<std::string>& cases);
    // Each column's load below the level for a load case or combination; none takes them off.
    void setColumnLoads(const std::optional<ColumnLoadChoice>& choice);

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
    // The findings of the document on show arrived.
    void findingsChanged();

  private:
    void readingOver(const ReadOutcome& outcome);
    // The view of a newly read document: the start view, or what a reload keeps of `kept`.
    PlanView viewOf(const ListingDocument& document, const PlanView* kept) const;
    void changeView(const PlanView& view);
    void setOption(bool PlanView::*option, bool on);

    std::shared_ptr<const ListingDocument> document_;
    std::shared_ptr<const std::vector<Finding>> findings_;
    QString path_;
    PlanView view_;
    ListingLoader loader_;
    ListingWatcher watcher_;
    RecentListings recent_;
    bool reloading_ = false;
};

}  // namespace fp
