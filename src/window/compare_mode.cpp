// Compare mode: reading the earlier listing, comparing, and showing the changes.
#include "window/compare_mode.h"

#include <QAction>
#include <QDockWidget>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTreeWidget>

#include "compare/change_marks.h"
#include "compare/comparison_report.h"
#include "model/listing_error.h"
#include "window/main_window.h"
#include "window/plan_canvas.h"
#include "window/read_status.h"

namespace fp {
namespace {

constexpr int kHeightRole = Qt::UserRole;
// The place of the beam a change is about: its start and the joint it runs to.
constexpr int kBeamRole = Qt::UserRole + 1;

QVariantList placeData(const BeamPlace& place) {
    return {place.from.x, place.from.z, place.to.x, place.to.z};
}

// The serial number of the beam at the place on the level; 0 when the level has none there (a
// level past its beam limit has no plan to highlight on).
int serialAt(const LevelModel& level, const QVariantList& place) {
    for (std::size_t i = 0; i < level.beams.size(); ++i) {
        if (placeData(placeOf(level.beams[i])) == place) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

QString colourName(ChangeMark mark) {
    const Stroke stroke = changeStroke(mark);
    return QColor(stroke.red, stroke.green, stroke.blue).name();
}

QString legendText(const QString& earlier) {
    QString text = QStringLiteral("Compared with <b>%1</b>: ").arg(earlier.toHtmlEscaped());
    for (const ChangeLegendEntry& entry : changeLegend()) {
        text += QStringLiteral("<span style=\"color:%1\">&#9632;</span> %2&nbsp;&nbsp;")
                    .arg(colourName(entry.mark), QString::fromUtf8(entry.text).toHtmlEscaped());
    }
    return text;
}

}  // namespace

CompareMode::CompareMode(MainWindow& window) : QObject(&window), window_(window) {
    compareWithAction = new QAction(QStringLiteral("Co&mpare With…"), this);
    compareWithAction->setStatusTip(
        QStringLiteral("Compares the listing on show with an earlier one and marks the changes"));
    connect(compareWithAction, &QAction::triggered, this, &CompareMode::askForListing);
    // There is nothing to compare before a listing is on show.
    compareWithAction->setEnabled(window.document() != nullptr);
    connect(&window.session(), &DocumentSession::documentChanged, compareWithAction,
            [this] { compareWithAction->setEnabled(true); });
    const QList<QAction*> fileActions = window.fileMenu->actions();
    const auto afterReload = fileActions.indexOf(window.actions.reload) + 1;
    window.fileMenu->insertAction(
        afterReload < fileActions.size() ? fileActions[afterReload] : nullptr, compareWithAction);

    endAction = window.viewMenu->addAction(QStringLiteral("&End Compare"), this, &CompareMode::end);
    endAction->setShortcut(QKeySequence(Qt::Key_Escape));
    endAction->setShortcutContext(Qt::WindowShortcut);
    endAction->setEnabled(false);

    changesList = new QTreeWidget;
    changesList->setHeaderHidden(true);
    changesList->setObjectName(QStringLiteral("changesList"));
    connect(changesList, &QTreeWidget::itemActivated, this, &CompareMode::goTo);
    connect(changesList, &QTreeWidget::currentItemChanged, this, &CompareMode::goTo);
    changesDock = new QDockWidget(QStringLiteral("Changes"), &window);
    changesDock->setObjectName(QStringLiteral("changesDock"));
    changesDock->setWidget(changesList);
    window.addDockWidget(Qt::RightDockWidgetArea, changesDock);
    changesDock->hide();

    legend = new QLabel;
    legend->setTextFormat(Qt::RichText);
    legend->hide();
    window.statusBar()->addWidget(legend);
    status_ = new ReadStatus(loader_, nullptr);
    window.statusBar()->addPermanentWidget(status_);

    connect(&loader_, &ListingLoader::finished, this, &CompareMode::earlierRead);
    connect(&window.session(), &DocumentSession::readingEnded, this, &CompareMode::shownRead);
    window.canvas().overlay = [this](Surface& surface) {
        if (const LevelComparison* level = levelShown()) {
            drawChangeMarks(*level, surface);
        }
    };
}

void CompareMode::askForListing() {
    const QString folder = QFileInfo(window_.listingPath()).absolutePath();
    const QString path = window_.chooseListing(&window_, folder);
    if (!path.isEmpty()) {
        compareWith(path);
    }
}

void CompareMode::compareWith(const QString& path) {
    earlierPath_ = path;
    loader_.start(path);
}

void CompareMode::earlierRead(const ReadOutcome& outcome) {
    if (outcome.cancelled) {
        return;
    }
    if (!outcome.document) {
        window_.showMessage(outcome.failure->what());
        return;
    }
    earlier_ = outcome.document;
    earlierMessages_ = outcome.messages;
    compare();
}

void CompareMode::shownRead(const ReadOutcome& outcome) {
    if (!outcome.document) {
        return;
    }
    shownMessages_ = outcome.messages;
    if (!isOn()) {
        return;
    }
    // A reload reads the earlier listing again too: the analysis may have been run again on it.
    if (window_.session().isReloading() && !earlierPath_.isEmpty()) {
        loader_.start(earlierPath_);
    }
    compare();
}

void CompareMode::compare() {
    const ListingDocument* shown = window_.document();
    if (shown == nullptr || earlier_ == nullptr) {
        return;
    }
    comparison_ = compareListings({*earlier_, earlierMessages_}, {*shown, shownMessages_});
    endAction->setEnabled(true);
    legend->setText(legendText(QFileInfo(earlierPath_).fileName()));
    legend->show();
    fillChanges();
    changesDock->show();
    redraw();
}

void CompareMode::end() {
    if (!isOn()) {
        return;
    }
    comparison_.reset();
    earlier_.reset();
    endAction->setEnabled(false);
    legend->hide();
    changesList->clear();
    changesDock->hide();
    redraw();
}

const LevelComparison* CompareMode::levelShown() const {
    const ListingDocument* shown = window_.document();
    if (!comparison_ || shown == nullptr) {
        return nullptr;
    }
    const int level = window_.session().view().level;
    if (level < 1 || level > shown->levelCount()) {
        return nullptr;
    }
    const float height = shown->levelHeight(level);
    for (const LevelComparison& compared : comparison_->levels) {
        if (compared.height == height) {
            return &compared;
        }
    }
    return nullptr;
}

void CompareMode::fillChanges() {
    changesList->clear();
    const std::vector<ReportSection> sections = comparisonReport(*comparison_);
    if (sections.empty()) {
        new QTreeWidgetItem(changesList, {QStringLiteral("No differences.")});
    }
    for (const ReportSection& section : sections) {
        auto* heading = new QTreeWidgetItem(changesList, {QString::fromStdString(section.heading)});
        for (const ReportLine& line : section.lines) {
            auto* item = new QTreeWidgetItem(heading, {QString::fromStdString(line.text)});
            if (section.height) {
                item->setData(0, kHeightRole, *section.height);
            }
            if (line.beam) {
                item->setData(0, kBeamRole, placeData(*line.beam));
            }
        }
        if (section.height) {
            heading->setData(0, kHeightRole, *section.height);
        }
        heading->setExpanded(true);
    }
}

void CompareMode::goTo(QTreeWidgetItem* item) {
    const ListingDocument* shown = window_.document();
    if (item == nullptr || shown == nullptr || !item->data(0, kHeightRole).isValid()) {
        return;
    }
    const int level = shown->levelAtHeight(item->data(0, kHeightRole).toFloat());
    if (level <= 0) {
        return;
    }
    window_.session().showLevel(level);
    const QVariant beam = item->data(0, kBeamRole);
    if (beam.isValid()) {
        if (const int serial = serialAt(shown->level(level), beam.toList())) {
            window_.canvas().selectBeam(serial);
        }
    }
}

void CompareMode::redraw() {
    // Asking for the level on show again draws it again, now with (or without) the marks.
    window_.session().showLevel(window_.session().view().level);
    emit changed();
}

}  // namespace fp
