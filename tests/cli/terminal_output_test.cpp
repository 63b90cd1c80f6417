// What frameplan prints reaches a terminal, which obeys the control characters in it: those a
// listing holds are shown as the replacement character by the text commands and escaped in
// JSON, on standard output and standard error alike.
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <string>
#include <vector>

#include "program_run.h"

namespace fp::testing {
namespace {

// ESC starting a "clear the screen" command, BEL, the C1 control CSI written in UTF-8, and the
// byte 0x9D, which Windows-1252 leaves undefined (the C1 control U+009D).
const std::string kControls = "\x1B[2J\a\xC2\x9B\x9D";

std::string sampleWith(const std::string& from, const std::string& to) {
    std::string text = fileText("samples/office-block.anl");
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// The first control character of the terminal's in the text, as "0x1b at 12"; empty for none.
std::string firstControl(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool c1 = byte == 0xC2 && i + 1 < text.size() &&
                        static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(text[i + 1]) <= 0x9F;
        if ((byte < 0x20 && byte != '\n' && byte != '\t') || byte == 0x7F || c1) {
            return std::to_string(byte) + " at " + std::to_string(i) + ": " +
                   text.substr(i < 40 ? 0 : i - 40, 80);
        }
    }
    return {};
}

TEST(TerminalOutput, ControlCharactersOfTheListingAreNeverPrintedAsTheyStand) {
    const std::string titled = writeTemporaryFile(
        "controls.anl",
        sampleWith("LOAD 2 LOADTYPE Live TITLE LIVE LOAD",
                   "LOAD 2" + kControls + " LOADTYPE Live TITLE LIVE" + kControls + " LOAD"));
    const std::string badValue = writeTemporaryFile(
        "bad-value.anl",
        sampleWith("FLOAD -4.5 XRANGE 0 24", "FLOAD -4" + kControls + " XRANGE 0 24"));
    const std::string sample = "samples/office-block.anl";
    const struct {
        const char* name;
        std::vector<std::string> arguments;
        bool json;
        bool onStandardError;
    } cases[] = {
        {"info", {"info", titled}, false, false},
        {"check", {"check", titled}, false, false},
        {"compare", {"compare", sample, titled}, false, false},
        {"dump", {"dump", titled}, true, false},
        {"check --json", {"check", titled, "--json"}, true, false},
        {"compare --json", {"compare", sample, titled, "--json"}, true, false},
        {"a message quoting the listing", {"info", badValue}, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ProgramRun run = runProgram(FRAMEPLAN_BINARY, c.arguments);
        EXPECT_EQ(firstControl(run.out), "");
        EXPECT_EQ(firstControl(run.err), "");
        const std::string& shown = c.onStandardError ? run.err : run.out;
        if (c.json) {
            EXPECT_NE(shown.find("\\u001b[2J\\u0007\\u009b\\u009d"), std::string::npos);
            EXPECT_FALSE(QJsonDocument::fromJson(QByteArray::fromStdString(shown)).isNull());
        } else {
            EXPECT_NE(shown.find("\uFFFD[2J\uFFFD"), std::string::npos) << shown;
        }
    }
}

}  // namespace
}  // namespace fp::testing
