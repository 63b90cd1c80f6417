// The window's messages: a modal box with one OK button, no icon and the program's title, the
// reader's messages in their one form with the listing and line they are about.
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
    MessageBoxes messages;
    ShownBox shown;
    answerTheBox(shown);
    messages.show(ListingMessage{"17", "", 0});
    EXPECT_EQ(shown.title, QStringLiteral("FramePlan"));
    EXPECT_EQ(shown.text, QStringLiteral("17"));
    EXPECT_EQ(shown.icon, QMessageBox::NoIcon);
    EXPECT_EQ(shown.buttons, 1);
    EXPECT_TRUE(shown.modal);
}

TEST(MessageBoxes, NameTheListingAndLineAMessageIsAbout) {
    MessageBoxes messages;
    ShownBox shown;
    answerTheBox(shown);
    messages.show(ListingMessage{"2 Error : , 12( 48. 15 UNI GY -3)", "office.anl", 48});
    EXPECT_EQ(shown.text, QStringLiteral("office.anl, line 48: 2 Error : , 12( 48. 15 UNI GY -3)"));
}

}  // namespace
}  // namespace fp
