// The main window's checks: the count in the status bar, which opens the Checks dock, and a
// chosen finding shown on its level with its place outlined.
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>

#include "window/checks_dock.h"
#include "window/listing_dock.h"
#include "window/main_window.h"
#include "window/plan_canvas.h"

namespace fp {

void MainWindow::buildChecksButton() {
    checksButton_ = new QToolButton;
    checksButton_->setObjectName(QStringLiteral("checksButton"));
    checksButton_->setAutoRaise(true);
    checksButton_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    checksButton_->setToolTip(QStringLiteral("Show the Checks"));
    // As tall with its warning sign as without: the count arrives after the plan, and the plan
    // does not move when it does.
    checksButton_->setIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
    checksButton_->setText(QStringLiteral("0 warnings"));
    checksButton_->setMinimumHeight(checksButton_->sizeHint().height());
    checksButton_->hide();
    statusBar()->addPermanentWidget(checksButton_);
    connect(checksButton_, &QToolButton::clicked, this, [this] { openDock(checksDock_); });
}

void MainWindow::showFindings() {
    checksButton_->setVisible(document() != nullptr);
    if (document() == nullptr) {
        return;
    }
    if (session_.loader().isChecking()) {
        checksButton_->setText(QStringLiteral("Checking\u2026"));
        checksButton_->setIcon(QIcon());
        return;
    }
    const JudgedCounts counts = countJudged(session_.judgedFindings());
    checksButton_->setText(QString::fromStdString(judgedCountsText(counts)));
    checksButton_->setIcon(
        counts.open.warnings > 0 ? style()->standardIcon(QStyle::SP_MessageBoxWarning) : QIcon());
}

void MainWindow::chooseFinding(const Finding& finding) {
    if (finding.level > 0) {
        session_.showLevel(finding.level);
    }
    canvas_->outlinePlace(finding.place);
    // The line behind the finding, when the listing is on show beside the plan.
    if (!finding.lines.empty() && listingDock_->isVisibleTo(this)) {
        listingDock_->showLine(static_cast<int>(finding.lines.front()));
    }
}

}  // namespace fp
