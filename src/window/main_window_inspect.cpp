// Selecting and inspecting: the Properties dock for what is selected on the plan, the Listing
// dock its listing lines lead to, and the old box with a picked beam's serial number.
#include <QAction>
#include <QMenu>

#include "compare/comparison_report.h"
#include "compare/level_comparison.h"
#include "window/compare_mode.h"
#include "window/listing_dock.h"
#include "window/main_window.h"
#include "window/plan_canvas.h"
#include "window/properties_dock.h"

namespace fp {

void MainWindow::buildInspectDocks() {
    propertiesDock = new PropertiesDock(this);
    addDockWidget(Qt::RightDockWidgetArea, propertiesDock);
    propertiesDock->hide();
    listingDock = new ListingDock(this);
    addDockWidget(Qt::BottomDockWidgetArea, listingDock);
    listingDock->hide();
    connect(canvas_, &PlanCanvas::selectionChanged, this, &MainWindow::showSelectionFacts);
    connect(propertiesDock, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible) {
            showSelectionFacts();
        }
    });
    connect(propertiesDock, &PropertiesDock::listingLineChosen, listingDock,
            [this](long line) { listingDock->showLine(static_cast<int>(line)); });
    connect(&session_, &DocumentSession::documentChanged, listingDock,
            [this] { listingDock->setListing(session_.path(), session_.document()->version); });
    // The Properties dock shows the check's findings about a panel once they arrive.
    connect(&session_, &DocumentSession::findingsChanged, this, &MainWindow::showSelectionFacts);
}

void MainWindow::addInspectActions() {
    actions.properties = propertiesDock->toggleViewAction();
    actions.properties->setText(QStringLiteral("&Properties"));
    viewMenu->addAction(actions.properties);
    actions.listing = listingDock->toggleViewAction();
    actions.listing->setText(QStringLiteral("Li&sting"));
    viewMenu->addAction(actions.listing);
    actions.goToListingLine = viewMenu->addAction(QStringLiteral("&Go to Listing Line…"),
                                                  listingDock, &ListingDock::askForLine);
    actions.goToListingLine->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    viewMenu->addSeparator();
    // The serial number in a box of its own, as a click on a beam once showed it.
    actions.beamNumberBoxOnClick = viewMenu->addAction(QStringLiteral("Beam Number Bo&x on Click"));
    actions.beamNumberBoxOnClick->setCheckable(true);
}

void MainWindow::showSelectionFacts() {
    // Gathered only for a dock on show: a large selection takes a while.
    if (!propertiesDock->isVisibleTo(this)) {
        return;
    }
    if (document() == nullptr) {
        propertiesDock->showNote(QStringLiteral("No listing is open."));
        return;
    }
    const PlanView& view = session_.view();
    const LevelSelection& selection = canvas_->shownSelection();
    propertiesDock->showSelection(*document(), view.level, selection, session_.findings(),
                                  view.decimalSeparator);
    // In compare mode, what changed about the one thing selected, old -> new.
    const ListingComparison* comparison =
        compareMode != nullptr ? compareMode->comparison() : nullptr;
    // Comparisons tell of beams and panels.
    if (comparison == nullptr || selection.count() != 1 || !selection.columns.empty()) {
        return;
    }
    const std::vector<ReportLine> changes =
        !selection.beams.empty()
            ? beamChanges(*comparison, view.level, placeOf(selection.beams[0].second))
            : panelChanges(*comparison, view.level, selection.panels[0].bounds);
    std::vector<std::string> texts;
    for (const ReportLine& change : changes) {
        texts.push_back(change.text);
    }
    propertiesDock->addRows("Changed", texts);
}

}  // namespace fp
