// The export command's arguments as the command line reads them: defaults, every option, the
// format, and the messages for bad ones. The export itself is replaced by a hook that keeps the
// request it is given.
#include "cli/export_arguments.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <stdexcept>

#include "cli/command_line.h"

namespace fp {
namespace {

struct ExportRun {
    int status = -1;
    std::string out;
    std::string err;
    // What the export hook was given, when it was called.
    std::optional<ExportRequest> options;
};

ExportRun runExportArguments(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "export");
    ExportRun run;
    const CommandLineHooks hooks{[&run](const ExportRequest& options) {
                                     run.options = options;
                                     return 0;
                                 },
                                 [](const std::string&) -> int {
                                     ADD_FAILURE() << "the export opened the window";
                                     return 0;
                                 }};
    std::ostringstream out;
    std::ostringstream err;
    run.status = runCommandLine(arguments, out, err, hooks);
    run.out = out.str();
    run.err = err.str();
    return run;
}

ExportRequest parse(std::vector<std::string> arguments) {
    const ExportRun run = runExportArguments(std::move(arguments));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.options.has_value()) << run.err;
    return run.options.value_or(ExportRequest{});
}

// The message of a refused command line; a refusal never reaches the export.
std::string failureOf(std::vector<std::string> arguments) {
    const ExportRun run = runExportArguments(std::move(arguments));
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(run.options.has_value());
    return run.options ? "no failure" : run.err;
}

TEST(ExportArguments, DefaultsToTheStartLevelInFloorLoadModeWithEverythingShown) {
    const ExportRequest options = parse({"model.anl", "-o", "plan.png"});
    EXPECT_EQ(options.listing, "model.anl");
    EXPECT_EQ(options.output, "plan.png");
    EXPECT_FALSE(options.levels.number.has_value());
    EXPECT_FALSE(options.levels.all);
    EXPECT_EQ(options.format, ExportFormat::Png);
    EXPECT_EQ(options.view.mode, LoadMode::Floor);
    EXPECT_FALSE(options.view.memberNumbers);
    EXPECT_FALSE(options.view.memberLoadsOnBeams);
    EXPECT_TRUE(options.view.loadCaseNumbers);
    EXPECT_FALSE(options.intensities.has_value());
    EXPECT_EQ(options.width, 1600);
    EXPECT_EQ(options.height, 900);
    EXPECT_FALSE(options.levels.heightMetres.has_value());
    EXPECT_FALSE(options.titleBlock);
}

TEST(ExportArguments, ReadsEveryOption) {
    const ExportRequest options =
        parse({"-o", "out.file", "--level", "4", "--format", "SVG", "--mode", "member",
               "--beam-numbers", "--member-loads", "--no-load-type", "--intensities", "2,4.5",
               "--size", "800x600", "model.anl"});
    EXPECT_EQ(options.listing, "model.anl");
    EXPECT_EQ(options.output, "out.file");
    EXPECT_EQ(options.levels.number, 4);
    EXPECT_FALSE(options.levels.all);
    EXPECT_EQ(options.format, ExportFormat::Svg);
    EXPECT_EQ(options.view.mode, LoadMode::Member);
    EXPECT_TRUE(options.view.memberNumbers);
    EXPECT_TRUE(options.view.memberLoadsOnBeams);
    EXPECT_FALSE(options.view.loadCaseNumbers);
    ASSERT_TRUE(options.intensities.has_value());
    EXPECT_EQ(*options.intensities, (std::vector<float>{2, 4.5f}));
    EXPECT_EQ(options.width, 800);
    EXPECT_EQ(options.height, 600);
    const ExportRequest all = parse({"m.anl", "--output", "p.pdf", "--level", "all"});
    EXPECT_TRUE(all.levels.all);
    EXPECT_EQ(all.output, "p.pdf");
    const ExportRequest byHeight =
        parse({"m.anl", "-o", "p.png", "--height", "7.8", "--title-block"});
    EXPECT_EQ(byHeight.levels.heightMetres, 7.8f);
    EXPECT_FALSE(byHeight.levels.number.has_value());
    EXPECT_TRUE(byHeight.titleBlock);
    EXPECT_TRUE(byHeight.view.gridLines);
    EXPECT_FALSE(byHeight.view.designedLabelPositions);
    EXPECT_EQ(byHeight.page.scale, 0);
    const ExportRequest sheet =
        parse({"m.anl", "-o", "p.pdf", "--paper", "a3", "--orientation", "portrait", "--scale",
               "1:100", "--job-name", "Tower", "--job-number", "J-12", "--engineer", "A. Khan",
               "--checker", "B. Ode", "--no-grid", "--designed-labels"});
    EXPECT_EQ(sheet.page.paper, Paper::A3);
    EXPECT_EQ(sheet.page.orientation, Orientation::Portrait);
    EXPECT_EQ(sheet.page.scale, 100);
    EXPECT_EQ(sheet.job.name, "Tower");
    EXPECT_EQ(sheet.job.number, "J-12");
    EXPECT_EQ(sheet.job.engineer, "A. Khan");
    EXPECT_EQ(sheet.job.checker, "B. Ode");
    EXPECT_FALSE(sheet.view.gridLines);
    EXPECT_TRUE(sheet.view.designedLabelPositions);
    EXPECT_EQ(parse({"m.anl", "-o", "p.pdf", "--scale", "200"}).page.scale, 200);
    EXPECT_FALSE(sheet.view.columnLoads);
    // A load case by its number, a combination by c and its number.
    EXPECT_EQ(parse({"m.anl", "-o", "p.png", "--column-loads", "12"}).view.columnLoads,
              (ColumnLoadChoice{false, "12"}));
    EXPECT_EQ(parse({"m.anl", "-o", "p.png", "--column-loads", "C101"}).view.columnLoads,
              (ColumnLoadChoice{true, "101"}));
}

