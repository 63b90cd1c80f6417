// Accepted findings: frameplan accept keeps a finding's acceptance beside the listing, check and
// info stop counting it, and it is known again in a listing whose lines have moved.
#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "cli/command_run.h"
#include "output/json_value.h"

namespace fp {
namespace {

namespace fs = std::filesystem;

using testing::CommandRun;

CommandRun run(const std::vector<std::string>& arguments) {
    return testing::runCommand(arguments);
}

std::string fileText(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// A folder of the test's own holding a copy of the sample, with `before` written above its first
// line.
class SampleCopy {
  public:
    explicit SampleCopy(const std::string& name, const std::string& before = "")
        : folder_(fs::path(::testing::TempDir()) /
                  ("frameplan_accept_" + std::to_string(::getpid()) + "_" + name)) {
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        std::ofstream(listing(), std::ios::binary)
            << before << fileText("samples/office-block.anl");
    }
    ~SampleCopy() { fs::remove_all(folder_); }
    std::string listing() const { return (folder_ / "office.anl").string(); }
    std::string accepted() const { return listing() + ".frameplan.json"; }
    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder_)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

  private:
    fs::path folder_;
};

struct Listed {
    std::string id;
    std::string severity;
    std::string reason;  // empty when not accepted
};

// The findings `check --json --all` lists, and its counts.
struct Checked {
    std::vector<Listed> findings;
    double warnings = 0;
    double accepted = 0;
};

Checked checkJson(const std::string& listing) {
    const CommandRun checked = run({"check", "--json", "--all", listing});
    const JsonValue root = parseJson(checked.out);
    Checked result{{}, root.member("warnings")->number, root.member("accepted")->number};
    for (const JsonValue& finding : root.member("findings")->items) {
        const JsonValue* accepted = finding.member("accepted");
        result.findings.push_back({finding.textOf("id"), finding.textOf("severity"),
                                   accepted != nullptr ? accepted->textOf("reason") : ""});
    }
    return result;
}

TEST(AcceptCommand, AcceptingEveryWarningLeavesACleanCheckAndEachReasonKept) {
    const SampleCopy copy("every");
    const Checked before = checkJson(copy.listing());
    ASSERT_GT(before.warnings, 1);
    std::set<std::string> ids;
    for (const Listed& finding : before.findings) {
        EXPECT_TRUE(ids.insert(finding.id).second) << "the id " << finding.id << " twice";
        EXPECT_EQ(finding.id.size(), 8u);
    }
    int acceptedWarnings = 0;
    for (const Listed& finding : before.findings) {
        if (finding.severity == "warning") {
            const std::string reason = "judged \"" + finding.id + "\": as meant ✓";
            const CommandRun accepted =
                run({"accept", copy.listing(), finding.id, "--reason", reason});
            EXPECT_EQ(accepted.status, 0) << accepted.err;
            ++acceptedWarnings;
        }
    }
    EXPECT_EQ(run({"check", copy.listing()}).status, 0);
    const Checked after = checkJson(copy.listing());
    EXPECT_EQ(after.warnings, 0);
    EXPECT_EQ(after.accepted, acceptedWarnings);
    ASSERT_EQ(after.findings.size(), before.findings.size());
    for (std::size_t i = 0; i < after.findings.size(); ++i) {
        const bool warning = before.findings[i].severity == "warning";
        EXPECT_EQ(after.findings[i].id, before.findings[i].id);
        EXPECT_EQ(after.findings[i].reason,
                  warning ? "judged \"" + before.findings[i].id + "\": as meant ✓" : "");
    }
    // Without --all the accepted ones are counted, not listed; info counts the same.
    const CommandRun plain = run({"check", copy.listing()});
    for (const Listed& finding : before.findings) {
        EXPECT_EQ(plain.out.find(finding.id) != std::string::npos, finding.severity != "warning")
            << finding.id;
    }
    EXPECT_NE(
        run({"info", copy.listing()}).out.find(std::to_string(acceptedWarnings) + " accepted"),
        std::string::npos);
    EXPECT_EQ(copy.files(), std::vector<std::string>({"office.anl", "office.anl.frameplan.json"}))
        << "nothing half-written left beside the listing";
}

// Lines added above the analysis's output move every finding's lines, not its identity: the
// acceptance holds. The finding that the edit mends is no longer there to accept.
TEST(AcceptCommand, AnAcceptanceIsKnownAgainWhenTheLinesMove) {
    const SampleCopy original("moved-before");
    const SampleCopy moved("moved-after", "\n  RUN AGAIN WITH A NOTE\n\n\n");
    const Checked before = checkJson(original.listing());
    const Checked after = checkJson(moved.listing());
    ASSERT_EQ(after.findings.size(), before.findings.size());
    for (std::size_t i = 0; i < before.findings.size(); ++i) {
        EXPECT_EQ(after.findings[i].id, before.findings[i].id);
    }
    const std::string id = before.findings.front().id;
    ASSERT_EQ(run({"accept", original.listing(), id, "--reason", "shaft"}).status, 0);
    fs::copy_file(original.accepted(), moved.accepted());
    EXPECT_EQ(checkJson(moved.listing()).accepted, 1);
    EXPECT_EQ(checkJson(moved.listing()).findings.front().reason, "shaft");
}

TEST(AcceptCommand, RefusesWhatItCannotDoAndLeavesTheFileAsItWas) {
    const struct {
        const char* what;
        const char* file;                    // the accepted file's text beforehand; null for none
        std::vector<std::string> arguments;  // after the listing; check when empty
        const char* message;
    } cases[] = {
        {"an id the check does not give",
         nullptr,
         {"0000000g", "--reason", "x"},
         "finds nothing with the id \"0000000g\""},
        {"a blank reason", nullptr, {"ID", "--reason", "  "}, "--reason must say why"},
        {"no reason", nullptr, {"ID"}, "--reason is required"},
        {"a file that is not JSON",
         "{\"schema\": \"frameplan-accepted 1\",\n \"accepted\": [",
         {},
         "office.anl.frameplan.json cannot be read: not valid JSON at line 2, column 15"},
        {"another program's file",
         "{\"schema\": \"other\", \"accepted\": []}",
         {},
         "it does not start with {\"schema\": \"frameplan-accepted 1\""},
        {"a file without its list",
         "{\"schema\": \"frameplan-accepted 1\"}",
         {},
         "it has no list \"accepted\""},
        {"an entry without its id",
         "{\"schema\": \"frameplan-accepted 1\", \"accepted\": [{\"reason\": \"x\"}]}",
         {},
         "an accepted finding has no \"id\""},
        {"a number JSON does not have",
         "{\"schema\": \"frameplan-accepted 1\", \"accepted\": nan}",
         {},
         "a value expected"},
    };
    for (const auto& c : cases) {
        const SampleCopy copy("refused");
        if (c.file != nullptr) {
            std::ofstream(copy.accepted(), std::ios::binary) << c.file;
        }
        std::vector<std::string> arguments{c.arguments.empty() ? "check" : "accept",
                                           copy.listing()};
        std::vector<std::string> rest = c.arguments;
        if (!rest.empty() && rest[0] == "ID") {
            rest[0] = checkJson(copy.listing()).findings.front().id;
        }
        arguments.insert(arguments.end(), rest.begin(), rest.end());
        const CommandRun refused = run(arguments);
        EXPECT_EQ(refused.status, 2) << c.what;
        EXPECT_NE(refused.err.find(c.message), std::string::npos) << c.what << ": " << refused.err;
        EXPECT_EQ(c.file != nullptr ? fileText(copy.accepted()) : "",
                  c.file != nullptr ? c.file : "")
            << c.what;
        EXPECT_EQ(fs::exists(copy.accepted()), c.file != nullptr) << c.what;
    }
}

}  // namespace
}  // namespace fp
