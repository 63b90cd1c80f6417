// The main window following the session: what each of its signals changes in the menus, the
// status bar and the docks, and the order Tab goes through the widgets.
#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <QTreeWidget>

#include "compare/change_marks.h"
#include "window/changes_dock.h"
#include "window/checks_dock.h"
#include "window/control_bar.h"
#include "window/elided_label.h"
#include "window/legend_panel.h"
#include "window/level_list.h"
#include "window/listing_dock.h"
#include "window/listing_view.h"
#include "window/load_summary.h"
#include "window/main_window.h"
#include "window/plan_canvas.h"
#include "window/properties_dock.h"
#include "window/reload_bar.h"

namespace fp {
namespace {

QString colourName(ChangeMark mark) {
    const Stroke stroke = changeStroke(mark);
    return QColor(stroke.red, stroke.green, stroke.blue).name();
}

QString compareLegendText(const QString& earlier) {
    QString text = QStringLiteral("Compared with <b>%1</b>: ").arg(earlier.toHtmlEscaped());
    for (const ChangeLegendEntry& entry : changeLegend()) {
        text += QStringLiteral("<span style=\"color:%1\">&#9632;</span> %2&nbsp;&nbsp;")
                    .arg(colourName(entry.mark), QString::fromUtf8(entry.text).toHtmlEscaped());
    }
    return text;
}

}  // namespace

void MainWindow::connectSession() {
    connect(&session_, &DocumentSession::readingEnded, this, &MainWindow::readingEnded);
    connect(&session_, &DocumentSession::documentChanged, this, [this] {
        shownTotals_.reset();
        listingDock_->setListing(session_.path(), session_.document()->version);
        orderTabs();
    });
    connect(&session_, &DocumentSession::viewChanged, this, [this] {
        showViewInMenus();
        levelShown();
    });
    connect(&session_, &DocumentSession::listingChangedOnDisk, reloadBar_, &ReloadBar::show);
    connect(reloadBar_, &ReloadBar::reloadClicked, this, &MainWindow::reload);
    connect(&session_, &DocumentSession::selectionChanged, this, &MainWindow::showSelectionFacts);
    // The Properties dock shows the check's findings about a panel once they arrive.
    connect(&session_, &DocumentSession::findingsChanged, this, [this] {
        showFindings();
        showSelectionFacts();
    });
    connect(&session_, &DocumentSession::documentChanged, this, &MainWindow::showFindings);
    connect(&session_, &DocumentSession::comparisonChanged, this, [this] {
        showComparison();
        showSelectionFacts();
    });
    connect(&session_, &DocumentSession::earlierReadingFailed, this,
            [this](const QString& message) { showMessage(message.toStdString()); });

    connect(canvas_, &PlanCanvas::beamPicked, this, [this](int serial) {
        if (actions_.beamNumberBoxOnClick->isChecked()) {
            showMessage(std::to_string(serial));
        }
    });
    connect(canvas_, &PlanCanvas::pointerTextChanged, pointerText_, &ElidedLabel::setText);
    connect(canvas_, &PlanCanvas::planDrawn, legend_, [this] {
        legend_->showLegendOf(document(), session_.view(), canvas_->keyLinesElsewhere(),
                              canvas_->textsNotShown());
    });
    // The plan leaves room for the legend laid over it, and keeps its texts from under it.
    canvas_->setRoomBelow(legend_->roomWanted());
    canvas_->covered = [this] {
        legend_->showLegendOf(document(), session_.view());
        return legend_->isVisible() ? legend_->geometry() : QRect();
    };
    const auto focusPlan = [this] { canvas_->setFocus(Qt::OtherFocusReason); };
    connect(controlBar_, &ControlBar::planFocusWanted, canvas_, focusPlan);
    connect(levelList_, &LevelList::planFocusWanted, canvas_, focusPlan);

    connect(loadSummary_, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible) {
            levelShown();
        }
    });
    connect(propertiesDock_, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible) {
            showSelectionFacts();
        }
    });
    connect(propertiesDock_, &PropertiesDock::listingLineChosen, listingDock_,
            [this](long line) { listingDock_->showLine(static_cast<int>(line)); });
    connect(checksDock_, &ChecksDock::findingChosen, this, &MainWindow::chooseFinding);
    connect(checksDock_, &ChecksDock::acceptingFailed, this,
            [this](const QString& message) { showMessage(message.toStdString()); });
    // Each dock opens at a width to read it by, whichever way it is opened.
    for (QDockWidget* dock : findChildren<QDockWidget*>()) {
        connect(dock->toggleViewAction(), &QAction::triggered, this, [this, dock](bool on) {
            if (on) {
                openDock(dock);
            }
        });
    }
    orderTabs();
}

void MainWindow::showComparison() {
    const bool on = session_.comparison() != nullptr;
    actions_.endCompare->setEnabled(on);
    compareLegend_->setVisible(on);
    if (on) {
        compareLegend_->setText(compareLegendText(QFileInfo(session_.earlierPath()).fileName()));
        openDock(changesDock_);
    } else {
        changesDock_->hide();
    }
}

void MainWindow::askForEarlierListing() {
    const QString path = chooseListing(this, QFileInfo(listingPath()).absolutePath());
    if (!path.isEmpty()) {
        session_.compareWith(path);
    }
}

void MainWindow::orderTabs() {
    std::vector<QWidget*> order{levelList_};
    for (QWidget* control : controlBar_->focusOrder()) {
        order.push_back(control);
    }
    order.push_back(canvas_);
    for (QWidget* docked : std::initializer_list<QWidget*>{
             propertiesDock_->table, checksDock_->list, changesDock_->list, loadSummary_->table,
             listingDock_->lineField, listingDock_->findField, listingDock_->view}) {
        order.push_back(docked);
    }
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

}  // namespace fp
