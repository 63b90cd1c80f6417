// The file type the package gives analysis listings, read by Qt's MIME database (which follows
// the shared-mime-info rules the desktop's file managers use) from the packaging folder's file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QMimeDatabase>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>

namespace fp {
namespace {

namespace fs = std::filesystem;

constexpr const char* kListingType = "text/x-frame-analysis-listing";

// The head of a listing: a banner, then the numbered echo of the input.
constexpr const char* kListing =
    "\n                  *  FRAME ANALYSIS PROGRAM  *\n\n"
    "    1. STRUCTURE SPACE FRAME\n"
    "    2. UNIT METER KN\n"
    "    3. JOINT COORDINATES\n"
    "    4. 1 0 0 0; 2 6 0 0\n";

// The analysis input the listing was made from: the same commands, unnumbered.
constexpr const char* kAnalysisInput =
    "STRUCTURE SPACE FRAME\nUNIT METER KN\nJOINT COORDINATES\n1 0 0 0; 2 6 0 0\n";

struct FileCase {
    const char* name;
    const char* text;
    bool isListing;
};

// Shown by its file name in the test's name and messages.
void PrintTo(const FileCase& file, std::ostream* out) {
    *out << file.name;
}

class ListingFileType : public ::testing::TestWithParam<FileCase> {
  protected:
    // The database is read once per process, from the folders named when it is first used: the
    // package's file comes first, the system's types after it.
    static void SetUpTestSuite() {
        folder_ = fs::path(::testing::TempDir()) / ("frameplan_mime_" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "data" / "mime" / "packages");
        fs::create_directories(folder_ / "home");
        fs::copy_file("packaging/org.frameplan.FramePlan.mime.xml",
                      folder_ / "data" / "mime" / "packages" / "org.frameplan.FramePlan.xml");
        ::setenv("XDG_DATA_HOME", (folder_ / "home").c_str(), 1);
        ::setenv("XDG_DATA_DIRS", ((folder_ / "data").string() + ":/usr/share").c_str(), 1);
    }
    static void TearDownTestSuite() { fs::remove_all(folder_); }

    static fs::path folder_;
};

fs::path ListingFileType::folder_;

TEST_P(ListingFileType, IsKnownByItsNameOrItsFirstLines) {
    const FileCase& file = GetParam();
    const fs::path path = folder_ / file.name;
    std::ofstream(path, std::ios::binary) << file.text;
    const QString type = QMimeDatabase().mimeTypeForFile(QString::fromStdString(path)).name();
    if (file.isListing) {
        EXPECT_EQ(type.toStdString(), kListingType) << file.name;
    } else {
        EXPECT_NE(type.toStdString(), kListingType) << file.name;
    }
}

TEST_F(ListingFileType, IsAPlainTextFileTooForTextEditors) {
    const QMimeType type = QMimeDatabase().mimeTypeForName(kListingType);
    ASSERT_TRUE(type.isValid());
    EXPECT_TRUE(type.inherits("text/plain"));
}

INSTANTIATE_TEST_SUITE_P(
    Files, ListingFileType,
    ::testing::Values(FileCase{"tower.anl", kListing, true}, FileCase{"TOWER.ANL", kListing, true},
                      FileCase{"empty.anl", "", true}, FileCase{"listing", kListing, true},
                      FileCase{"tower.std", kAnalysisInput, false},
                      FileCase{"input", kAnalysisInput, false},
                      FileCase{"notes.txt", "JOINT COORDINATES are in the listing.\n", false}),
    [](const ::testing::TestParamInfo<FileCase>& info) {
        std::string name = info.param.name;
        for (char& c : name) {
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return name;
    });

}  // namespace
}  // namespace fp
