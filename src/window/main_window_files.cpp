// Opening, reading again and the recent listings: a new document is read whole before it takes
// the place of the one on show, which a failure leaves untouched.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>

#include "output/exit_status.h"
#include "window/main_window.h"
#include "window/message_boxes.h"
#include "window/plan_panel.h"
#include "window/reload_bar.h"

namespace fp {
namespace {

constexpr int kNoteMs = 8000;

QString fileNameOf(const QString& path) {
    return QFileInfo(path).fileName();
}

}  // namespace

void MainWindow::openListing(const QString& path, OnFailure onFailure) {
    onFailure_ = onFailure;
    keepOptions_ = false;
    loader_.start(path);
}

void MainWindow::reload() {
    if (listingPath_.isEmpty()) {
        return;
    }
    onFailure_ = OnFailure::KeepShown;
    keepOptions_ = true;
    loader_.start(listingPath_);
}

void MainWindow::askForListing(OnFailure onFailure) {
    const QString folder =
        listingPath_.isEmpty() ? recent_.lastFolder() : QFileInfo(listingPath_).absolutePath();
    const QString path = chooseListing(this, folder);
    if (!path.isEmpty()) {
        openListing(path, onFailure);
    } else if (onFailure != OnFailure::KeepShown && document() == nullptr) {
        emit runEnded(0);
    }
}

void MainWindow::showOutcomeMessages(const ReadOutcome& outcome) {
    for (const ListingMessage& message : outcome.messages) {
        showMessage(message.described());
    }
}

void MainWindow::readingOver(const ReadOutcome& outcome) {
    showOutcomeMessages(outcome);
    if (outcome.document) {
        const bool keep = keepOptions_ && document() != nullptr;
        const PanelOptions kept = keep ? panel_->options() : PanelOptions{};
        shownTotals_.reset();
        panel_->showDocument(outcome.document, keep ? &kept : nullptr);
        listingPath_ = outcome.path;
        setWindowTitle(fileNameOf(listingPath_) + QStringLiteral(" — ") + kProgramTitle);
        // Written once the plan is on the screen: settings go to disk, which can be slow.
        QTimer::singleShot(0, this, [this, path = listingPath_] { recent_.add(path); });
        watcher_.watch(listingPath_);
        reloadBar_->hide();
        updateActions();
        emit documentShown();
        return;
    }
    emit readingFailed();
    if (outcome.cancelled) {
        statusBar()->showMessage(
            QStringLiteral("Stopped reading %1.").arg(fileNameOf(outcome.path)), kNoteMs);
        return;
    }
    showMessage(outcome.failure->what());
    if (onFailure_ == OnFailure::AskAgain && document() == nullptr) {
        askForListing(OnFailure::AskAgain);
    } else if (onFailure_ == OnFailure::EndRun && document() == nullptr) {
        emit runEnded(kFailureStatus);
    }
}

void MainWindow::fillRecentMenu() {
    recentMenu->clear();
    const QStringList dropped = recent_.dropMissing();
    if (!dropped.isEmpty()) {
        QStringList names;
        for (const QString& path : dropped) {
            names << QDir::toNativeSeparators(path);
        }
        statusBar()->showMessage(
            QStringLiteral("No longer on disk, so taken off Open Recent: ") + names.join(", "),
            kNoteMs);
    }
    const QStringList paths = recent_.paths();
    int number = 0;
    for (const QString& path : paths) {
        const QFileInfo file(path);
        QAction* action = recentMenu->addAction(
            QStringLiteral("&%1 %2 — %3")
                .arg(++number)
                .arg(file.fileName(), QDir::toNativeSeparators(file.absolutePath())));
        connect(action, &QAction::triggered, this, [this, path] { openListing(path); });
    }
    if (paths.isEmpty()) {
        recentMenu->addAction(QStringLiteral("No recent listings"))->setEnabled(false);
    }
}

}  // namespace fp