TEST(ExportArguments, FormatFollowsTheExtensionUnlessGiven) {
    EXPECT_EQ(parse({"m.anl", "-o", "p.PDF"}).format, ExportFormat::Pdf);
    EXPECT_EQ(parse({"m.anl", "-o", "dir.v2/p.svg"}).format, ExportFormat::Svg);
    EXPECT_EQ(parse({"m.anl", "-o", "p.svg", "--format", "png"}).format, ExportFormat::Png);
    EXPECT_EQ(parse({"m.anl", "-o", "plan.dxf"}).format, ExportFormat::Dxf);
    EXPECT_EQ(parse({"m.anl", "-o", "plan", "--format", "DXF"}).format, ExportFormat::Dxf);
    EXPECT_NE(failureOf({"m.anl", "-o", "dir.png/plan"}).find("cannot tell the format"),
              std::string::npos);
    EXPECT_NE(failureOf({"m.anl", "-o", "plan.jpg"}).find("cannot tell the format"),
              std::string::npos);
}

TEST(ExportArguments, BadValuesAreNamed) {
    const struct {
        std::vector<std::string> arguments;
        const char* message;
    } cases[] = {
        {{"m.anl", "-o", "p.png", "--level", "three"}, "--level expects a whole number"},
        {{"m.anl", "-o", "p.png", "--mode", "roof"}, "--mode is floor or member"},
        {{"m.anl", "-o", "p.png", "--format", "gif"}, "unknown format \"gif\""},
        {{"m.anl", "-o", "p.png", "--intensities", "2,,4"}, "--intensities expects numbers"},
        {{"m.anl", "-o", "p.png", "--intensities", "2;4"}, "--intensities expects numbers"},
        {{"m.anl", "-o", "p.png", "--size", "1600"}, "--size expects WIDTHxHEIGHT"},
        {{"m.anl", "-o", "p.png", "--size", "0x900"}, "out of range"},
        {{"m.anl", "-o", "p.png", "--size", "99999x900"}, "out of range"},
        {{"m.anl", "-o", "p.png", "--size", "20000x20000"},
         "at most 64 megapixels are drawn, 8000x8000 at this shape"},
        {{"m.anl", "-o", "p.png", "--height", "7,8"}, "--height expects a height in metres"},
        {{"m.anl", "-o", "p.pdf", "--paper", "letter"}, "--paper is a4 or a3"},
        {{"m.anl", "-o", "p.pdf", "--orientation", "up"}, "--orientation is landscape or portrait"},
        {{"m.anl", "-o", "p.pdf", "--scale", "75"},
         "--scale is one of 50, 100, 200, 250, 500 (1:50 ...)"},
        {{"m.anl", "-o", "p.pdf", "--scale", "1:"},
         "--scale is one of 50, 100, 200, 250, 500 (1:50 ...)"},
        {{"m.anl", "-o", "p.png", "--column-loads", "c"}, "--column-loads expects a load case"},
    };
    for (const auto& c : cases) {
        const std::string failure = failureOf(c.arguments);
        EXPECT_NE(failure.find(c.message), std::string::npos)
            << "expected \"" << c.message << "\", got \"" << failure << "\"";
        EXPECT_EQ(failure.rfind("frameplan export: ", 0), 0u) << failure;
    }
}

// Missing, extra and unknown arguments are told in the command-line parser's words, naming the
// argument, with the way to the help.
TEST(ExportArguments, MissingExtraAndUnknownArgumentsAreNamed) {
    const struct {
        std::vector<std::string> arguments;
        const char* named;
    } cases[] = {
        {{"-o", "p.png"}, "LISTING"},
        {{"m.anl"}, "--output"},
        {{"m.anl", "-o"}, "--output"},
        {{"m.anl", "-o", "p.png", "--colour"}, "--colour"},
        {{"m.anl", "other.anl", "-o", "p.png"}, "other.anl"},
        {{"m.anl", "-o", "p.png", "--level", "2", "--height", "3.5"}, "--height"},
    };
    for (const auto& c : cases) {
        const std::string failure = failureOf(c.arguments);
        EXPECT_NE(failure.find(c.named), std::string::npos)
            << "expected \"" << c.named << "\" named, got \"" << failure << "\"";
        EXPECT_NE(failure.find("frameplan --help"), std::string::npos) << failure;
    }
}

TEST(ExportArguments, CheckingTheArgumentsThrowsTheMessageForTheUser) {
    ExportArguments arguments;
    arguments.listing = "m.anl";
    arguments.output = "p.png";
    arguments.size = "12x900";
    try {
        exportRequestFrom(arguments);
        FAIL() << "a size below 16 pixels must be refused";
    } catch (const std::invalid_argument& error) {
        EXPECT_EQ(std::string(error.what()),
                  "export: --size 12x900 is out of range; each side must be 16 to 20000 (see "
                  "frameplan --help)");
    }
}

}  // namespace
}  // namespace fp
