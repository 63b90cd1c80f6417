// The main window: the widgets laid out around the plan, the status bar, the window's place on
// the screen, and listings dropped on it.
#include "window/main_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QVBoxLayout>

#include "window/compare_mode.h"
#include "window/control_bar.h"
#include "window/elided_label.h"
#include "window/legend_panel.h"
#include "window/level_list.h"
#include "window/listing_banner.h"
#include "window/listing_dialog.h"
#include "window/load_summary.h"
#include "window/message_boxes.h"
#include "window/plan_canvas.h"
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

MainWindow::MainWindow(const QString& startListing) {
    if (!startListing.isEmpty()) {
        openListing(startListing, OnFailure::EndRun);
    }
    setObjectName(QStringLiteral("MainWindow"));
    showMessage = [this](const std::string& message) { showMessageBox(this, message); };
    chooseListing = [](QWidget* parent, const QString& folder) {
        return fp::chooseListing(parent, folder);
    };
    chooseSavePath = askSavePath;
    loadPageSetup();

    // Made before the controls, so that it draws each view before they and the docks show it.
    canvas_ = new PlanCanvas(session_);
    legend_ = new LegendPanel(canvas_);
    levelList_ = new LevelList(session_);
    controlBar_ = new ControlBar(session_);
    reloadBar_ = new ReloadBar(nullptr);
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
    layout->addWidget(new ListingBanner(session_));
    layout->addWidget(client, 1);
    setCentralWidget(central);
    // Focus moves as the controls stand: "Chk All", the options, the plan, then the boxes.
    setTabOrder(controlBar_->allIntensitiesBox, controlBar_->memberLoadOption);
    setTabOrder(controlBar_->memberLoadOption, controlBar_->floorLoadOption);
    setTabOrder(controlBar_->floorLoadOption, canvas_);
    setTabOrder(canvas_, controlBar_->loadTypeBox);
    setTabOrder(controlBar_->loadTypeBox, controlBar_->beamNumbersBox);
    buildLoadSummary();
    buildInspectDocks();
    buildMenus();
    addInspectActions();
    buildStatusBar();
    buildChecks();
    compareMode = new CompareMode(*this);
    connect(compareMode, &CompareMode::changed, this, &MainWindow::showSelectionFacts);
    setAcceptDrops(true);
    setWindowTitle(kProgramTitle);
    placeOnScreen();

    connect(&session_, &DocumentSession::readingEnded, this, &MainWindow::readingEnded);
    connect(&session_, &DocumentSession::documentChanged, this, [this] { shownTotals_.reset(); });
    connect(&session_, &DocumentSession::viewChanged, this, [this] {
        showViewInMenus();
        levelShown();
    });
    connect(&session_, &DocumentSession::listingChangedOnDisk, reloadBar_, &ReloadBar::show);
    connect(reloadBar_, &ReloadBar::reloadClicked, this, &MainWindow::reload);
    connect(canvas_, &PlanCanvas::beamPicked, this, [this](int serial) {
        if (actions.beamNumberBoxOnClick->isChecked()) {
            showMessage(std::to_string(serial));
        }
    });
    connect(canvas_, &PlanCanvas::pointerTextChanged, pointerText, &ElidedLabel::setText);
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
    connect(loadSummary, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible) {
            levelShown();
        }
    });
    levelShown();
    updateActions();
}

MainWindow::~MainWindow() = default;

void MainWindow::placeOnScreen() {
    const QSettings settings;
    const QString screenName = settings.value(kScreenKey).toString();
    const QScreen* saved = nullptr;
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->name() == screenName) {
            saved = screen;
        }
    }
    // Where it was last closed, as long as that screen is still there.
    if (saved != nullptr && restoreGeometry(settings.value(kGeometryKey).toByteArray())) {
        restoreState(settings.value(kStateKey).toByteArray());
        // Saved on a larger screen, or at a smaller scale factor, it comes back whole within
        // this one: its title bar and status bar on the screen.
        const QRect free = saved->availableGeometry();
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

void MainWindow::buildStatusBar() {
    pointerText = new ElidedLabel;
    pointerText->setObjectName(QStringLiteral("pointerText"));
    statusBar()->addWidget(pointerText, 1);
    loadNote = new QLabel;
    loadNote->setObjectName(QStringLiteral("loadNote"));
    statusBar()->addPermanentWidget(loadNote);
    readStatus_ = new ReadStatus(session_.loader(), nullptr);
    statusBar()->addPermanentWidget(readStatus_);
}

void MainWindow::buildLoadSummary() {
    loadSummary = new LoadSummary(this);
    loadSummary->setObjectName(QStringLiteral("loadSummary"));
    addDockWidget(Qt::RightDockWidgetArea, loadSummary);
    loadSummary->hide();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    session_.loader().cancel();
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
