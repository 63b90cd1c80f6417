// Pages for reports: the title block's and legend's texts, where they are drawn, and the levels
// asked for by height.
#include "render/title_block.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <fstream>
#include <iterator>
#include <regex>

#include "files/file_names.h"
#include "model/listing_error.h"
#include "render/plan_pages.h"
#include "support/document_builder.h"

namespace fp {
namespace {

// One closed bay on the level at 3 m, with load cases 1 DEAD and 2 LIVE and a floor load.
ListingDocument bayWithLoadCases() {
    testing::DocumentBuilder builder =
        testing::oneClosedBay({1, 2, 3, 4}, {5000, 4000, 4000, 5000});
    builder.floorLoad("1", 4.5f, 2.9f, 3.1f, -0.01f, 5.01f, -0.01f, 4.01f);
    ListingDocument document = builder.build();
    document.name = "/jobs/tower/OFFICE.ANL";
    document.loadCases.add(LoadCase{"1", "Dead", "DEAD", "LOADTYPE Dead TITLE DEAD"});
    document.loadCases.add(LoadCase{"2", "Live", "LIVE", "LOADTYPE Live TITLE LIVE"});
    return document;
}

// Whether any of the image's rows from `top` down has a dark pixel.
bool inkBelow(const QImage& image, int top) {
    for (int y = top; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                return true;
            }
        }
    }
    return false;
}

TEST(TitleBlock, TellsTheListingTheLevelTheModeTheDateAndThePage) {
    const ListingDocument document = bayWithLoadCases();
    PlanView view = startUpView(document);
    PageFacts facts{fileNameOf(document.name),
                    QDate(2024, 5, 31),
                    2,
                    6,
                    100,
                    {.name = "Tower",
                     .number = "J-12",
                     .client = "Harbour Estates",
                     .engineer = "A. Khan",
                     .checker = ""}};
    TitleBlockTexts texts = titleBlockTexts(document, view, facts);
    EXPECT_EQ(texts.listing, QStringLiteral("OFFICE.ANL"));
    EXPECT_EQ(texts.level, QStringLiteral("Level 3 m"));
    EXPECT_EQ(texts.mode, QStringLiteral("Floor loads"));
    EXPECT_EQ(texts.date, QStringLiteral("2024-05-31"));
    EXPECT_EQ(texts.page, QStringLiteral("Page 2 of 6"));
    EXPECT_EQ(texts.job, QStringLiteral("Job: Tower (J-12), client Harbour Estates"));
    EXPECT_EQ(texts.scale, QStringLiteral("Scale 1:100"));
    EXPECT_EQ(texts.engineer, QStringLiteral("Engineer: A. Khan"));
    EXPECT_EQ(texts.checker, QStringLiteral("Checker: "));
    view.mode = LoadMode::Member;
    view.decimalSeparator = ',';
    view.level = 1;
    texts = titleBlockTexts(document, view, facts);
    EXPECT_EQ(texts.mode, QStringLiteral("Member loads"));
    EXPECT_EQ(texts.level, QStringLiteral("Level 0 m"));
}

// A job field is cut before layout to more than its cell can show: a 1 MB job name was measured
// on every page only to be elided (100 pages took 47 s). What the block shows of a long field
// stays: its start, and the fields after it, which the middle elision keeps in view.
TEST(TitleBlock, AJobFieldOfAnyLengthIsCutBeforeLayout) {
    const ListingDocument document = bayWithLoadCases();
    const std::string longField = "Tower " + std::string(1 << 20, 'l');
    PageFacts facts = pageFacts(document, {2}, 2);
    facts.job = {.name = longField,
                 .number = "J-12",
                 .client = "Harbour Estates",
                 .engineer = longField,
                 .checker = longField};
    const TitleBlockTexts texts = titleBlockTexts(document, startUpView(document), facts);
    for (const QString& text : {texts.job, texts.engineer, texts.checker}) {
        SCOPED_TRACE(text.left(20).toStdString());
        EXPECT_LT(text.size(), 1000);
        EXPECT_TRUE(text.contains(QStringLiteral(": Tower llll")));
    }
    EXPECT_TRUE(texts.job.endsWith(QStringLiteral("\u2026 (J-12), client Harbour Estates")));
    EXPECT_TRUE(texts.engineer.endsWith(QStringLiteral("l\u2026")));
}

