// The main window: the client area in a scrolling frame, the reload bar above it, the status
// bar below, and listings dropped on it.
#include "window/main_window.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScrollArea>
#include <QStatusBar>
#include <QVBoxLayout>

#include "window/listing_dialog.h"
#include "window/load_summary.h"
#include "window/message_boxes.h"
#include "window/plan_panel.h"
#include "window/read_status.h"
#include "window/reload_bar.h"

namespace fp {
namespace {

// The one local file a drag carries; empty when it carries anything else.
QString droppedListing(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1 ||
        !data->urls().first().isLocalFile()) {
        return {};
    }
    return data->urls().first().toLocalFile();
}

}  // namespace

MainWindow::MainWindow(const TwipsScale& scale, const QString& startListing)
    : scale_(scale), loader_(this), watcher_(this) {
    if (!startListing.isEmpty()) {
        openListing(startListing, OnFailure::EndRun);
    }
    setObjectName(QStringLiteral("MainWindow"));
    showMessage = [this](const std::string& message) { showMessageBox(this, message); };
    chooseListing = [](QWidget* parent, const QString& folder) {
        return fp::chooseListing(parent, folder);
    };
    chooseSavePath = [](QWidget* parent, const QString& title, const QString& suggested,
                        const QStringList& filters, QString* filter) {
        return QFileDialog::getSaveFileName(parent, title, suggested,
                                            filters.join(QStringLiteral(";;")), filter);
    };

    panel_ = new PlanPanel(scale_);
    // Below its designed size the client area scrolls rather than lose its controls.
    panel_->setMinimumSize(panel_->size());
    scroller_ = new QScrollArea;
    scroller_->setObjectName(QStringLiteral("panelScroller"));
    scroller_->setFrameShape(QFrame::NoFrame);
    scroller_->setWidgetResizable(true);
    scroller_->setWidget(panel_);
    reloadBar_ = new ReloadBar(nullptr);
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(reloadBar_);
    layout->addWidget(scroller_, 1);
    setCentralWidget(central);
    buildLoadSummary();

    buildMenus();
    buildStatusBar();
    setAcceptDrops(true);
    setWindowTitle(kProgramTitle);
    resize(panel_->minimumWidth(), panel_->minimumHeight() + menuBar()->sizeHint().height() +
                                       statusBar()->sizeHint().height());

    connect(&loader_, &ListingLoader::finished, this, &MainWindow::readingOver);
    connect(&watcher_, &ListingWatcher::changed, reloadBar_, &ReloadBar::show);
    connect(reloadBar_, &ReloadBar::reloadClicked, this, &MainWindow::reload);
    connect(panel_, &PlanPanel::beamPicked, this,
            [this](int serial) { showMessage(std::to_string(serial)); });
    connect(panel_, &PlanPanel::pointerTextChanged, pointerText, &QLabel::setText);
    connect(panel_, &PlanPanel::levelShown, this, &MainWindow::levelShown);
    connect(loadSummary, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible) {
            levelShown();
        }
    });
    levelShown();
    updateActions();
}

MainWindow::~MainWindow() = default;

const ListingDocument* MainWindow::document() const {
    return panel_->document();
}

void MainWindow::buildStatusBar() {
    pointerText = new QLabel;
    pointerText->setObjectName(QStringLiteral("pointerText"));
    statusBar()->addWidget(pointerText, 1);
    loadNote = new QLabel;
    loadNote->setObjectName(QStringLiteral("loadNote"));
    statusBar()->addPermanentWidget(loadNote);
    readStatus_ = new ReadStatus(loader_, nullptr);
    statusBar()->addPermanentWidget(readStatus_);
}

void MainWindow::buildLoadSummary() {
    loadSummary = new LoadSummary(this);
    addDockWidget(Qt::RightDockWidgetArea, loadSummary);
    loadSummary->hide();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    loader_.cancel();
    QMainWindow::closeEvent(event);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedListing(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = droppedListing(event->mimeData());
    if (!path.isEmpty()) {
        event->acceptProposedAction();
        openListing(path);
    }
}

}  // namespace fp
