// The Checks pages after the plans of a PDF of every level, and the export arguments that ask
// for them.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <stdexcept>

#include "cli/export_arguments.h"
#include "render/plan_pages.h"
#include "support/pdf_pages.h"

namespace fp {
namespace {

struct NoMessages : MessageSink {
    void show(const ListingMessage&) override {}
};

// The sample has findings on five levels; its Checks fill at least one page after the plans.
TEST(ChecksPages, FollowThePlansOfEveryLevelWhenAskedFor) {
    NoMessages messages;
    const ListingDocument document = openListing("samples/office-block.anl", messages);
    QTemporaryDir dir;
    ExportRequest request;
    request.listing = document.name;
    request.format = ExportFormat::Pdf;
    request.levels.all = true;
    request.view = startUpView(document);
    request.output = dir.filePath("plain.pdf").toStdString();
    exportPlans(document, request);
    EXPECT_EQ(testing::pdfPageCount(request.output), document.levelCount());
    request.checksPages = true;
    request.output = dir.filePath("checked.pdf").toStdString();
    exportPlans(document, request);
    EXPECT_GT(testing::pdfPageCount(request.output), document.levelCount());
}

TEST(ChecksPages, AreAskedForOnlyWithAPdfOfEveryLevel) {
    struct Case {
        const char* output;
        const char* level;
        bool accepted;
    };
    for (const Case& c : {Case{"plans.pdf", "all", true}, Case{"plans.pdf", "2", false},
                          Case{"plans.png", "all", false}}) {
        ExportArguments arguments;
        arguments.listing = "tower.anl";
        arguments.output = c.output;
        arguments.level = c.level;
        arguments.checks = true;
        bool accepted = true;
        try {
            EXPECT_TRUE(exportRequestFrom(arguments).checksPages);
        } catch (const std::invalid_argument&) {
            accepted = false;
        }
        EXPECT_EQ(accepted, c.accepted) << c.output << " " << c.level;
    }
}

}  // namespace
}  // namespace fp
