// The floor load on the level on show: the Load Summary dock and the status bar's note of the
// panels without floor load, both from one reckoning of the level's totals.
#include <QAction>
#include <QLabel>

#include "model/listing_error.h"
#include "render/decimal_separator.h"
#include "render/listing_qstring.h"
#include "window/load_summary.h"
#include "window/main_window.h"
#include "window/plan_canvas.h"

namespace fp {

const MainWindow::ShownTotals& MainWindow::shownTotals() {
    const ListingDocument* shown = document();
    const int level = session_.view().level;
    if (shownTotals_ && shownTotals_->level == level) {
        return *shownTotals_;
    }
    ShownTotals reckoned{level, std::nullopt, {}};
    try {
        reckoned.totals = levelTotals(*shown, level);
    } catch (const ListingError& failure) {
        reckoned.failure = qStringFromListing(failure.inListing(shown->name).what());
    }
    shownTotals_ = std::move(reckoned);
    return *shownTotals_;
}

void MainWindow::levelShown() {
    const ListingDocument* shown = document();
    const PlanView& view = session_.view();
    const bool floorMode = view.mode == LoadMode::Floor;
    const bool summaryShown = loadSummary_->isVisibleTo(this);
    loadNote_->clear();
    if (shown == nullptr || view.level < 1) {
        loadSummary_->showNote(QStringLiteral("No level is on show."));
        return;
    }
    // A level past a drawing limit has no plan, and its message takes the place of the totals.
    if (!canvas_->planMessage().isEmpty()) {
        loadSummary_->showNote(canvas_->planMessage());
        return;
    }
    // Reckoned only for what shows it: a large level takes a while.
    if (!floorMode && !summaryShown) {
        return;
    }
    const ShownTotals& reckoned = shownTotals();
    if (floorMode && reckoned.totals && reckoned.totals->panelsWithoutLoad > 0) {
        const int count = reckoned.totals->panelsWithoutLoad;
        loadNote_->setText(count == 1 ? QStringLiteral("1 panel without floor load")
                                      : QStringLiteral("%1 panels without floor load").arg(count));
    }
    if (!summaryShown) {
        return;
    }
    if (reckoned.totals) {
        loadSummary_->showTotals(*shown, *reckoned.totals, view.decimalSeparator);
    } else {
        loadSummary_->showNote(reckoned.failure);
    }
}

}  // namespace fp
