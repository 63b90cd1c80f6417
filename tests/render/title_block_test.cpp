// Pages for reports: the title block's and legend's texts, where they are drawn, and the levels
// asked for by height.
#include "render/title_block.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <fstream>
#include <iterator>

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
    document.loadCases.add(LoadCase{"1", "Dead", "DEAD"});
    document.loadCases.add(LoadCase{"2", "Live", "LIVE"});
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
    PageFacts facts{fileNameOf(document.name), QDate(2024, 5, 31), 2, 6};
    TitleBlockTexts texts = titleBlockTexts(document, view, facts);
    EXPECT_EQ(texts.listing, QStringLiteral("OFFICE.ANL"));
    EXPECT_EQ(texts.level, QStringLiteral("Level 3 M"));
    EXPECT_EQ(texts.mode, QStringLiteral("Floor loads"));
    EXPECT_EQ(texts.date, QStringLiteral("2024-05-31"));
    EXPECT_EQ(texts.page, QStringLiteral("Page 2 of 6"));
    view.mode = LoadMode::Member;
    view.decimalSeparator = ',';
    view.level = 1;
    texts = titleBlockTexts(document, view, facts);
    EXPECT_EQ(texts.mode, QStringLiteral("Member loads"));
    EXPECT_EQ(texts.level, QStringLiteral("Level 0 M"));
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

TEST(TitleBlock, TheLegendNamesTheLoadCasesAndTheUnits) {
    EXPECT_EQ(legendLines(bayWithLoadCases()),
              (std::vector<QString>{QStringLiteral("Load cases: 1 DEAD, 2 LIVE"),
                                    QStringLiteral("floor loads in kN/m²"),
                                    QStringLiteral("spans in cm")}));
    EXPECT_EQ(legendLines(testing::DocumentBuilder().build()).front(),
              QStringLiteral("Load cases: none"));
}

// Titles of a megabyte each: the legend is cut to a line's worth of text, so drawing a page
// takes no longer for the bytes nobody sees.
TEST(TitleBlock, TheLegendOfHugeTitlesIsCutWithAnEllipsis) {
    testing::DocumentBuilder builder;
    for (const char* number : {"1", "2", "3", "4", "5"}) {
        builder.loadCase(number, std::string(1 << 20, 'T'));
    }
    const QString cases = legendLines(builder.build()).front();
    EXPECT_TRUE(cases.startsWith(QStringLiteral("Load cases: 1 TTT")));
    EXPECT_TRUE(cases.endsWith(QChar(0x2026)));
    EXPECT_LT(cases.size(), 1000);
}

TEST(TitleBlock, IsDrawnAlongTheBottomOnlyWhenAskedFor) {
    const ListingDocument document = bayWithLoadCases();
    QTemporaryDir folder;
    ExportRequest options;
    options.format = ExportFormat::Png;
    options.width = 800;
    options.height = 500;
    options.output = folder.filePath(QStringLiteral("plain.png")).toStdString();
    exportPlans(document, options);
    options.titleBlock = true;
    options.output = folder.filePath(QStringLiteral("titled.png")).toStdString();
    exportPlans(document, options);
    const QImage plain(folder.filePath(QStringLiteral("plain.png")));
    const QImage titled(folder.filePath(QStringLiteral("titled.png")));
    // The plan keeps a margin of a metre around the model; the block fills the bottom.
    EXPECT_FALSE(inkBelow(plain, plain.height() - 20));
    EXPECT_TRUE(inkBelow(titled, titled.height() - 20));
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
    for (const char c : std::string("OFFICE.ANL, level 3 M")) {
        title += '\0';
        title += c;
    }
    EXPECT_NE(content.find(title), std::string::npos);
    EXPECT_EQ(content.find(options.output), std::string::npos);
}

}  // namespace
}  // namespace fp
