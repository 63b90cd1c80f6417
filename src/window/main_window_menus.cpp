// The menus of the main window and the Help boxes.
#include <QAction>
#include <QInputDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <QSignalBlocker>
#include <functional>
#include <limits>

#include "window/help_texts.h"
#include "window/legend_panel.h"
#include "window/load_summary.h"
#include "window/main_window.h"
#include "window/member_search.h"
#include "window/plan_canvas.h"

namespace fp {
namespace {

const QString kTitleBlockOnImagesKey = QStringLiteral("export/titleBlockOnImages");

// A checkable action, ticked or not, that applies every change of its state.
QAction* addOption(QMenu* menu, const QString& text, bool on,
                   const std::function<void(bool)>& apply) {
    QAction* action = menu->addAction(text);
    action->setCheckable(true);
    action->setChecked(on);
    QObject::connect(action, &QAction::toggled, menu, apply);
    return action;
}

void showChecked(QAction* action, bool on) {
    const QSignalBlocker quiet(action);
    action->setChecked(on);
}

}  // namespace

void MainWindow::buildMenus() {
    fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    actions.open = fileMenu->addAction(QStringLiteral("&Open…"), this, [this] { askForListing(); });
    actions.open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    recentMenu = fileMenu->addMenu(QStringLiteral("Open &Recent"));
    connect(recentMenu, &QMenu::aboutToShow, this, &MainWindow::fillRecentMenu);
    actions.reload = fileMenu->addAction(QStringLiteral("Re&load"), this, &MainWindow::reload);
    actions.reload->setShortcut(QKeySequence(Qt::Key_F5));
    fileMenu->addSeparator();
    actions.exportLevel = fileMenu->addAction(QStringLiteral("&Export Level…"), this,
                                              [this] { exportLevels(false); });
    actions.exportAllLevels = fileMenu->addAction(QStringLiteral("Export &All Levels…"), this,
                                                  [this] { exportLevels(true); });
    actions.exportSchedule =
        fileMenu->addAction(QStringLiteral("Export &Schedule…"), this, &MainWindow::exportSchedule);
    actions.titleBlockOnImages =
        addOption(fileMenu, QStringLiteral("&Title Block on PNG and SVG"),
                  QSettings().value(kTitleBlockOnImagesKey).toBool(),
                  [](bool on) { QSettings().setValue(kTitleBlockOnImagesKey, on); });
    actions.pageSetup =
        fileMenu->addAction(QStringLiteral("Pa&ge Setup…"), this, &MainWindow::askForPageSetup);
    fileMenu->addSeparator();
    actions.print = fileMenu->addAction(QStringLiteral("&Print…"), this, &MainWindow::print);
    actions.print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    actions.printPreview =
        fileMenu->addAction(QStringLiteral("Print Pre&view"), this, &MainWindow::printPreview);
    fileMenu->addSeparator();
    actions.quit = fileMenu->addAction(QStringLiteral("&Quit"), this, &MainWindow::close);
    actions.quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    viewMenu = menuBar()->addMenu(QStringLiteral("&View"));
    PlanCanvas* plan = canvas_;
    actions.zoomIn = viewMenu->addAction(QStringLiteral("Zoom &In"), plan,
                                         [plan] { plan->zoomAtMiddle(PlanCanvas::kZoomStep); });
    // Ctrl and the key of + with or without Shift, as keyboards differ.
    actions.zoomIn->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    actions.zoomOut = viewMenu->addAction(QStringLiteral("Zoom &Out"), plan, [plan] {
        plan->zoomAtMiddle(1 / PlanCanvas::kZoomStep);
    });
    actions.zoomOut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    actions.fit = viewMenu->addAction(QStringLiteral("&Fit"), plan, &PlanCanvas::fit);
    actions.fit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    viewMenu->addSeparator();
    actions.findMember =
        viewMenu->addAction(QStringLiteral("Find &Member…"), this, &MainWindow::askForMember);
    actions.findMember->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    viewMenu->addSeparator();
    const PlanView& view = session_.view();
    actions.gridLines = addOption(viewMenu, QStringLiteral("G&rid Lines"), view.gridLines,
                                  [this](bool on) { session_.setGridLines(on); });
    actions.memberNumbersBeside = addOption(
        viewMenu, QStringLiteral("Member &numbers beside serials"), view.memberNumbersBeside,
        [this](bool on) { session_.setMemberNumbersBeside(on); });
    actions.memberLoadsOnBeams =
        addOption(viewMenu, QStringLiteral("Member loads on &beams"), view.memberLoadsOnBeams,
                  [this](bool on) { session_.setMemberLoadsOnBeams(on); });
    actions.markPanelsWithoutLoad = addOption(
        viewMenu, QStringLiteral("Mar&k panels without floor load"), view.markPanelsWithoutLoad,
        [this](bool on) { session_.setMarkPanelsWithoutLoad(on); });
    actions.tributaryAreas =
        addOption(viewMenu, QStringLiteral("&Tributary Areas"), view.tributaryAreas,
                  [this](bool on) { session_.setTributaryAreas(on); });
    actions.designedLabelPositions = addOption(
        viewMenu, QStringLiteral("&Designed Label Positions"), view.designedLabelPositions,
        [this](bool on) { session_.setDesignedLabelPositions(on); });
    actions.legend =
        addOption(viewMenu, QStringLiteral("&Legend"), legend_->wanted(), [this](bool on) {
            legend_->setWanted(on);
            canvas_->setRoomBelow(on ? legend_->roomWanted() : 0);
        });
    viewMenu->addSeparator();
    actions.loadSummary = loadSummary->toggleViewAction();
    actions.loadSummary->setText(QStringLiteral("Load S&ummary"));
    viewMenu->addAction(actions.loadSummary);

    helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    actions.keyboardShortcuts = helpMenu->addAction(QStringLiteral("&Keyboard Shortcuts"), this,
                                                    &MainWindow::showKeyboardShortcuts);
    actions.about =
        helpMenu->addAction(QStringLiteral("&About FramePlan"), this, &MainWindow::showAbout);
}

void MainWindow::showViewInMenus() {
    const PlanView& view = session_.view();
    showChecked(actions.gridLines, view.gridLines);
    showChecked(actions.designedLabelPositions, view.designedLabelPositions);
    showChecked(actions.memberNumbersBeside, view.memberNumbersBeside);
    showChecked(actions.memberLoadsOnBeams, view.memberLoadsOnBeams);
    showChecked(actions.markPanelsWithoutLoad, view.markPanelsWithoutLoad);
    showChecked(actions.tributaryAreas, view.tributaryAreas);
}

void MainWindow::updateActions() {
    const bool shown = document() != nullptr;
    const bool levels = shown && document()->levelCount() > 0;
    actions.reload->setEnabled(shown);
    for (QAction* action : {actions.exportLevel, actions.exportAllLevels, actions.exportSchedule,
                            actions.pageSetup, actions.print, actions.printPreview, actions.zoomIn,
                            actions.zoomOut, actions.fit, actions.findMember}) {
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
    for (const QMenu* menu : {fileMenu, viewMenu, helpMenu}) {
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
