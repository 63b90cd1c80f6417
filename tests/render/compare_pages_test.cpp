// "frameplan compare ... --pdf": a page per changed level and the pages of the changes, the exit
// status of the comparison, and nothing written when the PDF cannot be.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <iterator>
#include <sstream>

#include "render/compare_command.h"
#include "support/pdf_pages.h"

namespace fp {
namespace {

constexpr const char* kSample = "samples/office-block.anl";

// The sample with its first floor load, on the level at 4.2 m, at 5 kN/m² instead of 4.5.
std::string heavierFirstFloor(const QTemporaryDir& folder) {
    std::ifstream in(kSample, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string load = "YRANGE 4.1 4.3 FLOAD -4.5 ";
    text.replace(text.find(load), load.size(), "YRANGE 4.1 4.3 FLOAD -5 ");
    const std::string path = folder.filePath("heavier.anl").toStdString();
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

struct PdfCase {
    const char* name;
    bool changed;
    int status;
    int pages;
};

TEST(ComparePdf, ChangedLevelsThenTheChangesOrTheChangesPageAlone) {
    for (const PdfCase& pdfCase : {PdfCase{"changed", true, 1, 2}, PdfCase{"same", false, 0, 1}}) {
        QTemporaryDir folder;
        const std::string pdf = folder.filePath("changes.pdf").toStdString();
        const std::string newer = pdfCase.changed ? heavierFirstFloor(folder) : kSample;
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(runComparePdf({kSample, newer, {}, pdf}, out, err), pdfCase.status)
            << pdfCase.name << err.str();
        EXPECT_EQ(testing::pdfPageCount(pdf), pdfCase.pages) << pdfCase.name;
        EXPECT_EQ(out.str(), "Wrote " + pdf + "\n");
    }
}

TEST(ComparePdf, APdfThatCannotBeWrittenFailsAndNamesIt) {
    QTemporaryDir folder;
    const std::string pdf = folder.filePath("missing/changes.pdf").toStdString();
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runComparePdf({kSample, kSample, {}, pdf}, out, err), 2);
    EXPECT_NE(err.str().find(pdf), std::string::npos) << err.str();
    EXPECT_TRUE(out.str().empty());
}

}  // namespace
}  // namespace fp
