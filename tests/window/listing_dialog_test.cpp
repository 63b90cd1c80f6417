// Asking for a listing: the filter the dialog offers, and what a cancelled or accepted dialog
// gives.
#include "window/listing_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <fstream>
#include <functional>

#include "window/file_filter.h"

namespace fp {
namespace {

bool matches(const QString& pattern, const QString& fileName) {
    return QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern))
        .match(fileName)
        .hasMatch();
}

// Answers the file dialog as soon as it is open, with `answer`.
void answerTheDialog(std::function<void(QFileDialog&)> answer) {
    QTimer::singleShot(0, [answer = std::move(answer)] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<QFileDialog*>(widget); dialog && dialog->isVisible()) {
                answer(*dialog);
                return;
            }
        }
        ADD_FAILURE() << "no file dialog is open";
    });
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

TEST(ListingDialog, ACancelledDialogGivesNoListing) {
    QStringList offered;
    answerTheDialog([&offered](QFileDialog& dialog) {
        offered = dialog.nameFilters();
        dialog.reject();
    });
    EXPECT_TRUE(chooseListing(nullptr).isEmpty());
    EXPECT_EQ(offered, qtNameFilters(kListingFilter).split(QStringLiteral(";;")));
}

TEST(ListingDialog, GivesThePathOfTheChosenListing) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("TOWER.ANL"));
    std::ofstream(path.toStdString()) << "    1. UNIT METER KN\n";
    answerTheDialog([&path](QFileDialog& dialog) {
        dialog.selectFile(path);
        static_cast<QDialog&>(dialog).accept();
    });
    EXPECT_EQ(chooseListing(nullptr), path);
}

TEST(ListingDialog, StartsInTheFolderItIsGiven) {
    QTemporaryDir folder;
    QString shown;
    answerTheDialog([&shown](QFileDialog& dialog) {
        shown = dialog.directory().absolutePath();
        dialog.reject();
    });
    chooseListing(nullptr, folder.path());
    EXPECT_EQ(shown, QDir(folder.path()).absolutePath());
}

}  // namespace
}  // namespace fp
