// Where frameplan looks for frameplan-gui: beside itself in the build, in libexec when installed,
// whatever the prefix, and never anywhere else.
#include "cli/gui_program.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <ostream>
#include <string>
#include <vector>

namespace fp {
namespace {

namespace fs = std::filesystem;

struct GuiLookupCase {
    const char* name;
    std::vector<std::string> files;    // made under the prefix
    std::vector<std::string> folders;  // made under the prefix
    const char* found;                 // under the prefix; empty for none
};

// Shown by its name in the test's name and messages.
void PrintTo(const GuiLookupCase& lookup, std::ostream* out) {
    *out << lookup.name;
}

class GuiProgramLookup : public ::testing::TestWithParam<GuiLookupCase> {
  protected:
    void SetUp() override {
        prefix_ = fs::path(::testing::TempDir()) /
                  ("frameplan_gui_lookup_" + std::to_string(::getpid())) / "opt" / "frameplan";
        fs::remove_all(prefix_.parent_path().parent_path());
        fs::create_directories(prefix_ / "bin");
    }
    void TearDown() override { fs::remove_all(prefix_.parent_path().parent_path()); }

    fs::path prefix_;
};

TEST_P(GuiProgramLookup, FindsTheProgramInItsPlaces) {
    const GuiLookupCase& lookup = GetParam();
    for (const std::string& folder : lookup.folders) {
        fs::create_directories(prefix_ / folder);
    }
    for (const std::string& file : lookup.files) {
        fs::create_directories((prefix_ / file).parent_path());
        std::ofstream(prefix_ / file) << "#!/bin/sh\n";
    }
    const std::optional<fs::path> found = findGuiProgram(prefix_ / "bin" / "frameplan");
    if (std::string(lookup.found).empty()) {
        EXPECT_FALSE(found) << *found;
    } else {
        ASSERT_TRUE(found);
        EXPECT_EQ(*found, prefix_ / lookup.found);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, GuiProgramLookup,
    ::testing::Values(
        GuiLookupCase{"BesideInTheBuild", {"bin/frameplan-gui"}, {}, "bin/frameplan-gui"},
        GuiLookupCase{"InstalledInLibexec",
                      {"libexec/frameplan/frameplan-gui"},
                      {},
                      "libexec/frameplan/frameplan-gui"},
        GuiLookupCase{"BesideBeforeLibexec",
                      {"bin/frameplan-gui", "libexec/frameplan/frameplan-gui"},
                      {},
                      "bin/frameplan-gui"},
        GuiLookupCase{"AFolderOfThatNameIsNoProgram",
                      {"libexec/frameplan/frameplan-gui"},
                      {"bin/frameplan-gui"},
                      "libexec/frameplan/frameplan-gui"},
        GuiLookupCase{"NotInTheLibexecFolderItself", {"libexec/frameplan-gui"}, {}, ""},
        GuiLookupCase{"NoneInstalled", {}, {}, ""}),
    [](const ::testing::TestParamInfo<GuiLookupCase>& info) { return info.param.name; });

}  // namespace
}  // namespace fp