// Each level's page tells its place among the pages written, whichever levels they are.
TEST(TitleBlock, EachPageIsNumberedAmongThePagesWritten) {
    const ListingDocument document = bayWithLoadCases();
    const struct {
        std::vector<int> levels;
        int level;
        const char* page;
    } cases[] = {
        {{1, 2}, 1, "Page 1 of 2"},
        {{1, 2}, 2, "Page 2 of 2"},
        {{2}, 2, "Page 1 of 1"},
    };
    for (const auto& c : cases) {
        const PageFacts facts = pageFacts(document, c.levels, c.level);
        EXPECT_EQ(facts.listingName, "OFFICE.ANL");
        EXPECT_EQ(titleBlockTexts(document, startUpView(document), facts).page,
                  QString::fromLatin1(c.page));
    }
}

// Wrapping keeps every character, and no row is wider than asked unless it is one character.
TEST(TitleBlock, TheLegendWrapsOntoRowsThatFitLeavingNothingOut) {
    const QFontMetricsF metrics(QFont(QStringLiteral("Liberation Sans"), 9));
    const std::vector<QString> lines = {
        QStringLiteral(
            "Load cases: 1 DEAD LOAD, 2 LIVE LOAD, 3 WIND X, 4 WIND Z, 5 SEISMIC LOAD X, "
            "6 SEISMIC LOAD Z"),
        QStringLiteral("Floor loads in kN/m²"),
        QStringLiteral("Averyveryverylongwordthatfitsnowhere"),
    };
    for (const double width : {2000.0, 300.0, 120.0, 40.0, 5.0}) {
        const std::vector<QString> rows = wrappedLines(lines, metrics, width);
        QString joined;
        QString all;
        for (const QString& row : rows) {
            EXPECT_TRUE(metrics.horizontalAdvance(row) <= width || row.size() == 1)
                << row.toStdString() << " at " << width;
            joined += row;
        }
        for (const QString& line : lines) {
            all += line;
        }
        joined.remove(QLatin1Char(' '));
        all.remove(QLatin1Char(' '));
        EXPECT_EQ(joined, all) << width;
        EXPECT_GE(rows.size(), lines.size());
    }
    EXPECT_EQ(wrappedLines(lines, metrics, 2000).size(), lines.size());
}

// The bay exported as an 800 x 500 PNG, with its title block or without; no grid lines, whose
// bubbles sit in the margin too.
QImage exportedBay(const QTemporaryDir& folder, bool titleBlock) {
    ExportRequest options;
    options.format = ExportFormat::Png;
    options.width = 800;
    options.height = 500;
    options.view.gridLines = false;
    options.titleBlock = titleBlock;
    options.output =
        folder.filePath(titleBlock ? QStringLiteral("titled.png") : QStringLiteral("plain.png"))
            .toStdString();
    exportPlans(bayWithLoadCases(), options);
    return QImage(QString::fromStdString(options.output));
}

TEST(TitleBlock, IsDrawnAlongTheBottomOnlyWhenAskedFor) {
    QTemporaryDir folder;
    const QImage plain = exportedBay(folder, false);
    const QImage titled = exportedBay(folder, true);
    // The plan keeps a margin of a metre around the model; the block fills the bottom.
    EXPECT_FALSE(inkBelow(plain, plain.height() - 20));
    EXPECT_TRUE(inkBelow(titled, titled.height() - 20));
}

