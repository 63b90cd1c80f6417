// The session: the document read off the GUI thread, the view changed in one place, and the
// sheet the plans are put on.
#include "window/document_session.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTimer>
#include <algorithm>
#include <iterator>

#include "checks/listing_checks.h"
#include "plan/column_loads.h"
#include "plan/shown_cases.h"
#include "render/decimal_separator.h"

namespace fp {
namespace {

const QString kPaperKey = QStringLiteral("sheet/paper");
const QString kOrientationKey = QStringLiteral("sheet/orientation");
const QString kScaleKey = QStringLiteral("sheet/scale");

// Page Up and Page Down step this many levels.
constexpr int kLevelPage = 5;

QString settingsKey(const ViewOption& option) {
    return QStringLiteral("view/") + QString::fromLatin1(option.name);
}

}  // namespace

DocumentSession::DocumentSession(ViewOptions options, QObject* parent)
    : QObject(parent),
      options_(std::move(options)),
      loader_(this),
      watcher_(this),
      earlierLoader_(this) {
    const QSettings settings;
    for (const ViewOption& option : options_) {
        if (option.keptBetweenRuns) {
            view_.*option.field = settings.value(settingsKey(option), view_.*option.field).toBool();
        }
    }
    view_.decimalSeparator = userDecimalSeparator();
    loadSheet();
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
    // The earlier listing of a comparison is only compared, never checked.
    earlierLoader_.checks = false;
    connect(&earlierLoader_, &ListingLoader::finished, this, &DocumentSession::earlierRead);
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
    for (const ViewOption& option : options_) {
        if (option.keptOnReload || option.keptBetweenRuns) {
            view.*option.field = view_.*option.field;
        }
    }
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
        messages_ = outcome.messages;
        if (outcome.path != path_) {
            sheet_.job = {};
        }
        path_ = outcome.path;
        watcher_.watch(path_);
        // Read again, the listing keeps what is still selected; another listing starts afresh.
        if (!keep) {
            selection_.clear();
        }
        loadAccepted();
        // Written once the plan is on the screen: settings go to disk, which can be slow.
        QTimer::singleShot(0, this, [this, path = path_] { recent_.add(path); });
        emit documentChanged();
        emit viewChanged();
        findSelection(true);
        if (comparison_) {
            // A reload reads the earlier listing again too: the analysis may have been run again.
            if (keep && !earlierPath_.isEmpty()) {
                earlierLoader_.start(earlierPath_);
            }
            compare();
        }
    }
    reloading_ = false;
    emit readingEnded(outcome);
}

void DocumentSession::changeView(const PlanView& view) {
    const bool otherLevel = view.level != view_.level;
    const bool cleared = otherLevel && !selection_.empty();
    view_ = view;
    if (otherLevel) {
        selection_.clear();
    }
    emit viewChanged();
    if (otherLevel) {
        findSelection(cleared);
    }
}

void DocumentSession::setOption(bool PlanView::*field, bool on) {
    if (const ViewOption* option = optionOf(options_, field); option && option->keptBetweenRuns) {
        QSettings().setValue(settingsKey(*option), on);
    }
    PlanView view = view_;
    view.*field = on;
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

bool DocumentSession::answerLevelKey(int key) {
    switch (key) {
        case Qt::Key_Up:
            stepLevels(1);
            return true;
        case Qt::Key_Down:
            stepLevels(-1);
            return true;
        case Qt::Key_PageUp:
            stepLevels(kLevelPage);
            return true;
        case Qt::Key_PageDown:
            stepLevels(-kLevelPage);
            return true;
        case Qt::Key_Home:
            showLevel(document_ != nullptr ? document_->levelCount() : 0);
            return true;
        case Qt::Key_End:
            showLevel(1);
            return true;
        default:
            return false;
    }
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
    PlanView view = view_;
    view.loadCaseNumbers = on;
    changeView(view);
}

void DocumentSession::setMemberNumbers(bool on) {
    PlanView view = view_;
    view.memberNumbers = on;
    changeView(view);
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

void DocumentSession::loadSheet() {
    const QSettings settings;
    sheet_.page.paper =
        settings.value(kPaperKey).toString() == QStringLiteral("A3") ? Paper::A3 : Paper::A4;
    sheet_.page.orientation =
        settings.value(kOrientationKey).toString() == QStringLiteral("portrait")
            ? Orientation::Portrait
            : Orientation::Landscape;
    const int scale = settings.value(kScaleKey, 0).toInt();
    sheet_.page.scale =
        std::find(std::begin(kPlanScales), std::end(kPlanScales), scale) != std::end(kPlanScales)
            ? scale
            : 0;
}

void DocumentSession::setSheet(const SheetChoice& sheet) {
    sheet_ = sheet;
    QSettings settings;
    settings.setValue(kPaperKey,
                      sheet.page.paper == Paper::A3 ? QStringLiteral("A3") : QStringLiteral("A4"));
    settings.setValue(kOrientationKey, sheet.page.orientation == Orientation::Portrait
                                           ? QStringLiteral("portrait")
                                           : QStringLiteral("landscape"));
    settings.setValue(kScaleKey, sheet.page.scale);
}

}  // namespace fp
