// Compare mode in the window: the earlier listing read off the GUI thread, the changes marked on
// the plan and listed in their dock, a change chosen shows its level, End Compare and a reload.
#include <gtest/gtest.h>

#include <QAction>
#include <QDockWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "compare/change_marks.h"
#include "main_window_fixture.h"
#include "support/pdf_pages.h"
#include "window/changes_dock.h"
#include "window/properties_dock.h"

namespace fp::testing {
namespace {

constexpr int kReadingTimeoutMs = 10000;

// The three-level listing with the floor load of the top level at 5 kN/m² instead of 4.5.
std::string heavierTopFloor() {
    std::string text = threeLevelListing();
    const std::string load = "YRANGE 6.9 7.1 FLOAD -4.5 GY";
    return text.replace(text.find(load), load.size(), "YRANGE 6.9 7.1 FLOAD -5 GY");
}

int pixelsOf(const QImage& image, ChangeMark mark) {
    const Stroke stroke = changeStroke(mark);
    const QRgb colour = qRgb(stroke.red, stroke.green, stroke.blue);
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += (image.pixel(x, y) & 0xffffff) == (colour & 0xffffff) ? 1 : 0;
        }
    }
    return count;
}

QTreeWidgetItem* itemStarting(QTreeWidget& list, const QString& start) {
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        QTreeWidgetItem* section = list.topLevelItem(i);
        for (int j = 0; j < section->childCount(); ++j) {
            if (section->child(j)->text(0).startsWith(start)) {
                return section->child(j);
            }
        }
    }
    return nullptr;
}

// Compares through File -> Compare With…, as the user does.
bool compareWith(TestedMainWindow& tested, const std::string& path) {
    tested.answers.push_back(QString::fromStdString(path));
    tested.action("compareWithAction").trigger();
    DocumentSession& session = tested.session();
    const bool over = QTest::qWaitFor([&session] { return !session.earlierLoader().isReading(); },
                                      kReadingTimeoutMs);
    QCoreApplication::processEvents();
    return over && session.comparison() != nullptr;
}

QTreeWidget& changesList(TestedMainWindow& tested) {
    return tested.child<QTreeWidget>("changesList");
}

bool changesDockShown(TestedMainWindow& tested) {
    return tested.child<ChangesDock>("changesDock").isVisibleTo(&tested.window());
}

TEST(CompareMode, MarksAndListsTheChangesGoesToOneAndEnds) {
    OpenWindow tested(threeLevelListing());
    TemporaryListing earlier(heavierTopFloor());
    EXPECT_TRUE(tested.action("compareWithAction").isEnabled());
    EXPECT_EQ(pixelsOf(tested.canvas().image(), ChangeMark::Changed), 0);
    ASSERT_TRUE(compareWith(tested, earlier.path()));

    EXPECT_TRUE(changesDockShown(tested));
    EXPECT_TRUE(tested.child<QLabel>("compareLegend").isVisibleTo(&tested.window()));
    EXPECT_GT(pixelsOf(tested.canvas().image(), ChangeMark::Changed), 0);
    QTreeWidgetItem* change =
        itemStarting(changesList(tested), QStringLiteral("Floor load on panel"));
    ASSERT_NE(change, nullptr);
    EXPECT_TRUE(change->text(0).contains(QStringLiteral("5 -> 4.5 kN/m²")))
        << change->text(0).toStdString();

    tested.session().showLevel(1);
    changesList(tested).setCurrentItem(change);
    EXPECT_EQ(tested.view().level, 3);

    QAction& end = tested.action("endCompareAction");
    EXPECT_EQ(end.shortcut(), QKeySequence(Qt::Key_Escape));
    end.trigger();
    EXPECT_EQ(tested.session().comparison(), nullptr);
    EXPECT_FALSE(changesDockShown(tested));
    EXPECT_EQ(pixelsOf(tested.canvas().image(), ChangeMark::Changed), 0);
}

