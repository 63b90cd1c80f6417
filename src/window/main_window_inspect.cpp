// Selecting and inspecting: the Properties dock for what the session has selected, with what
// changed about it in compare mode.
#include "compare/comparison_report.h"
#include "compare/level_comparison.h"
#include "window/main_window.h"
#include "window/properties_dock.h"

namespace fp {

void MainWindow::showSelectionFacts() {
    // Gathered only for a dock on show: a large selection takes a while.
    if (!propertiesDock_->isVisibleTo(this)) {
        return;
    }
    if (document() == nullptr) {
        propertiesDock_->showNote(QStringLiteral("No listing is open."));
        return;
    }
    const PlanView& view = session_.view();
    const LevelSelection& selection = session_.shownSelection();
    propertiesDock_->showSelection(*document(), view.level, selection, session_.findings(),
                                   view.decimalSeparator);
    // In compare mode, what changed about the one thing selected, old -> new.
    const ListingComparison* comparison = session_.comparison();
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
    propertiesDock_->addRows("Changed", texts);
}

}  // namespace fp
