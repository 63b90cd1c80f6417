// The window's platform services: the listing filter and the message box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include "app/file_filter.h"
#include "app/window_services.h"

namespace fp {
namespace {

const std::string kListingFilter = "Analysis Files(*.ANL)|*.ANL|All Files(*.*)|*.*";

bool matches(const QString& pattern, const QString& fileName) {
    return QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern))
        .match(fileName)
        .hasMatch();
}

TEST(ListingFilter, BecomesTwoQtFiltersWhoseAnalysisPatternIgnoresCase) {
    const QStringList filters = qtNameFilters(kListingFilter).split(QStringLiteral(";;"));
    ASSERT_EQ(filters.size(), 2);
    EXPECT_EQ(filters[0], QStringLiteral("Analysis Files(*.ANL) (*.[Aa][Nn][Ll])"));
    EXPECT_EQ(filters[1], QStringLiteral("All Files(*.*) (*)"));
    const QString analysis = QStringLiteral("*.[Aa][Nn][Ll]");
    for (const char* name : {"TOWER.ANL", "tower.anl", "Tower.Anl", "a.b.aNl"}) {
        EXPECT_TRUE(matches(analysis, QString::fromLatin1(name))) << name;
    }
    for (const char* name : {"tower.anl.bak", "tower.txt", "anl"}) {
        EXPECT_FALSE(matches(analysis, QString::fromLatin1(name))) << name;
    }
    // "*.*" meant every file, those without an extension too.
    EXPECT_TRUE(matches(QStringLiteral("*"), QStringLiteral("README")));
}

TEST(ListingFilter, KeepsEveryPatternOfAPairAndItsOtherCharacters) {
    EXPECT_EQ(qtNameFilters("Listings|*.ANL;out_1?.lst"),
              QStringLiteral("Listings (*.[Aa][Nn][Ll] [Oo][Uu][Tt]_1?.[Ll][Ss][Tt])"));
}

TEST(WindowMessages, AreModalWithOneOkButtonNoIconAndTheProgramsTitle) {
    WindowServices services("");
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Warning;
    qsizetype buttons = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->buttons().size();
        box->button(QMessageBox::Ok)->click();
    });
    services.showMessage("17");
    EXPECT_EQ(title, QStringLiteral("FramePlan"));
    EXPECT_EQ(text, QStringLiteral("17"));
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(buttons, 1);
}

}  // namespace
}  // namespace fp