TEST(CompareMode, ChoosingTheChangeOfABeamSelectsItAndPropertiesTellTheChange) {
    OpenWindow tested(threeLevelListing());
    std::string lighter = threeLevelListing();
    const std::string load = "9 10 UNI GY -12.5";
    TemporaryListing earlier(lighter.replace(lighter.find(load), load.size(), "9 10 UNI GY -10"));
    ASSERT_TRUE(compareWith(tested, earlier.path()));
    QTreeWidgetItem* change =
        itemStarting(changesList(tested), QStringLiteral("Member load on beam"));
    ASSERT_NE(change, nullptr);
    EXPECT_TRUE(tested.session().shownSelection().beams.empty());
    PropertiesDock& properties = tested.child<PropertiesDock>("propertiesDock");
    properties.show();
    changesList(tested).setCurrentItem(change);
    EXPECT_EQ(tested.session().shownSelection().beams.size(), 1u);
    // The Properties dock tells the selected beam's change, old -> new.
    const QTableWidget& table = *properties.table;
    QStringList changed;
    for (int row = 0; row < table.rowCount(); ++row) {
        if (table.item(row, 0)->text() == QStringLiteral("Changed")) {
            changed << table.item(row, 1)->text();
        }
    }
    ASSERT_EQ(changed.size(), 1) << changed.join(u'|').toStdString();
    EXPECT_TRUE(changed[0].contains(QStringLiteral("10 -> 12.5 kN/m"))) << changed[0].toStdString();
}

TEST(CompareMode, ExportAllLevelsWritesTheChangedLevelsMarkedThenTheChanges) {
    OpenWindow tested(threeLevelListing());
    TemporaryListing earlier(heavierTopFloor());
    QTemporaryDir folder;
    const QString plain = folder.filePath(QStringLiteral("plain.pdf"));
    const QString compared = folder.filePath(QStringLiteral("compared.pdf"));
    tested.window().exportTo(plain, true);
    ASSERT_TRUE(compareWith(tested, earlier.path()));
    EXPECT_EQ(tested.window().exportTo(compared, true),
              std::vector<std::string>{compared.toStdString()});
    EXPECT_EQ(testing::pdfPageCount(plain.toStdString()), 3) << "one page per level";
    EXPECT_EQ(testing::pdfPageCount(compared.toStdString()), 2)
        << "the changed level, then the changes";
}

TEST(CompareMode, AnEarlierListingThatCannotBeReadLeavesTheModeOff) {
    OpenWindow tested(threeLevelListing());
    TemporaryListing broken("    1. UNIT FEET KIP\n");
    EXPECT_FALSE(compareWith(tested, broken.path()));
    ASSERT_EQ(tested.messages.size(), 1u);
    EXPECT_NE(tested.messages[0].find("Change the units"), std::string::npos) << tested.messages[0];
    EXPECT_FALSE(changesDockShown(tested));
}

TEST(CompareMode, AReloadComparesAgain) {
    OpenWindow tested(threeLevelListing());
    TemporaryListing earlier(heavierTopFloor());
    ASSERT_TRUE(compareWith(tested, earlier.path()));
    std::ofstream(tested.listingPath(), std::ios::trunc) << heavierTopFloor();
    ASSERT_TRUE(tested.reload());
    DocumentSession& session = tested.session();
    ASSERT_TRUE(QTest::qWaitFor([&session] { return !session.earlierLoader().isReading(); },
                                kReadingTimeoutMs));
    QCoreApplication::processEvents();
    ASSERT_NE(session.comparison(), nullptr);
    EXPECT_TRUE(session.comparison()->same());
    EXPECT_EQ(changesList(tested).topLevelItem(0)->text(0), QStringLiteral("No differences."));
    EXPECT_EQ(pixelsOf(tested.canvas().image(), ChangeMark::Changed), 0);
}

}  // namespace
}  // namespace fp::testing
