// The Takedown pages after the plans of a PDF of every level, and the export arguments that ask
// for them.
#include <gtest/gtest.h>

#include <QTemporaryDir>
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

// The sample's twenty stacks of six levels fill pages of their own after the plans; with the
// Checks pages too, each kind adds the same pages as it does alone.
TEST(TakedownPages, FollowThePlansOfEveryLevelBeforeTheChecks) {
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

// A listing without columns, and one without loads: a page that says so, after the plans.
TEST(TakedownPages, SayWhyThereIsNoTableOnOnePage) {
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

TEST(TakedownPages, AreAskedForOnlyWithAPdfOfEveryLevel) {
    struct Case {
        const char* output;
        const char* level;
        bool accepted;
    };
    for (const Case& c : {Case{"plans.pdf", "all", true}, Case{"plans.pdf", "2", false},
                          Case{"plans.svg", "all", false}, Case{"plans.dxf", "all", false}}) {
        ExportArguments arguments;
        arguments.listing = "tower.anl";
        arguments.output = c.output;
        arguments.level = c.level;
        arguments.takedown = true;
        bool accepted = true;
        try {
            EXPECT_TRUE(exportRequestFrom(arguments).takedownPages);
        } catch (const std::invalid_argument&) {
            accepted = false;
        }
        EXPECT_EQ(accepted, c.accepted) << c.output << " " << c.level;
    }
}

}  // namespace
}  // namespace fp
