// The window's messages: a modal box with one OK button, no icon and the program's title, and
// listing text shown as Unicode.
#include "window/message_boxes.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace fp {
namespace {

struct ShownBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Warning;
    qsizetype buttons = 0;
    bool modal = false;
};

// Reads the message box that is about to open and closes it with its OK button.
void answerTheBox(ShownBox& shown) {
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown.title = box->windowTitle();
        shown.text = box->text();
        shown.icon = box->icon();
        shown.buttons = box->buttons().size();
        shown.modal = box->isModal();
        box->button(QMessageBox::Ok)->click();
    });
}

TEST(MessageBoxes, AreModalWithOneOkButtonNoIconAndTheProgramsTitle) {
    ShownBox shown;
    answerTheBox(shown);
    showMessageBox(nullptr, "17");
    EXPECT_EQ(shown.title, QStringLiteral("FramePlan"));
    EXPECT_EQ(shown.text, QStringLiteral("17"));
    EXPECT_EQ(shown.icon, QMessageBox::NoIcon);
    EXPECT_EQ(shown.buttons, 1);
    EXPECT_TRUE(shown.modal);
}

TEST(MessageBoxes, ShowListingTextWrittenOnWindowsAsUnicode) {
    ShownBox shown;
    answerTheBox(shown);
    showMessageBox(nullptr,
                   "office.anl, line 48: 20 \xB0"
                   "C");
    EXPECT_EQ(shown.text, QStringLiteral("office.anl, line 48: 20 °C"));
}

}  // namespace
}  // namespace fp
