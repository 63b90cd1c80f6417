// The menus of the main window and the Help boxes.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>

#include "window/help_texts.h"
#include "window/main_window.h"
#include "window/message_boxes.h"
#include "window/plan_panel.h"

namespace fp {
namespace {

const QString kTitleBlockOnImagesKey = QStringLiteral("export/titleBlockOnImages");

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
    actions.titleBlockOnImages = fileMenu->addAction(QStringLiteral("&Title Block on PNG and SVG"));
    actions.titleBlockOnImages->setCheckable(true);
    actions.titleBlockOnImages->setChecked(QSettings().value(kTitleBlockOnImagesKey).toBool());
    connect(actions.titleBlockOnImages, &QAction::toggled, this,
            [](bool on) { QSettings().setValue(kTitleBlockOnImagesKey, on); });
    fileMenu->addSeparator();
    actions.print = fileMenu->addAction(QStringLiteral("&Print…"), this, &MainWindow::print);
    actions.print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    actions.printPreview =
        fileMenu->addAction(QStringLiteral("Print Pre&view"), this, &MainWindow::printPreview);
    fileMenu->addSeparator();
    actions.quit = fileMenu->addAction(QStringLiteral("&Quit"), this, &MainWindow::close);
    actions.quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    viewMenu = menuBar()->addMenu(QStringLiteral("&View"));

    helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    actions.keyboardShortcuts = helpMenu->addAction(QStringLiteral("&Keyboard Shortcuts"), this,
                                                    &MainWindow::showKeyboardShortcuts);
    actions.about =
        helpMenu->addAction(QStringLiteral("&About FramePlan"), this, &MainWindow::showAbout);
}

void MainWindow::updateActions() {
    const bool shown = document() != nullptr;
    const bool levels = shown && document()->levelCount() > 0;
    actions.reload->setEnabled(shown);
    for (QAction* action :
         {actions.exportLevel, actions.exportAllLevels, actions.print, actions.printPreview}) {
        action->setEnabled(levels);
    }
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
    QMessageBox::about(this, QStringLiteral("About FramePlan"), aboutText(listingPath_));
}

}  // namespace fp
