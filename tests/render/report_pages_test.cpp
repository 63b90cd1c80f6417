// The Takedown and Checks pages after the plans of a PDF of every level, and the export arguments
// that ask for them.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "cli/export_arguments.h"
#include "render/plan_pages.h"
#include "support/frame_listing.h"
#include "support/pdf_pages.h"

namespace fp {
namespace {

struct NoMessages : MessageSink {
    void show(const ListingMessage&) override {}
};

// The pages of a PDF of every level of `document` with the pages asked for.
int pagesOf(const ListingDocument& document, bool takedownPages, bool checksPages) {
    QTemporaryDir dir;
    ExportRequest request;
    request.listing = document.name;
    request.format = ExportFormat::Pdf;
    request.levels.all = true;
    request.view = startUpView(document);
    request.takedownPages = takedownPages;
    request.checksPages = checksPages;
    request.output = dir.filePath("plans.pdf").toStdString();
    exportPlans(document, request);
    return testing::pdfPageCount(request.output);
}

// The sample's twenty stacks of six levels fill pages of their own after the plans, and its
// findings on five levels at least one more; with both, each kind adds the same pages as alone.
TEST(ReportPages, FollowThePlansOfEveryLevelTakedownBeforeChecks) {
    NoMessages messages;
    const ListingDocument document = openListing("samples/office-block.anl", messages);
    const int plans = pagesOf(document, false, false);
    EXPECT_EQ(plans, document.levelCount());
    const int takedown = pagesOf(document, true, false) - plans;
    const int checks = pagesOf(document, false, true) - plans;
    EXPECT_GT(takedown, 1) << "a hundred and twenty rows do not fit on one page";
    EXPECT_GE(checks, 1);
    EXPECT_EQ(pagesOf(document, true, true), plans + takedown + checks);
}

// A listing without columns, and one without loads: a takedown page that says so.
TEST(ReportPages, TakedownSaysWhyThereIsNoTableOnOnePage) {
    testing::FrameListing withoutColumns;
    withoutColumns.bay(3, 0, 0, 6, 4, false);
    withoutColumns.text.loadCase("1", "DEAD").floorLoad(2.9, 3.1, 5);
    testing::FrameListing withoutLoads;
    withoutLoads.bay(3, 0, 0, 6, 4);
    for (const testing::FrameListing* frame : {&withoutColumns, &withoutLoads}) {
        const ListingDocument document = testing::readFrame(frame->text);
        EXPECT_EQ(pagesOf(document, true, false), pagesOf(document, false, false) + 1);
    }
}

// The sample with a hundred and fifty load cases that load nothing before its FINISH: findings
// enough for Checks pages of their own.
std::string sampleWithEmptyCases() {
    std::ifstream file("samples/office-block.anl", std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const std::size_t finish = text.rfind(". FINISH");
    std::string cases;
    for (int n = 0; n < 150; ++n) {
        cases += "  999. LOAD " + std::to_string(900 + n) + " LOADTYPE Dead TITLE EMPTY\n";
    }
    return text.insert(text.rfind('\n', finish) + 1, cases);
}

// The Checks pages tell of the version of the listing that the plans show: the file may have
// been written over since it was read, and is not read again.
TEST(ReportPages, ChecksTellOfTheListingAsItWasReadWhateverTheFileHoldsNow) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("office.anl").toStdString();
    std::ofstream(path, std::ios::binary) << sampleWithEmptyCases();
    NoMessages messages;
    const ListingDocument document = openListing(path, messages);
    const int pages = pagesOf(document, false, true);
    std::filesystem::copy_file("samples/office-block.anl", path,
                               std::filesystem::copy_options::overwrite_existing);
    EXPECT_EQ(pagesOf(document, false, true), pages);
    const ListingDocument sample = openListing(path, messages);
    EXPECT_LT(pagesOf(sample, false, true), pages) << "the two versions differ";
}

TEST(ReportPages, AreAskedForOnlyWithAPdfOfEveryLevel) {
    struct Case {
        const char* output;
        const char* level;
        bool accepted;
    };
    const Case cases[] = {{"plans.pdf", "all", true},
                          {"plans.pdf", "2", false},
                          {"plans.png", "all", false},
                          {"plans.svg", "all", false},
                          {"plans.dxf", "all", false}};
    for (const bool takedown : {true, false}) {
        for (const Case& c : cases) {
            ExportArguments arguments;
            arguments.listing = "tower.anl";
            arguments.output = c.output;
            arguments.level = c.level;
            arguments.takedown = takedown;
            arguments.checks = !takedown;
            bool accepted = true;
            try {
                const ExportRequest request = exportRequestFrom(arguments);
                EXPECT_TRUE(takedown ? request.takedownPages : request.checksPages);
            } catch (const std::invalid_argument&) {
                accepted = false;
            }
            EXPECT_EQ(accepted, c.accepted)
                << (takedown ? "takedown " : "checks ") << c.output << " " << c.level;
        }
    }
}

}  // namespace
}  // namespace fp
