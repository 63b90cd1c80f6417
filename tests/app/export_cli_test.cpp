// "frameplan export" run as the built program, as from a shell without a display.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string temporaryPath(const std::string& name) {
    return ::testing::TempDir() + "frameplan_export_" + std::to_string(::getpid()) + "_" + name;
}

std::string fileStart(const std::string& path, std::size_t length) {
    std::ifstream file(path, std::ios::binary);
    std::string start(length, '\0');
    file.read(start.data(), static_cast<std::streamsize>(length));
    start.resize(static_cast<std::size_t>(file.gcount()));
    return start;
}

struct ProgramRun {
    int status = -1;
    std::string err;
};

// Runs frameplan with no Qt platform and no display chosen.
ProgramRun withoutDisplay(const std::string& arguments) {
    const std::string err = temporaryPath("err.txt");
    const std::string command =
        std::string("env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY '") + FRAMEPLAN_BINARY +
        "' " + arguments + " > /dev/null 2> '" + err + "' < /dev/null";
    const int status = std::system(command.c_str());
    ProgramRun run;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = fileStart(err, 4096);
    return run;
}

int exportWithoutDisplay(const std::string& arguments) {
    return withoutDisplay("export " + arguments).status;
}

TEST(ExportCli, WritesPdfAndPngWithoutADisplay) {
    const std::string pdf = temporaryPath("plans.pdf");
    ASSERT_EQ(exportWithoutDisplay("samples/office-block.anl -o '" + pdf + "' --level all"), 0);
    EXPECT_EQ(fileStart(pdf, 5), "%PDF-");

    const std::string png = temporaryPath("plan.png");
    ASSERT_EQ(exportWithoutDisplay("samples/office-block.anl -o '" + png + "'"), 0);
    EXPECT_EQ(fileStart(png, 4), "\x89PNG");
}

TEST(ExportCli, BadOptionsExitWithStatusTwo) {
    EXPECT_EQ(exportWithoutDisplay("samples/office-block.anl -o plan.png --mode roof"), 2);
    EXPECT_EQ(exportWithoutDisplay("missing.anl -o plan.png"), 2);
}

TEST(ExportCli, TheWindowWithoutADisplaySaysSoAndPointsToTheExport) {
    const ProgramRun run = withoutDisplay("samples/office-block.anl");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("no display"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("frameplan export"), std::string::npos) << run.err;
}

}  // namespace
