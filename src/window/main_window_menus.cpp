// The menus of the main window and the Help boxes. Every entry has a mnemonic, and the View
// menu's options of the plan are made from their table.
#include <QAction>
#include <QDockWidget>
#include <QInputDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <QSignalBlocker>
#include <limits>

#include "window/checks_dock.h"
#include "window/help_texts.h"
#include "window/legend_panel.h"
#include "window/listing_dock.h"
#include "window/load_summary.h"
#include "window/main_window.h"
#include "window/member_search.h"
#include "window/plan_canvas.h"
#include "window/properties_dock.h"

namespace fp {
namespace {

const QString kTitleBlockOnImagesKey = QStringLiteral("export/titleBlockOnImages");

QAction* checkableAction(QMenu* menu, const char* name, const QString& text) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(true);
    return action;
}

// The dock's own action to show and hide it, in the menu under `text`.
void addDockAction(QMenu* menu, QDockWidget* dock, const char* name, const QString& text) {
    QAction* action = dock->toggleViewAction();
    action->setObjectName(QString::fromLatin1(name));
    action->setText(text);
    menu->addAction(action);
}

}  // namespace

QAction* MainWindow::addAction(QMenu* menu, const char* name, const QString& text,
                               const std::function<void()>& triggered) {
    QAction* action = menu->addAction(text, this, triggered);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

void MainWindow::buildMenus() {
    buildFileMenu();
    buildViewMenu();
    helpMenu_ = menuBar()->addMenu(QStringLiteral("&Help"));
    helpMenu_->setObjectName(QStringLiteral("helpMenu"));
    addAction(helpMenu_, "keyboardShortcutsAction", QStringLiteral("&Keyboard Shortcuts"),
              [this] { showKeyboardShortcuts(); });
    addAction(helpMenu_, "aboutAction", QStringLiteral("&About FramePlan"),
              [this] { showAbout(); });
}

void MainWindow::buildFileMenu() {
    fileMenu_ = menuBar()->addMenu(QStringLiteral("&File"));
    fileMenu_->setObjectName(QStringLiteral("fileMenu"));
    actions_.open =
        addAction(fileMenu_, "openAction", QStringLiteral("&Open…"), [this] { askForListing(); });
    actions_.open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    recentMenu_ = fileMenu_->addMenu(QStringLiteral("Open &Recent"));
    recentMenu_->setObjectName(QStringLiteral("recentMenu"));
    connect(recentMenu_, &QMenu::aboutToShow, this, &MainWindow::fillRecentMenu);
    actions_.reload =
        addAction(fileMenu_, "reloadAction", QStringLiteral("Re&load"), [this] { reload(); });
    actions_.reload->setShortcut(QKeySequence(Qt::Key_F5));
    actions_.compareWith =
        addAction(fileMenu_, "compareWithAction", QStringLiteral("Co&mpare With…"),
                  [this] { askForEarlierListing(); });
    actions_.compareWith->setStatusTip(
        QStringLiteral("Compares the listing on show with an earlier one and marks the changes"));
    fileMenu_->addSeparator();
    actions_.exportLevel =
        addAction(fileMenu_, "exportLevelAction", QStringLiteral("&Export Level…"),
                  [this] { exportLevels(false); });
    actions_.exportAllLevels =
        addAction(fileMenu_, "exportAllLevelsAction", QStringLiteral("Export &All Levels…"),
                  [this] { exportLevels(true); });
    actions_.exportSchedule =
        addAction(fileMenu_, "exportScheduleAction", QStringLiteral("Export &Schedule…"),
                  [this] { exportSchedule(); });
    // Kept from run to run.
    actions_.titleBlockOnImages = checkableAction(fileMenu_, "titleBlockOnImagesAction",
                                                  QStringLiteral("&Title Block on PNG and SVG"));
    actions_.titleBlockOnImages->setChecked(QSettings().value(kTitleBlockOnImagesKey).toBool());
    connect(actions_.titleBlockOnImages, &QAction::toggled, this,
            [](bool on) { QSettings().setValue(kTitleBlockOnImagesKey, on); });
    // Export All Levels to PDF adds the Takedown pages, each column stack's loads level by
    // level, and then the Checks pages after the plans while these are ticked.
    actions_.takedownPages = checkableAction(fileMenu_, "takedownPagesAction",
                                             QStringLiteral("Ta&kedown Pages in All-Levels PDF"));
    actions_.checksPages = checkableAction(fileMenu_, "checksPagesAction",
                                           QStringLiteral("&Checks Pages in All-Levels PDF"));
    actions_.pageSetup = addAction(fileMenu_, "pageSetupAction", QStringLiteral("Pa&ge Setup…"),
                                   [this] { askForPageSetup(); });
    fileMenu_->addSeparator();
    actions_.print =
        addAction(fileMenu_, "printAction", QStringLiteral("&Print…"), [this] { print(); });
    actions_.print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    actions_.printPreview = addAction(fileMenu_, "printPreviewAction",
                                      QStringLiteral("Print Pre&view"), [this] { printPreview(); });
    fileMenu_->addSeparator();
    QAction* quit =
        addAction(fileMenu_, "quitAction", QStringLiteral("&Quit"), [this] { close(); });
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void MainWindow::buildViewMenu() {
    viewMenu_ = menuBar()->addMenu(QStringLiteral("&View"));
    viewMenu_->setObjectName(QStringLiteral("viewMenu"));
    PlanCanvas* plan = canvas_;
    actions_.zoomIn = addAction(viewMenu_, "zoomInAction", QStringLiteral("Zoom &In"),
                                [plan] { plan->zoomAtMiddle(PlanCanvas::kZoomStep); });
    // Ctrl and the key of + with or without Shift, as keyboards differ.
    actions_.zoomIn->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    actions_.zoomOut = addAction(viewMenu_, "zoomOutAction", QStringLiteral("Zoom &Out"),
                                 [plan] { plan->zoomAtMiddle(1 / PlanCanvas::kZoomStep); });
    actions_.zoomOut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    actions_.fit =
        addAction(viewMenu_, "fitAction", QStringLiteral("&Fit"), [plan] { plan->fit(); });
    actions_.fit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    viewMenu_->addSeparator();
    actions_.findMember = addAction(viewMenu_, "findMemberAction", QStringLiteral("Find &Member…"),
                                    [this] { askForMember(); });
    actions_.findMember->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    viewMenu_->addSeparator();
    // The plan's options, one entry per row of their table.
    for (const ViewOption& option : session_.options()) {
        QAction* action = viewMenu_->addAction(QString::fromUtf8(option.label));
        action->setObjectName(QString::fromLatin1(option.name) + QStringLiteral("Action"));
        action->setCheckable(true);
        action->setShortcut(QKeySequence(QString::fromLatin1(option.shortcut)));
        const auto field = option.field;
        connect(action, &QAction::toggled, this,
                [this, field](bool on) { session_.setOption(field, on); });
        actions_.viewOptions.push_back(action);
    }
    QAction* legend = checkableAction(viewMenu_, "legendAction", QStringLiteral("&Legend"));
    legend->setChecked(legend_->wanted());
    connect(legend, &QAction::toggled, this, [this](bool on) {
        legend_->setWanted(on);
        canvas_->setRoomBelow(on ? legend_->roomWanted() : 0);
    });
    viewMenu_->addSeparator();
    addDockAction(viewMenu_, loadSummary_, "loadSummaryAction", QStringLiteral("Load S&ummary"));
    addDockAction(viewMenu_, checksDock_, "checksAction", QStringLiteral("&Checks"));
    addDockAction(viewMenu_, propertiesDock_, "propertiesAction", QStringLiteral("&Properties"));
    addDockAction(viewMenu_, listingDock_, "listingAction", QStringLiteral("Li&sting"));
    addAction(viewMenu_, "goToListingLineAction", QStringLiteral("&Go to Listing Line…"), [this] {
        listingDock_->askForLine();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    viewMenu_->addSeparator();
    // The serial number in a box of its own, as a click on a beam once showed it.
    actions_.beamNumberBoxOnClick = checkableAction(viewMenu_, "beamNumberBoxOnClickAction",
                                                    QStringLiteral("Beam Number Bo&x on Click"));
    actions_.endCompare = addAction(viewMenu_, "endCompareAction", QStringLiteral("&End Compare"),
                                    [this] { session_.endComparison(); });
    actions_.endCompare->setShortcut(QKeySequence(Qt::Key_Escape));
    actions_.endCompare->setShortcutContext(Qt::WindowShortcut);
    showViewInMenus();
}

void MainWindow::showViewInMenus() {
    const PlanView& view = session_.view();
    for (std::size_t i = 0; i < actions_.viewOptions.size(); ++i) {
        const QSignalBlocker quiet(actions_.viewOptions[i]);
        actions_.viewOptions[i]->setChecked(view.*session_.options()[i].field);
    }
}

void MainWindow::updateActions() {
    const bool shown = document() != nullptr;
    const bool levels = shown && document()->levelCount() > 0;
    actions_.reload->setEnabled(shown);
    // There is nothing to compare before a listing is on show.
    actions_.compareWith->setEnabled(shown);
    actions_.endCompare->setEnabled(session_.comparison() != nullptr);
    for (QAction* action : {actions_.exportLevel, actions_.exportAllLevels, actions_.exportSchedule,
                            actions_.pageSetup, actions_.print, actions_.printPreview,
                            actions_.zoomIn, actions_.zoomOut, actions_.fit, actions_.findMember}) {
        action->setEnabled(levels);
    }
}

void MainWindow::askForMember() {
    bool accepted = false;
    const int member = QInputDialog::getInt(
        this, QStringLiteral("Find Member"), QStringLiteral("Member number:"), lastMemberSought_,
        std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), 1, &accepted);
    if (accepted) {
        lastMemberSought_ = member;
        findMember(member);
    }
}

void MainWindow::findMember(long member) {
    if (document() == nullptr) {
        showMessage("No listing is open.");
        return;
    }
    const MemberSearch search = searchMember(*document(), member);
    if (search.serial == 0) {
        showMessage(search.answer);
        return;
    }
    session_.showLevel(search.level);
    canvas_->selectBeam(search.serial);
    canvas_->setFocus(Qt::OtherFocusReason);
}

void MainWindow::showKeyboardShortcuts() {
    QList<QAction*> all;
    for (const QMenu* menu : {fileMenu_, viewMenu_, helpMenu_}) {
        all += menu->actions();
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Keyboard Shortcuts"),
                    shortcutTable(keyboardShortcuts(all)), QMessageBox::Ok, this);
    box.setTextFormat(Qt::RichText);
    box.exec();
}

void MainWindow::showAbout() {
    QMessageBox::about(this, QStringLiteral("About FramePlan"), aboutText(listingPath()));
}

}  // namespace fp
