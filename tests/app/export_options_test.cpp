// The export command's arguments: defaults, every option, and the messages for bad ones.
#include "app/export_options.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace fp {
namespace {

ExportOptions parse(std::vector<std::string> arguments) {
    return parseExportOptions(arguments);
}

std::string failureOf(std::vector<std::string> arguments) {
    try {
        parseExportOptions(arguments);
    } catch (const std::invalid_argument& error) {
        return error.what();
    }
    return "no failure";
}

TEST(ExportOptions, DefaultsToTheStartLevelInFloorLoadModeWithEverythingShown) {
    const ExportOptions options = parse({"model.anl", "-o", "plan.png"});
    EXPECT_EQ(options.listing, "model.anl");
    EXPECT_EQ(options.output, "plan.png");
    EXPECT_FALSE(options.level.has_value());
    EXPECT_FALSE(options.allLevels);
    EXPECT_EQ(options.format, ExportFormat::Png);
    EXPECT_FALSE(options.memberLoadMode);
    EXPECT_FALSE(options.beamNumbers);
    EXPECT_TRUE(options.loadType);
    EXPECT_FALSE(options.intensities.has_value());
    EXPECT_EQ(options.width, 1600);
    EXPECT_EQ(options.height, 900);
}

TEST(ExportOptions, ReadsEveryOption) {
    const ExportOptions options = parse(
        {"-o", "out.file", "--level", "4", "--format", "SVG", "--mode", "member", "--beam-numbers",
         "--no-load-type", "--intensities", "2,4.5", "--size", "800x600", "model.anl"});
    EXPECT_EQ(options.listing, "model.anl");
    EXPECT_EQ(options.level, 4);
    EXPECT_EQ(options.format, ExportFormat::Svg);
    EXPECT_TRUE(options.memberLoadMode);
    EXPECT_TRUE(options.beamNumbers);
    EXPECT_FALSE(options.loadType);
    ASSERT_TRUE(options.intensities.has_value());
    EXPECT_EQ(*options.intensities, (std::vector<float>{2, 4.5f}));
    EXPECT_EQ(options.width, 800);
    EXPECT_EQ(options.height, 600);
    EXPECT_TRUE(parse({"m.anl", "-o", "p.pdf", "--level", "all"}).allLevels);
}

TEST(ExportOptions, FormatFollowsTheExtensionUnlessGiven) {
    EXPECT_EQ(parse({"m.anl", "-o", "p.PDF"}).format, ExportFormat::Pdf);
    EXPECT_EQ(parse({"m.anl", "-o", "dir.v2/p.svg"}).format, ExportFormat::Svg);
    EXPECT_EQ(parse({"m.anl", "-o", "p.svg", "--format", "png"}).format, ExportFormat::Png);
    EXPECT_NE(failureOf({"m.anl", "-o", "dir.png/plan"}).find("cannot tell the format"),
              std::string::npos);
    EXPECT_NE(failureOf({"m.anl", "-o", "plan.jpg"}).find("cannot tell the format"),
              std::string::npos);
}

TEST(ExportOptions, BadArgumentsAreNamed) {
    const struct {
        std::vector<std::string> arguments;
        const char* message;
    } cases[] = {
        {{"-o", "p.png"}, "no listing given"},
        {{"m.anl"}, "no output file given"},
        {{"m.anl", "-o"}, "-o needs a value"},
        {{"m.anl", "-o", "p.png", "--level", "three"}, "--level expects a whole number"},
        {{"m.anl", "-o", "p.png", "--mode", "roof"}, "--mode is floor or member"},
        {{"m.anl", "-o", "p.png", "--format", "gif"}, "unknown format \"gif\""},
        {{"m.anl", "-o", "p.png", "--intensities", "2,,4"}, "--intensities expects numbers"},
        {{"m.anl", "-o", "p.png", "--intensities", "2;4"}, "--intensities expects numbers"},
        {{"m.anl", "-o", "p.png", "--size", "1600"}, "--size expects WIDTHxHEIGHT"},
        {{"m.anl", "-o", "p.png", "--size", "0x900"}, "out of range"},
        {{"m.anl", "-o", "p.png", "--size", "99999x900"}, "out of range"},
        {{"m.anl", "-o", "p.png", "--colour"}, "unknown option --colour"},
        {{"m.anl", "other.anl", "-o", "p.png"}, "one listing only"},
    };
    for (const auto& c : cases) {
        EXPECT_NE(failureOf(c.arguments).find(c.message), std::string::npos)
            << "expected \"" << c.message << "\", got \"" << failureOf(c.arguments) << "\"";
    }
}

}  // namespace
}  // namespace fp
