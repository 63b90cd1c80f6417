// A failure inside an event handler ends the run after a message box with its message, with the
// exit status of a listing that cannot be shown. A program of its own, since ending the run ends
// every event loop of the application for good.
#include "window/window_application.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "plan_window_fixture.h"

namespace fp::testing {
namespace {

TEST(WindowApplication, ALevelThatCannotBeDrawnEndsTheRunWithItsMessage) {
    OpenWindow open(crowdedMiddleLevelListing());
    ASSERT_EQ(open.window().levelOnShow(), 3);

    QStringList shown;
    const auto answerTheBox = [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr) << "no message box is open";
        shown.push_back(box->text());
        box->button(QMessageBox::Ok)->click();
    };
    // The arrow down shows the crowded middle level; the box with the failure opens while the
    // key is handled.
    QEventLoop run;
    QTimer::singleShot(0, [&open, &answerTheBox, &shown, &run] {
        QTimer::singleShot(0, answerTheBox);
        QTest::keyClick(open.window().planArea, Qt::Key_Down);
        if (shown.isEmpty()) {
            run.exit(-1);  // the level was drawn after all
        }
    });
    EXPECT_EQ(run.exec(), 2);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].contains(QStringLiteral("more than 300 beams"))) << shown[0].toStdString();
    EXPECT_TRUE(open.messages().empty());
}

}  // namespace
}  // namespace fp::testing

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    fp::WindowApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
