// The main window: the widgets laid out around the plan, the status bar, the window's place on
// the screen, and listings dropped on it.
#include "window/main_window.h"

#include <QCloseEvent>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>

#include "window/changes_dock.h"
#include "window/checks_dock.h"
#include "window/control_bar.h"
#include "window/elided_label.h"
#include "window/legend_panel.h"
#include "window/level_list.h"
#include "window/listing_banner.h"
#include "window/listing_dialog.h"
#include "window/listing_dock.h"
#include "window/load_summary.h"
#include "window/message_boxes.h"
#include "window/plan_canvas.h"
#include "window/properties_dock.h"
#include "window/read_status.h"
#include "window/reload_bar.h"
#include "window/save_dialog.h"

namespace fp {
namespace {

const QString kGeometryKey = QStringLiteral("window/geometry");
// A window manager's borders and title bar, in logical pixels, as most draw them.
constexpr QMargins kUsualFrame(8, 32, 8, 8);
const QString kStateKey = QStringLiteral("window/state");
const QString kScreenKey = QStringLiteral("window/screen");
// The size the window would like at first: room for a plan and its controls. A smaller screen
// gets less.
constexpr QSize kPreferredSize(960, 640);
// The share of the screen's free area a first window takes at most.
constexpr double kMostOfTheScreen = 0.9;
// A dock opened for the first time takes a share of the window's width, within bounds: the
// Checks dock, whose sentences are read whole, more than the others.
struct DockWidth {
    double share;
    int narrowest;
    int widest;
};
constexpr DockWidth kUsualDock{0.34, 280, 560};
constexpr DockWidth kChecksDock{0.5, 420, 720};

// The one local file a drag carries; empty when it carries anything else.
QString droppedListing(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1 ||
        !data->urls().first().isLocalFile()) {
        return {};
    }
    return data->urls().first().toLocalFile();
}

QFont clientFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace

MainWindow::MainWindow(const QString& startListing, ViewOptions options)
    : session_(std::move(options)) {
    if (!startListing.isEmpty()) {
        openListing(startListing, OnFailure::EndRun);
    }
    setObjectName(QStringLiteral("MainWindow"));
    showMessage = [this](const std::string& message) { showMessageBox(this, message); };
    chooseListing = [](QWidget* parent, const QString& folder) {
        return fp::chooseListing(parent, folder);
    };
    chooseSavePath = askSavePath;

    buildCentralWidget();
    buildDocks();
    buildMenus();
    buildStatusBar();
    connectSession();
    setAcceptDrops(true);
    setWindowTitle(kProgramTitle);
    placeOnScreen();
    levelShown();
    updateActions();
    showFindings();
    showComparison();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildCentralWidget() {
    // Made before the controls, so that it draws each view before they and the docks show it.
    canvas_ = new PlanCanvas(session_);
    legend_ = new LegendPanel(canvas_);
    levelList_ = new LevelList(session_);
    controlBar_ = new ControlBar(session_);
    reloadBar_ = new ReloadBar(nullptr);
    banner_ = new ListingBanner(session_);
    auto* plan = new QWidget;
    auto* planLayout = new QVBoxLayout(plan);
    planLayout->setContentsMargins(0, 0, 4, 4);
    planLayout->setSpacing(2);
    planLayout->addWidget(controlBar_);
    planLayout->addWidget(canvas_, 1);
    auto* client = new QWidget;
    client->setObjectName(QStringLiteral("clientArea"));
    // The controls sit on the window colour; the plan keeps its own.
    QPalette windowColours = client->palette();
    windowColours.setColor(QPalette::Window, windowColours.color(QPalette::Base));
    client->setPalette(windowColours);
    client->setAutoFillBackground(true);
    client->setFont(clientFont());
    auto* clientLayout = new QHBoxLayout(client);
    clientLayout->setContentsMargins(4, 4, 0, 0);
    clientLayout->addWidget(levelList_);
    clientLayout->addWidget(plan, 1);
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(reloadBar_);
    layout->addWidget(banner_);
    layout->addWidget(client, 1);
    setCentralWidget(central);
}

void MainWindow::buildDocks() {
    loadSummary_ = new LoadSummary(this);
    loadSummary_->setObjectName(QStringLiteral("loadSummary"));
    propertiesDock_ = new PropertiesDock(this);
    checksDock_ = new ChecksDock(session_, this);
    changesDock_ = new ChangesDock(session_, this);
    listingDock_ = new ListingDock(this);
    for (QDockWidget* dock : std::initializer_list<QDockWidget*>{loadSummary_, propertiesDock_,
                                                                 checksDock_, changesDock_}) {
        addDockWidget(Qt::RightDockWidgetArea, dock);
        dock->hide();
    }
    addDockWidget(Qt::BottomDockWidgetArea, listingDock_);
    listingDock_->hide();
}

void MainWindow::openDock(QDockWidget* dock) {
    const bool first =
        std::find(docksOpened_.begin(), docksOpened_.end(), dock) == docksOpened_.end();
    dock->show();
    dock->raise();
    if (!first || dockWidgetArea(dock) == Qt::BottomDockWidgetArea || dock->isFloating()) {
        return;
    }
    docksOpened_.push_back(dock);
    const DockWidth wanted = dock == checksDock_ ? kChecksDock : kUsualDock;
    const int width =
        std::clamp(static_cast<int>(this->width() * wanted.share), wanted.narrowest, wanted.widest);
    // Docks stacked on one side share its width: a side already as wide as this dock wants
    // stays as it is, a narrower one widens for it.
    for (QDockWidget* other : findChildren<QDockWidget*>()) {
        if (other != dock && other->isVisible() && !other->isFloating() &&
            dockWidgetArea(other) == dockWidgetArea(dock) && other->width() >= width) {
            return;
        }
    }
    resizeDocks({dock}, {width}, Qt::Horizontal);
}

void MainWindow::placeOnScreen() {
    const QSettings settings;
    const QString screenName = settings.value(kScreenKey).toString();
    const QScreen* saved = nullptr;
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->name() == screenName) {
            saved = screen;
        }
    }
    // Where it was last closed, as long as that screen is still there, and fitted to it: the
    // screen may have another size or scale now.
    if (saved != nullptr && restoreGeometry(settings.value(kGeometryKey).toByteArray())) {
        restoreState(settings.value(kStateKey).toByteArray());
        for (QDockWidget* dock : findChildren<QDockWidget*>()) {
            if (dock->isVisible()) {
                docksOpened_.push_back(dock);
            }
        }
        fitOnScreen(*saved);
        return;
    }
    const QScreen* screen =
        this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        resize(kPreferredSize);
        return;
    }
    const QRect free = screen->availableGeometry();
    const QSize most(static_cast<int>(free.width() * kMostOfTheScreen),
                     static_cast<int>(free.height() * kMostOfTheScreen));
    resize(kPreferredSize.boundedTo(most).expandedTo(minimumSizeHint()).boundedTo(free.size()));
    move(free.center() - rect().center());
}

