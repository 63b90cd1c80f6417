// Export and print from the window, and a level past a drawing limit: its message takes the
// plan's place, every other level stays usable, and exporting or printing it writes nothing.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>

#include "main_window_fixture.h"
#include "plan_panel_fixture.h"
#include "window/plan_panel.h"

namespace fp::testing {
namespace {

int pdfPageCount(const QString& path) {
    std::ifstream file(path.toStdString(), std::ios::binary);
    const std::string content((std::istreambuf_iterator<char>(file)),
                              std::istreambuf_iterator<char>());
    const std::regex page("/Type\\s*/Page[^s]");
    return static_cast<int>(std::distance(
        std::sregex_iterator(content.begin(), content.end(), page), std::sregex_iterator()));
}

bool isWellFormedXml(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
    }
    return !xml.hasError();
}

class MainWindowOutput : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(tested.open(listing.path())); }

    QString file(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }

    TemporaryListing listing{threeLevelListing()};
    TestedMainWindow tested;
    QTemporaryDir folder;
};

TEST_F(MainWindowOutput, ExportsTheLevelOnShowToEachFormat) {
    QTest::mouseClick(tested.panel().levelLabels[1], Qt::LeftButton);
    EXPECT_EQ(tested.window().exportTo(file("level.pdf"), false).size(), 1u);
    EXPECT_EQ(pdfPageCount(file("level.pdf")), 1);
    EXPECT_EQ(tested.window().exportTo(file("level.svg"), false).size(), 1u);
    EXPECT_TRUE(isWellFormedXml(file("level.svg")));
    EXPECT_EQ(tested.window().exportTo(file("level.png"), false).size(), 1u);
    EXPECT_EQ(QImage(file("level.png")).size(), QSize(1600, 900));
    EXPECT_TRUE(tested.messages.empty());
}

TEST_F(MainWindowOutput, AllLevelsAreOnePdfPageEachOrOneImageEach) {
    EXPECT_EQ(tested.window().exportTo(file("all.pdf"), true).size(), 1u);
    EXPECT_EQ(pdfPageCount(file("all.pdf")), 3);
    const auto written = tested.window().exportTo(file("all.png"), true);
    ASSERT_EQ(written.size(), 3u);
    EXPECT_EQ(written[2], file("all-3.png").toStdString());
}

TEST_F(MainWindowOutput, TheWindowsViewIsWhatIsExported) {
    tested.window().exportTo(file("floor.png"), false);
    QTest::mouseClick(tested.panel().memberLoadOption, Qt::LeftButton);
    tested.window().exportTo(file("member.png"), false);
    EXPECT_NE(QImage(file("floor.png")), QImage(file("member.png")));
}

TEST_F(MainWindowOutput, PrintsOneLevelPerPage) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file("printed.pdf"));
    EXPECT_TRUE(tested.window().printLevels(printer, {1, 2, 3}));
    EXPECT_EQ(pdfPageCount(file("printed.pdf")), 3);
}

TEST(DrawingLimit, ALevelPastALimitShowsItsMessageWhileTheOthersDraw) {
    TestedMainWindow tested;
    TemporaryListing listing(crowdedMiddleLevelListing());
    ASSERT_TRUE(tested.open(listing.path()));
    PlanPanel& panel = tested.panel();
    ASSERT_EQ(panel.levelOnShow(), 3);
    EXPECT_TRUE(panel.planMessage().isEmpty());

    QTest::keyClick(panel.planArea, Qt::Key_Down);
    EXPECT_EQ(panel.levelOnShow(), 2);
    EXPECT_TRUE(panel.planMessage().contains(QStringLiteral("Level 2 (at 3 m)")))
        << panel.planMessage().toStdString();
    EXPECT_TRUE(panel.planMessage().contains(QStringLiteral("more than 300 beams")));
    EXPECT_TRUE(panel.pickBoxes().empty());
    EXPECT_TRUE(panel.levelLabels[1]->isMarked());
    EXPECT_TRUE(tested.messages.empty());

    // The window goes on: the next level down draws, and so does the one above.
    QTest::keyClick(panel.planArea, Qt::Key_Down);
    EXPECT_EQ(panel.levelOnShow(), 1);
    EXPECT_TRUE(panel.planMessage().isEmpty());
    QTest::mouseClick(panel.levelLabels[2], Qt::LeftButton);
    EXPECT_EQ(panel.pickBoxes().size(), 1u);
}

TEST(DrawingLimit, ExportingOrPrintingThatLevelWritesNothing) {
    TestedMainWindow tested;
    TemporaryListing listing(crowdedMiddleLevelListing());
    ASSERT_TRUE(tested.open(listing.path()));
    QTest::mouseClick(tested.panel().levelLabels[1], Qt::LeftButton);
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("crowded.pdf"));
    EXPECT_TRUE(tested.window().exportTo(pdf, false).empty());
    EXPECT_TRUE(tested.window().exportTo(folder.filePath(QStringLiteral("all.pdf")), true).empty());
    ASSERT_EQ(tested.messages.size(), 2u);
    EXPECT_NE(tested.messages[0].find("more than 300 beams"), std::string::npos);

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("printed.pdf")));
    EXPECT_FALSE(tested.window().printLevels(printer, {1, 2, 3}));
    EXPECT_EQ(tested.messages.size(), 3u);
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

}  // namespace
}  // namespace fp::testing
