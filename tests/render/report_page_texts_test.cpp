// What the pages of a report file say, read back as a PDF reader reads them: every page which of
// all the file's pages it is, with the title block and the job's fields; the Checks pages the
// accepted findings apart, with their reasons.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "output/accepted_findings_file.h"
#include "render/compare_command.h"
#include "render/export_command.h"
#include "support/pdf_pages.h"

namespace fp {
namespace {

void expectEveryPageNumbered(const QString& pdf, const std::string& what) {
    const int pages = testing::pdfPageCount(pdf.toStdString());
    ASSERT_GT(pages, 0) << what;
    for (int page = 1; page <= pages; ++page) {
        const std::string text = testing::pdfPageText(pdf.toStdString(), page);
        const std::string number = "Page " + std::to_string(page) + " of " + std::to_string(pages);
        EXPECT_NE(text.find(number), std::string::npos) << what << ": page " << page;
        EXPECT_NE(text.find("Job: OFFICE BLOCK"), std::string::npos) << what << ": page " << page;
        EXPECT_NE(text.find("Engineer: R. OKAFOR"), std::string::npos) << what << ": page " << page;
    }
}

TEST(PageNumbers, CountEveryPageOfTheFileReportsIncluded) {
    QTemporaryDir dir;
    const struct {
        const char* what;
        bool takedown;
        bool checks;
    } cases[] = {{"plans", false, false},
                 {"plans and checks", false, true},
                 {"plans and takedown", true, false},
                 {"plans, takedown and checks", true, true}};
    for (const auto& c : cases) {
        ExportRequest request;
        request.listing = "samples/office-block.anl";
        request.format = ExportFormat::Pdf;
        request.levels.all = true;
        request.takedownPages = c.takedown;
        request.checksPages = c.checks;
        request.output = dir.filePath("plans.pdf").toStdString();
        std::ostringstream out;
        std::ostringstream err;
        ASSERT_EQ(runExport(request, out, err), 0) << err.str();
        expectEveryPageNumbered(dir.filePath("plans.pdf"), c.what);
    }
}

TEST(PageNumbers, CountThePlansAndTheReportOfAComparison) {
    QTemporaryDir dir;
    // The same listing with one floor load of level 4.2 m changed.
    std::string text;
    {
        std::ifstream file("samples/office-block.anl", std::ios::binary);
        text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    const std::size_t load = text.find("FLOAD -4");
    ASSERT_NE(load, std::string::npos);
    text.replace(load, 8, "FLOAD -5");
    const std::string changed = dir.filePath("changed.anl").toStdString();
    std::ofstream(changed, std::ios::binary) << text;
    CompareRequest request;
    request.oldListing = "samples/office-block.anl";
    request.newListing = changed;
    request.pdf = dir.filePath("changes.pdf").toStdString();
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(runComparePdf(request, out, err), 1) << err.str();
    ASSERT_GT(testing::pdfPageCount(request.pdf), 1);
    expectEveryPageNumbered(dir.filePath("changes.pdf"), "comparison");
}

// The text of the pages after the plans of the sample's PDF with its Checks pages, when the
// file beside the listing holds `accepted`.
std::string checksPagesText(const QTemporaryDir& dir, const std::string& accepted) {
    const std::string listing = dir.filePath("office.anl").toStdString();
    std::filesystem::copy_file("samples/office-block.anl", listing,
                               std::filesystem::copy_options::overwrite_existing);
    std::ofstream(acceptedFindingsPath(listing), std::ios::binary) << accepted;
    ExportRequest request;
    request.listing = listing;
    request.format = ExportFormat::Pdf;
    request.levels.all = true;
    request.checksPages = true;
    request.output = dir.filePath("checked.pdf").toStdString();
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runExport(request, out, err), 0) << err.str();
    std::string text;
    for (int page = 8; page <= testing::pdfPageCount(request.output); ++page) {
        text += testing::pdfPageText(request.output, page);
    }
    return text;
}

TEST(ChecksPageTexts, ListTheAcceptedFindingsApartWithTheirReasons) {
    QTemporaryDir dir;
    const std::string reason = "shaft opening, loaded by the stair";
    const std::string accepted =
        "{\"schema\": \"frameplan-accepted 1\", \"accepted\": "
        "[{\"id\": \"3a400fa6\", \"reason\": \"" +
        reason + "\"}]}";
    const std::string text = checksPagesText(dir, accepted);
    EXPECT_NE(text.find("11 warnings, 1 note, 1 accepted"), std::string::npos) << text;
    const std::size_t apart = text.find("Accepted, kept in office.anl.frameplan.json");
    ASSERT_NE(apart, std::string::npos) << text;
    // The accepted one, line 213, after the heading with its reason; the others before it.
    const std::size_t line213 = text.find("line 213");
    EXPECT_GT(line213, apart);
    EXPECT_NE(text.find("Accepted: " + reason.substr(0, 20), apart), std::string::npos);
    EXPECT_LT(text.find("line 214"), apart);

    const std::string unread = checksPagesText(dir, "{\"schema\": 1");
    EXPECT_NE(unread.find("12 warnings, 1 note"), std::string::npos) << unread;
    EXPECT_NE(unread.find("cannot be read"), std::string::npos) << unread;
    EXPECT_EQ(unread.find("Accepted, kept in"), std::string::npos);
}

}  // namespace
}  // namespace fp
