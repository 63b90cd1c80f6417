// The session: the document read off the GUI thread, the view changed in one place.
#include "window/document_session.h"

#include <QFileInfo>
#include <QSettings>
#include <QTimer>
#include <algorithm>

#include "checks/listing_checks.h"
#include "plan/column_loads.h"
#include "plan/shown_cases.h"
#include "render/decimal_separator.h"

namespace fp {
namespace {

const QString kMemberNumbersBesideKey = QStringLiteral("view/memberNumbersBeside");

}  // namespace

DocumentSession::DocumentSession(QObject* parent) : QObject(parent), loader_(this), watcher_(this) {
    view_.memberNumbersBeside = QSettings().value(kMemberNumbersBesideKey).toBool();
    view_.decimalSeparator = userDecimalSeparator();
    connect(&loader_, &ListingLoader::finished, this, &DocumentSession::readingOver);
    connect(&loader_, &ListingLoader::checked, this,
            [this](const std::shared_ptr<const ListingDocument>& document,
                   const std::shared_ptr<const std::vector<Finding>>& findings) {
                if (document == document_) {
                    findings_ = findings;
                    emit findingsChanged();
                }
            });
    connect(&watcher_, &ListingWatcher::changed, this, &DocumentSession::listingChangedOnDisk);
}

QString DocumentSession::fileName() const {
    return QFileInfo(path_).fileName();
}

void DocumentSession::open(const QString& path) {
    reloading_ = false;
    loader_.start(path);
}

void DocumentSession::reload() {
    if (path_.isEmpty()) {
        return;
    }
    reloading_ = true;
    loader_.start(path_);
}

PlanView DocumentSession::viewOf(const ListingDocument& document, const PlanView* kept) const {
    PlanView view = startUpView(document, userDecimalSeparator());
    // The View menu's options stay over every listing.
    view.memberNumbersBeside = view_.memberNumbersBeside;
    view.memberLoadsOnBeams = view_.memberLoadsOnBeams;
    view.markPanelsWithoutLoad = view_.markPanelsWithoutLoad;
    view.tributaryAreas = view_.tributaryAreas;
    view.markChecks = view_.markChecks;
    view.gridLines = view_.gridLines;
    view.designedLabelPositions = view_.designedLabelPositions;
    if (kept == nullptr) {
        return view;
    }
    view.mode = kept->mode;
    view.loadCaseNumbers = kept->loadCaseNumbers;
    view.memberNumbers = kept->memberNumbers;
    // The load cases chosen stay chosen while the listing still has them.
    view.shownCases = caseChoice(document, kept->shownCases);
    // The column loads stay on while the listing still has their case or combination.
    if (kept->columnLoads && loadChoiceOf(loadCasesOf(document), *kept->columnLoads)) {
        view.columnLoads = kept->columnLoads;
    }
    if (kept->level >= 1 && kept->level <= document_->levelCount()) {
        if (const int level = document.levelAtHeight(document_->levelHeight(kept->level))) {
            view.level = level;
        }
    }
    // An intensity hidden before stays hidden; one the listing did not have before is shown.
    std::erase_if(view.shownIntensities, [&](float intensity) {
        return document_->floorIntensities.contains(intensity) && !kept->showsIntensity(intensity);
    });
    return view;
}

void DocumentSession::readingOver(const ReadOutcome& outcome) {
    if (outcome.document) {
        const bool keep = reloading_ && document_ != nullptr;
        const PlanView kept = view_;
        view_ = viewOf(*outcome.document, keep ? &kept : nullptr);
        document_ = outcome.document;
        findings_.reset();
        path_ = outcome.path;
        watcher_.watch(path_);
        // Written once the plan is on the screen: settings go to disk, which can be slow.
        QTimer::singleShot(0, this, [this, path = path_] { recent_.add(path); });
        emit documentChanged();
        emit viewChanged();
    }
    reloading_ = false;
    emit readingEnded(outcome);
}

void DocumentSession::changeView(const PlanView& view) {
    view_ = view;
    emit viewChanged();
}

void DocumentSession::setOption(bool PlanView::*option, bool on) {
    PlanView view = view_;
    view.*option = on;
    changeView(view);
}

void DocumentSession::showLevel(int level) {
    if (document_ == nullptr || level < 1 || level > document_->levelCount()) {
        return;
    }
    PlanView view = view_;
    view.level = level;
    changeView(view);
}

void DocumentSession::stepLevels(int steps) {
    // A listing without joints has no level to step to.
    if (document_ == nullptr || document_->levelCount() == 0) {
        return;
    }
    showLevel(std::clamp(view_.level + steps, 1, document_->levelCount()));
}

void DocumentSession::setMode(LoadMode mode) {
    PlanView view = view_;
    view.mode = mode;
    changeView(view);
}

void DocumentSession::setIntensityShown(float intensity, bool shown) {
    if (document_ == nullptr) {
        return;
    }
    // In the listing's order, ascending, as the boxes stand.
    PlanView view = view_;
    view.shownIntensities.clear();
    for (const float known : document_->floorIntensities) {
        if (known == intensity ? shown : view_.showsIntensity(known)) {
            view.shownIntensities.push_back(known);
        }
    }
    changeView(view);
}

void DocumentSession::setEveryIntensityShown(bool shown) {
    PlanView view = view_;
    view.shownIntensities.clear();
    if (shown && document_ != nullptr) {
        view.shownIntensities.assign(document_->floorIntensities.begin(),
                                     document_->floorIntensities.end());
    }
    changeView(view);
}

void DocumentSession::setLoadCaseNumbers(bool on) {
    setOption(&PlanView::loadCaseNumbers, on);
}

void DocumentSession::setMemberNumbers(bool on) {
    setOption(&PlanView::memberNumbers, on);
}

void DocumentSession::setMemberNumbersBeside(bool beside) {
    QSettings().setValue(kMemberNumbersBesideKey, beside);
    setOption(&PlanView::memberNumbersBeside, beside);
}

void DocumentSession::setMemberLoadsOnBeams(bool on) {
    setOption(&PlanView::memberLoadsOnBeams, on);
}

void DocumentSession::setMarkPanelsWithoutLoad(bool on) {
    setOption(&PlanView::markPanelsWithoutLoad, on);
}

void DocumentSession::setTributaryAreas(bool on) {
    setOption(&PlanView::tributaryAreas, on);
}

void DocumentSession::setMarkChecks(bool on) {
    setOption(&PlanView::markChecks, on);
}

void DocumentSession::setGridLines(bool on) {
    setOption(&PlanView::gridLines, on);
}

void DocumentSession::setDesignedLabelPositions(bool on) {
    setOption(&PlanView::designedLabelPositions, on);
}

void DocumentSession::setShownCases(const std::vector<std::string>& cases) {
    if (document_ == nullptr) {
        return;
    }
    PlanView view = view_;
    view.shownCases = caseChoice(*document_, cases);
    changeView(view);
}

void DocumentSession::setColumnLoads(const std::optional<ColumnLoadChoice>& choice) {
    PlanView view = view_;
    view.columnLoads = choice;
    changeView(view);
}

std::vector<Finding> DocumentSession::findingsNow() const {
    if (findings_ != nullptr || document_ == nullptr) {
        return findings();
    }
    return checkDocument(*document_);
}

const std::vector<Finding>& DocumentSession::findings() const {
    static const std::vector<Finding> kNone;
    return findings_ != nullptr ? *findings_ : kNone;
}

}  // namespace fp
