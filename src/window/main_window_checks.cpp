// The main window's checks: the Checks dock, "Mark checks on the plan", the count in the status
// bar, and showing a chosen finding's place.
#include <QAction>
#include <QMenu>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>

#include "window/checks_dock.h"
#include "window/listing_dock.h"
#include "window/main_window.h"
#include "window/plan_canvas.h"

namespace fp {

void MainWindow::buildChecks() {
    checksDock = new ChecksDock(this);
    addDockWidget(Qt::RightDockWidgetArea, checksDock);
    checksDock->hide();
    actions.checks = checksDock->toggleViewAction();
    actions.checks->setText(QStringLiteral("&Checks"));
    viewMenu->addAction(actions.checks);
    actions.markChecks = viewMenu->addAction(QStringLiteral("Mark checks on the pl&an"));
    actions.markChecks->setCheckable(true);
    actions.markChecks->setChecked(session_.view().markChecks);
    connect(actions.markChecks, &QAction::toggled, this,
            [this](bool on) { session_.setMarkChecks(on); });

    // Export All Levels to PDF adds the Checks pages after the plans while this is ticked.
    actions.checksPages = new QAction(QStringLiteral("&Checks Pages in All-Levels PDF"), this);
    actions.checksPages->setCheckable(true);
    fileMenu->insertAction(actions.print, actions.checksPages);
    // And the Takedown pages, each column stack's loads level by level, before them.
    actions.takedownPages = new QAction(QStringLiteral("Ta&kedown Pages in All-Levels PDF"), this);
    actions.takedownPages->setCheckable(true);
    fileMenu->insertAction(actions.checksPages, actions.takedownPages);

    checksButton = new QToolButton;
    checksButton->setObjectName(QStringLiteral("checksButton"));
    checksButton->setAutoRaise(true);
    checksButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    checksButton->setToolTip(QStringLiteral("Show the Checks"));
    // As tall with its warning sign as without: the count arrives after the plan, and the plan
    // does not move when it does.
    checksButton->setIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
    checksButton->setText(QStringLiteral("0 warnings"));
    checksButton->setMinimumHeight(checksButton->sizeHint().height());
    checksButton->hide();
    statusBar()->addPermanentWidget(checksButton);
    connect(checksButton, &QToolButton::clicked, this, [this] {
        const bool opening = !checksDock->isVisible();
        checksDock->show();
        checksDock->raise();
        if (opening) {
            // Wide enough for the sentences to be read.
            resizeDocks({checksDock}, {width() / 2}, Qt::Horizontal);
        }
    });

    connect(&session_, &DocumentSession::documentChanged, this, &MainWindow::showFindings);
    connect(&session_, &DocumentSession::findingsChanged, this, &MainWindow::showFindings);
    connect(&session_, &DocumentSession::viewChanged, this, [this] {
        const QSignalBlocker quiet(actions.markChecks);
        actions.markChecks->setChecked(session_.view().markChecks);
    });
    connect(checksDock, &ChecksDock::findingChosen, this, &MainWindow::chooseFinding);
    showFindings();
}

void MainWindow::showFindings() {
    const std::vector<Finding>& findings = session_.findings();
    checksDock->showFindings(document(), findings);
    checksButton->setVisible(document() != nullptr);
    if (session_.loader().isChecking()) {
        checksButton->setText(QStringLiteral("Checking\u2026"));
        checksButton->setIcon(QIcon());
        return;
    }
    const FindingCounts counts = countFindings(findings);
    checksButton->setText(QString::fromStdString(findingCountsText(counts)));
    checksButton->setIcon(counts.warnings > 0 ? style()->standardIcon(QStyle::SP_MessageBoxWarning)
                                              : QIcon());
}

void MainWindow::chooseFinding(int index) {
    const std::vector<Finding>& findings = session_.findings();
    if (index < 0 || static_cast<std::size_t>(index) >= findings.size()) {
        return;
    }
    const Finding& finding = findings[static_cast<std::size_t>(index)];
    if (finding.level > 0) {
        session_.showLevel(finding.level);
    }
    canvas_->outlinePlace(finding.place);
    // The line behind the finding, when the listing is on show beside the plan.
    if (!finding.lines.empty() && listingDock->isVisibleTo(this)) {
        listingDock->showLine(static_cast<int>(finding.lines.front()));
    }
}

}  // namespace fp
