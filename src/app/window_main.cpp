// Starts the window: creates the application and shows the main window.
#include "app/window_main.h"

#include <QApplication>
#include <QWidget>

namespace fp {

int runWindow(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Group"));
    window.show();
    return application.exec();
}

}  // namespace fp
