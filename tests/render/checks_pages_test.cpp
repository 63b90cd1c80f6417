// The Checks pages after the plans of a PDF of every level, and the export arguments that ask
// for them.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <iterator>
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
TEST(ChecksPages, TellOfTheListingAsItWasReadWhateverTheFileHoldsNow) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("office.anl").toStdString();
    std::ofstream(path, std::ios::binary) << sampleWithEmptyCases();
    NoMessages messages;
    const ListingDocument document = openListing(path, messages);
    ExportRequest request;
    request.listing = path;
    request.format = ExportFormat::Pdf;
    request.levels.all = true;
    request.checksPages = true;
    request.view = startUpView(document);
    request.output = dir.filePath("before.pdf").toStdString();
    exportPlans(document, request);
    const int pages = testing::pdfPageCount(request.output);

    std::filesystem::copy_file("samples/office-block.anl", path,
                               std::filesystem::copy_options::overwrite_existing);
    request.output = dir.filePath("after.pdf").toStdString();
    exportPlans(document, request);
    EXPECT_EQ(testing::pdfPageCount(request.output), pages);

    const ListingDocument sample = openListing(path, messages);
    request.output = dir.filePath("sample.pdf").toStdString();
    exportPlans(sample, request);
    EXPECT_LT(testing::pdfPageCount(request.output), pages) << "the two versions differ";
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