// The longest run of dark pixels along a row (or a column) among the last `depth` of the image.
int longestDarkRunAtTheEdge(const QImage& image, bool rows, int depth) {
    const int across = rows ? image.height() : image.width();
    const int along = rows ? image.width() : image.height();
    int longest = 0;
    for (int line = across - depth; line < across; ++line) {
        int run = 0;
        for (int i = 0; i < along; ++i) {
            const QRgb pixel = rows ? image.pixel(i, line) : image.pixel(line, i);
            run = qGray(pixel) < 128 ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    return longest;
}

// Drawn whole, its right and bottom borders within the image, and clear of the image's edge
// by a margin, as on paper.
TEST(TitleBlock, ItsRightAndBottomBordersAreInsideTheImageClearOfItsEdge) {
    QTemporaryDir folder;
    const QImage titled = exportedBay(folder, true);
    // The block takes half the width and three lines of text in height.
    EXPECT_GT(longestDarkRunAtTheEdge(titled, true, 16), titled.width() / 3);
    EXPECT_GT(longestDarkRunAtTheEdge(titled, false, 16), 20);
    EXPECT_EQ(longestDarkRunAtTheEdge(titled, true, 4), 0);
    EXPECT_EQ(longestDarkRunAtTheEdge(titled, false, 4), 0);
}

// At 1:100 on a 300 dpi page the bay's 5 m beams are 50 mm long: 591 pixels.
TEST(PdfPages, AtAScaleThePlanIsTrueToIt) {
    const ListingDocument document = bayWithLoadCases();
    QImage page(3300, 2400, QImage::Format_RGB32);
    constexpr int kDotsPerMetre = 11811;  // 300 dpi
    page.setDotsPerMeterX(kDotsPerMetre);
    page.setDotsPerMeterY(kDotsPerMetre);
    PlanView view = startUpView(document);
    view.gridLines = false;
    PageFacts facts = pageFacts(document, {view.level}, view.level);
    facts.scale = 100;
    {
        QPainter painter(&page);
        renderPage(document, view, painter, QRectF(page.rect()), &facts);
    }
    int longest = 0;
    for (int y = 0; y < page.height(); ++y) {
        int run = 0;
        for (int x = 0; x < page.width(); ++x) {
            run = qGray(page.pixel(x, y)) < 128 ? run + 1 : 0;
            // The title block's lines are longer: only runs in the upper part are the plan's.
            if (y < page.height() / 2) {
                longest = std::max(longest, run);
            }
        }
    }
    // Within the beam pen's caps and the joint circles: fitted, it would be four times as long.
    EXPECT_NEAR(longest, 5000.0 / 100 * 300 / 25.4, 10);
}

TEST(PdfPages, APlanThatDoesNotFitAtTheScaleIsRefusedNamingTheScaleThatFits) {
    testing::LevelFrame frame(6, 5);  // 25 by 16 m, 27 by 18 m with its margin
    frame.allNeighbourBeams();
    const ListingDocument document = frame.builder.build();
    QTemporaryDir folder;
    ExportRequest options;
    options.format = ExportFormat::Pdf;
    options.output = folder.filePath(QStringLiteral("plan.pdf")).toStdString();
    options.page.scale = 50;
    try {
        exportPlans(document, options);
        ADD_FAILURE() << "written at 1:50";
    } catch (const ListingError& refusal) {
        EXPECT_NE(std::string(refusal.what()).find("A4 landscape at 1:50. 1:200 fits."),
                  std::string::npos)
            << refusal.what();
    }
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("plan.pdf"))));
    options.page = {Paper::A3, Orientation::Portrait, 200};
    EXPECT_EQ(exportPlans(document, options).size(), 1u);
    std::ifstream file(options.output, std::ios::binary);
    const std::string content((std::istreambuf_iterator<char>(file)),
                              std::istreambuf_iterator<char>());
    // A3 portrait: 297 by 420 mm, 842 by 1191 points.
    std::smatch box;
    ASSERT_TRUE(
        std::regex_search(content, box, std::regex("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)")));
    EXPECT_NEAR(std::stod(box[1]), 842, 1);
    EXPECT_NEAR(std::stod(box[2]), 1191, 1);
    // A printer is told before its first page, and the refusal names the sheet it is on.
    const PlanView view = startUpView(document);
    try {
        checkPrintable(document, view, {1}, planPageLayout(options.page), 50);
        ADD_FAILURE() << "printable at 1:50";
    } catch (const ListingError& refusal) {
        EXPECT_NE(std::string(refusal.what()).find("A3 portrait at 1:50"), std::string::npos)
            << refusal.what();
    }
    EXPECT_NO_THROW(checkPrintable(document, view, {1}, planPageLayout(options.page), 200));
}

TEST(PdfPages, TheDocumentTitleIsTheListingAndTheLevel) {
    const ListingDocument document = bayWithLoadCases();
    QTemporaryDir folder;
    ExportRequest options;
    options.format = ExportFormat::Pdf;
    options.output = folder.filePath(QStringLiteral("plan.pdf")).toStdString();
    exportPlans(document, options);
    std::ifstream file(options.output, std::ios::binary);
    const std::string content((std::istreambuf_iterator<char>(file)),
                              std::istreambuf_iterator<char>());
    // Written in UTF-16 as PDF strings are.
    std::string title;
    for (const char c : std::string("OFFICE.ANL, level 3 m")) {
        title += '\0';
        title += c;
    }
    EXPECT_NE(content.find(title), std::string::npos);
    EXPECT_EQ(content.find(options.output), std::string::npos);
}

}  // namespace
}  // namespace fp
