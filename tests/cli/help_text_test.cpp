// The help agrees with the README: the forms of --help are the README's command-line block, and
// every option a command's help names is explained there.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "cli/command_line.h"

namespace fp {
namespace {

std::string helpOf(const std::vector<std::string>& arguments) {
    const CommandLineHooks hooks{[](const ExportRequest&) { return 1; },
                                 [](const std::string&) { return 1; }};
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runCommandLine(arguments, out, err, hooks), 0) << err.str();
    EXPECT_TRUE(err.str().empty()) << err.str();
    return out.str();
}

// The README's "Command line" section, up to the next section; the tests run in the source tree.
std::string readmeCommandLine() {
    std::ifstream file("README.md");
    std::stringstream text;
    text << file.rdbuf();
    const std::string readme = text.str();
    const std::size_t start = readme.find("\n## Command line\n");
    EXPECT_NE(start, std::string::npos) << "README.md has no Command line section";
    if (start == std::string::npos) {
        return {};
    }
    return readme.substr(start, readme.find("\n## ", start + 1) - start);
}

// The lines after "Commands:" up to the blank line, without the help's two-space indent.
std::string formsOf(const std::string& help) {
    std::istringstream lines(help.substr(help.find("\nCommands:\n") + 11));
    std::string forms;
    for (std::string line; std::getline(lines, line) && !line.empty();) {
        forms += line.substr(line.rfind("  ", 0) == 0 ? 2 : 0) + "\n";
    }
    return forms;
}

TEST(HelpAndReadme, TheFormsOfTheHelpAreTheReadmesCommandLineBlock) {
    const std::string help = helpOf({"--help"});
    ASSERT_NE(help.find("\nCommands:\n"), std::string::npos) << help;
    const std::string forms = formsOf(help);
    for (const char* command : {"dump", "info", "export", "schedule", "check"}) {
        EXPECT_NE(forms.find(std::string("frameplan ") + command + " LISTING"), std::string::npos)
            << command << " has no form:\n"
            << forms;
    }
    EXPECT_NE(readmeCommandLine().find("```\n" + forms + "```\n"), std::string::npos)
        << "the README's command-line block differs from frameplan --help:\n"
        << forms;
}

const std::regex kOption("--[a-z][a-z-]*");

std::set<std::string> optionsNamedIn(const std::string& text) {
    std::set<std::string> named;
    for (std::sregex_iterator at(text.begin(), text.end(), kOption), end; at != end; ++at) {
        named.insert(at->str());
    }
    return named;
}

TEST(HelpAndReadme, EveryOptionOfEveryCommandIsInTheReadme) {
    const std::set<std::string> inReadme = optionsNamedIn(readmeCommandLine());
    std::set<std::string> named;
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{"--help"},
                                               {"dump", "--help"},
                                               {"info", "--help"},
                                               {"export", "--help"},
                                               {"schedule", "--help"},
                                               {"check", "--help"},
                                               {"compare", "--help"},
                                               {"takedown", "--help"}}) {
        const std::string help = helpOf(arguments);
        EXPECT_NE(help.find("Usage: frameplan"), std::string::npos) << arguments[0];
        EXPECT_NE(help.find("Exit status"), std::string::npos) << arguments[0];
        named.merge(optionsNamedIn(help));
    }
    EXPECT_GT(named.count("--title-block"), 0u) << "the export's options are not in its help";
    for (const std::string& name : named) {
        EXPECT_GT(inReadme.count(name), 0u)
            << name << " is in the help but not in the README's Command line section";
    }
}

}  // namespace
}  // namespace fp
