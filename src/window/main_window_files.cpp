// Opening, reading again and the recent listings: a new document is read whole before it takes
// the place of the one on show, which a failure leaves untouched.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStatusBar>

#include "output/exit_status.h"
#include "window/main_window.h"
#include "window/message_boxes.h"
#include "window/plan_canvas.h"
#include "window/reload_bar.h"

namespace fp {
namespace {

constexpr int kNoteMs = 8000;

}  // namespace

void MainWindow::openListing(const QString& path, OnFailure onFailure) {
    onFailure_ = onFailure;
    session_.open(path);
}

void MainWindow::reload() {
    onFailure_ = OnFailure::KeepShown;
    session_.reload();
}

void MainWindow::askForListing(OnFailure onFailure) {
    const QString folder = listingPath().isEmpty() ? session_.recentListings().lastFolder()
                                                   : QFileInfo(listingPath()).absolutePath();
    const QString path = chooseListing(this, folder);
    if (!path.isEmpty()) {
        openListing(path, onFailure);
    } else if (onFailure != OnFailure::KeepShown && document() == nullptr) {
        emit runEnded(0);
    }
}

void MainWindow::readingEnded(const ReadOutcome& outcome) {
    for (const ListingMessage& message : outcome.messages) {
        showMessage(message.described());
    }
    if (outcome.document) {
        setWindowTitle(session_.fileName() + QStringLiteral(" — ") + kProgramTitle);
        reloadBar_->hide();
        updateActions();
        canvas_->setFocus(Qt::OtherFocusReason);
        emit documentShown();
        return;
    }
    emit readingFailed();
    if (outcome.cancelled) {
        statusBar()->showMessage(
            QStringLiteral("Stopped reading %1.").arg(QFileInfo(outcome.path).fileName()), kNoteMs);
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
    recentMenu_->clear();
    const QStringList dropped = session_.recentListings().dropMissing();
    if (!dropped.isEmpty()) {
        QStringList names;
        for (const QString& path : dropped) {
            names << QDir::toNativeSeparators(path);
        }
        statusBar()->showMessage(
            QStringLiteral("No longer on disk, so taken off Open Recent: ") + names.join(", "),
            kNoteMs);
    }
    const QStringList paths = session_.recentListings().paths();
    int number = 0;
    for (const QString& path : paths) {
        const QFileInfo file(path);
        QAction* action = recentMenu_->addAction(
            QStringLiteral("&%1 %2 — %3")
                .arg(++number)
                .arg(file.fileName(), QDir::toNativeSeparators(file.absolutePath())));
        connect(action, &QAction::triggered, this, [this, path] { openListing(path); });
    }
    if (paths.isEmpty()) {
        recentMenu_->addAction(QStringLiteral("No recent listings"))->setEnabled(false);
    }
}

}  // namespace fp
