// Every page of a report file says which of all the file's pages it is, and carries the title
// block with the job's fields, as a PDF reader shows them.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "render/compare_command.h"
#include "render/export_command.h"
#include "support/pdf_pages.h"

namespace fp {
namespace {

// The text of one page as poppler's pdftotext reads it.
std::string pageText(const QString& pdf, int page) {
    const std::string command = "pdftotext -q -layout -f " + std::to_string(page) + " -l " +
                                std::to_string(page) + " '" + pdf.toStdString() + "' -";
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t got; (got = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            text.append(buffer, got);
        }
        pclose(pipe);
    }
    return text;
}

void expectEveryPageNumbered(const QString& pdf, const std::string& what) {
    const int pages = testing::pdfPageCount(pdf.toStdString());
    ASSERT_GT(pages, 0) << what;
    for (int page = 1; page <= pages; ++page) {
        const std::string text = pageText(pdf, page);
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

}  // namespace
}  // namespace fp
