// Export and print from the window, and a level past a drawing limit: its message takes the
// plan's place, every other level stays usable, and exporting or printing it writes nothing.
#include <gtest/gtest.h>

#include <QLabel>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>

#include "main_window_fixture.h"
#include "support/pdf_pages.h"

namespace fp::testing {
namespace {

std::string fileText(const QString& path) {
    std::ifstream file(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

int pdfPageCount(const QString& path) {
    return fp::testing::pdfPageCount(path.toStdString());
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

    // The save dialog answers `name` in the folder, with the filter whose text starts with
    // `filterStart`, and the action is triggered.
    void saveThrough(QAction* action, const char* name, const char* filterStart) {
        tested.window().chooseSavePath = [&](QWidget*, const QString&, const QString&,
                                             const QStringList& filters, QString* filter,
                                             QWidget*) {
            for (const QString& offered : filters) {
                if (offered.startsWith(QString::fromLatin1(filterStart))) {
                    *filter = offered;
                }
            }
            return file(name);
        };
        action->trigger();
    }

    QString file(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }

    TemporaryListing listing{threeLevelListing()};
    TestedMainWindow tested;
    QTemporaryDir folder;
};

TEST_F(MainWindowOutput, ExportsTheLevelOnShowToEachFormat) {
    QTest::mouseClick(tested.levels().levelLabels[1], Qt::LeftButton);
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
    // The Takedown pages follow the plans of the PDF when ticked, and only then.
    tested.action("takedownPagesAction").setChecked(true);
    tested.window().exportTo(file("takedown.pdf"), true);
    EXPECT_GT(pdfPageCount(file("takedown.pdf")), 3);
    tested.window().exportTo(file("one.pdf"), false);
    EXPECT_EQ(pdfPageCount(file("one.pdf")), 1);
    tested.action("takedownPagesAction").setChecked(false);
}

TEST_F(MainWindowOutput, TheWindowsViewIsWhatIsExported) {
    tested.window().exportTo(file("floor.png"), false);
    QTest::mouseClick(tested.controls().memberLoadOption, Qt::LeftButton);
    tested.window().exportTo(file("member.png"), false);
    EXPECT_NE(QImage(file("floor.png")), QImage(file("member.png")));
}

TEST_F(MainWindowOutput, TheSheetChosenInTheExportDialogMakesThePagesAndIsOfferedAgain) {
    const auto combo = [](QWidget* fields, const char* name) {
        return fields->findChild<QComboBox*>(QString::fromLatin1(name));
    };
    const auto jobName = [](QWidget* fields) {
        return fields->findChild<QLineEdit*>(QStringLiteral("sheetJobName"));
    };
    tested.window().chooseSavePath = [&](QWidget*, const QString&, const QString&,
                                         const QStringList&, QString*, QWidget* fields) {
        combo(fields, "sheetPaper")->setCurrentText(QStringLiteral("A3"));
        combo(fields, "sheetScale")->setCurrentText(QStringLiteral("1:100"));
        jobName(fields)->setText(QStringLiteral("Tower B"));
        return file("sheet.pdf");
    };
    tested.action("exportLevelAction").trigger();
    std::smatch box;
    const std::string pdf = fileText(file("sheet.pdf"));
    ASSERT_TRUE(std::regex_search(pdf, box, std::regex("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)")));
    // A3 landscape: 420 by 297 mm.
    EXPECT_NEAR(std::stod(box[1]), 1191, 1);
    EXPECT_NEAR(std::stod(box[2]), 842, 1);
    EXPECT_TRUE(tested.messages.empty());

    tested.window().chooseSavePath = [&](QWidget*, const QString&, const QString&,
                                         const QStringList&, QString*, QWidget* fields) {
        EXPECT_EQ(combo(fields, "sheetScale")->currentText(), QStringLiteral("1:100"));
        EXPECT_EQ(jobName(fields)->text(), QStringLiteral("Tower B"));
        return QString();
    };
    tested.action("exportAllLevelsAction").trigger();
    // The next tests start from the sheet the window starts with.
    tested.session().setSheet({});
}

TEST_F(MainWindowOutput, ExportsDxfWithTheViewOptionsAsFrameplanExportDoes) {
    QTest::mouseClick(tested.controls().memberLoadOption, Qt::LeftButton);
    tested.action("memberLoadsOnBeamsAction").trigger();
    saveThrough(&tested.action("exportLevelAction"), "level", "DXF");
    const std::string dxf = fileText(file("level.dxf"));
    EXPECT_NE(dxf.find("\nSECTION\n"), std::string::npos) << dxf.substr(0, 40);
    EXPECT_NE(dxf.find("\n12.5 (1)\n"), std::string::npos);
    EXPECT_TRUE(dxf.ends_with("EOF\n"));
    saveThrough(&tested.action("exportAllLevelsAction"), "all.DXF", "PDF");
    EXPECT_TRUE(QFile::exists(file("all-3.DXF")));
    EXPECT_TRUE(tested.messages.empty());
}

TEST_F(MainWindowOutput, ExportsTheScheduleAsCsvFilesOrAWorkbook) {
    saveThrough(&tested.action("exportScheduleAction"), "loads", "CSV");
    // A header and a row for each level's 20 m² bay; the top one's is under 4.5 kN/m² of case 1.
    const std::string panels = fileText(file("loads-panels.csv"));
    EXPECT_EQ(std::count(panels.begin(), panels.end(), '\n'), 3) << panels;
    EXPECT_TRUE(panels.ends_with("\r\n7,0,5,0,4,5,4,20,4.5,90\r\n")) << panels;
    EXPECT_TRUE(QFile::exists(file("loads-beams.csv")));
    saveThrough(&tested.action("exportScheduleAction"), "loads.xlsx", "CSV");
    EXPECT_EQ(fileText(file("loads.xlsx")).rfind("PK\x03\x04", 0), 0u);
    EXPECT_TRUE(tested.messages.empty());
}

TEST_F(MainWindowOutput, AScheduleThatCannotBeWrittenSaysWhyAndLeavesNothing) {
    EXPECT_TRUE(tested.window().exportScheduleTo(file("missing/loads.csv")).empty());
    ASSERT_EQ(tested.messages.size(), 1u);
    EXPECT_NE(tested.messages[0].find("loads-panels.csv"), std::string::npos) << tested.messages[0];
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(MainWindowOutput, PrintsOneLevelPerPage) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file("printed.pdf"));
    EXPECT_TRUE(tested.window().printLevels(printer, {1, 2, 3}));
    EXPECT_EQ(pdfPageCount(file("printed.pdf")), 3);
}

// Print with no printer installed offers printing to a file and writes a PDF beside the listing.
TEST_F(MainWindowOutput, WithNoPrinterPrintWritesAPdfFile) {
    if (!QPrinterInfo::availablePrinters().isEmpty()) {
        GTEST_SKIP() << "this machine has a printer";
    }
    bool offered = false;
    QTimer::singleShot(0, [&offered] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        offered = dialog->testOption(QAbstractPrintDialog::PrintToFile);
        // The job fields on a tab of their own; the paper is the printer dialog's.
        auto* jobName = dialog->findChild<QLineEdit*>(QStringLiteral("sheetJobName"));
        ASSERT_NE(jobName, nullptr);
        EXPECT_EQ(dialog->findChild<QComboBox*>(QStringLiteral("sheetPaper")), nullptr);
        jobName->setText(QStringLiteral("Tower B"));
        dialog->accept();
    });
    tested.action("printAction").trigger();
    EXPECT_TRUE(offered);
    EXPECT_EQ(tested.session().sheet().job.name, "Tower B");
    const QFileInfo listed(QString::fromStdString(listing.path()));
    EXPECT_EQ(pdfPageCount(listed.absolutePath() + QLatin1Char('/') + listed.completeBaseName() +
                           QStringLiteral(".pdf")),
              3);
    EXPECT_TRUE(tested.messages.empty());
}

TEST(DrawingLimit, ALevelPastALimitShowsItsMessageWhileTheOthersDraw) {
    TestedMainWindow tested;
    TemporaryListing listing(crowdedMiddleLevelListing());
    ASSERT_TRUE(tested.open(listing.path()));
    const PlanCanvas& canvas = tested.canvas();
    const auto& labels = tested.levels().levelLabels;
    ASSERT_EQ(tested.view().level, 3);
    EXPECT_TRUE(canvas.planMessage().isEmpty());

    QTest::keyClick(&tested.canvas(), Qt::Key_Down);
    EXPECT_EQ(tested.view().level, 2);
    EXPECT_TRUE(canvas.planMessage().contains(QStringLiteral("Level 2 (at 3 m)")))
        << canvas.planMessage().toStdString();
    EXPECT_TRUE(canvas.planMessage().contains(QStringLiteral("more than 300 beams")));
    EXPECT_TRUE(canvas.pickBoxes().empty());
    EXPECT_EQ(labels[1]->frameShape(), QFrame::Box);
    EXPECT_TRUE(tested.messages.empty());

    // The window goes on: the next level down draws, and so does the one above.
    QTest::keyClick(&tested.canvas(), Qt::Key_Down);
    EXPECT_EQ(tested.view().level, 1);
    EXPECT_TRUE(canvas.planMessage().isEmpty());
    QTest::mouseClick(labels[2], Qt::LeftButton);
    EXPECT_EQ(canvas.pickBoxes().size(), 1u);
}

TEST(DrawingLimit, ExportingOrPrintingThatLevelWritesNothing) {
    TestedMainWindow tested;
    TemporaryListing listing(crowdedMiddleLevelListing());
    ASSERT_TRUE(tested.open(listing.path()));
    QTest::mouseClick(tested.levels().levelLabels[1], Qt::LeftButton);
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