void MainWindow::fitOnScreen(const QScreen& screen) {
    if (isMaximized() || isFullScreen()) {
        return;
    }
    // Saved on a larger screen, or at a smaller scale factor, it comes back whole within this
    // one: its title bar and status bar on the screen.
    const QRect free = screen.availableGeometry();
    QMargins frame(geometry().left() - frameGeometry().left(),
                   geometry().top() - frameGeometry().top(),
                   frameGeometry().right() - geometry().right(),
                   frameGeometry().bottom() - geometry().bottom());
    // Before it is shown the window manager has not told its frame: room for a usual one.
    if (frame.isNull()) {
        frame = kUsualFrame;
    }
    const QRect room = free.marginsRemoved(frame);
    QRect placed(geometry().topLeft(), geometry().size().boundedTo(room.size()));
    placed.moveLeft(std::clamp(placed.left(), room.left(), room.right() - placed.width() + 1));
    placed.moveTop(std::clamp(placed.top(), room.top(), room.bottom() - placed.height() + 1));
    setGeometry(placed);
}

void MainWindow::buildStatusBar() {
    pointerText_ = new ElidedLabel;
    pointerText_->setObjectName(QStringLiteral("pointerText"));
    statusBar()->addWidget(pointerText_, 1);
    compareLegend_ = new QLabel;
    compareLegend_->setObjectName(QStringLiteral("compareLegend"));
    compareLegend_->setTextFormat(Qt::RichText);
    compareLegend_->hide();
    statusBar()->addWidget(compareLegend_);
    buildChecksButton();
    loadNote_ = new QLabel;
    loadNote_->setObjectName(QStringLiteral("loadNote"));
    statusBar()->addPermanentWidget(loadNote_);
    readStatus_ = new ReadStatus(session_.loader(), nullptr);
    statusBar()->addPermanentWidget(readStatus_);
    earlierReadStatus_ = new ReadStatus(session_.earlierLoader(), nullptr);
    statusBar()->addPermanentWidget(earlierReadStatus_);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    session_.loader().cancel();
    session_.earlierLoader().cancel();
    QSettings settings;
    settings.setValue(kGeometryKey, saveGeometry());
    settings.setValue(kStateKey, saveState());
    if (screen() != nullptr) {
        settings.setValue(kScreenKey, screen()->name());
    }
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
